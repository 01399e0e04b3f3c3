#include "Utiles.h"

#include <QStringList>
#include <array>
#include <cmath>

namespace fw {

namespace {

// Only ASCII digits count: QChar::isDigit() would also take other scripts'
// digits, which no code of ours may contain.
bool esDigito(QChar c) { return c >= u'0' && c <= u'9'; }

int valorDigito(QChar c) { return c.unicode() - u'0'; }

bool soloDigitos(QStringView texto)
{
    if (texto.isEmpty())
        return false;
    for (QChar c : texto)
        if (!esDigito(c))
            return false;
    return true;
}

// ---------------------------------------------------------------------------
// Identity

const std::array<const char16_t *, 52> kProvincias = {
    u"Álava",      u"Albacete",  u"Alicante",    u"Almería",   u"Ávila",      u"Badajoz",   u"Baleares",
    u"Barcelona",  u"Burgos",    u"Cáceres",     u"Cádiz",     u"Castellón",  u"Ciudad Real",
    u"Córdoba",    u"La Coruña", u"Cuenca",      u"Gerona",    u"Granada",    u"Guadalajara",
    u"Guipúzcoa",  u"Huelva",    u"Huesca",      u"Jaén",      u"León",       u"Lérida",    u"La Rioja",
    u"Lugo",       u"Madrid",    u"Málaga",      u"Murcia",    u"Navarra",    u"Orense",    u"Asturias",
    u"Palencia",   u"Las Palmas", u"Pontevedra", u"Salmanca",  u"Tenerife",   u"Cantabria", u"Segovia",
    u"Sevilla",    u"Soria",     u"Tarragona",   u"Teruel",    u"Toledo",     u"Valencia",  u"Valladolid",
    u"Vizcaya",    u"Zamora",    u"Zaragoza",    u"Ceuta",     u"Melilla"};

// The letter of a NIF number is chosen among these 23 by the number mod 23.
constexpr QStringView kLetrasNif = u"TRWAGMYFPDXBNJZSQVHLCKE";

// Letter of a number written in digits of any length (taken mod 23 digit by
// digit, so a long number never overflows).
QChar letraNif(QStringView digitos)
{
    int resto = 0;
    for (QChar c : digitos)
        resto = (resto * 10 + valorDigito(c)) % 23;
    return kLetrasNif[resto];
}

// ---------------------------------------------------------------------------
// Bank codes

constexpr std::array<int, 10> kPesosCcc = {6, 3, 7, 9, 10, 5, 8, 4, 2, 1};

// One control digit from the first `cuantos` characters of `texto`, weighted
// from the rightmost of them leftwards; anything typed after them is ignored.
// -1 when one of them is missing or not a digit.
int digitoControl(const QString &texto, int cuantos)
{
    if (texto.size() < cuantos)
        return -1;
    int suma = 0;
    for (int i = 0; i < cuantos; ++i) {
        const QChar c = texto.at(cuantos - 1 - i);
        if (!esDigito(c))
            return -1;
        suma += valorDigito(c) * kPesosCcc[i];
    }
    const int digito = 11 - suma % 11;
    return digito == 10 ? 1 : digito == 11 ? 0 : digito;
}

// ---------------------------------------------------------------------------
// Amount in words

using Fila = QStringList; // index 1 to 9; [0] unused

// The words of one language and gender. Every word ends with a blank except
// the twenty prefix and the Catalan "and" (a hyphen).
struct Vocabulario
{
    Fila unidades, decenas, dieces, centenas, centenasMasculinas;
    QString un, veinti, ciento, mil, millon, millones, cero, y, con;
};

Vocabulario vocabulario(int idioma, int genero)
{
    Vocabulario v;
    if (idioma == Castellano) {
        v.unidades = {QString(), "UNA ", "DOS ", "TRES ", "CUATRO ", "CINCO ", "SEIS ", "SIETE ", "OCHO ", "NUEVE "};
        v.dieces = {QString(), "ONCE ", "DOCE ", "TRECE ", "CATORCE ", "QUINCE ", "DIECISEIS ", "DIECISIETE ",
                    "DIECIOCHO ", "DIECINUEVE "};
        v.decenas = {QString(), "DIEZ ", "VEINTE ", "TREINTA ", "CUARENTA ", "CINCUENTA ", "SESENTA ", "SETENTA ",
                     "OCHENTA ", "NOVENTA "};
        v.centenas = {QString(), "CIEN ", "DOSCIENTAS ", "TRESCIENTAS ", "CUATROCIENTAS ", "QUINIENTAS ",
                      "SEISCIENTAS ", "SETECIENTAS ", "OCHOCIENTAS ", "NOVECIENTAS "};
        v.centenasMasculinas = {QString(), "CIEN ", "DOSCIENTOS ", "TRESCIENTOS ", "CUATROCIENTOS ", "QUINIENTOS ",
                                "SEISCIENTOS ", "SETECIENTOS ", "OCHOCIENTOS ", "NOVECIENTOS "};
        v.un = "UN ";
        v.veinti = "VEINTI";
        v.ciento = "CIENTO ";
        v.mil = "MIL ";
        v.millon = "MILLON ";
        v.millones = "MILLONES ";
        v.cero = "CERO ";
        v.y = "Y ";
        v.con = "CON ";
        if (genero == Masculino)
            v.unidades[1] = "UNO ";
    } else {
        v.unidades = {QString(), "UNA ", "DUES ", "TRES ", "QUATRE ", "CINC ", "SIS ", "SET ", "VUIT ", "NOU "};
        v.dieces = {QString(), "ONZE ", "DOTZE ", "TRETZE ", "CATORZE ", "QUINZE ", "SETZE ", "DISSET ", "DIVUIT ",
                    "DINOU "};
        v.decenas = {QString(), "DEU ", "VINT ", "TRENTA ", "QUARANTA ", "CINQUANTA ", "SEIXANTA ", "SETANTA ",
                     "VUITANTA ", "NORANTA "};
        v.centenas = {QString(), "CENT ", "DOS-CENTES ", "TRES-CENTES ", "QUATRE-CENTES ", "CINC-CENTES ",
                      "SIS-CENTES ", "SET-CENTES ", "VUIT-CENTES ", "NOU-CENTES "};
        v.centenasMasculinas = {QString(), "CENT ", "DOS-CENTS ", "TRES-CENTS ", "QUATRE-CENTS ", "CINC-CENTS ",
                                "SIS-CENTS ", "SET-CENTS ", "VUIT-CENTS ", "NOU-CENTS "};
        v.un = "UN ";
        v.veinti = "VINT-I-";
        v.ciento = "CENT ";
        v.mil = "MIL ";
        v.millon = "MILIO ";
        v.millones = "MILIONS ";
        v.cero = "ZERO ";
        v.y = "-";
        v.con = "AMB ";
        if (genero == Masculino) {
            v.unidades[1] = "UN ";
            v.unidades[2] = "DOS ";
        }
    }
    if (genero == Masculino)
        v.centenas = v.centenasMasculinas;
    return v;
}

// Hundreds digit at position p (1, 4, 7 or 10) of the twelve digits. The
// thousands of millions and the millions count "millones", a masculine noun,
// so their hundreds are always masculine.
QString centenas(const QString &d, int p, const Vocabulario &v)
{
    const int h = valorDigito(d.at(p - 1));
    if (h == 0)
        return {};
    if (h == 1 && QStringView(d).mid(p, 2) != u"00")
        return v.ciento;
    return (p == 1 || p == 4) ? v.centenasMasculinas[h] : v.centenas[h];
}

// Tens digit at position p (2, 5, 8 or 11); the units digit after it decides
// between the tens word, a teen, the twenty prefix or tens plus "and".
QString decenas(const QString &d, int p, const Vocabulario &v)
{
    const int t = valorDigito(d.at(p - 1));
    const int u = valorDigito(d.at(p));
    if (t == 0)
        return {};
    if (u == 0)
        return v.decenas[t];
    if (t == 1)
        return v.dieces[u];
    if (t == 2)
        return v.veinti;
    return v.decenas[t] + v.y;
}

// Units digit at position p (3, 6, 9 or 12) with the word of its group of
// three: "MIL" after the thousands of millions and the thousands (where one
// thousand is just "MIL"), "MILLON"/"MILLONES" after the millions (where one
// is the short "UN").
QString unidades(const QString &d, int p, const Vocabulario &v)
{
    const int u = valorDigito(d.at(p - 1));
    const int t = valorDigito(d.at(p - 2));
    const QStringView grupo = QStringView(d).mid(p - 3, 3);
    const bool milSinUno = grupo == u"001" && (p == 3 || p == 9);
    QString texto;
    if (u != 0 && t != 1 && !milSinUno)
        texto = (u == 1 && (p == 3 || p == 6)) ? v.un : v.unidades[u];
    if ((p == 3 || p == 9) && grupo != u"000")
        texto += v.mil;
    else if (p == 6)
        texto += QStringView(d).left(6) == u"000001" ? v.millon : v.millones;
    return texto;
}

// The words of a number given as twelve digits, from its first non-zero digit.
QString escribirDigitos(const QString &d, const Vocabulario &v)
{
    QString texto;
    int p = 1;
    while (p <= 12 && d.at(p - 1) == u'0')
        ++p;
    for (; p <= 12; ++p) {
        switch (p % 3) {
        case 1: texto += centenas(d, p, v); break;
        case 2: texto += decenas(d, p, v); break;
        default: texto += unidades(d, p, v); break;
        }
    }
    return texto;
}

QString doceDigitos(qint64 n) { return QStringLiteral("%1").arg(n, 12, 10, QLatin1Char('0')); }

// The amount in ten-thousandths, as a four-decimal fixed-point value would
// hold it. Formatting to four decimals rounds on the decimal expansion, so
// 12.995 (stored a hair below) is 12.9950 and not 12.9949.
qint64 diezmilesimas(double importe)
{
    const qint64 valor = QString::number(std::fabs(importe), 'f', 4).remove(QLatin1Char('.')).toLongLong();
    return importe < 0 ? -valor : valor;
}

constexpr double kLimiteHolgado = 1e13;                   // well above the limit, below qint64 overflow
constexpr qint64 kMaximoDiezmilesimas = 9999999999999900; // 999.999.999.999,99

} // namespace

QString provinciaDeCodigoPostal(const QString &codigoPostal)
{
    QStringView dos = QStringView(codigoPostal).left(2);
    while (dos.startsWith(u' '))
        dos = dos.mid(1);
    if (!soloDigitos(dos))
        return {};
    const int numero = dos.toInt();
    if (numero < 1 || numero > int(kProvincias.size()))
        return {};
    return QString::fromUtf16(kProvincias[numero - 1]);
}

bool comprobarNif(QString &nif)
{
    if (soloDigitos(nif)) {
        nif += letraNif(nif);
        return true;
    }
    const QStringView numero = QStringView(nif).chopped(nif.isEmpty() ? 0 : 1);
    if (!soloDigitos(numero))
        return false;
    return nif.back().toUpper() == letraNif(numero);
}

bool comprobarCif(const QString &cif)
{
    const QString t = cif.toUpper();
    if (t.size() != 9)
        return false;
    for (int i = 1; i <= 7; ++i)
        if (!esDigito(t.at(i)))
            return false;
    int suma = 0;
    for (int i : {2, 4, 6}) // positions 3, 5 and 7
        suma += valorDigito(t.at(i));
    for (int i : {1, 3, 5, 7}) { // positions 2, 4, 6 and 8, doubled
        const int doble = 2 * valorDigito(t.at(i));
        suma += doble % 10 + doble / 10;
    }
    const int unidades = suma % 10;
    const QChar control = t.at(8);
    if (t.front() == u'X' || t.front() == u'P')
        return control == QChar(64 + 10 - unidades);
    return esDigito(control) && valorDigito(control) == (10 - unidades) % 10;
}

QString digitosControlCcc(const QString &entidad, const QString &agencia, const QString &cuenta)
{
    const int primero = digitoControl(entidad + agencia, 8);
    const int segundo = digitoControl(cuenta, 10);
    if (primero < 0 || segundo < 0)
        return {};
    return QStringLiteral("%1%2").arg(primero).arg(segundo);
}

QString importeEnLetras(int idioma, int genero, double importe)
{
    const bool argumentosValidos = (idioma == Castellano || idioma == Catalan)
                                   && (genero == Masculino || genero == Femenino) && std::isfinite(importe)
                                   && std::fabs(importe) < kLimiteHolgado;
    const qint64 valor = argumentosValidos ? diezmilesimas(importe) : -1;
    if (valor < 0 || valor > kMaximoDiezmilesimas)
        throw ErrorEnArgumentos();

    // Cents rounded half up; 0.999 carries into the units and reads "UNO"
    // rather than "CERO CON CIEN".
    const qint64 centimosTotales = (valor + 50) / 100;
    const Vocabulario v = vocabulario(idioma, genero);
    QString texto = escribirDigitos(doceDigitos(centimosTotales / 100), v);
    if (texto.isEmpty())
        texto = v.cero;
    if (const qint64 centimos = centimosTotales % 100; centimos != 0)
        texto += v.con + escribirDigitos(doceDigitos(centimos), v);
    if (idioma == Catalan)
        texto.replace(QStringLiteral(" -"), QStringLiteral("-"));
    return texto.trimmed();
}

} // namespace fw
