#include "TmdlFormasPago.h"

#include "app/TmdlConexiones.h"
#include "framework/Reglas.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/RecordSet.h"
#include "platform/ui/Dialogs.h"

namespace {

// The least value of an instalment column and what the user is told when
// a value (or no value) falls below it.
struct Minimo
{
    const char *columna;
    int minimo;
    const char *mensaje;
};

constexpr Minimo kVencimientos{"NUMERO_VENCIMIENTOS", 1, "El NUMERO DE VENCIMIENTOS debe ser al menos 1."};
constexpr Minimo kDias{"DIAS_ENTRE_VENCIMIENTOS", 0, "Los DIAS ENTRE VTOS no pueden ser negativos."};

void comprobarMinimo(const ds::RecordSet &set, const Minimo &limite)
{
    const ds::Field &campo = *set.findField(QLatin1String(limite.columna));
    if (campo.isNull() || campo.asInteger() < limite.minimo) {
        ui::showMessage(QString::fromUtf8(limite.mensaje));
        throw ds::SilentAbort();
    }
}

// Orders, delivery notes and invoices of both cycles; quotes carry no
// payment method, and customers and suppliers keep the code of a deleted one.
const std::vector<fw::Guard> &guardasFormaPago()
{
    static const std::vector<fw::Guard> guardas = [] {
        std::vector<fw::Guard> lista;
        for (const char *tabla : {"PEDIDO_COMPRA", "ALBARAN_COMPRA", "FACTURA_COMPRA", "PEDIDO_VENTA",
                                  "ALBARAN_VENTA", "FACTURA_VENTA"})
            lista.push_back(
                {QStringLiteral("SELECT SERIE,NUMERO FROM %1 WHERE FORMA_PAGO = ?").arg(QLatin1String(tabla)),
                 QStringLiteral("No se puede eliminar. Tiene Documentos.")});
        return lista;
    }();
    return guardas;
}

} // namespace

TmdlFormasPago::TmdlFormasPago(QObject *parent) : TmdlFormasPago(mdlConexiones().ConexionEmpresa, parent)
{
}

TmdlFormasPago::TmdlFormasPago(fb::Connection &empresa, QObject *parent)
    : fw::DataModule(empresa, parent),
      FormasPago(addRecordSet(QStringLiteral("FormasPago"), QStringLiteral("SELECT * FROM FORMA_PAGO")))
{
    FormasPago.onNewRecord = [this](ds::RecordSet &set) { FormasPagoNewRecord(set); };
    FormasPago.beforePost = [this](ds::RecordSet &set) { FormasPagoBeforePost(set); };
    FormasPago.beforeDelete = [this](ds::RecordSet &set) { FormasPagoBeforeDelete(set); };
    FormasPago.field(QStringLiteral("CODIGO")).onValidate = [this](ds::Field &f) { FormasPagoCODIGOValidate(f); };
    FormasPago.field(QStringLiteral("CUENTA")).onValidate = [this](ds::Field &f) { FormasPagoCUENTAValidate(f); };
    FormasPago.field(QStringLiteral("NUMERO_VENCIMIENTOS")).onValidate = [this](ds::Field &f) {
        FormasPagoNUMERO_VENCIMIENTOSValidate(f);
    };
    FormasPago.field(QStringLiteral("DIAS_ENTRE_VENCIMIENTOS")).onValidate = [this](ds::Field &f) {
        FormasPagoDIAS_ENTRE_VENCIMIENTOSValidate(f);
    };
}

// One instalment due on the invoice's own date.
void TmdlFormasPago::FormasPagoNewRecord(ds::RecordSet &set)
{
    set.setValue(QStringLiteral("NUMERO_VENCIMIENTOS"), 1);
    set.setValue(QStringLiteral("DIAS_ENTRE_VENCIMIENTOS"), 0);
}

void TmdlFormasPago::FormasPagoCODIGOValidate(ds::Field &field)
{
    fw::checkUnique(field, QStringLiteral("FORMA_PAGO"));
}

void TmdlFormasPago::FormasPagoCUENTAValidate(ds::Field &field)
{
    fw::checkExists(field, QStringLiteral("CUENTA_BANCARIA"), QStringLiteral("CUENTA no existe."));
}

void TmdlFormasPago::FormasPagoNUMERO_VENCIMIENTOSValidate(ds::Field &field)
{
    comprobarMinimo(field.recordSet(), kVencimientos);
}

void TmdlFormasPago::FormasPagoDIAS_ENTRE_VENCIMIENTOSValidate(ds::Field &field)
{
    comprobarMinimo(field.recordSet(), kDias);
}

// A row read with values that never went through the field rules (stored
// before them, or by another program) is not stored again until corrected.
void TmdlFormasPago::FormasPagoBeforePost(ds::RecordSet &set)
{
    comprobarMinimo(set, kVencimientos);
    comprobarMinimo(set, kDias);
}

void TmdlFormasPago::FormasPagoBeforeDelete(ds::RecordSet &set)
{
    fw::checkDelete(connection(), set.value(QStringLiteral("CODIGO")), guardasFormaPago());
}
