#include "Schema.h"

#include <initializer_list>

namespace db {

QString ColumnDef::sqlType() const
{
    switch (type) {
    case ColumnType::Char: return QStringLiteral("CHAR(%1)").arg(length);
    case ColumnType::Varchar: return QStringLiteral("VARCHAR(%1)").arg(length);
    case ColumnType::SmallInt: return QStringLiteral("SMALLINT");
    case ColumnType::Integer: return QStringLiteral("INTEGER");
    case ColumnType::Numeric: return QStringLiteral("NUMERIC(%1,%2)").arg(length).arg(scale);
    case ColumnType::DoublePrecision: return QStringLiteral("DOUBLE PRECISION");
    case ColumnType::Date: return QStringLiteral("DATE");
    case ColumnType::TextBlob: return QStringLiteral("BLOB SUB_TYPE TEXT");
    case ColumnType::Blob: return QStringLiteral("BLOB");
    }
    return {};
}

const ColumnDef *TableDef::column(const QString &name) const
{
    for (const ColumnDef &c : columns) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

namespace {

// ---------------------------------------------------------------------------
// The small vocabulary the tables below are written in, so that each table
// reads like its column list: {"CODIGO", Char(10), NotNull}.

struct Type
{
    ColumnType type;
    int length = 0;
    int scale = 0;
};

constexpr Type Char(int n) { return {ColumnType::Char, n}; }
constexpr Type Varchar(int n) { return {ColumnType::Varchar, n}; }
constexpr Type Numeric(int precision, int scale) { return {ColumnType::Numeric, precision, scale}; }
constexpr Type SmallInt{ColumnType::SmallInt};
constexpr Type Integer{ColumnType::Integer};
constexpr Type Double{ColumnType::DoublePrecision};
constexpr Type Date{ColumnType::Date};
constexpr Type Text{ColumnType::TextBlob};
constexpr Type Blob{ColumnType::Blob};
// Fixed-point amounts and rates kept with two decimals.
constexpr Type Money = Numeric(15, 2);
// The 10-character text that names an order, delivery note or invoice:
// series letter plus the number right-aligned in nine characters.
constexpr Type DocumentKey = Char(10);

enum Required { Nullable, NotNull };

// A column as the tables below write it; a literal type, so the shared
// columns can be constants without any start-up order to worry about.
struct Col
{
    const char *name;
    Type type;
    Required required = Nullable;

    ColumnDef def() const
    {
        return {QString::fromLatin1(name), type.type, type.length, type.scale, required == NotNull};
    }
};

// An ordered list of columns that pieces of tables are joined from.
class Columns
{
public:
    Columns() = default;
    Columns(std::initializer_list<Col> list)
    {
        for (const Col &c : list)
            m_defs.push_back(c.def());
    }

    Columns operator+(const Columns &more) const
    {
        Columns joined = *this;
        joined.m_defs.insert(joined.m_defs.end(), more.m_defs.begin(), more.m_defs.end());
        return joined;
    }

    // The same list without the named columns.
    Columns without(const QStringList &names) const
    {
        Columns kept;
        for (const ColumnDef &c : m_defs) {
            if (!names.contains(c.name))
                kept.m_defs.push_back(c);
        }
        return kept;
    }

    // The same list with the named column marked NOT NULL.
    Columns requiring(const QString &name) const
    {
        Columns changed = *this;
        for (ColumnDef &c : changed.m_defs) {
            if (c.name == name)
                c.notNull = true;
        }
        return changed;
    }

    const std::vector<ColumnDef> &defs() const { return m_defs; }

private:
    std::vector<ColumnDef> m_defs;
};

// Each key or index is one text naming its columns separated by commas:
// "SERIE,NUMERO".
using Keys = std::initializer_list<const char *>;

std::vector<QStringList> columnLists(Keys keys)
{
    std::vector<QStringList> lists;
    for (const char *key : keys)
        lists.push_back(QString::fromLatin1(key).split(u','));
    return lists;
}

TableDef table(const char *name, const Columns &columns, Keys unique, Keys indexes = {})
{
    return {QString::fromLatin1(name), columns.defs(), columnLists(unique), columnLists(indexes)};
}

// ---------------------------------------------------------------------------
// Pieces shared by several tables.

// Street address, telephones and e-mail. The postal code is called
// CODIGO_POSTAL in most tables and COD_POSTAL in some; people's e-mail boxes
// are shorter, and one table keeps its fax as VARCHAR.
Columns postalAddress(const char *postalCode, int emailLength = 50, Type fax = Char(20))
{
    return {{"DIRECCION", Varchar(100)},
            {"LOCALIDAD", Varchar(50)},
            {postalCode, Char(10)},
            {"PROVINCIA", Varchar(30)},
            {"TELEFONO1", Char(20)},
            {"TELEFONO2", Char(20)},
            {"FAX", fax},
            {"EMAIL", Varchar(emailLength)}};
}

// The four parts of a Spanish bank account code (CCC).
Columns accountCode()
{
    return {{"COD_ENTIDAD", Char(4)}, {"COD_AGENCIA", Char(4)}, {"DC", Char(2)}, {"NCUENTA", Char(10)}};
}

// Salespeople and both kinds of manager share these leading columns.
Columns person(Type fax = Char(20))
{
    return Columns{{"CODIGO", Char(10), NotNull}, {"NOMBRE", Varchar(100)}, {"NIF", Char(20)}}
           + postalAddress("CODIGO_POSTAL", 30, fax);
}

// Owner of a contact, address or note: "C" customer or "P" supplier, and its code.
Columns owner()
{
    return {{"TIPO_DE", Char(1)}, {"DE", Char(10)}};
}

// A collection or a payment: one instalment owed by or to the party.
Columns instalment(const char *party)
{
    return {{"NUMERO", Integer, NotNull},
            {"FACTURA", DocumentKey},
            {party, Char(10)},
            {"FECHA_EMISION", Date},
            {"FECHA_VENCIMIENTO", Date},
            {"ESTADO", Varchar(20)},
            {"IMPORTE", Money},
            {"FECHA_PAGO", Date},
            {"CUENTA", Char(4)}};
}

// ---------------------------------------------------------------------------
// Commercial documents. Every header carries the four VAT slots, every line
// the same body; the families differ in which header columns they keep, in
// the name and type of a few columns and in their own additions.

constexpr Col serie{"SERIE", Char(1), NotNull};
constexpr Col numero{"NUMERO", Integer, NotNull};
constexpr Col estado{"ESTADO", Varchar(20)};
constexpr Col fecha{"FECHA", Date};
constexpr Col almacen{"ALMACEN", Char(4)};
constexpr Col formaPago{"FORMA_PAGO", Char(4)};
constexpr Col descuento{"DESCUENTO", Money};
constexpr Col observaciones{"OBSERVACIONES", Text};
// Purchase documents name a supplier and a purchase manager.
constexpr Col proveedor{"PROVEEDOR", Char(10)};
constexpr Col responsable{"RESPONSABLE", Char(10)};

// BASE1..4, PIVA1..4, PRE1..4.
Columns vatSlots()
{
    Columns columns;
    for (const char *prefix : {"BASE", "PIVA", "PRE"}) {
        for (int slot = 1; slot <= 4; ++slot) {
            const QByteArray name = QByteArray(prefix) + QByteArray::number(slot);
            columns = columns + Columns{{name.constData(), Double}};
        }
    }
    return columns;
}

// The header of a sales order, delivery note and invoice; quotes drop some.
Columns salesHeader()
{
    return Columns{serie,
                   numero,
                   estado,
                   fecha,
                   {"CLIENTE", Char(10)},
                   {"DIRECCION", Integer},
                   almacen,
                   {"VENDEDOR", Char(10)},
                   formaPago,
                   descuento,
                   {"DESCUENTO_PP", Money},
                   observaciones}
           + vatSlots();
}

// The header of a purchase delivery note and invoice: `reference` is the
// supplier's own number of the document, `promptPayment` the prompt-payment
// discount, named and typed differently in each.
Columns purchaseHeader(const Col &reference, const Col &promptPayment)
{
    return Columns{serie, numero, estado, fecha, reference, proveedor, almacen, responsable,
                   formaPago, observaciones, descuento, promptPayment}
           + vatSlots();
}

constexpr Col lineCode{"CODIGO", Integer, NotNull};

// Article, text, quantity, price, discount and comment of a line. Quote lines
// keep their figures as NUMERIC and call their text CONCEPTO.
Columns lineBody(Type figures, const Col &text = {"DESCRIPCION", Varchar(100)})
{
    return Columns{{"ARTICULO", Char(10)}, text, {"CANTIDAD", figures}, {"PRECIO", figures},
                   {"DESCUENTO", figures}, observaciones};
}

// The VAT and equivalence-surcharge rates of a line (P_IVA/P_RE or PIVA/PRE).
Columns lineRates(const char *vat, const char *surcharge, Type type)
{
    return {{vat, type}, {surcharge, type}};
}

// ---------------------------------------------------------------------------

std::vector<TableDef> buildGeneralTables()
{
    return {
        table("EMPRESA",
              Columns{{"CODIGO", Char(2), NotNull},
                      {"NOMBRE", Char(50)},
                      {"RAZON_SOCIAL", Varchar(50)},
                      {"CIF", Char(20)}}
                  + postalAddress("COD_POSTAL")
                  + Columns{{"OBSERVACIONES", Text},
                            {"REC_EQUIVALENCIA", Char(1)},
                            {"DATOS_REGISTRALES", Varchar(255)},
                            {"LOGO", Blob}},
              {"CODIGO"}),
        table("USUARIO",
              {{"CODIGO", Integer, NotNull},
               {"NOMBRE", Char(10)},
               {"CONTRASENA", Char(10)},
               {"GRUPO", Integer}},
              {"CODIGO"}),
    };
}

std::vector<TableDef> masterTables()
{
    return {
        table("CLIENTE",
              Columns{{"CODIGO", Char(10), NotNull},
                      {"NOMBRE", Varchar(50)},
                      {"RAZON_SOCIAL", Varchar(50)},
                      {"CIF_NIF", Char(20)},
                      {"LOGO", Blob}}
                  + postalAddress("CODIGO_POSTAL")
                  + Columns{{"PAGINA_WEB", Varchar(50)},
                            {"OBSERVACIONES", Text},
                            {"RECARGO_EQUIVALENCIA", Char(1)},
                            {"BANCO", Varchar(50)},
                            {"SUCURSAL", Varchar(50)},
                            {"PROVINCIA_BANCO", Varchar(50)}}
                  + accountCode()
                  + Columns{{"VENDEDOR", Char(10)},
                            {"REGIMEN_IVA", Integer},
                            {"FORMA_PAGO", Char(4)},
                            {"N_COPIAS", Integer},
                            {"REPARTIDOR", Char(10)},
                            {"SALDO", Double}},
              {"CODIGO"}),
        table("PROVEEDOR",
              Columns{{"CODIGO", Char(10), NotNull},
                      {"NOMBRE", Varchar(100)},
                      {"RAZON_SOCIAL", Varchar(100)},
                      {"CIF", Varchar(20)},
                      {"LOGO", Blob},
                      {"CODIGO_CLIENTE", Varchar(50)},
                      {"INICIO_VACACIONES", Date},
                      {"FIN_VACACIONES", Date},
                      {"DTO_ESPECIAL", Double},
                      {"DTO_PP", Double},
                      {"RESPONSABLE", Char(10)},
                      {"REGIMEN_IVA", Integer},
                      {"FORMA_PAGO", Char(4)}}
                  + postalAddress("COD_POSTAL")
                  + Columns{{"PAGINA_WEB", Varchar(50)},
                            {"BANCO", Varchar(50)},
                            {"SUCURSAL", Varchar(50)},
                            {"PROVINCIA_BANCO", Varchar(30)}}
                  + accountCode()
                  + Columns{{"OBSERVACIONES", Text}, {"DIAS_REPOSICION", Integer}},
              {"CODIGO"}),
        table("PERSONA_CONTACTO",
              Columns{{"CODIGO", Integer, NotNull}}
                  + owner()
                  + Columns{{"NOMBRE", Varchar(50)},
                            {"NIF", Char(20)},
                            {"TELEFONO1", Char(20)},
                            {"TELEFONO2", Char(20)},
                            {"EMAIL", Varchar(50)},
                            {"HORARIO", Varchar(50)},
                            {"OBSERVACIONES", Text}},
              {"CODIGO"}, {"TIPO_DE,DE"}),
        table("DIRECCION",
              Columns{{"CODIGO", Integer, NotNull}, {"DESCRIPCION", Varchar(50)}}
                  + owner()
                  + postalAddress("CODIGO_POSTAL")
                  + Columns{{"HORARIO", Char(50)}, {"OBSERVACIONES", Text}},
              {"CODIGO"}, {"TIPO_DE,DE"}),
        table("NOTA",
              Columns{{"CODIGO", Integer, NotNull}}
                  + owner()
                  + Columns{{"FECHA", Date},
                            {"ANOTADOR", Varchar(50)},
                            {"ASUNTO", Varchar(100)},
                            {"OBSERVACIONES", Text}},
              {"CODIGO"}, {"TIPO_DE,DE"}),
        table("VENDEDOR",
              person() + Columns{{"COMISION", Double}, {"OBSERVACIONES", Text}, {"FOTO", Blob}},
              {"CODIGO"}),
        table("RESPONSABLE_COMPRAS",
              person() + Columns{{"FOTO", Blob}, {"OBSERVACIONES", Text}},
              {"CODIGO"}),
        table("RESPONSABLE_ALMACEN",
              person(Varchar(20)) + Columns{{"FOTO", Blob}, {"OBSERVACIONES", Text}},
              {"CODIGO"}),
        // A payment method without a code could never be found or chosen
        // again, so its code is required like that of every other code table.
        table("FORMA_PAGO",
              {{"CODIGO", Char(4), NotNull},
               {"DESCRIPCION", Varchar(50)},
               {"NUMERO_VENCIMIENTOS", SmallInt},
               {"DIAS_ENTRE_VENCIMIENTOS", SmallInt},
               {"CUENTA", Char(4)},
               {"OBSERVACIONES", Text}},
              {"CODIGO"}),
        table("CUENTA_BANCARIA",
              Columns{{"CODIGO", Char(4), NotNull},
                      {"DESCRIPCION", Varchar(50)},
                      {"BANCO", Varchar(50)},
                      {"SUCURSAL", Varchar(50)},
                      {"PROVINCIA", Varchar(30)}}
                  + accountCode()
                  + Columns{{"OBSERVACIONES", Integer}},
              {"CODIGO"}),
        table("FAMILIA",
              {{"CODIGO", Char(4), NotNull}, {"DESCRIPCION", Varchar(50)}, {"OBSERVACIONES", Text}},
              {"CODIGO"}),
        table("ARTICULO",
              {{"CODIGO", Char(10), NotNull},
               {"DESCRIPCION", Varchar(100)},
               {"CODIGO_BARRAS", Varchar(50)},
               {"IMAGEN", Blob},
               {"PRECIO_COMPRA", Double},
               {"MARGEN", Double},
               {"PRECIO_VENTA", Double},
               {"OBSERVACIONES", Text},
               {"PROVEEDOR", Char(10)},
               {"CODIGO_PROVEEDOR", Varchar(50)},
               {"DESCRIPCION_PROVEEDOR", Varchar(100)},
               {"CODIGO_BARRAS_PROVEEDOR", Varchar(50)},
               {"FAMILIA", Char(4)},
               {"P_IVA", Money},
               {"P_RE", Money},
               {"FECHA_ULT_COMPRA", Date},
               {"STOCK", Double},
               {"MINIMO", Double},
               {"MAXIMO", Double},
               {"PDTE_RECIBIR", Double},
               {"PDTE_ENTREGAR", Double},
               {"FABRICANTE", Char(10)},
               {"MODELO", Char(4)},
               {"ESTILO", Char(4)},
               {"ACABADO", Char(4)},
               {"ANCHO", Double},
               {"ALTO", Double},
               {"LARGO", Double},
               {"PESO", Double},
               {"VALOR_PTOS", Double}},
              {"CODIGO"}, {"FAMILIA", "PROVEEDOR", "CODIGO_BARRAS", "CODIGO_BARRAS_PROVEEDOR"}),
    };
}

std::vector<TableDef> warehouseTables()
{
    return {
        table("ALMACEN",
              Columns{{"CODIGO", Char(4), NotNull}, {"DESCRIPCION", Varchar(50)}, responsable}
                  + postalAddress("CODIGO_POSTAL")
                  + Columns{{"COMENTARIO", Text}, {"SALA_VENTAS", Char(1)}},
              {"CODIGO"}),
        // One row per warehouse and article: the stock adjustment looks the
        // pair up before it creates a row, and the constraint makes sure two
        // users adjusting at once cannot both create it.
        table("STOCK",
              {{"CODIGO", Integer, NotNull}, {"ALMACEN", Char(4)}, {"ARTICULO", Char(10)}, {"STOCK", Money}},
              {"CODIGO", "ALMACEN,ARTICULO"}, {"ARTICULO"}),
        table("MOVIMIENTO_ALMACEN",
              {{"CODIGO", Integer, NotNull},
               {"FECHA", Date},
               {"TIPO", Char(1)},
               {"CAUSA", Varchar(100)},
               almacen,
               {"ARTICULO", Char(10)},
               {"CANTIDAD", Money},
               {"VALOR", Money},
               responsable},
              {"CODIGO"}, {"ALMACEN", "ARTICULO", "RESPONSABLE"}),
    };
}

std::vector<TableDef> salesTables()
{
    const Columns header = salesHeader();
    return {
        table("PRESUPUESTO_VENTA",
              header.without({"SERIE", "DIRECCION", "ALMACEN", "FORMA_PAGO", "DESCUENTO_PP"}),
              {"NUMERO"}, {"CLIENTE", "VENDEDOR"}),
        table("LINEA_PRESUPUESTO_VENTA",
              Columns{lineCode, {"PRESUPUESTO", Integer}}
                  + lineBody(Money, {"CONCEPTO", Varchar(255)})
                  + Columns{{"CANTIDAD_APROBADA", Double}}
                  + lineRates("P_IVA", "P_RE", Money),
              {"CODIGO"}, {"PRESUPUESTO", "ARTICULO"}),
        table("PEDIDO_VENTA",
              header
                  + Columns{{"REFERENCIA", Varchar(20)}, {"FECHA_ENTREGA", Date}, {"PRESUPUESTO", Integer}},
              {"SERIE,NUMERO"}, {"CLIENTE", "VENDEDOR", "FORMA_PAGO", "PRESUPUESTO"}),
        table("LINEA_PEDIDO_VENTA",
              Columns{lineCode, {"PEDIDO", DocumentKey}}
                  + lineBody(Double)
                  + lineRates("PIVA", "PRE", Double)
                  + Columns{{"CANTIDAD_ENTREGADA", Double}},
              {"CODIGO"}, {"PEDIDO", "ARTICULO"}),
        table("ALBARAN_VENTA",
              header.requiring("ALMACEN") + Columns{{"PEDIDO", DocumentKey}, {"FACTURA", DocumentKey}},
              {"SERIE,NUMERO"}, {"CLIENTE", "VENDEDOR", "FORMA_PAGO", "PEDIDO", "FACTURA"}),
        table("LINEA_ALBARAN_VENTA",
              Columns{lineCode, {"ALBARAN", DocumentKey}} + lineBody(Double) + lineRates("P_IVA", "P_RE", Money),
              {"CODIGO"}, {"ALBARAN", "ARTICULO"}),
        table("FACTURA_VENTA",
              header + Columns{{"PAGADO", Double}},
              {"SERIE,NUMERO"}, {"CLIENTE", "VENDEDOR", "FORMA_PAGO"}),
        table("LINEA_FACTURA_VENTA",
              Columns{lineCode, {"FACTURA", DocumentKey}} + lineBody(Double) + lineRates("P_IVA", "P_RE", Double),
              {"CODIGO"}, {"FACTURA", "ARTICULO"}),
        table("COBRO", instalment("CLIENTE"), {"NUMERO"}, {"FACTURA", "CLIENTE", "CUENTA"}),
    };
}

std::vector<TableDef> purchaseTables()
{
    return {
        table("PEDIDO_COMPRA",
              Columns{serie,
                      numero,
                      {"REFERENCIA", Varchar(50)},
                      {"SUPEDIDO", Varchar(50)},
                      fecha,
                      estado,
                      proveedor,
                      almacen,
                      responsable,
                      formaPago,
                      observaciones,
                      descuento,
                      {"DESCUENTO_PP", Money},
                      {"FECHA_RECEPCION", Date}}
                  + vatSlots(),
              {"SERIE,NUMERO"}, {"PROVEEDOR", "RESPONSABLE", "FORMA_PAGO"}),
        table("LINEA_PEDIDO_COMPRA",
              Columns{lineCode}
                  + lineBody(Double)
                  + lineRates("P_IVA", "P_RE", Money)
                  + Columns{{"CANTIDAD_RECIBIDA", Double}, {"PEDIDO", DocumentKey}},
              {"CODIGO"}, {"PEDIDO", "ARTICULO"}),
        table("ALBARAN_COMPRA",
              purchaseHeader({"SUALBARAN", Varchar(20)}, {"DTO_PP", Money}).requiring("ALMACEN")
                  + Columns{{"PEDIDO", DocumentKey}, {"FACTURA", DocumentKey}},
              {"SERIE,NUMERO"}, {"PROVEEDOR", "RESPONSABLE", "FORMA_PAGO", "PEDIDO", "FACTURA"}),
        table("LINEA_ALBARAN_COMPRA",
              Columns{lineCode, {"ALBARAN", DocumentKey}} + lineBody(Double) + lineRates("PIVA", "PRE", Money),
              {"CODIGO"}, {"ALBARAN", "ARTICULO"}),
        table("FACTURA_COMPRA",
              purchaseHeader({"SUFACTURA", Varchar(20)}, {"DESCUENTO_PP", Integer})
                  + Columns{{"PAGADO", Double}},
              {"SERIE,NUMERO"}, {"PROVEEDOR", "RESPONSABLE", "FORMA_PAGO"}),
        table("LINEA_FACTURA_COMPRA",
              Columns{lineCode, {"FACTURA", DocumentKey}} + lineBody(Double) + lineRates("PIVA", "PRE", Money),
              {"CODIGO"}, {"FACTURA", "ARTICULO"}),
        table("PAGO", instalment("PROVEEDOR"), {"NUMERO"}, {"FACTURA", "PROVEEDOR", "CUENTA"}),
    };
}

std::vector<TableDef> incidentTables()
{
    return {
        table("INCIDENCIA",
              {{"CODIGO", Integer, NotNull},
               {"TIPO", Char(1)},
               {"TIPO_DOC", Char(1)},
               {"DOCUMENTO", DocumentKey},
               {"ESTADO", Varchar(20)},
               {"FECHA_APERTURA", Date},
               {"ASUNTO", Varchar(100)},
               observaciones,
               {"FECHA_SOLUCION", Date}},
              {"CODIGO"}, {"TIPO,TIPO_DOC,DOCUMENTO"}),
    };
}

std::vector<TableDef> buildCompanyTables()
{
    std::vector<TableDef> all;
    for (auto group : {masterTables, warehouseTables, salesTables, purchaseTables, incidentTables}) {
        std::vector<TableDef> tables = group();
        all.insert(all.end(), tables.begin(), tables.end());
    }
    return all;
}

QString constraintName(const char *prefix, const TableDef &table, size_t index)
{
    return QStringLiteral("%1_%2_%3").arg(QLatin1String(prefix), table.name).arg(index + 1);
}

QString createTable(const TableDef &table)
{
    QStringList parts;
    for (const ColumnDef &c : table.columns)
        parts << c.name + u' ' + c.sqlType() + (c.notNull ? QStringLiteral(" NOT NULL") : QString());
    for (size_t i = 0; i < table.uniqueKeys.size(); ++i) {
        parts << QStringLiteral("CONSTRAINT %1 UNIQUE (%2)")
                     .arg(constraintName("UQ", table, i), table.uniqueKeys[i].join(u','));
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(table.name, parts.join(QStringLiteral(", ")));
}

} // namespace

const std::vector<TableDef> &generalTables()
{
    static const std::vector<TableDef> tables = buildGeneralTables();
    return tables;
}

const std::vector<TableDef> &companyTables()
{
    static const std::vector<TableDef> tables = buildCompanyTables();
    return tables;
}

const TableDef *findTable(const QString &name)
{
    for (const auto *tables : {&generalTables(), &companyTables()}) {
        for (const TableDef &t : *tables) {
            if (t.name == name)
                return &t;
        }
    }
    return nullptr;
}

QStringList ddlStatements(const std::vector<TableDef> &tables)
{
    QStringList statements;
    for (const TableDef &t : tables)
        statements << createTable(t);
    for (const TableDef &t : tables) {
        for (size_t i = 0; i < t.indexes.size(); ++i) {
            statements << QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                              .arg(constraintName("IX", t, i), t.name, t.indexes[i].join(u','));
        }
    }
    return statements;
}

} // namespace db
