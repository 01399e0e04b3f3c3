#include "TmdlUsuarios.h"

#include "app/TmdlConexiones.h"
#include "framework/Reglas.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/ui/Dialogs.h"

namespace {

// NOMBRE is CHAR(10): the stored name carries trailing blanks.
bool esAdmin(const ds::RecordSet &set)
{
    return set.value(QStringLiteral("NOMBRE")).toString().trimmed() == QStringLiteral("admin");
}

} // namespace

TmdlUsuarios::TmdlUsuarios(QObject *parent) : TmdlUsuarios(mdlConexiones().ConexionGeneral, parent) {}

TmdlUsuarios::TmdlUsuarios(fb::Connection &general, QObject *parent)
    : fw::DataModule(general, parent),
      Usuarios(addRecordSet(QStringLiteral("Usuarios"), QStringLiteral("SELECT * FROM USUARIO")))
{
    Usuarios.onNewRecord = [this](ds::RecordSet &set) { UsuariosNewRecord(set); };
    Usuarios.afterInsert = [this](ds::RecordSet &set) { UsuariosAfterInsert(set); };
    Usuarios.afterEdit = [this](ds::RecordSet &set) { UsuariosAfterEdit(set); };
    Usuarios.beforeDelete = [this](ds::RecordSet &set) { UsuariosBeforeDelete(set); };
}

void TmdlUsuarios::UsuariosNewRecord(ds::RecordSet &set)
{
    // Users added in the same window before an apply count too, so each one
    // gets its own number.
    set.setValue(QStringLiteral("CODIGO"),
                 fw::nextNumber(connection(), QStringLiteral("USUARIO"), QStringLiteral("CODIGO"), {}, {}, &set));
}

void TmdlUsuarios::UsuariosAfterInsert(ds::RecordSet &set)
{
    set.field(QStringLiteral("NOMBRE")).readOnly = false;
}

void TmdlUsuarios::UsuariosAfterEdit(ds::RecordSet &set)
{
    set.field(QStringLiteral("NOMBRE")).readOnly = esAdmin(set);
}

void TmdlUsuarios::UsuariosBeforeDelete(ds::RecordSet &set)
{
    if (!esAdmin(set))
        return;
    ui::showMessage(QStringLiteral("EL usuario ADMIN no se puede eliminar."));
    throw ds::SilentAbort();
}
