#include "TmdlPersonas.h"

#include "app/TmdlConexiones.h"
#include "framework/ReglasCampos.h"
#include "master/Satelites.h"

TmdlPersonas::TmdlPersonas(QObject *parent) : TmdlPersonas(mdlConexiones().ConexionEmpresa, parent) {}

TmdlPersonas::TmdlPersonas(fb::Connection &empresa, QObject *parent)
    : fw::DataModule(empresa, parent),
      Personas(addRecordSet(QStringLiteral("Personas"), QStringLiteral("select * from PERSONA_CONTACTO")))
{
    Personas.onNewRecord = [this](ds::RecordSet &set) { PersonasNewRecord(set); };
    Personas.field(QStringLiteral("NIF")).onValidate = [this](ds::Field &f) { PersonasNIFValidate(f); };
}

void TmdlPersonas::PersonasNewRecord(ds::RecordSet &set) { master::numerarSatelite(set, master::Satelite::Personas); }

void TmdlPersonas::PersonasNIFValidate(ds::Field &field) { fw::reglaNif(field); }
