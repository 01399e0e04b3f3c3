#include "TmdlIncidencias.h"

#include "app/TmdlConexiones.h"
#include "framework/Reglas.h"
#include "platform/dataset/RecordSet.h"

#include <QDate>

namespace {
const QString kPendiente = QStringLiteral("PENDIENTE");
const QString kSolucionada = QStringLiteral("SOLUCIONADA");
} // namespace

TmdlIncidencias::TmdlIncidencias(QObject *parent) : TmdlIncidencias(mdlConexiones().ConexionEmpresa, parent) {}

TmdlIncidencias::TmdlIncidencias(fb::Connection &empresa, QObject *parent)
    : fw::DataModule(empresa, parent),
      Incidencias(addRecordSet(QStringLiteral("Incidencias"), QStringLiteral("SELECT * FROM INCIDENCIA")))
{
    Incidencias.onNewRecord = [this](ds::RecordSet &set) { IncidenciasNewRecord(set); };
    Incidencias.beforePost = [this](ds::RecordSet &set) { IncidenciasBeforePost(set); };
}

QString TmdlIncidencias::sqlDe(const QString &tipo, const QString &tipoDoc, const QString &documento)
{
    return QStringLiteral("SELECT * FROM INCIDENCIA WHERE TIPO = %1 AND TIPO_DOC = %2 AND DOCUMENTO = %3")
        .arg(fw::quoted(tipo), fw::quoted(tipoDoc), fw::quoted(documento));
}

void TmdlIncidencias::IncidenciasNewRecord(ds::RecordSet &set)
{
    set.setValue(QStringLiteral("CODIGO"),
                 fw::nextNumber(connection(), QStringLiteral("INCIDENCIA"), QStringLiteral("CODIGO"), {}, {}, &set));
    set.setValue(QStringLiteral("FECHA_APERTURA"), QDate::currentDate());
    set.setValue(QStringLiteral("ESTADO"), kPendiente);
}

// Solving a pending incident stamps today; reopening it clears the date; any
// other post keeps what the date holds.
void TmdlIncidencias::IncidenciasBeforePost(ds::RecordSet &set)
{
    const QString estado = set.value(QStringLiteral("ESTADO")).toString().trimmed();
    ds::Field &fecha = set.field(QStringLiteral("FECHA_SOLUCION"));
    if (estado == kPendiente) {
        fecha.clear();
        return;
    }
    const bool eraPendiente =
        set.state() == ds::State::Insert || set.field(QStringLiteral("ESTADO")).oldValue().toString().trimmed() == kPendiente;
    if (eraPendiente && estado == kSolucionada)
        fecha.setValue(QDate::currentDate());
}
