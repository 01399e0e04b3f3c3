#include "Proyecto.h"

#include "ErrorInforme.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>

namespace rpt {

namespace {

// A mistake inside the file: the loader turns it into the project's error
// text, so every reason reads "... no es válido: <motivo>".
struct Motivo
{
    QString texto;
};

[[noreturn]] void fallo(const QString &texto) { throw Motivo{texto}; }

// Every object is checked against the keys it may hold, so a misspelt key is
// reported instead of being silently ignored (a report that lost its total
// because of a typo would print wrong without anyone noticing).
void comprobarClaves(const QJsonObject &o, const QSet<QString> &validas, const QString &donde)
{
    for (auto it = o.begin(); it != o.end(); ++it)
        if (!validas.contains(it.key()))
            fallo(QStringLiteral("clave desconocida '%1' en %2").arg(it.key(), donde));
}

QJsonObject objeto(const QJsonValue &v, const QString &donde)
{
    if (!v.isObject())
        fallo(QStringLiteral("%1 debe ser un objeto").arg(donde));
    return v.toObject();
}

double numero(const QJsonObject &o, const QString &clave, double omision, const QString &donde)
{
    const QJsonValue v = o.value(clave);
    if (v.isUndefined())
        return omision;
    if (!v.isDouble() || v.toDouble() < 0)
        fallo(QStringLiteral("'%1' en %2 debe ser un número no negativo").arg(clave, donde));
    return v.toDouble();
}

QString texto(const QJsonObject &o, const QString &clave, const QString &donde, bool obligatorio = false)
{
    const QJsonValue v = o.value(clave);
    if (v.isUndefined() && !obligatorio)
        return {};
    if (!v.isString() || (obligatorio && v.toString().isEmpty()))
        fallo(QStringLiteral("'%1' en %2 debe ser un texto%3")
                  .arg(clave, donde, obligatorio ? QStringLiteral(" no vacío") : QString()));
    return v.toString();
}

bool logico(const QJsonObject &o, const QString &clave, const QString &donde)
{
    const QJsonValue v = o.value(clave);
    if (v.isUndefined())
        return false;
    if (!v.isBool())
        fallo(QStringLiteral("'%1' en %2 debe ser true o false").arg(clave, donde));
    return v.toBool();
}

// One of a fixed set of words.
template <typename T>
T palabra(const QJsonObject &o, const QString &clave, const std::vector<std::pair<QString, T>> &opciones, T omision,
          const QString &donde)
{
    if (!o.contains(clave))
        return omision;
    const QString v = o.value(clave).toString();
    for (const auto &[nombre, valor] : opciones)
        if (nombre == v)
            return valor;
    QStringList nombres;
    for (const auto &op : opciones)
        nombres << QLatin1Char('"') + op.first + QLatin1Char('"');
    fallo(QStringLiteral("'%1' en %2 debe ser %3").arg(clave, donde, nombres.join(QStringLiteral(", "))));
}

const std::vector<std::pair<QString, TipoElemento>> kTipos = {
    {QStringLiteral("texto"), TipoElemento::Texto},   {QStringLiteral("campo"), TipoElemento::Campo},
    {QStringLiteral("letras"), TipoElemento::Letras}, {QStringLiteral("total"), TipoElemento::Total},
    {QStringLiteral("imagen"), TipoElemento::Imagen}, {QStringLiteral("linea"), TipoElemento::Linea},
    {QStringLiteral("caja"), TipoElemento::Caja},
};

DefFuente leerFuente(const QJsonValue &v, const QString &donde)
{
    DefFuente f;
    if (v.isUndefined())
        return f;
    const QJsonObject o = objeto(v, QStringLiteral("'fuente' en ") + donde);
    comprobarClaves(o, {"tamano", "negrita", "cursiva"}, QStringLiteral("'fuente' en ") + donde);
    f.tamano = numero(o, QStringLiteral("tamano"), f.tamano, donde);
    if (f.tamano <= 0)
        fallo(QStringLiteral("el tamaño de la fuente en %1 debe ser mayor que 0").arg(donde));
    f.negrita = logico(o, QStringLiteral("negrita"), donde);
    f.cursiva = logico(o, QStringLiteral("cursiva"), donde);
    return f;
}

// Keys each element kind accepts besides the position.
QSet<QString> clavesDe(TipoElemento tipo)
{
    QSet<QString> claves{"tipo", "x", "y", "ancho", "alto"};
    const QSet<QString> deTexto{"alineacion", "fuente"};
    switch (tipo) {
    case TipoElemento::Texto:
        return claves + deTexto + QSet<QString>{"texto"};
    case TipoElemento::Campo:
        return claves + deTexto + QSet<QString>{"datos", "columna", "mascara"};
    case TipoElemento::Letras:
        return claves + deTexto + QSet<QString>{"datos", "columna"};
    case TipoElemento::Total:
        return claves + deTexto + QSet<QString>{"datos", "columna", "mascara", "funcion", "ambito"};
    case TipoElemento::Imagen:
        return claves + QSet<QString>{"datos", "columna"};
    case TipoElemento::Linea:
        return claves + QSet<QString>{"grosor"};
    case TipoElemento::Caja:
        return claves + QSet<QString>{"grosor", "relleno"};
    }
    return claves;
}

DefElemento leerElemento(const QJsonValue &v, int grupo, const QString &donde)
{
    const QJsonObject o = objeto(v, donde);
    DefElemento e;
    e.tipo = palabra(o, QStringLiteral("tipo"), kTipos, TipoElemento::Texto, donde);
    if (!o.contains(QStringLiteral("tipo")))
        fallo(QStringLiteral("falta 'tipo' en %1").arg(donde));
    comprobarClaves(o, clavesDe(e.tipo), donde);
    e.rect = QRectF(numero(o, QStringLiteral("x"), 0, donde), numero(o, QStringLiteral("y"), 0, donde),
                    numero(o, QStringLiteral("ancho"), 0, donde), numero(o, QStringLiteral("alto"), 0, donde));
    e.texto = texto(o, QStringLiteral("texto"), donde);
    e.datos = texto(o, QStringLiteral("datos"), donde);
    e.mascara = texto(o, QStringLiteral("mascara"), donde);
    e.alineacion = palabra(o, QStringLiteral("alineacion"),
                           {{QStringLiteral("izquierda"), Alineacion::Izquierda},
                            {QStringLiteral("centro"), Alineacion::Centro},
                            {QStringLiteral("derecha"), Alineacion::Derecha}},
                           Alineacion::Izquierda, donde);
    e.fuente = leerFuente(o.value(QStringLiteral("fuente")), donde);
    e.funcion = palabra(o, QStringLiteral("funcion"),
                        {{QStringLiteral("suma"), FuncionTotal::Suma}, {QStringLiteral("cuenta"), FuncionTotal::Cuenta}},
                        FuncionTotal::Suma, donde);
    e.ambito = palabra(o, QStringLiteral("ambito"),
                       {{QStringLiteral("informe"), AmbitoTotal::Informe}, {QStringLiteral("grupo"), AmbitoTotal::Grupo}},
                       grupo >= 0 ? AmbitoTotal::Grupo : AmbitoTotal::Informe, donde);
    if (e.tipo == TipoElemento::Total && e.ambito == AmbitoTotal::Grupo) {
        if (grupo < 0)
            fallo(QStringLiteral("un total de ámbito \"grupo\" solo puede ir en una banda de grupo (%1)").arg(donde));
        e.grupo = grupo;
    }
    e.grosor = numero(o, QStringLiteral("grosor"), e.grosor, donde);
    if (o.contains(QStringLiteral("relleno"))) {
        const QColor color = QColor::fromString(texto(o, QStringLiteral("relleno"), donde));
        if (!color.isValid())
            fallo(QStringLiteral("'relleno' en %1 no es un color").arg(donde));
        e.relleno = color;
    }
    const bool leeColumna = e.tipo == TipoElemento::Campo || e.tipo == TipoElemento::Letras
                            || e.tipo == TipoElemento::Imagen
                            || (e.tipo == TipoElemento::Total && e.funcion == FuncionTotal::Suma);
    if (leeColumna)
        e.columna = texto(o, QStringLiteral("columna"), donde, true);
    return e;
}

DefBanda leerBanda(const QJsonValue &v, int grupo, const QString &donde, bool admiteColumnas = false)
{
    DefBanda b;
    if (v.isUndefined())
        return b;
    const QJsonObject o = objeto(v, donde);
    comprobarClaves(o, admiteColumnas ? QSet<QString>{"alto", "elementos", "columnas"} : QSet<QString>{"alto", "elementos"},
                    donde);
    b.alto = numero(o, QStringLiteral("alto"), 0, donde);
    if (admiteColumnas) {
        b.columnas = int(numero(o, QStringLiteral("columnas"), 1, donde));
        if (b.columnas < 1)
            fallo(QStringLiteral("'columnas' en %1 debe ser 1 o más").arg(donde));
    }
    const QJsonValue elementos = o.value(QStringLiteral("elementos"));
    if (!elementos.isUndefined() && !elementos.isArray())
        fallo(QStringLiteral("'elementos' en %1 debe ser una lista").arg(donde));
    const QJsonArray lista = elementos.toArray();
    for (qsizetype i = 0; i < lista.size(); ++i)
        b.elementos.push_back(leerElemento(lista[i], grupo, QStringLiteral("el elemento %1 de %2").arg(i + 1).arg(donde)));
    return b;
}

QSizeF leerTamano(const QJsonValue &v, const QString &donde)
{
    if (v.isUndefined())
        return {210, 297};
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        comprobarClaves(o, {"ancho", "alto"}, donde);
        const QSizeF papel(numero(o, QStringLiteral("ancho"), 0, donde), numero(o, QStringLiteral("alto"), 0, donde));
        if (papel.isEmpty())
            fallo(QStringLiteral("el papel de %1 necesita ancho y alto").arg(donde));
        return papel;
    }
    return palabra(QJsonObject{{QStringLiteral("tamano"), v}}, QStringLiteral("tamano"),
                   {{QStringLiteral("A4"), QSizeF(210, 297)},
                    {QStringLiteral("A5"), QSizeF(148, 210)},
                    {QStringLiteral("A3"), QSizeF(297, 420)}},
                   QSizeF(210, 297), donde);
}

DefPagina leerPagina(const QJsonValue &v, const QString &donde)
{
    DefPagina p;
    if (v.isUndefined())
        return p;
    const QJsonObject o = objeto(v, donde);
    comprobarClaves(o, {"tamano", "orientacion", "margenes"}, donde);
    p.papel = leerTamano(o.value(QStringLiteral("tamano")), donde);
    p.orientacion = palabra(o, QStringLiteral("orientacion"),
                            {{QStringLiteral("vertical"), Orientacion::Vertical},
                             {QStringLiteral("horizontal"), Orientacion::Horizontal}},
                            Orientacion::Vertical, donde);
    if (o.contains(QStringLiteral("margenes"))) {
        const QString dondeM = QStringLiteral("los márgenes de ") + donde;
        const QJsonObject m = objeto(o.value(QStringLiteral("margenes")), dondeM);
        comprobarClaves(m, {"izquierdo", "derecho", "superior", "inferior"}, dondeM);
        p.margenIzquierdo = numero(m, QStringLiteral("izquierdo"), p.margenIzquierdo, dondeM);
        p.margenDerecho = numero(m, QStringLiteral("derecho"), p.margenDerecho, dondeM);
        p.margenSuperior = numero(m, QStringLiteral("superior"), p.margenSuperior, dondeM);
        p.margenInferior = numero(m, QStringLiteral("inferior"), p.margenInferior, dondeM);
    }
    const QSizeF tam = p.tamano();
    if (p.margenIzquierdo + p.margenDerecho >= tam.width() || p.margenSuperior + p.margenInferior >= tam.height())
        fallo(QStringLiteral("los márgenes de %1 no dejan sitio en el papel").arg(donde));
    return p;
}

std::optional<DefSubdetalle> leerLineas(const QJsonValue &v, const QString &donde)
{
    if (v.isUndefined())
        return std::nullopt;
    const QJsonObject o = objeto(v, donde);
    comprobarClaves(o, {"datos", "campoMaestro", "campoDetalle", "banda"}, donde);
    DefSubdetalle s;
    s.datos = texto(o, QStringLiteral("datos"), donde, true);
    s.campoMaestro = texto(o, QStringLiteral("campoMaestro"), donde);
    s.campoDetalle = texto(o, QStringLiteral("campoDetalle"), donde);
    if (s.campoMaestro.isEmpty() != s.campoDetalle.isEmpty())
        fallo(QStringLiteral("%1 necesita 'campoMaestro' y 'campoDetalle', o ninguno").arg(donde));
    s.banda = leerBanda(o.value(QStringLiteral("banda")), -1, QStringLiteral("la banda de ") + donde);
    return s;
}

DefInforme leerInforme(const QJsonValue &v, int numero)
{
    const QJsonObject o = objeto(v, QStringLiteral("el informe %1").arg(numero));
    DefInforme inf;
    inf.nombre = texto(o, QStringLiteral("nombre"), QStringLiteral("el informe %1").arg(numero), true);
    const QString donde = QStringLiteral("el informe '%1'").arg(inf.nombre);
    const QString delInforme = QStringLiteral("del informe '%1'").arg(inf.nombre);
    comprobarClaves(o,
                    {"nombre", "datos", "pagina", "cabeceraInforme", "cabeceraPagina", "grupos", "detalle", "lineas",
                     "piePagina", "resumen"},
                    donde);
    inf.datos = texto(o, QStringLiteral("datos"), donde, true);
    inf.pagina = leerPagina(o.value(QStringLiteral("pagina")), QStringLiteral("la página ") + delInforme);
    const auto banda = [&](const char *clave) {
        return leerBanda(o.value(QLatin1String(clave)), -1, QStringLiteral("'%1' %2").arg(QLatin1String(clave), delInforme),
                         qstrcmp(clave, "detalle") == 0);
    };
    inf.cabeceraInforme = banda("cabeceraInforme");
    inf.cabeceraPagina = banda("cabeceraPagina");
    inf.detalle = banda("detalle");
    inf.piePagina = banda("piePagina");
    inf.resumen = banda("resumen");
    const QJsonValue grupos = o.value(QStringLiteral("grupos"));
    if (!grupos.isUndefined() && !grupos.isArray())
        fallo(QStringLiteral("'grupos' en %1 debe ser una lista").arg(donde));
    const QJsonArray lista = grupos.toArray();
    for (int g = 0; g < int(lista.size()); ++g) {
        const QString grupoN = QStringLiteral("grupo %1 %2").arg(g + 1).arg(delInforme);
        const QString dondeG = QStringLiteral("el ") + grupoN;
        const QJsonObject go = objeto(lista[g], dondeG);
        comprobarClaves(go, {"campo", "cabecera", "pie"}, dondeG);
        DefGrupo grupo;
        grupo.campo = texto(go, QStringLiteral("campo"), dondeG, true);
        grupo.cabecera = leerBanda(go.value(QStringLiteral("cabecera")), g, QStringLiteral("la cabecera del ") + grupoN);
        grupo.pie = leerBanda(go.value(QStringLiteral("pie")), g, QStringLiteral("el pie del ") + grupoN);
        inf.grupos.push_back(std::move(grupo));
    }
    inf.subdetalle = leerLineas(o.value(QStringLiteral("lineas")), QStringLiteral("'lineas' ") + delInforme);
    return inf;
}

} // namespace

Proyecto Proyecto::cargar(const QString &fichero)
{
    QFile f(fichero);
    if (!QFileInfo::exists(fichero))
        throw ErrorInforme(QStringLiteral("No se encuentra el fichero de informes '%1'.").arg(fichero));
    if (!f.open(QIODevice::ReadOnly))
        throw ErrorInforme(QStringLiteral("El fichero de informes '%1' no es válido: no se puede leer.").arg(fichero));
    return desdeTexto(f.readAll(), fichero);
}

Proyecto Proyecto::desdeTexto(const QByteArray &json, const QString &origen)
{
    Proyecto p;
    p.m_fichero = origen;
    try {
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
        if (error.error != QJsonParseError::NoError)
            fallo(QStringLiteral("no es un JSON correcto cerca del carácter %1").arg(error.offset));
        if (!doc.isObject())
            fallo(QStringLiteral("debe contener un objeto con la lista 'informes'"));
        const QJsonObject raiz = doc.object();
        comprobarClaves(raiz, {"informes"}, QStringLiteral("el proyecto"));
        if (!raiz.value(QStringLiteral("informes")).isArray())
            fallo(QStringLiteral("debe contener un objeto con la lista 'informes'"));
        const QJsonArray informes = raiz.value(QStringLiteral("informes")).toArray();
        for (int i = 0; i < int(informes.size()); ++i) {
            DefInforme inf = leerInforme(informes[i], i + 1);
            if (p.m_informes.contains(inf.nombre))
                fallo(QStringLiteral("el informe '%1' está repetido").arg(inf.nombre));
            p.m_informes.insert(inf.nombre, std::move(inf));
        }
    } catch (const Motivo &m) {
        throw ErrorInforme(QStringLiteral("El fichero de informes '%1' no es válido: %2.").arg(origen, m.texto));
    }
    return p;
}

const DefInforme &Proyecto::informe(const QString &nombre) const
{
    const auto it = m_informes.constFind(nombre);
    if (it == m_informes.constEnd())
        throw ErrorInforme(QStringLiteral("El informe '%1' no existe en '%2'.").arg(nombre, m_fichero));
    return *it;
}

QStringList Proyecto::nombres() const
{
    QStringList n = m_informes.keys();
    std::sort(n.begin(), n.end());
    return n;
}

} // namespace rpt
