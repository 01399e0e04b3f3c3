#include "TmdlProveedores.h"

#include "app/TmdlConexiones.h"
#include "framework/Reglas.h"
#include "framework/ReglasCampos.h"
#include "master/Satelites.h"
#include "platform/dataset/RecordSet.h"

namespace {

const QString kTabla = QStringLiteral("PROVEEDOR");

// Documents and articles that name the supplier, in the order they are asked.
const std::vector<fw::Guard> &guardasProveedor()
{
    static const QString tieneDocumentos = QStringLiteral("No se puede eliminar. Tiene Documentos.");
    static const std::vector<fw::Guard> guardas{
        {QStringLiteral("SELECT SERIE,NUMERO FROM PEDIDO_COMPRA WHERE PROVEEDOR = ?"), tieneDocumentos},
        {QStringLiteral("SELECT SERIE,NUMERO FROM ALBARAN_COMPRA WHERE PROVEEDOR = ?"), tieneDocumentos},
        {QStringLiteral("SELECT SERIE,NUMERO FROM FACTURA_COMPRA WHERE PROVEEDOR = ?"), tieneDocumentos},
        {QStringLiteral("SELECT NUMERO FROM PAGO WHERE PROVEEDOR = ?"), tieneDocumentos},
        {QStringLiteral("SELECT CODIGO FROM ARTICULO WHERE PROVEEDOR = ?"),
         QStringLiteral("No se puede eliminar. Tiene Articulos.")},
    };
    return guardas;
}

} // namespace

TmdlProveedores::TmdlProveedores(QObject *parent) : TmdlProveedores(mdlConexiones().ConexionEmpresa, parent) {}

TmdlProveedores::TmdlProveedores(fb::Connection &empresa, QObject *parent)
    : fw::DataModule(empresa, parent),
      Proveedores(addRecordSet(QStringLiteral("Proveedores"), QStringLiteral("SELECT * FROM PROVEEDOR"))),
      LookResponsable(addLookup(QStringLiteral("LookResponsable"),
                                QStringLiteral("select CODIGO, NOMBRE from RESPONSABLE_COMPRAS"))),
      LookFormaPago(addLookup(QStringLiteral("LookFormaPago"),
                              QStringLiteral("select CODIGO, DESCRIPCION from FORMA_PAGO")))
{
    Proveedores.addLookupField(QStringLiteral("NRESPONSABLE"), QStringLiteral("RESPONSABLE"), &LookResponsable,
                               QStringLiteral("NOMBRE"));
    Proveedores.addLookupField(QStringLiteral("NFORMAPAGO"), QStringLiteral("FORMA_PAGO"), &LookFormaPago,
                               QStringLiteral("DESCRIPCION"));
    for (const char *descuento : {"DTO_ESPECIAL", "DTO_PP"})
        Proveedores.field(QLatin1String(descuento)).displayFormat = QStringLiteral("#,##0.00");
    conectarReglas();
}

void TmdlProveedores::conectarReglas()
{
    Proveedores.onNewRecord = [this](ds::RecordSet &set) { ProveedoresNewRecord(set); };
    Proveedores.beforePost = [this](ds::RecordSet &set) { ProveedoresBeforePost(set); };
    Proveedores.beforeDelete = [this](ds::RecordSet &set) { ProveedoresBeforeDelete(set); };
    const auto regla = [this](const char *columna, void (TmdlProveedores::*handler)(ds::Field &)) {
        Proveedores.field(QLatin1String(columna)).onValidate = [this, handler](ds::Field &f) { (this->*handler)(f); };
    };
    regla("CODIGO", &TmdlProveedores::ProveedoresCODIGOValidate);
    regla("CIF", &TmdlProveedores::ProveedoresCIFValidate);
    regla("COD_POSTAL", &TmdlProveedores::ProveedoresCOD_POSTALValidate);
    for (const char *parte : {"COD_ENTIDAD", "COD_AGENCIA", "NCUENTA"})
        regla(parte, &TmdlProveedores::ProveedoresCOD_ENTIDADValidate);
    regla("RESPONSABLE", &TmdlProveedores::ProveedoresRESPONSABLEValidate);
    regla("FORMA_PAGO", &TmdlProveedores::ProveedoresFORMA_PAGOValidate);
}

void TmdlProveedores::ProveedoresNewRecord(ds::RecordSet &set)
{
    set.setValue(QStringLiteral("DTO_ESPECIAL"), 0.0);
    set.setValue(QStringLiteral("DTO_PP"), 0.0);
    set.setValue(QStringLiteral("REGIMEN_IVA"), 1);
}

void TmdlProveedores::ProveedoresBeforePost(ds::RecordSet &set) { master::comprobarCodigoNuevo(set, kTabla); }

void TmdlProveedores::ProveedoresBeforeDelete(ds::RecordSet &set)
{
    master::eliminarTitular(connection(), master::kTipoProveedor, set.value(QStringLiteral("CODIGO")),
                            guardasProveedor());
}

void TmdlProveedores::ProveedoresCODIGOValidate(ds::Field &field) { fw::checkUnique(field, kTabla); }

// Only a company code is accepted here: a personal NIF is reported too.
void TmdlProveedores::ProveedoresCIFValidate(ds::Field &field)
{
    fw::reglaCif(field, QStringLiteral("CIF Incorrecto."));
}

void TmdlProveedores::ProveedoresCOD_POSTALValidate(ds::Field &field) { fw::reglaProvincia(field); }

void TmdlProveedores::ProveedoresCOD_ENTIDADValidate(ds::Field &field) { fw::proponerDigitoControl(field); }

void TmdlProveedores::ProveedoresRESPONSABLEValidate(ds::Field &field)
{
    fw::checkExists(field, QStringLiteral("RESPONSABLE_COMPRAS"), QStringLiteral("RESPONSABLE no existe."));
}

void TmdlProveedores::ProveedoresFORMA_PAGOValidate(ds::Field &field)
{
    fw::checkExists(field, QStringLiteral("FORMA_PAGO"), QStringLiteral("FORMA DE PAGO no existe."));
}
