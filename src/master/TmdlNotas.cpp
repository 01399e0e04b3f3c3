#include "TmdlNotas.h"

#include "app/Sesion.h"
#include "app/TmdlConexiones.h"
#include "master/Satelites.h"
#include "platform/dataset/RecordSet.h"

#include <QDate>

TmdlNotas::TmdlNotas(QObject *parent) : TmdlNotas(mdlConexiones().ConexionEmpresa, parent) {}

TmdlNotas::TmdlNotas(fb::Connection &empresa, QObject *parent)
    : fw::DataModule(empresa, parent),
      Notas(addRecordSet(QStringLiteral("Notas"), QStringLiteral("select * from NOTA")))
{
    Notas.onNewRecord = [this](ds::RecordSet &set) { NotasNewRecord(set); };
}

// A new note is dated today and signed by the user of the session (nobody
// when there is no session, as in a tool working on the data alone).
void TmdlNotas::NotasNewRecord(ds::RecordSet &set)
{
    master::numerarSatelite(set, master::Satelite::Notas);
    set.setValue(QStringLiteral("FECHA"), QDate::currentDate());
    const Sesion *sesion = Sesion::actual();
    set.setValue(QStringLiteral("ANOTADOR"), sesion ? sesion->nombreUsuario() : QString());
}
