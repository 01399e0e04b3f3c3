#pragma once

#include <QString>
#include <QVariant>

namespace fb {
class Connection;
}
namespace ds {
class Field;
class RecordSet;
}

namespace doc {

// The document key by which lines, incidents, collections and other
// documents name an order, delivery note or invoice: the series letter and
// the number right-aligned in nine characters ("A" + "        5").
QString clave(const QString &serie, int numero);

// Series and number of a key: the first character and the last nine (blanks
// included) read as a number. `valida` is false for a text that is no key.
struct PartesClave
{
    QString serie;
    int numero = 0;
    bool valida = false;
};
PartesClave partes(const QString &clave);

// Line amount: price × quantity × (1 − discount/100), not rounded.
double importe(double precio, double cantidad, double descuento);

// What sets one document family apart: its tables, the column that links a
// line to its header, the names and types of its rate columns, and the
// header columns it lacks. Every rule of the model reads these instead of
// knowing the document.
struct Familia
{
    QString cabecera;               // header table, e.g. "ALBARAN_VENTA"
    QString lineas;                 // line table, e.g. "LINEA_ALBARAN_VENTA"
    QString enlace;                 // line column naming the document, e.g. "ALBARAN"
    QString conjuntoCabecera;       // header record set, e.g. "AlbaranesVenta"
    QString conjuntoLineas;         // line record set, e.g. "Ventas"
    QString columnaIva = QStringLiteral("P_IVA");
    QString columnaRecargo = QStringLiteral("P_RE");
    QString columnaTexto = QStringLiteral("DESCRIPCION"); // quote lines: CONCEPTO
    bool conSerie = true;           // quotes are numbered over the whole table
    bool conFormaPago = true;       // quotes carry no payment method...
    bool conAlmacen = true;         // ...no warehouse...
    bool conDescuentoPP = true;     // ...and no prompt-payment discount
    bool basesVacias = false;       // delivery notes leave BASE1..4 empty
    bool conPendiente = false;      // invoices: PENDIENTE = TOTAL − PAGADO
};

// The key and the derived totals of a family's headers as calculated fields
// of the record set (ID, BASEIMP1..4, BASE_IMP, IVA1..4, IVA, RECARGO1..4,
// RECARGO, TOTAL and, for invoices, PENDIENTE), without the rules: lists
// that only show documents use it on its own. Call before opening.
void agregarTotales(ds::RecordSet &cabecera, const Familia &familia);

// The shared rules of the commercial documents, attached to the header and
// line record sets of a document's data module: new-header defaults, series
// numbering, customer and tax regime, existence checks, new lines, article
// filling by code or bar code, the RE rate, line amounts, the VAT slots kept
// up to date as lines are stored or removed, and the derived totals.
//
// Construct it before the record sets are opened: it adds the calculated
// and look-up fields. The rules are the same for every family; each is the
// handler its record set's name gives it (the header's NewRecord, SERIE,
// CLIENTE, ALMACEN, VENDEDOR and FORMA_PAGO validates and CalcFields; the
// lines' NewRecord, ARTICULO and rate validates, CalcFields, BeforePost and
// BeforeDelete: "AlbaranesVentaNewRecord", "VentasBeforePost", …).
class ModeloDocumento
{
public:
    // The look-up record sets the header shows names from; the data module
    // owns them (fw::DataModule::addLookup) and hands them over.
    struct Busquedas
    {
        ds::RecordSet *clientes = nullptr;   // CODIGO, NOMBRE, SALDO
        ds::RecordSet *almacenes = nullptr;  // CODIGO, DESCRIPCION
        ds::RecordSet *vendedores = nullptr; // CODIGO, NOMBRE
        ds::RecordSet *formasPago = nullptr; // CODIGO, DESCRIPCION
    };

    ModeloDocumento(Familia familia, ds::RecordSet &cabecera, ds::RecordSet &lineas, Busquedas busquedas);

    const Familia &familia() const { return m_familia; }

    // The document key of the header's current row (quotes: the number as text).
    QString claveActual() const;

private:
    void nuevaCabecera(ds::RecordSet &cabecera);
    void serieValidate(ds::Field &serie);
    void clienteValidate(ds::Field &cliente);
    void nuevaLinea(ds::RecordSet &lineas);
    void articuloValidate(ds::Field &articulo);
    void ivaValidate(ds::Field &iva);
    void calcularLinea(ds::RecordSet &lineas);
    void antesDeEditarLinea(ds::RecordSet &lineas);
    void antesDeGuardarLinea(ds::RecordSet &lineas);
    void antesDeBorrarLinea(ds::RecordSet &lineas);

    void conectar();
    void agregarCampos();
    void sumarABase(int hueco, double cantidad);
    fb::Connection &conexion() const;

    Familia m_familia;
    ds::RecordSet &m_cabecera;
    ds::RecordSet &m_lineas;
    Busquedas m_busquedas;
    // The line as it stood when its edit began: the slot change of a stored
    // line is measured against it, not against the value read from the
    // database, so editing a line twice before applying counts once.
    double m_importeAntes = 0;
    double m_ivaAntes = 0;
};

} // namespace doc
