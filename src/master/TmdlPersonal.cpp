#include "TmdlPersonal.h"

#include "DescripcionPersonal.h"
#include "framework/Reglas.h"
#include "framework/ReglasCampos.h"
#include "platform/dataset/RecordSet.h"

TmdlPersonal::TmdlPersonal(fb::Connection &empresa, const DescripcionPersonal &descripcion, QObject *parent)
    : fw::DataModule(empresa, parent), m_descripcion(descripcion),
      m_personal(addRecordSet(descripcion.datos, QStringLiteral("SELECT * FROM ") + descripcion.tabla))
{
    m_personal.beforeDelete = [this](ds::RecordSet &set) { BeforeDelete(set); };
    m_personal.field(QStringLiteral("CODIGO")).onValidate = [this](ds::Field &f) { CODIGOValidate(f); };
    m_personal.field(QStringLiteral("NIF")).onValidate = [this](ds::Field &f) { NIFValidate(f); };
    m_personal.field(QStringLiteral("CODIGO_POSTAL")).onValidate = [this](ds::Field &f) {
        CODIGO_POSTALValidate(f);
    };
}

void TmdlPersonal::CODIGOValidate(ds::Field &field) { fw::checkUnique(field, m_descripcion.tabla); }

void TmdlPersonal::NIFValidate(ds::Field &field) { fw::reglaNif(field, m_descripcion.mensajeNif); }

void TmdlPersonal::CODIGO_POSTALValidate(ds::Field &field) { fw::reglaProvincia(field); }

// Only documents keep a person: customers, suppliers and warehouses that
// name him or her keep the code, and their look-up name shows empty.
void TmdlPersonal::BeforeDelete(ds::RecordSet &set)
{
    fw::checkDelete(connection(), set.value(QStringLiteral("CODIGO")), m_descripcion.guardas);
}
