#include "TmdlClientes.h"

#include "app/TmdlConexiones.h"
#include "framework/Reglas.h"
#include "framework/ReglasCampos.h"
#include "master/Satelites.h"
#include "platform/dataset/RecordSet.h"

namespace {

const QString kTabla = QStringLiteral("CLIENTE");

// Documents that name the customer, in the order they are asked.
const std::vector<fw::Guard> &guardasCliente()
{
    static const QString tieneDocumentos = QStringLiteral("No se puede eliminar. Tiene Documentos.");
    static const std::vector<fw::Guard> guardas{
        {QStringLiteral("SELECT NUMERO FROM PRESUPUESTO_VENTA WHERE CLIENTE = ?"), tieneDocumentos},
        {QStringLiteral("SELECT SERIE,NUMERO FROM PEDIDO_VENTA WHERE CLIENTE = ?"), tieneDocumentos},
        {QStringLiteral("SELECT SERIE,NUMERO FROM ALBARAN_VENTA WHERE CLIENTE = ?"), tieneDocumentos},
        {QStringLiteral("SELECT SERIE,NUMERO FROM FACTURA_VENTA WHERE CLIENTE = ?"), tieneDocumentos},
        {QStringLiteral("SELECT NUMERO FROM COBRO WHERE CLIENTE = ?"), tieneDocumentos},
    };
    return guardas;
}

} // namespace

TmdlClientes::TmdlClientes(QObject *parent) : TmdlClientes(mdlConexiones().ConexionEmpresa, parent) {}

TmdlClientes::TmdlClientes(fb::Connection &empresa, QObject *parent)
    : fw::DataModule(empresa, parent),
      Clientes(addRecordSet(QStringLiteral("Clientes"), QStringLiteral("SELECT * FROM CLIENTE"))),
      LookVendedor(addLookup(QStringLiteral("LookVendedor"), QStringLiteral("select CODIGO, NOMBRE from VENDEDOR"))),
      LookFormaPago(addLookup(QStringLiteral("LookFormaPago"),
                              QStringLiteral("select CODIGO, DESCRIPCION from FORMA_PAGO")))
{
    Clientes.addLookupField(QStringLiteral("NVENDEDOR"), QStringLiteral("VENDEDOR"), &LookVendedor,
                            QStringLiteral("NOMBRE"));
    Clientes.addLookupField(QStringLiteral("NFORMAPAGO"), QStringLiteral("FORMA_PAGO"), &LookFormaPago,
                            QStringLiteral("DESCRIPCION"));
    Clientes.field(QStringLiteral("SALDO")).displayFormat = QStringLiteral("#,##0.00");
    conectarReglas();
}

void TmdlClientes::conectarReglas()
{
    Clientes.onNewRecord = [this](ds::RecordSet &set) { ClientesNewRecord(set); };
    Clientes.beforePost = [this](ds::RecordSet &set) { ClientesBeforePost(set); };
    Clientes.beforeDelete = [this](ds::RecordSet &set) { ClientesBeforeDelete(set); };
    const auto regla = [this](const char *columna, void (TmdlClientes::*handler)(ds::Field &)) {
        Clientes.field(QLatin1String(columna)).onValidate = [this, handler](ds::Field &f) { (this->*handler)(f); };
    };
    regla("CODIGO", &TmdlClientes::ClientesCODIGOValidate);
    regla("CIF_NIF", &TmdlClientes::ClientesCIF_NIFValidate);
    regla("CODIGO_POSTAL", &TmdlClientes::ClientesCODIGO_POSTALValidate);
    for (const char *parte : {"COD_ENTIDAD", "COD_AGENCIA", "NCUENTA"})
        regla(parte, &TmdlClientes::ClientesCOD_ENTIDADValidate);
    regla("VENDEDOR", &TmdlClientes::ClientesVENDEDORValidate);
    regla("FORMA_PAGO", &TmdlClientes::ClientesFORMA_PAGOValidate);
    regla("REGIMEN_IVA", &TmdlClientes::ClientesREGIMEN_IVAValidate);
}

void TmdlClientes::ClientesNewRecord(ds::RecordSet &set)
{
    set.setValue(QStringLiteral("RECARGO_EQUIVALENCIA"), QStringLiteral("N"));
    set.setValue(QStringLiteral("REGIMEN_IVA"), 1);
    set.setValue(QStringLiteral("N_COPIAS"), 1);
    set.setValue(QStringLiteral("SALDO"), 0.0);
}

void TmdlClientes::ClientesBeforePost(ds::RecordSet &set) { master::comprobarCodigoNuevo(set, kTabla); }

void TmdlClientes::ClientesBeforeDelete(ds::RecordSet &set)
{
    master::eliminarTitular(connection(), master::kTipoCliente, set.value(QStringLiteral("CODIGO")), guardasCliente());
}

void TmdlClientes::ClientesCODIGOValidate(ds::Field &field) { fw::checkUnique(field, kTabla); }

void TmdlClientes::ClientesCIF_NIFValidate(ds::Field &field) { fw::reglaCifNif(field); }

void TmdlClientes::ClientesCODIGO_POSTALValidate(ds::Field &field) { fw::reglaProvincia(field); }

void TmdlClientes::ClientesCOD_ENTIDADValidate(ds::Field &field) { fw::proponerDigitoControl(field); }

void TmdlClientes::ClientesVENDEDORValidate(ds::Field &field)
{
    fw::checkExists(field, QStringLiteral("VENDEDOR"), QStringLiteral("VENDEDOR no existe."));
}

void TmdlClientes::ClientesFORMA_PAGOValidate(ds::Field &field)
{
    fw::checkExists(field, QStringLiteral("FORMA_PAGO"), QStringLiteral("FORMA DE PAGO no existe."));
}

// An exempt customer pays no surcharge either; back in the general regime
// the surcharge stays as it is until ticked by hand.
void TmdlClientes::ClientesREGIMEN_IVAValidate(ds::Field &field)
{
    if (!field.isNull() && field.asInteger() == 0)
        field.recordSet().setValue(QStringLiteral("RECARGO_EQUIVALENCIA"), QStringLiteral("N"));
}
