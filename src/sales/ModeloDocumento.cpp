#include "ModeloDocumento.h"

#include "framework/Reglas.h"
#include "framework/TiposIva.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbConnection.h"
#include "platform/ui/Dialogs.h"

#include <QDate>
#include <cmath>
#include <string_view>

namespace doc {

namespace {

const QString kMascaraImporte = QStringLiteral("#,##0.00");

QString columna(const char *nombre, int n) { return QLatin1String(nombre) + QString::number(n); }

bool vacio(const QVariant &v) { return v.isNull() || v.toString().trimmed().isEmpty(); }

double comoNumero(const QVariant &v) { return v.isNull() ? 0.0 : v.toDouble(); }

// The base enters the taxable-base product as a fixed-point amount with four
// decimals.
double cuatroDecimales(double valor) { return std::round(valor * 10000.0) / 10000.0; }

} // namespace

QString clave(const QString &serie, int numero) { return serie + QString::asprintf("%9d", numero); }

PartesClave partes(const QString &texto)
{
    PartesClave resultado;
    if (texto.size() < 2)
        return resultado;
    resultado.serie = texto.left(1);
    resultado.numero = texto.right(std::min<qsizetype>(9, texto.size() - 1)).trimmed().toInt(&resultado.valida);
    return resultado;
}

double importe(double precio, double cantidad, double descuento)
{
    return precio * cantidad * (1.0 - descuento / 100.0);
}

namespace {

// Derived values of a header, in their order: the key, the taxable bases,
// VAT, surcharge, total and (invoices) what is still to be paid. Not rounded.
void calcularTotales(ds::RecordSet &set, const Familia &familia)
{
    auto valor = [&set](const QString &nombre) { return comoNumero(set.value(nombre)); };
    if (familia.conSerie)
        set.setValue(QStringLiteral("ID"), clave(set.value(QStringLiteral("SERIE")).toString(),
                                                 set.value(QStringLiteral("NUMERO")).toInt()));
    double factor = 1.0 - valor(QStringLiteral("DESCUENTO")) / 100.0;
    if (familia.conDescuentoPP)
        factor *= 1.0 - valor(QStringLiteral("DESCUENTO_PP")) / 100.0;
    double bases[4], baseTotal = 0, ivaTotal = 0, recargoTotal = 0;
    for (int n = 1; n <= 4; ++n) {
        bases[n - 1] = cuatroDecimales(valor(columna("BASE", n))) * factor;
        set.setValue(columna("BASEIMP", n), bases[n - 1]);
        baseTotal += bases[n - 1];
    }
    set.setValue(QStringLiteral("BASE_IMP"), baseTotal);
    for (int n = 1; n <= 4; ++n) {
        const double iva = bases[n - 1] * valor(columna("PIVA", n)) / 100.0;
        set.setValue(columna("IVA", n), iva);
        ivaTotal += iva;
    }
    set.setValue(QStringLiteral("IVA"), ivaTotal);
    for (int n = 1; n <= 4; ++n) {
        const double recargo = bases[n - 1] * valor(columna("PRE", n)) / 100.0;
        set.setValue(columna("RECARGO", n), recargo);
        recargoTotal += recargo;
    }
    set.setValue(QStringLiteral("RECARGO"), recargoTotal);
    const double total = baseTotal + ivaTotal + recargoTotal;
    set.setValue(QStringLiteral("TOTAL"), total);
    if (familia.conPendiente)
        set.setValue(QStringLiteral("PENDIENTE"), total - valor(QStringLiteral("PAGADO")));
}

} // namespace

void agregarTotales(ds::RecordSet &cabecera, const Familia &familia)
{
    auto importeCalculado = [&cabecera](const QString &nombre) {
        cabecera.addCalculatedField(nombre, fb::SqlType::Double).displayFormat = kMascaraImporte;
    };
    if (familia.conSerie)
        cabecera.addCalculatedField(QStringLiteral("ID"), fb::SqlType::Char, 10);
    for (const char *grupo : {"BASEIMP", "IVA", "RECARGO"}) {
        for (int n = 1; n <= 4; ++n)
            importeCalculado(columna(grupo, n));
        importeCalculado(QLatin1String(grupo == std::string_view("BASEIMP") ? "BASE_IMP" : grupo));
    }
    importeCalculado(QStringLiteral("TOTAL"));
    if (familia.conPendiente)
        importeCalculado(QStringLiteral("PENDIENTE"));
    cabecera.onCalcFields = [familia](ds::RecordSet &set) { calcularTotales(set, familia); };
}

ModeloDocumento::ModeloDocumento(Familia familia, ds::RecordSet &cabecera, ds::RecordSet &lineas,
                                 Busquedas busquedas)
    : m_familia(std::move(familia)), m_cabecera(cabecera), m_lineas(lineas), m_busquedas(busquedas)
{
    agregarCampos();
    conectar();
}

fb::Connection &ModeloDocumento::conexion() const { return *m_cabecera.connection(); }

void ModeloDocumento::agregarCampos()
{
    agregarTotales(m_cabecera, m_familia);
    m_lineas.addCalculatedField(QStringLiteral("IMPORTE"), fb::SqlType::Double).displayFormat = kMascaraImporte;
    m_lineas.field(QStringLiteral("PRECIO")).displayFormat = kMascaraImporte;

    const Busquedas &b = m_busquedas;
    if (b.clientes) {
        m_cabecera.addLookupField(QStringLiteral("NCLIENTE"), QStringLiteral("CLIENTE"), b.clientes,
                                  QStringLiteral("NOMBRE"), 50);
        ds::Field &saldo = m_cabecera.addLookupField(QStringLiteral("SALDOCLIENTE"), QStringLiteral("CLIENTE"),
                                                     b.clientes, QStringLiteral("SALDO"));
        saldo.type = fb::SqlType::Double;
        saldo.displayFormat = kMascaraImporte;
    }
    if (b.almacenes && m_familia.conAlmacen)
        m_cabecera.addLookupField(QStringLiteral("NALMACEN"), QStringLiteral("ALMACEN"), b.almacenes,
                                  QStringLiteral("DESCRIPCION"), 50);
    if (b.vendedores)
        m_cabecera.addLookupField(QStringLiteral("NVENDEDOR"), QStringLiteral("VENDEDOR"), b.vendedores,
                                  QStringLiteral("NOMBRE"), 100);
    if (b.formasPago && m_familia.conFormaPago)
        m_cabecera.addLookupField(QStringLiteral("NFORMAPAGO"), QStringLiteral("FORMA_PAGO"), b.formasPago,
                                  QStringLiteral("DESCRIPCION"), 50);
    for (const char *mascara : {"BASE1", "BASE2", "BASE3", "BASE4"})
        m_cabecera.field(QLatin1String(mascara)).displayFormat = kMascaraImporte;
    m_cabecera.field(QStringLiteral("NUMERO")).displayFormat = QStringLiteral("000000000");
}

void ModeloDocumento::conectar()
{
    m_cabecera.onNewRecord = [this](ds::RecordSet &set) { nuevaCabecera(set); };
    if (m_familia.conSerie)
        m_cabecera.field(QStringLiteral("SERIE")).onValidate = [this](ds::Field &f) { serieValidate(f); };
    m_cabecera.field(QStringLiteral("CLIENTE")).onValidate = [this](ds::Field &f) { clienteValidate(f); };
    struct Existencia
    {
        const char *columna;
        const char *tabla;
        const char *mensaje;
        bool aplica;
    };
    const Existencia existencias[] = {
        {"ALMACEN", "ALMACEN", "ALMACEN no existe.", m_familia.conAlmacen},
        {"VENDEDOR", "VENDEDOR", "VENDEDOR no existe.", true},
        {"FORMA_PAGO", "FORMA_PAGO", "FORMA DE PAGO no existe.", m_familia.conFormaPago},
    };
    for (const Existencia &e : existencias) {
        if (!e.aplica)
            continue;
        m_cabecera.field(QLatin1String(e.columna)).onValidate =
            [tabla = QString::fromLatin1(e.tabla), mensaje = QString::fromUtf8(e.mensaje)](ds::Field &f) {
                fw::checkExists(f, tabla, mensaje);
            };
    }

    m_lineas.onNewRecord = [this](ds::RecordSet &set) { nuevaLinea(set); };
    m_lineas.field(QStringLiteral("ARTICULO")).onValidate = [this](ds::Field &f) { articuloValidate(f); };
    m_lineas.field(m_familia.columnaIva).onValidate = [this](ds::Field &f) { ivaValidate(f); };
    m_lineas.onCalcFields = [this](ds::RecordSet &set) { calcularLinea(set); };
    m_lineas.beforeEdit = [this](ds::RecordSet &set) { antesDeEditarLinea(set); };
    m_lineas.beforePost = [this](ds::RecordSet &set) { antesDeGuardarLinea(set); };
    m_lineas.beforeDelete = [this](ds::RecordSet &set) { antesDeBorrarLinea(set); };
}

QString ModeloDocumento::claveActual() const
{
    const int numero = m_cabecera.value(QStringLiteral("NUMERO")).toInt();
    if (!m_familia.conSerie)
        return QString::number(numero);
    return clave(m_cabecera.value(QStringLiteral("SERIE")).toString(), numero);
}

// ------------------------------------------------------------------ header

void ModeloDocumento::nuevaCabecera(ds::RecordSet &set)
{
    if (m_familia.conSerie)
        set.setValue(QStringLiteral("SERIE"), QStringLiteral("A")); // numbers the document at once
    else
        set.setValue(QStringLiteral("NUMERO"), fw::nextNumber(conexion(), m_familia.cabecera, QStringLiteral("NUMERO")));
    set.setValue(QStringLiteral("ESTADO"), QStringLiteral("PENDIENTE"));
    set.setValue(QStringLiteral("FECHA"), QDate::currentDate());
    set.setValue(QStringLiteral("DESCUENTO"), 0);
    if (m_familia.conDescuentoPP)
        set.setValue(QStringLiteral("DESCUENTO_PP"), 0);
    for (int n = 1; n <= 4; ++n) {
        if (!m_familia.basesVacias)
            set.setValue(columna("BASE", n), 0);
        set.setValue(columna("PIVA", n), fw::tiposIva()[size_t(n - 1)].iva);
        set.setValue(columna("PRE", n), fw::tiposIva()[size_t(n - 1)].recargo);
    }
}

// Each series counts from 1 on its own; the number is read from the stored
// documents when the series is chosen.
void ModeloDocumento::serieValidate(ds::Field &serie)
{
    const int numero = fw::nextNumber(conexion(), m_familia.cabecera, QStringLiteral("NUMERO"),
                                      QStringLiteral("SERIE = ?"), {serie.value()});
    m_cabecera.setValue(QStringLiteral("NUMERO"), numero);
}

// The customer brings its salesperson and payment method, and its tax regime
// decides the header's rates: exempt zeroes VAT and RE, general without
// surcharge zeroes RE. Nothing puts rates back afterwards.
void ModeloDocumento::clienteValidate(ds::Field &cliente)
{
    if (vacio(cliente.value()))
        return;
    const QString columnas = m_familia.conFormaPago
                                 ? QStringLiteral("CODIGO,VENDEDOR,FORMA_PAGO,REGIMEN_IVA,RECARGO_EQUIVALENCIA")
                                 : QStringLiteral("CODIGO,VENDEDOR,REGIMEN_IVA,RECARGO_EQUIVALENCIA");
    const QVariantList fila =
        fw::checkExists(cliente, QStringLiteral("CLIENTE"), QStringLiteral("CLIENTE no existe."), columnas);
    int i = 1;
    m_cabecera.setValue(QStringLiteral("VENDEDOR"), fila.at(i++));
    if (m_familia.conFormaPago)
        m_cabecera.setValue(QStringLiteral("FORMA_PAGO"), fila.at(i++));
    const QVariant regimen = fila.at(i++);
    const QString recargo = fila.at(i).toString().trimmed();
    const bool exento = !regimen.isNull() && regimen.toInt() == 0;
    for (int n = 1; n <= 4; ++n) {
        if (exento)
            m_cabecera.setValue(columna("PIVA", n), 0);
        if (exento || recargo == QLatin1String("N"))
            m_cabecera.setValue(columna("PRE", n), 0);
    }
}

// ------------------------------------------------------------------- lines

void ModeloDocumento::nuevaLinea(ds::RecordSet &set)
{
    // Lines added before the document is applied count as given out, so they
    // get distinct, successive numbers.
    set.setValue(QStringLiteral("CODIGO"),
                 fw::nextNumber(conexion(), m_familia.lineas, QStringLiteral("CODIGO"), {}, {}, &m_lineas));
    set.setValue(QStringLiteral("CANTIDAD"), 1);
    set.setValue(QStringLiteral("PRECIO"), 0);
    set.setValue(QStringLiteral("DESCUENTO"), 0);
    set.setValue(m_familia.columnaIva, 16); // brings its RE rate
    set.setValue(m_familia.enlace, claveActual());
}

// An article code fills the line from the article; a bar code is replaced by
// the article's code, which fills the line the same way.
void ModeloDocumento::articuloValidate(ds::Field &articulo)
{
    const QVariant valor = articulo.value();
    if (vacio(valor))
        return;
    const auto porCodigo = conexion().query(
        QStringLiteral("SELECT CODIGO,DESCRIPCION,PRECIO_VENTA,P_IVA,P_RE FROM ARTICULO WHERE CODIGO = ?"), {valor});
    if (!porCodigo.isEmpty()) {
        const QVariantList &fila = porCodigo.rows.front();
        m_lineas.setValue(m_familia.columnaTexto, fila.at(1));
        m_lineas.setValue(QStringLiteral("PRECIO"), fila.at(2));
        m_lineas.setValue(m_familia.columnaIva, fila.at(3));
        return;
    }
    const auto porBarras =
        conexion().query(QStringLiteral("SELECT CODIGO FROM ARTICULO WHERE CODIGO_BARRAS = ?"), {valor});
    if (porBarras.isEmpty()) {
        ui::showMessage(QStringLiteral("ARTICULO no existe."));
        throw ds::SilentAbort();
    }
    articulo.setValue(porBarras.rows.front().front());
}

// The rate of the table brings its RE rate; any other rate leaves the line's
// RE rate as it was.
void ModeloDocumento::ivaValidate(ds::Field &iva)
{
    if (!iva.isNull() && fw::huecoIva(iva.asFloat()) != 0)
        m_lineas.setValue(m_familia.columnaRecargo, fw::recargoDeIva(iva.asFloat(), 0));
}

void ModeloDocumento::calcularLinea(ds::RecordSet &set)
{
    set.setValue(QStringLiteral("IMPORTE"),
                 importe(comoNumero(set.value(QStringLiteral("PRECIO"))),
                         comoNumero(set.value(QStringLiteral("CANTIDAD"))),
                         comoNumero(set.value(QStringLiteral("DESCUENTO")))));
}

void ModeloDocumento::antesDeEditarLinea(ds::RecordSet &set)
{
    m_importeAntes = comoNumero(set.value(QStringLiteral("IMPORTE")));
    m_ivaAntes = comoNumero(set.value(m_familia.columnaIva));
}

// The bases follow the lines only while the header is open; they reach the
// database with the header, and cancelling the header discards them. A stored
// line moved to another slot's rate takes its whole former amount out of the
// old slot, so the bases always equal the sum of their lines.
void ModeloDocumento::antesDeGuardarLinea(ds::RecordSet &set)
{
    if (!m_cabecera.isEditing())
        return;
    const double ahora = comoNumero(set.value(QStringLiteral("IMPORTE")));
    const int huecoNuevo = fw::huecoIva(comoNumero(set.value(m_familia.columnaIva)));
    if (set.state() == ds::State::Insert) {
        sumarABase(huecoNuevo, ahora);
        return;
    }
    const int huecoAntes = fw::huecoIva(m_ivaAntes);
    if (huecoAntes == huecoNuevo) {
        sumarABase(huecoNuevo, ahora - m_importeAntes);
    } else {
        sumarABase(huecoAntes, -m_importeAntes);
        sumarABase(huecoNuevo, ahora);
    }
}

void ModeloDocumento::antesDeBorrarLinea(ds::RecordSet &set)
{
    if (!m_cabecera.isEditing())
        return;
    sumarABase(fw::huecoIva(comoNumero(set.value(m_familia.columnaIva))), -comoNumero(set.value(QStringLiteral("IMPORTE"))));
}

void ModeloDocumento::sumarABase(int n, double cantidad)
{
    if (n == 0 || cantidad == 0)
        return;
    const QString base = columna("BASE", n);
    m_cabecera.setValue(base, comoNumero(m_cabecera.value(base)) + cantidad);
}

} // namespace doc
