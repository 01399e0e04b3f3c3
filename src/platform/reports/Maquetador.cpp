#include "Maquetador.h"

#include "Conexiones.h"
#include "ErrorInforme.h"
#include "Mascaras.h"
#include "Proyecto.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbError.h"

#include <QHash>
#include <QTime>
#include <deque>
#include <limits>
#include <map>
#include <tuple>

namespace rpt {

namespace {

const QString kPaginas = QStringLiteral("{paginas}");

// A data connection as the pass reads it: its record set and the row that
// fields of that connection print at the moment. Connections other than the
// ones the pass walks keep the record set's own current row.
struct Fuente
{
    ds::RecordSet *datos = nullptr;
    int fila = -1;
};

// A running sum or count, owned by one total element.
struct Acumulador
{
    int fuente = 0;
    const ds::Field *campo = nullptr; // null: count of rows
    int grupo = -1;                   // restarts when this group starts; -1 never
    double valor = 0;
};

// An element with everything resolved once before the rows are walked, so
// the pass over thousands of rows does no look-ups by name.
struct Elemento
{
    const DefElemento *def = nullptr;
    int fuente = -1;
    const ds::Field *campo = nullptr;
    int estilo = 0;
    int acumulador = -1;
    bool conMarcas = false; // a text with {pagina}, {fecha}...
};

struct Banda
{
    double alto = 0;
    int columnas = 1;
    std::vector<Elemento> elementos;
    bool existe = false;
};

struct Grupo
{
    const ds::Field *campo = nullptr;
    Banda cabecera, pie;
};

QString clave(const QVariant &v)
{
    QString s = v.toString();
    while (s.endsWith(u' '))
        s.chop(1);
    return s;
}

class Maquetador
{
public:
    Maquetador(const DefInforme &def, Conexiones &conexiones, const QDate &fecha)
        : m_def(def), m_conexiones(conexiones), m_fecha(fecha.isValid() ? fecha : QDate::currentDate())
    {
    }

    Documento ejecutar();

private:
    int fuente(const QString &nombre);
    const ds::Field *campo(int fuente, const QString &columna) const;
    int estilo(const DefFuente &f);
    Banda preparar(const DefBanda &def, int fuentePorOmision);
    void prepararTodo();

    void recorrerFilas();
    void cambiarGrupos(int fila);
    void imprimirLineas(int filaMaestra);
    void acumular(int fuente);

    void abrirPagina(bool primera);
    void terminarPagina();
    void saltarPagina();
    void colocar(const Banda &banda);
    void colocarDetalle();
    void cerrarFilaDeColumnas();
    void emitir(const Banda &banda, double x, double y);
    void emitir(const Elemento &e, const QRectF &rect);
    QString textoDe(const Elemento &e) const;
    void resolverTotalPaginas();

    const DefInforme &m_def;
    Conexiones &m_conexiones;
    QDate m_fecha;
    QString m_hora = QTime::currentTime().toString(QStringLiteral("hh:mm"));

    std::deque<Fuente> m_fuentes;
    QHash<QString, int> m_fuentesPorNombre;
    std::vector<Acumulador> m_acumuladores;
    std::map<std::tuple<double, bool, bool>, int> m_estilos;
    QHash<QPair<const ds::Field *, int>, int> m_imagenes;

    int m_datos = 0;  // the report's own connection
    int m_lineas = -1;
    Banda m_cabeceraInforme, m_cabeceraPagina, m_detalle, m_piePagina, m_resumen, m_bandaLineas;
    std::vector<Grupo> m_grupos;
    const ds::Field *m_campoMaestro = nullptr;
    QHash<QString, std::vector<int>> m_lineasPorClave;

    Documento m_doc;
    double m_y = 0;           // where the next band goes on the current page
    double m_inicioCuerpo = 0; // below the page header: a band here always fits
    double m_limite = 0;       // above the page footer
    int m_columna = 0;         // next column of a multi-column detail
    std::vector<std::pair<int, size_t>> m_conTotalPaginas; // (page, trace) holding {paginas}
};

int Maquetador::fuente(const QString &nombre)
{
    const auto it = m_fuentesPorNombre.constFind(nombre);
    if (it != m_fuentesPorNombre.constEnd())
        return *it;
    ds::RecordSet &datos = m_conexiones.obtener(nombre, m_def.nombre);
    // The database's refusal (a date it cannot read in a listing's filter)
    // reaches the caller as the engine's error with the server's own text,
    // so the print dialog has one error to show, whatever its source.
    if (!datos.isOpen()) {
        try {
            datos.open();
        } catch (const fb::Error &e) {
            throw ErrorInforme(e.text());
        }
    }
    m_fuentes.push_back({&datos, datos.currentRow()});
    const int indice = int(m_fuentes.size()) - 1;
    m_fuentesPorNombre.insert(nombre, indice);
    return indice;
}

const ds::Field *Maquetador::campo(int fuente, const QString &columna) const
{
    const ds::RecordSet &datos = *m_fuentes[size_t(fuente)].datos;
    const ds::Field *f = datos.findField(columna);
    if (!f)
        throw ErrorInforme(QStringLiteral("El informe '%1' usa el campo '%2', que no existe en '%3'.")
                               .arg(m_def.nombre, columna, m_fuentesPorNombre.key(fuente)));
    return f;
}

int Maquetador::estilo(const DefFuente &f)
{
    const auto clave = std::make_tuple(f.tamano, f.negrita, f.cursiva);
    const auto it = m_estilos.find(clave);
    if (it != m_estilos.end())
        return it->second;
    m_doc.estilos.push_back(f);
    const int indice = int(m_doc.estilos.size()) - 1;
    m_estilos.emplace(clave, indice);
    return indice;
}

Banda Maquetador::preparar(const DefBanda &def, int fuentePorOmision)
{
    Banda b;
    b.alto = def.alto;
    b.columnas = def.columnas;
    b.existe = def.existe();
    for (const DefElemento &d : def.elementos) {
        Elemento e;
        e.def = &d;
        e.estilo = estilo(d.fuente);
        e.conMarcas = d.tipo == TipoElemento::Texto && d.texto.contains(u'{');
        const bool leeDatos = d.tipo == TipoElemento::Campo || d.tipo == TipoElemento::Letras
                              || d.tipo == TipoElemento::Imagen || d.tipo == TipoElemento::Total;
        if (leeDatos) {
            e.fuente = d.datos.isEmpty() ? fuentePorOmision : fuente(d.datos);
            if (!d.columna.isEmpty() && !(d.tipo == TipoElemento::Total && d.funcion == FuncionTotal::Cuenta))
                e.campo = campo(e.fuente, d.columna);
        }
        if (d.tipo == TipoElemento::Total) {
            m_acumuladores.push_back({e.fuente, e.campo, d.ambito == AmbitoTotal::Grupo ? d.grupo : -1, 0});
            e.acumulador = int(m_acumuladores.size()) - 1;
        }
        b.elementos.push_back(e);
    }
    return b;
}

void Maquetador::prepararTodo()
{
    m_datos = fuente(m_def.datos);
    if (m_def.subdetalle)
        m_lineas = fuente(m_def.subdetalle->datos);
    m_cabeceraInforme = preparar(m_def.cabeceraInforme, m_datos);
    m_cabeceraPagina = preparar(m_def.cabeceraPagina, m_datos);
    m_detalle = preparar(m_def.detalle, m_datos);
    m_piePagina = preparar(m_def.piePagina, m_datos);
    m_resumen = preparar(m_def.resumen, m_datos);
    for (const DefGrupo &g : m_def.grupos)
        m_grupos.push_back({campo(m_datos, g.campo), preparar(g.cabecera, m_datos), preparar(g.pie, m_datos)});
    if (m_def.subdetalle) {
        m_bandaLineas = preparar(m_def.subdetalle->banda, m_lineas);
        if (!m_def.subdetalle->campoMaestro.isEmpty()) {
            m_campoMaestro = campo(m_datos, m_def.subdetalle->campoMaestro);
            const ds::Field *detalle = campo(m_lineas, m_def.subdetalle->campoDetalle);
            const ds::RecordSet &lineas = *m_fuentes[size_t(m_lineas)].datos;
            for (int i = 0; i < lineas.rowCount(); ++i)
                m_lineasPorClave[clave(lineas.rowValue(i, *detalle))].push_back(i);
        }
    }
}

Documento Maquetador::ejecutar()
{
    prepararTodo();
    m_doc.informe = m_def.nombre;
    m_doc.papel = m_def.pagina.tamano();
    m_doc.orientacion = m_def.pagina.orientacion;
    m_limite = m_doc.papel.height() - m_def.pagina.margenInferior - m_piePagina.alto;

    Fuente &datos = m_fuentes[size_t(m_datos)];
    datos.fila = datos.datos->rowCount() > 0 ? 0 : -1;
    abrirPagina(true);
    recorrerFilas();
    colocar(m_resumen);
    terminarPagina();
    resolverTotalPaginas();
    return std::move(m_doc);
}

void Maquetador::recorrerFilas()
{
    Fuente &datos = m_fuentes[size_t(m_datos)];
    const int filas = datos.datos->rowCount();
    for (int fila = 0; fila < filas; ++fila) {
        cambiarGrupos(fila);
        datos.fila = fila;
        acumular(m_datos);
        colocarDetalle();
        if (m_lineas >= 0)
            imprimirLineas(fila);
    }
    // The footers of the last groups, with the last row's values.
    for (int g = int(m_grupos.size()) - 1; g >= 0 && filas > 0; --g)
        colocar(m_grupos[size_t(g)].pie);
}

// Before a row: closes the groups that end (innermost first, fields still on
// the previous row) and opens the ones that start with this row.
void Maquetador::cambiarGrupos(int fila)
{
    const int niveles = int(m_grupos.size());
    Fuente &datos = m_fuentes[size_t(m_datos)];
    int desde = fila == 0 ? 0 : niveles;
    for (int g = 0; g < niveles && fila > 0; ++g) {
        const ds::Field &f = *m_grupos[size_t(g)].campo;
        if (clave(datos.datos->rowValue(fila, f)) != clave(datos.datos->rowValue(fila - 1, f))) {
            desde = g;
            break;
        }
    }
    if (desde == niveles)
        return;
    for (int g = niveles - 1; g >= desde && fila > 0; --g)
        colocar(m_grupos[size_t(g)].pie);
    datos.fila = fila;
    for (Acumulador &a : m_acumuladores)
        if (a.grupo >= desde)
            a.valor = 0;
    for (int g = desde; g < niveles; ++g)
        colocar(m_grupos[size_t(g)].cabecera);
}

void Maquetador::imprimirLineas(int filaMaestra)
{
    Fuente &lineas = m_fuentes[size_t(m_lineas)];
    const auto imprimir = [&](int fila) {
        lineas.fila = fila;
        acumular(m_lineas);
        colocar(m_bandaLineas);
    };
    if (!m_campoMaestro) {
        for (int i = 0; i < lineas.datos->rowCount(); ++i)
            imprimir(i);
        return;
    }
    const ds::RecordSet &maestro = *m_fuentes[size_t(m_datos)].datos;
    const auto it = m_lineasPorClave.constFind(clave(maestro.rowValue(filaMaestra, *m_campoMaestro)));
    if (it != m_lineasPorClave.constEnd())
        for (int fila : *it)
            imprimir(fila);
}

void Maquetador::acumular(int fuente)
{
    const Fuente &f = m_fuentes[size_t(fuente)];
    for (Acumulador &a : m_acumuladores) {
        if (a.fuente != fuente)
            continue;
        if (!a.campo) {
            a.valor += 1;
            continue;
        }
        const QVariant v = f.datos->rowValue(f.fila, *a.campo);
        double n = 0;
        if (v.typeId() == QMetaType::QString)
            ds::format::parseDecimal(v.toString(), n);
        else
            n = v.toDouble();
        a.valor += n;
    }
}

// ------------------------------------------------------------------ pages

// The report header (first page only) and the page header go at the top
// whatever their size: they never push the page on.
void Maquetador::abrirPagina(bool primera)
{
    m_doc.paginas.emplace_back();
    m_y = m_def.pagina.margenSuperior;
    m_inicioCuerpo = std::numeric_limits<double>::max();
    if (primera)
        colocar(m_cabeceraInforme);
    colocar(m_cabeceraPagina);
    m_inicioCuerpo = m_y;
}

void Maquetador::saltarPagina()
{
    terminarPagina();
    abrirPagina(false);
}

void Maquetador::terminarPagina()
{
    cerrarFilaDeColumnas();
    const double y = m_doc.papel.height() - m_def.pagina.margenInferior - m_piePagina.alto;
    emitir(m_piePagina, m_def.pagina.margenIzquierdo, y);
}

void Maquetador::colocar(const Banda &banda)
{
    if (!banda.existe)
        return;
    cerrarFilaDeColumnas();
    // A band taller than a whole page goes where it is rather than forever
    // to the next page.
    if (m_y + banda.alto > m_limite + 1e-9 && m_y > m_inicioCuerpo)
        saltarPagina();
    emitir(banda, m_def.pagina.margenIzquierdo, m_y);
    m_y += banda.alto;
}

// Labels: detail rows side by side in equal columns; the row of columns
// takes the band's height once it is full or another band follows.
void Maquetador::colocarDetalle()
{
    if (m_detalle.columnas <= 1) {
        colocar(m_detalle);
        return;
    }
    if (!m_detalle.existe)
        return;
    const double ancho = (m_doc.papel.width() - m_def.pagina.margenIzquierdo - m_def.pagina.margenDerecho) / m_detalle.columnas;
    if (m_columna == 0 && m_y + m_detalle.alto > m_limite + 1e-9 && m_y > m_inicioCuerpo)
        saltarPagina();
    emitir(m_detalle, m_def.pagina.margenIzquierdo + m_columna * ancho, m_y);
    if (++m_columna == m_detalle.columnas)
        cerrarFilaDeColumnas();
}

void Maquetador::cerrarFilaDeColumnas()
{
    if (m_columna == 0)
        return;
    m_columna = 0;
    m_y += m_detalle.alto;
}

void Maquetador::emitir(const Banda &banda, double x, double y)
{
    for (const Elemento &e : banda.elementos)
        emitir(e, e.def->rect.translated(x, y));
}

void Maquetador::emitir(const Elemento &e, const QRectF &rect)
{
    const DefElemento &d = *e.def;
    Trazo t;
    t.tipo = d.tipo;
    t.rect = rect;
    t.grosor = d.grosor;
    t.relleno = d.relleno;
    switch (d.tipo) {
    case TipoElemento::Linea:
    case TipoElemento::Caja:
        break;
    case TipoElemento::Imagen: {
        const Fuente &f = m_fuentes[size_t(e.fuente)];
        const QVariant v = f.datos->rowValue(f.fila, *e.campo);
        if (v.typeId() != QMetaType::QByteArray)
            return;
        const auto clave = qMakePair(e.campo, f.fila);
        auto it = m_imagenes.constFind(clave);
        if (it == m_imagenes.constEnd()) {
            const QImage imagen = QImage::fromData(v.toByteArray());
            if (imagen.isNull())
                return;
            m_doc.imagenes.push_back(imagen);
            it = m_imagenes.insert(clave, int(m_doc.imagenes.size()) - 1);
        }
        t.imagen = *it;
        break;
    }
    default:
        t.tipo = TipoElemento::Texto;
        t.texto = textoDe(e);
        t.estilo = e.estilo;
        t.alineacion = d.alineacion;
        if (e.conMarcas && t.texto.contains(kPaginas))
            m_conTotalPaginas.emplace_back(int(m_doc.paginas.size()) - 1, m_doc.paginas.back().trazos.size());
    }
    m_doc.paginas.back().trazos.push_back(std::move(t));
}

QString Maquetador::textoDe(const Elemento &e) const
{
    const DefElemento &d = *e.def;
    if (d.tipo == TipoElemento::Texto) {
        if (!e.conMarcas)
            return d.texto;
        QString s = d.texto;
        s.replace(QStringLiteral("{pagina}"), QString::number(m_doc.paginas.size()));
        s.replace(QStringLiteral("{fecha}"), m_fecha.toString(QStringLiteral("dd/MM/yyyy")));
        s.replace(QStringLiteral("{hora}"), m_hora);
        return s;
    }
    if (d.tipo == TipoElemento::Total) {
        const Acumulador &a = m_acumuladores[size_t(e.acumulador)];
        return formatear(a.campo ? QVariant(a.valor) : QVariant(qlonglong(a.valor)), d.mascara);
    }
    const Fuente &f = m_fuentes[size_t(e.fuente)];
    if (f.fila < 0)
        return {};
    const QVariant v = f.datos->rowValue(f.fila, *e.campo);
    return d.tipo == TipoElemento::Letras ? importeEnLetras(v) : formatear(v, d.mascara);
}

void Maquetador::resolverTotalPaginas()
{
    const QString total = QString::number(m_doc.numPaginas());
    for (const auto &[pagina, trazo] : m_conTotalPaginas)
        m_doc.paginas[size_t(pagina)].trazos[trazo].texto.replace(kPaginas, total);
}

} // namespace

Documento componer(const Proyecto &proyecto, const QString &informe, Conexiones &conexiones, const QDate &fechaImpresion)
{
    return Maquetador(proyecto.informe(informe), conexiones, fechaImpresion).ejecutar();
}

} // namespace rpt
