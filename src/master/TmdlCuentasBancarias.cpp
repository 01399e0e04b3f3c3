#include "TmdlCuentasBancarias.h"

#include "app/TmdlConexiones.h"
#include "framework/Reglas.h"
#include "framework/ReglasCampos.h"
#include "platform/dataset/RecordSet.h"

namespace {

// Payment methods that name the account are not asked: they keep its code.
const std::vector<fw::Guard> &guardasCuenta()
{
    const QString mensaje = QStringLiteral("No se puede eliminar. Tiene Documentos.");
    static const std::vector<fw::Guard> guardas{
        {QStringLiteral("SELECT NUMERO FROM COBRO WHERE CUENTA = ?"), mensaje},
        {QStringLiteral("SELECT NUMERO FROM PAGO WHERE CUENTA = ?"), mensaje},
    };
    return guardas;
}

} // namespace

TmdlCuentasBancarias::TmdlCuentasBancarias(QObject *parent)
    : TmdlCuentasBancarias(mdlConexiones().ConexionEmpresa, parent)
{
}

TmdlCuentasBancarias::TmdlCuentasBancarias(fb::Connection &empresa, QObject *parent)
    : fw::DataModule(empresa, parent),
      CuentasBancarias(
          addRecordSet(QStringLiteral("CuentasBancarias"), QStringLiteral("SELECT * FROM CUENTA_BANCARIA")))
{
    CuentasBancarias.beforeDelete = [this](ds::RecordSet &set) { CuentasBancariasBeforeDelete(set); };
    CuentasBancarias.field(QStringLiteral("CODIGO")).onValidate = [this](ds::Field &f) {
        CuentasBancariasCODIGOValidate(f);
    };
    for (const char *parte : {"COD_ENTIDAD", "COD_AGENCIA", "NCUENTA"})
        CuentasBancarias.field(QLatin1String(parte)).onValidate = [this](ds::Field &f) {
            CuentasBancariasCOD_ENTIDADValidate(f);
        };
}

void TmdlCuentasBancarias::CuentasBancariasCODIGOValidate(ds::Field &field)
{
    fw::checkUnique(field, QStringLiteral("CUENTA_BANCARIA"));
}

void TmdlCuentasBancarias::CuentasBancariasCOD_ENTIDADValidate(ds::Field &field)
{
    fw::proponerDigitoControl(field);
}

void TmdlCuentasBancarias::CuentasBancariasBeforeDelete(ds::RecordSet &set)
{
    fw::checkDelete(connection(), set.value(QStringLiteral("CODIGO")), guardasCuenta());
}
