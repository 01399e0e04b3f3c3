#include "DemoData.h"

#include <QDate>
#include <map>

// Every tax number, CIF and account code below carries its correct control
// letter or digits, and every postal code the province the province rule
// would fill in, so that opening and accepting any demo record draws no
// warning.
namespace db {

namespace {

const QVariant Null;

// ---------------------------------------------------------------------------
// Articles and their stock: the article's STOCK column is the sum of its
// stock rows, and its margin and surcharge rate follow from its prices and
// VAT rate, so both are computed here rather than typed twice.

struct Article
{
    const char *code;
    const char *description;
    const char *barcode;
    const char *family;
    const char *supplier; // nullptr: no usual supplier
    const char *supplierReference;
    double purchasePrice;
    double salePrice;
    int vat;
    double minimum;
    double maximum;
};

struct StockRow
{
    const char *warehouse;
    const char *article;
    double quantity;
};

const std::vector<Article> &articles()
{
    static const std::vector<Article> list = {
        {"HER001", "Martillo de carpintero 500 g", "84120014", "HERR", "P0001", "HN-MC500", 6.20, 9.90, 16, 10, 40},
        {"HER002", "Destornillador plano 6 mm", "84120021", "HERR", "P0001", "HN-DP006", 1.80, 3.25, 16, 20, 60},
        {"HER003", "Juego de llaves Allen (9 piezas)", "84120038", "HERR", "P0001", "HN-LA009", 4.50, 7.95, 16, 5, 20},
        {"HER004", "Taladro percutor 750 W", "84120045", "HERR", "P0001", "HN-TP750", 48.00, 79.90, 16, 10, 20},
        {"PIN001", "Pintura plástica blanca 15 L", "84120052", "PINT", "P0002", "PL-PB15", 24.00, 39.50, 16, 15, 30},
        {"PIN002", "Esmalte sintético rojo 750 ml", "84120069", "PINT", "P0002", "PL-ES075R", 5.40, 8.95, 16, 6, 24},
        {"PIN003", "Rodillo antigota 22 cm", "84120076", "PINT", "P0002", "PL-RA22", 2.10, 3.95, 16, 10, 40},
        {"ELE001", "Cable eléctrico 2,5 mm² (100 m)", "84120083", "ELEC", "P0003", "EG-C25", 32.00, 52.00, 16, 10, 25},
        {"ELE002", "Bombilla LED 10 W E27", "84120090", "ELEC", "P0003", "EG-LED10", 1.90, 3.60, 16, 50, 200},
        {"ELE003", "Regleta 5 enchufes con interruptor", "84120106", "ELEC", "P0003", "EG-R5I", 4.20, 7.50, 16, 5, 30},
        {"TOR001", "Tornillo madera 4x40 (caja 200)", "84120113", "TORN", "P0004", "TC-RM440", 2.60, 4.75, 16, 30, 100},
        {"TOR002", "Taco de nailon 8 mm (bolsa 100)", "84120120", "TORN", "P0004", "TC-TN08", 1.50, 2.95, 16, 20, 80},
        {"TOR003", "Tuerca hexagonal M8 (caja 100)", "84120137", "TORN", "P0004", "TC-TH08", 1.95, 3.50, 16, 20, 60},
        {"JAR001", "Abono universal 5 kg", "84120144", "JARD", "P0002", "PL-AB05", 3.80, 6.50, 7, 10, 40},
        {"JAR002", "Semillas de césped 1 kg", "84120151", "JARD", "P0002", "PL-SC01", 4.10, 7.20, 7, 10, 30},
        {"JAR003", "Guía práctica de jardinería (libro)", "84120168", "JARD", nullptr, nullptr, 9.00, 15.00, 4, 0, 0},
    };
    return list;
}

const std::vector<StockRow> &stockRows()
{
    static const std::vector<StockRow> list = {
        {"ALM1", "HER001", 25}, {"ALM1", "HER002", 40}, {"ALM1", "HER003", 12}, {"ALM1", "HER004", 6},
        {"ALM1", "PIN001", 10}, {"ALM1", "PIN002", 18}, {"ALM1", "PIN003", 30}, {"ALM1", "ELE001", 8},
        {"ALM1", "ELE002", 120}, {"ALM1", "ELE003", 15}, {"ALM1", "TOR001", 50}, {"ALM1", "TOR002", 60},
        {"ALM1", "TOR003", 45}, {"ALM1", "JAR001", 20}, {"ALM1", "JAR002", 14},
        {"ALM2", "HER001", 10}, {"ALM2", "HER004", 2}, {"ALM2", "PIN001", 4}, {"ALM2", "ELE002", 60},
        {"ALM2", "TOR001", 20}, {"ALM2", "JAR002", 6},
    };
    return list;
}

// The equivalence-surcharge rate that goes with each VAT rate of the system.
double surchargeRate(int vat)
{
    static const std::map<int, double> rates = {{16, 4.0}, {7, 1.0}, {4, 0.5}, {0, 0.0}};
    return rates.at(vat);
}

QVariant orNull(const char *text)
{
    return text ? QVariant(QString::fromUtf8(text)) : Null;
}

TableRows articleRows()
{
    std::map<QString, double> totals;
    for (const StockRow &s : stockRows())
        totals[QString::fromLatin1(s.article)] += s.quantity;

    TableRows t{"ARTICULO",
                {"CODIGO", "DESCRIPCION", "CODIGO_BARRAS", "PRECIO_COMPRA", "MARGEN", "PRECIO_VENTA", "PROVEEDOR",
                 "CODIGO_PROVEEDOR", "FAMILIA", "P_IVA", "P_RE", "STOCK", "MINIMO", "MAXIMO", "PDTE_RECIBIR",
                 "PDTE_ENTREGAR"},
                {}};
    for (const Article &a : articles()) {
        const double margin = (a.salePrice - a.purchasePrice) / a.salePrice * 100.0;
        t.rows.push_back({a.code, QString::fromUtf8(a.description), a.barcode, a.purchasePrice, margin,
                          a.salePrice, orNull(a.supplier), orNull(a.supplierReference), a.family, a.vat,
                          surchargeRate(a.vat), totals[QString::fromLatin1(a.code)], a.minimum, a.maximum, 0.0,
                          0.0});
    }
    return t;
}

TableRows stockTableRows()
{
    TableRows t{"STOCK", {"CODIGO", "ALMACEN", "ARTICULO", "STOCK"}, {}};
    int number = 0;
    for (const StockRow &s : stockRows())
        t.rows.push_back({++number, s.warehouse, s.article, s.quantity});
    return t;
}

// ---------------------------------------------------------------------------
// Code tables and people.

TableRows bankAccounts()
{
    return {"CUENTA_BANCARIA",
            {"CODIGO", "DESCRIPCION", "BANCO", "SUCURSAL", "PROVINCIA", "COD_ENTIDAD", "COD_AGENCIA", "DC",
             "NCUENTA"},
            {
                {"B001", "Cuenta principal", "Banco Santander", "Oficina Alcalá", "Madrid", "0049", "1500", "06",
                 "0011223344"},
                {"B002", "Cuenta de cobros", "CaixaBank", "Oficina Goya", "Madrid", "2100", "0418", "48",
                 "0200123456"},
            }};
}

TableRows paymentMethods()
{
    return {"FORMA_PAGO",
            {"CODIGO", "DESCRIPCION", "NUMERO_VENCIMIENTOS", "DIAS_ENTRE_VENCIMIENTOS", "CUENTA", "OBSERVACIONES"},
            {
                {"CONT", "Contado", 1, 0, "B001", "Pago en el momento de la entrega."},
                {"G30", "Giro a 30 días", 1, 30, "B002", Null},
                {"G60", "Giro a 30 y 60 días", 2, 30, "B002", Null},
                {"G90", "Giro a 30, 60 y 90 días", 3, 30, "B002", "Tres vencimientos iguales."},
            }};
}

TableRows salespeople()
{
    return {"VENDEDOR",
            {"CODIGO", "NOMBRE", "NIF", "DIRECCION", "LOCALIDAD", "CODIGO_POSTAL", "PROVINCIA", "TELEFONO1",
             "EMAIL", "COMISION", "OBSERVACIONES"},
            {
                {"V01", "Lucía Martínez Ortega", "50123456Q", "Calle de Atocha, 45, 4.º D", "Madrid", "28012",
                 "Madrid", "600 12 34 56", "lmartinez@penalara.es", 5.0, "Zona centro."},
                {"V02", "Jordi Puig Serra", "71234567W", "Carrer de Provença, 301", "Barcelona", "08037",
                 "Barcelona", "611 22 33 44", "jpuig@penalara.es", 4.5, "Zona Cataluña y Aragón."},
                {"V03", "Ana Belén Cañas Ruiz", "34567890V", "Calle Colón, 18", "Valencia", "46004", "Valencia",
                 "622 33 44 55", "acanas@penalara.es", 3.0, "Zona Levante y Andalucía."},
            }};
}

// Purchase managers and warehouse managers have the same columns.
TableRows managers(const char *table, std::vector<QVariantList> rows)
{
    return {table,
            {"CODIGO", "NOMBRE", "NIF", "DIRECCION", "LOCALIDAD", "CODIGO_POSTAL", "PROVINCIA", "TELEFONO1",
             "EMAIL"},
            std::move(rows)};
}

TableRows purchaseManagers()
{
    return managers("RESPONSABLE_COMPRAS",
                    {
                        {"RC01", "Tomás Ibáñez Gil", "12873456B", "Calle de Alcalá, 125", "Madrid", "28009",
                         "Madrid", "915 55 01 24", "tibanez@penalara.es"},
                        {"RC02", "Marta Peña Solís", "33445566R", "Calle de Alcalá, 125", "Madrid", "28009",
                         "Madrid", "915 55 01 25", "mpena@penalara.es"},
                    });
}

TableRows warehouseManagers()
{
    return managers("RESPONSABLE_ALMACEN",
                    {
                        {"RA01", "Andrés Muñoz Vega", "48151623L", "Calle de San Dalmacio, 14", "Madrid", "28021",
                         "Madrid", "917 23 45 00", "amunoz@penalara.es"},
                        {"RA02", "Begoña Jiménez Ríos", "29384756W", "Carrer del Foc, 68", "Barcelona", "08038",
                         "Barcelona", "932 23 45 00", "bjimenez@penalara.es"},
                    });
}

TableRows families()
{
    return {"FAMILIA",
            {"CODIGO", "DESCRIPCION", "OBSERVACIONES"},
            {
                {"HERR", "Herramientas", "Herramienta manual y eléctrica."},
                {"PINT", "Pinturas", Null},
                {"ELEC", "Material eléctrico", Null},
                {"TORN", "Tornillería y fijaciones", Null},
                {"JARD", "Jardinería", "Abonos, semillas y libros de jardín."},
            }};
}

TableRows warehouses()
{
    return {"ALMACEN",
            {"CODIGO", "DESCRIPCION", "RESPONSABLE", "DIRECCION", "LOCALIDAD", "CODIGO_POSTAL", "PROVINCIA",
             "TELEFONO1", "EMAIL", "COMENTARIO", "SALA_VENTAS"},
            {
                {"ALM1", "Almacén central", "RA01", "Calle de San Dalmacio, 14, nave 3", "Madrid", "28021", "Madrid",
                 "917 23 45 00", "almacen.madrid@penalara.es", "Horario de carga: de 8:00 a 15:00.", "S"},
                {"ALM2", "Almacén Barcelona", "RA02", "Carrer del Foc, 68, nave 7", "Barcelona", "08038",
                 "Barcelona", "932 23 45 00", "almacen.barcelona@penalara.es", Null, "N"},
            }};
}

// ---------------------------------------------------------------------------
// Customers and suppliers with their contacts, addresses and notes.

TableRows customers()
{
    return {"CLIENTE",
            {"CODIGO", "NOMBRE", "RAZON_SOCIAL", "CIF_NIF", "DIRECCION", "LOCALIDAD", "CODIGO_POSTAL", "PROVINCIA",
             "TELEFONO1", "EMAIL", "RECARGO_EQUIVALENCIA", "BANCO", "SUCURSAL", "PROVINCIA_BANCO", "COD_ENTIDAD",
             "COD_AGENCIA", "DC", "NCUENTA", "VENDEDOR", "REGIMEN_IVA", "FORMA_PAGO", "N_COPIAS", "SALDO"},
            {
                {"C0001", "Ferretería La Maña", "Ferretería La Maña, S.L.", "B50238179", "Calle de Toledo, 84",
                 "Madrid", "28005", "Madrid", "913 65 44 21", "pedidos@ferreterialamana.es", "S", "Bankia",
                 "Oficina Puerta de Toledo", "Madrid", "2038", "1122", "61", "6000223344", "V01", 1, "G30", 1, 0.0},
                {"C0002", "Bricolaje Montaña", "Bricolaje Montaña, S.A.", "A08392151", "Carrer de Sants, 212",
                 "Barcelona", "08028", "Barcelona", "934 21 87 65", "compras@bricomontana.com", "N", "Banco Sabadell",
                 "Oficina Sants", "Barcelona", "0081", "0216", "78", "0006543210", "V02", 1, "G90", 2, 0.0},
                {"C0003", "José Antonio Fernández López", "José Antonio Fernández López", "23456789D",
                 "Avenida del Puerto, 15, 3.º B", "Valencia", "46023", "Valencia", "963 30 12 45",
                 "jafernandez@correo.es", "S", Null, Null, Null, Null, Null, Null, Null, "V03", 1, "CONT", 1, 0.0},
                {"C0004", "Construcciones Ebro", "Construcciones Ebro, S.L.", "B46312088",
                 "Paseo de la Independencia, 30", "Zaragoza", "50004", "Zaragoza", "976 23 45 67",
                 "administracion@construccionesebro.es", "N", "Cajamar", "Oficina Delicias", "Zaragoza", "3058",
                 "0700", "11", "2710012345", "V01", 1, "G60", 1, 0.0},
                // Exempt from VAT: its documents carry neither VAT nor surcharge.
                {"C0005", "Asociación Cultural El Olivar", "Asociación Cultural El Olivar", "G41173022",
                 "Calle Feria, 42", "Sevilla", "41003", "Sevilla", "954 90 11 22", "secretaria@elolivar.org", "N",
                 Null, Null, Null, Null, Null, Null, Null, "V02", 0, "CONT", 1, 0.0},
                {"C0006", "María del Carmen Peñas Ortiz", "María del Carmen Peñas Ortiz", "45678901G",
                 "Calle Larios, 7, 2.º A", "Málaga", "29005", "Málaga", "952 21 33 44", "mcpenas@correo.es", "N",
                 Null, Null, Null, Null, Null, Null, Null, "V03", 1, "G30", 1, 0.0},
            }};
}

TableRows suppliers()
{
    return {"PROVEEDOR",
            {"CODIGO", "NOMBRE", "RAZON_SOCIAL", "CIF", "CODIGO_CLIENTE", "INICIO_VACACIONES", "FIN_VACACIONES",
             "DTO_ESPECIAL", "DTO_PP", "RESPONSABLE", "REGIMEN_IVA", "FORMA_PAGO", "DIRECCION", "LOCALIDAD",
             "COD_POSTAL", "PROVINCIA", "TELEFONO1", "FAX", "EMAIL", "PAGINA_WEB", "BANCO", "SUCURSAL",
             "PROVINCIA_BANCO", "COD_ENTIDAD", "COD_AGENCIA", "DC", "NCUENTA", "DIAS_REPOSICION"},
            {
                {"P0001", "Herramientas del Norte", "Herramientas del Norte, S.A.", "A48201560", "CL-10482",
                 QDate(2024, 8, 1), QDate(2024, 8, 31), 5.0, 2.0, "RC01", 1, "G60",
                 "Polígono Industrial Ugaldeguren, parcela 12", "Zamudio", "48170", "Vizcaya", "944 52 10 00",
                 "944 52 10 01", "ventas@herranorte.es", "www.herranorte.es", "BBVA", "Oficina Gran Vía", "Vizcaya",
                 "0182", "5941", "49", "0010456789", 7},
                {"P0002", "Pinturas Levante", "Pinturas Levante, S.L.", "B46312088", "PL-2231", Null, Null, 3.0, 0.0,
                 "RC02", 1, "G30", "Calle de la Ciencia, 25", "Paterna", "46980", "Valencia", "961 34 56 78",
                 "961 34 56 79", "pedidos@pinturaslevante.es", "www.pinturaslevante.es", Null, Null, Null, Null,
                 Null, Null, Null, 5},
                {"P0003", "Electricidad Guadalquivir", "Electricidad Guadalquivir, S.L.", "B41720558", "EG-0587",
                 Null, Null, 0.0, 3.0, "RC01", 1, "G90", "Avenida de la Innovación, 3", "Sevilla", "41020",
                 "Sevilla", "954 11 22 33", Null, "comercial@electricidadguadalquivir.es", Null, Null, Null, Null,
                 Null, Null, Null, Null, 10},
                {"P0004", "Tornillería Coruñesa", "Tornillería Coruñesa, S.L.", "B15987324", "TC-0099",
                 QDate(2024, 12, 23), QDate(2025, 1, 6), 0.0, 0.0, "RC02", 1, "CONT",
                 "Polígono de Pocomaco, parcela D-4", "A Coruña", "15190", "La Coruña", "981 17 28 39",
                 "981 17 28 40", "pedidos@tornilleriacorunesa.es", Null, Null, Null, Null, Null, Null, Null, Null, 3},
            }};
}

TableRows contacts()
{
    return {"PERSONA_CONTACTO",
            {"CODIGO", "TIPO_DE", "DE", "NOMBRE", "NIF", "TELEFONO1", "EMAIL", "HORARIO", "OBSERVACIONES"},
            {
                {1, "C", "C0002", "Núria Vidal Ferrer", "51627384C", "934 21 87 66", "nvidal@bricomontana.com",
                 "De 9:00 a 14:00", "Responsable de compras."},
                {2, "C", "C0002", "Pau Soler Roig", Null, "934 21 87 67", "psoler@bricomontana.com", "Tardes", Null},
                {3, "C", "C0004", "Íñigo Sáenz Arrieta", "09876543K", "976 23 45 68", "isaenz@construccionesebro.es",
                 "De 8:00 a 13:00", Null},
                {4, "P", "P0001", "Koldo Etxeberria Goñi", "05647382P", "944 52 10 02", "koldo@herranorte.es",
                 "Mañanas", "Comercial de zona."},
                {5, "P", "P0003", "Rocío Domínguez Pardo", Null, "954 11 22 34",
                 "rdominguez@electricidadguadalquivir.es", Null, Null},
            }};
}

TableRows addresses()
{
    return {"DIRECCION",
            {"CODIGO", "DESCRIPCION", "TIPO_DE", "DE", "DIRECCION", "LOCALIDAD", "CODIGO_POSTAL", "PROVINCIA",
             "TELEFONO1", "HORARIO"},
            {
                {1, "Tienda de Gràcia", "C", "C0002", "Carrer Gran de Gràcia, 150", "Barcelona", "08012",
                 "Barcelona", "932 18 76 54", "De 9:30 a 20:30"},
                {2, "Obra Las Delicias", "C", "C0004", "Avenida de Madrid, 215", "Zaragoza", "50017", "Zaragoza",
                 "976 33 22 11", "De 7:30 a 15:00"},
                {3, "Almacén de Basauri", "P", "P0001", "Calle Lapatza, 4", "Basauri", "48970", "Vizcaya",
                 "944 40 11 22", "De 8:00 a 16:00"},
            }};
}

TableRows notes()
{
    return {"NOTA",
            {"CODIGO", "TIPO_DE", "DE", "FECHA", "ANOTADOR", "ASUNTO", "OBSERVACIONES"},
            {
                {1, "C", "C0001", QDate(2024, 1, 15), "admin", "Condiciones especiales",
                 "Aplicar un 3 % de descuento en pedidos superiores a 600 €."},
                {2, "C", "C0003", QDate(2024, 2, 2), "admin", "Entrega a domicilio",
                 "Prefiere recibir la mercancía por las mañanas."},
                {3, "P", "P0002", QDate(2024, 3, 10), "admin", "Nueva tarifa",
                 "La tarifa de precios sube un 2,5 % a partir de abril."},
            }};
}

} // namespace

std::vector<TableRows> generalRows()
{
    return {
        {"USUARIO", {"CODIGO", "NOMBRE", "CONTRASENA"}, {{1, "admin", "admin"}}},
        {"EMPRESA",
         {"CODIGO", "NOMBRE", "RAZON_SOCIAL", "CIF", "DIRECCION", "LOCALIDAD", "COD_POSTAL", "PROVINCIA",
          "TELEFONO1", "TELEFONO2", "FAX", "EMAIL", "OBSERVACIONES", "REC_EQUIVALENCIA", "DATOS_REGISTRALES"},
         {{"01", "Comercial Peñalara", "Comercial Peñalara, S.L.", "B86413721", "Calle de Alcalá, 125", "Madrid",
           "28009", "Madrid", "915 55 01 23", "915 55 01 30", "915 55 01 29", "info@penalara.es",
           "Empresa de demostración.", "N",
           "Inscrita en el Registro Mercantil de Madrid, tomo 12.345, folio 67, hoja M-123456."}}},
    };
}

std::vector<TableRows> demoCompanyRows()
{
    return {bankAccounts(), paymentMethods(), salespeople(), purchaseManagers(), warehouseManagers(),
            customers(), suppliers(), contacts(), addresses(), notes(), families(), articleRows(), warehouses(),
            stockTableRows()};
}

} // namespace db
