#include "TmdlDirecciones.h"

#include "app/TmdlConexiones.h"
#include "framework/ReglasCampos.h"
#include "master/Satelites.h"

TmdlDirecciones::TmdlDirecciones(QObject *parent) : TmdlDirecciones(mdlConexiones().ConexionEmpresa, parent) {}

TmdlDirecciones::TmdlDirecciones(fb::Connection &empresa, QObject *parent)
    : fw::DataModule(empresa, parent),
      Direcciones(addRecordSet(QStringLiteral("Direcciones"), QStringLiteral("select * from DIRECCION")))
{
    Direcciones.onNewRecord = [this](ds::RecordSet &set) { DireccionesNewRecord(set); };
    Direcciones.field(QStringLiteral("CODIGO_POSTAL")).onValidate = [this](ds::Field &f) {
        DireccionesCODIGO_POSTALValidate(f);
    };
}

void TmdlDirecciones::DireccionesNewRecord(ds::RecordSet &set)
{
    master::numerarSatelite(set, master::Satelite::Direcciones);
}

void TmdlDirecciones::DireccionesCODIGO_POSTALValidate(ds::Field &field) { fw::reglaProvincia(field); }
