#include "TmdlFamilias.h"

#include "app/TmdlConexiones.h"
#include "framework/Reglas.h"
#include "platform/dataset/RecordSet.h"

TmdlFamilias::TmdlFamilias(QObject *parent) : TmdlFamilias(mdlConexiones().ConexionEmpresa, parent) {}

TmdlFamilias::TmdlFamilias(fb::Connection &empresa, QObject *parent)
    : fw::DataModule(empresa, parent),
      Familias(addRecordSet(QStringLiteral("Familias"), QStringLiteral("SELECT * FROM FAMILIA")))
{
    Familias.field(QStringLiteral("CODIGO")).onValidate = [this](ds::Field &f) { FamiliasCODIGOValidate(f); };
    Familias.beforeDelete = [this](ds::RecordSet &set) { FamiliasBeforeDelete(set); };
}

void TmdlFamilias::FamiliasCODIGOValidate(ds::Field &field)
{
    fw::checkUnique(field, QStringLiteral("FAMILIA"));
}

void TmdlFamilias::FamiliasBeforeDelete(ds::RecordSet &set)
{
    static const std::vector<fw::Guard> guardas{
        {QStringLiteral("SELECT FIRST 1 CODIGO FROM ARTICULO WHERE FAMILIA = ?"),
         QStringLiteral("No se puede eliminar. Tiene artículos.")},
    };
    fw::checkDelete(connection(), set.value(QStringLiteral("CODIGO")), guardas);
}
