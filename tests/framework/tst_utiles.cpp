// The identity, bank-code and amount-in-words utilities: province of a postal
// code, NIF and CIF checks, CCC control digits and the amount in words in both
// languages and genders, with their limits.
#include "framework/Utiles.h"

#include <QtTest>
#include <cmath>
#include <limits>

using fw::Castellano;
using fw::Catalan;
using fw::Femenino;
using fw::Masculino;

class TestUtiles : public QObject
{
    Q_OBJECT

private slots:
    void provinciaDeCodigoPostal_data()
    {
        QTest::addColumn<QString>("codigoPostal");
        QTest::addColumn<QString>("provincia");
        // The whole table, one postal code per province.
        const QStringList provincias = {
            "Álava",     "Albacete",    "Alicante",   "Almería",  "Ávila",      "Badajoz",    "Baleares",
            "Barcelona", "Burgos",      "Cáceres",    "Cádiz",    "Castellón",  "Ciudad Real", "Córdoba",
            "La Coruña", "Cuenca",      "Gerona",     "Granada",  "Guadalajara", "Guipúzcoa", "Huelva",
            "Huesca",    "Jaén",        "León",       "Lérida",   "La Rioja",   "Lugo",       "Madrid",
            "Málaga",    "Murcia",      "Navarra",    "Orense",   "Asturias",   "Palencia",   "Las Palmas",
            "Pontevedra", "Salmanca",   "Tenerife",   "Cantabria", "Segovia",   "Sevilla",    "Soria",
            "Tarragona", "Teruel",      "Toledo",     "Valencia", "Valladolid", "Vizcaya",    "Zamora",
            "Zaragoza",  "Ceuta",       "Melilla"};
        for (int n = 1; n <= provincias.size(); ++n) {
            const QString codigo = QStringLiteral("%1001").arg(n, 2, 10, QLatin1Char('0'));
            QTest::addRow("%s", qPrintable(codigo)) << codigo << provincias.at(n - 1);
        }
        QTest::newRow("leading blank") << " 8001" << "Barcelona";
        QTest::newRow("two characters only") << "28" << "Madrid";
        QTest::newRow("one digit") << "8" << "Barcelona";
        QTest::newRow("four digits read as 80") << "8001" << "";
        QTest::newRow("zero") << "00100" << "";
        QTest::newRow("past the table") << "53000" << "";
        QTest::newRow("letters") << "ABC" << "";
        QTest::newRow("digit and letter") << "2A001" << "";
        QTest::newRow("sign") << "-1001" << "";
        QTest::newRow("trailing blank") << "8 001" << "";
        QTest::newRow("empty") << "" << "";
    }

    void provinciaDeCodigoPostal()
    {
        QFETCH(QString, codigoPostal);
        QFETCH(QString, provincia);
        QCOMPARE(fw::provinciaDeCodigoPostal(codigoPostal), provincia);
    }

    void comprobarNif_data()
    {
        QTest::addColumn<QString>("nif");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<QString>("despues");
        QTest::newRow("completed") << "12345678" << true << "12345678Z";
        QTest::newRow("zero takes T") << "0" << true << "0T";
        QTest::newRow("remainder 22 takes E, not the 24th letter") << "22" << true << "22E";
        QTest::newRow("long number, no overflow") << "123456789012345678901234" << true
                                                  << "123456789012345678901234A";
        QTest::newRow("valid") << "12345678Z" << true << "12345678Z";
        QTest::newRow("lower-case letter") << "12345678z" << true << "12345678z";
        QTest::newRow("other number") << "99999999R" << true << "99999999R";
        QTest::newRow("wrong letter") << "12345678A" << false << "12345678A";
        QTest::newRow("foreigner's prefix") << "X1234567L" << false << "X1234567L";
        QTest::newRow("sign") << "-5" << false << "-5";
        QTest::newRow("blank inside") << "1234 5678Z" << false << "1234 5678Z";
        QTest::newRow("letter only") << "Z" << false << "Z";
        QTest::newRow("empty") << "" << false << "";
    }

    void comprobarNif()
    {
        QFETCH(QString, nif);
        QFETCH(bool, valido);
        QFETCH(QString, despues);
        QCOMPARE(fw::comprobarNif(nif), valido);
        QCOMPARE(nif, despues);
    }

    void comprobarCif_data()
    {
        QTest::addColumn<QString>("cif");
        QTest::addColumn<bool>("valido");
        QTest::newRow("digit control") << "B12345674" << true;
        QTest::newRow("lower case") << "b12345674" << true;
        QTest::newRow("sum ending in 0, control 0") << "A00000000" << true;
        QTest::newRow("sum ending in 0, other digit") << "A00000001" << false;
        QTest::newRow("wrong digit") << "B12345675" << false;
        QTest::newRow("P takes a letter") << "P1234567D" << true;
        QTest::newRow("X takes a letter, lower case") << "x1234567d" << true;
        QTest::newRow("letter J for units 0") << "P0000000J" << true;
        QTest::newRow("P with a digit control") << "P12345674" << false;
        QTest::newRow("P with the wrong letter") << "P1234567E" << false;
        QTest::newRow("letter control on other prefix") << "B1234567D" << false;
        QTest::newRow("first character not examined") << "912345674" << true;
        QTest::newRow("letter among the digits") << "B12A45674" << false;
        QTest::newRow("eight characters") << "B1234567" << false;
        QTest::newRow("ten characters") << "B123456740" << false;
        QTest::newRow("empty") << "" << false;
    }

    void comprobarCif()
    {
        QFETCH(QString, cif);
        QFETCH(bool, valido);
        QCOMPARE(fw::comprobarCif(cif), valido);
    }

    void digitosControlCcc_data()
    {
        QTest::addColumn<QString>("entidad");
        QTest::addColumn<QString>("agencia");
        QTest::addColumn<QString>("cuenta");
        QTest::addColumn<QString>("digitos");
        QTest::newRow("example") << "1234" << "5678" << "0123456789" << "01";
        QTest::newRow("real account") << "2100" << "0418" << "0200051332" << "45";
        QTest::newRow("11 becomes 0") << "0000" << "0000" << "0000000000" << "00";
        QTest::newRow("10 becomes 1") << "0000" << "0000" << "1000000000" << "01";
        QTest::newRow("short account") << "1234" << "5678" << "01234567" << "";
        QTest::newRow("short entity") << "123" << "5678" << "0123456789" << "";
        QTest::newRow("letter in branch") << "1234" << "56A8" << "0123456789" << "";
        QTest::newRow("blank in account") << "1234" << "5678" << "01234 6789" << "";
        QTest::newRow("all empty") << "" << "" << "" << "";
    }

    void digitosControlCcc()
    {
        QFETCH(QString, entidad);
        QFETCH(QString, agencia);
        QFETCH(QString, cuenta);
        QFETCH(QString, digitos);
        QCOMPARE(fw::digitosControlCcc(entidad, agencia, cuenta), digitos);
    }

    void importeEnLetras_data()
    {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<int>("genero");
        QTest::addColumn<double>("importe");
        QTest::addColumn<QString>("letras");

        // The reference examples.
        QTest::newRow("0") << 1 << 1 << 0.0 << "CERO";
        QTest::newRow("1") << 1 << 1 << 1.0 << "UNO";
        QTest::newRow("1 fem") << 1 << 2 << 1.0 << "UNA";
        QTest::newRow("21") << 1 << 1 << 21.0 << "VEINTIUNO";
        QTest::newRow("100") << 1 << 1 << 100.0 << "CIEN";
        QTest::newRow("101") << 1 << 1 << 101.0 << "CIENTO UNO";
        QTest::newRow("200 fem") << 1 << 2 << 200.0 << "DOSCIENTAS";
        QTest::newRow("1000") << 1 << 1 << 1000.0 << "MIL";
        QTest::newRow("1100") << 1 << 1 << 1100.0 << "MIL CIEN";
        QTest::newRow("21000") << 1 << 1 << 21000.0 << "VEINTIUNO MIL";
        QTest::newRow("1000000") << 1 << 1 << 1e6 << "UN MILLON";
        QTest::newRow("1001000") << 1 << 1 << 1001000.0 << "UN MILLON MIL";
        QTest::newRow("21000000") << 1 << 1 << 21e6 << "VEINTIUN MILLONES";
        QTest::newRow("200000000") << 1 << 1 << 2e8 << "DOSCIENTOS MILLONES";
        QTest::newRow("1000000000") << 1 << 1 << 1e9 << "MIL MILLONES";
        QTest::newRow("12.50") << 1 << 1 << 12.5 << "DOCE CON CINCUENTA";
        QTest::newRow("0.05") << 1 << 1 << 0.05 << "CERO CON CINCO";

        // Tens, teens and the word "and".
        QTest::newRow("10") << 1 << 1 << 10.0 << "DIEZ";
        QTest::newRow("16") << 1 << 1 << 16.0 << "DIECISEIS";
        QTest::newRow("20") << 1 << 1 << 20.0 << "VEINTE";
        QTest::newRow("31") << 1 << 1 << 31.0 << "TREINTA Y UNO";
        QTest::newRow("110") << 1 << 1 << 110.0 << "CIENTO DIEZ";
        QTest::newRow("123456789") << 1 << 1 << 123456789.0
                                   << "CIENTO VEINTITRES MILLONES CUATROCIENTOS CINCUENTA Y SEIS MIL "
                                      "SETECIENTOS OCHENTA Y NUEVE";
        QTest::newRow("2001000") << 1 << 1 << 2001000.0 << "DOS MILLONES MIL";
        QTest::newRow("5000000000") << 1 << 1 << 5e9 << "CINCO MIL MILLONES";
        QTest::newRow("1000001000") << 1 << 1 << 1000001000.0 << "MIL MILLONES MIL";
        QTest::newRow("limit") << 1 << 1 << 999999999999.99
                               << "NOVECIENTOS NOVENTA Y NUEVE MIL NOVECIENTOS NOVENTA Y NUEVE MILLONES "
                                  "NOVECIENTOS NOVENTA Y NUEVE MIL NOVECIENTOS NOVENTA Y NUEVE CON NOVENTA Y NUEVE";

        // Gender: the hundreds of the millions stay masculine, "UN" before
        // "MILLON" does not change, and the cents follow the gender too.
        QTest::newRow("21 fem") << 1 << 2 << 21.0 << "VEINTIUNA";
        QTest::newRow("21000 fem") << 1 << 2 << 21000.0 << "VEINTIUNA MIL";
        QTest::newRow("200000 fem") << 1 << 2 << 200000.0 << "DOSCIENTAS MIL";
        QTest::newRow("200000000 fem") << 1 << 2 << 2e8 << "DOSCIENTOS MILLONES";
        QTest::newRow("1000000 fem") << 1 << 2 << 1e6 << "UN MILLON";
        QTest::newRow("1.01 fem") << 1 << 2 << 1.01 << "UNA CON UNA";

        // Cents rounded to the nearest, carrying into the units.
        QTest::newRow("0.994") << 1 << 1 << 0.994 << "CERO CON NOVENTA Y NUEVE";
        QTest::newRow("0.999 carries") << 1 << 1 << 0.999 << "UNO";
        QTest::newRow("12.995 carries") << 1 << 1 << 12.995 << "TRECE";
        QTest::newRow("99.995 carries") << 1 << 1 << 99.995 << "CIEN";
        QTest::newRow("tiny negative is zero") << 1 << 1 << -0.00001 << "CERO";

        // Catalan: hyphens without blanks before them.
        QTest::newRow("ca 0") << 2 << 1 << 0.0 << "ZERO";
        QTest::newRow("ca 2") << 2 << 1 << 2.0 << "DOS";
        QTest::newRow("ca 2 fem") << 2 << 2 << 2.0 << "DUES";
        QTest::newRow("ca 21") << 2 << 1 << 21.0 << "VINT-I-UN";
        QTest::newRow("ca 21 fem") << 2 << 2 << 21.0 << "VINT-I-UNA";
        QTest::newRow("ca 31") << 2 << 1 << 31.0 << "TRENTA-UN";
        QTest::newRow("ca 101") << 2 << 1 << 101.0 << "CENT UN";
        QTest::newRow("ca 200") << 2 << 1 << 200.0 << "DOS-CENTS";
        QTest::newRow("ca 234567 fem") << 2 << 2 << 234567.0
                                       << "DOS-CENTES TRENTA-QUATRE MIL CINC-CENTES SEIXANTA-SET";
        QTest::newRow("ca 1000000") << 2 << 1 << 1e6 << "UN MILIO";
        QTest::newRow("ca 2000000") << 2 << 1 << 2e6 << "DOS MILIONS";
        QTest::newRow("ca 12.50") << 2 << 1 << 12.5 << "DOTZE AMB CINQUANTA";
        QTest::newRow("ca 0.45") << 2 << 1 << 0.45 << "ZERO AMB QUARANTA-CINC";
    }

    void importeEnLetras()
    {
        QFETCH(int, idioma);
        QFETCH(int, genero);
        QFETCH(double, importe);
        QFETCH(QString, letras);
        QCOMPARE(fw::importeEnLetras(idioma, genero, importe), letras);
    }

    void importeEnLetrasFueraDeLimites_data()
    {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<int>("genero");
        QTest::addColumn<double>("importe");
        QTest::newRow("one trillion") << 1 << 1 << 1e12;
        QTest::newRow("just past the limit") << 1 << 1 << 999999999999.995;
        QTest::newRow("huge") << 1 << 1 << 1e300;
        QTest::newRow("negative") << 1 << 1 << -0.01;
        QTest::newRow("not a number") << 1 << 1 << std::nan("");
        QTest::newRow("infinite") << 1 << 1 << std::numeric_limits<double>::infinity();
        QTest::newRow("language 0") << 0 << 1 << 1.0;
        QTest::newRow("language 3") << 3 << 1 << 1.0;
        QTest::newRow("gender 0") << 1 << 0 << 1.0;
        QTest::newRow("gender 3") << 2 << 3 << 1.0;
    }

    // Refused with a silent abort that ends the caller's operation and still
    // carries the error text.
    void importeEnLetrasFueraDeLimites()
    {
        QFETCH(int, idioma);
        QFETCH(int, genero);
        QFETCH(double, importe);
        try {
            fw::importeEnLetras(idioma, genero, importe);
            QFAIL("accepted");
        } catch (const ds::SilentAbort &abort) {
            const auto *error = dynamic_cast<const fw::ErrorEnArgumentos *>(&abort);
            QVERIFY(error);
            QCOMPARE(error->texto(), QStringLiteral("ERROR EN ARGUMENTOS"));
        }
    }
};

QTEST_GUILESS_MAIN(TestUtiles)
#include "tst_utiles.moc"
