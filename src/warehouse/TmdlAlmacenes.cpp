#include "TmdlAlmacenes.h"

#include "app/TmdlConexiones.h"
#include "framework/Reglas.h"
#include "framework/ReglasCampos.h"
#include "platform/dataset/RecordSet.h"

TmdlAlmacenes::TmdlAlmacenes(QObject *parent) : TmdlAlmacenes(mdlConexiones().ConexionEmpresa, parent) {}

TmdlAlmacenes::TmdlAlmacenes(fb::Connection &empresa, QObject *parent)
    : fw::DataModule(empresa, parent),
      Almacenes(addRecordSet(QStringLiteral("Almacenes"), QStringLiteral("SELECT * FROM ALMACEN"))),
      LookResponsable(addLookup(QStringLiteral("LookResponsable"),
                                QStringLiteral("select CODIGO, NOMBRE from RESPONSABLE_ALMACEN")))
{
    Almacenes.addLookupField(QStringLiteral("NRESPONSABLE"), QStringLiteral("RESPONSABLE"), &LookResponsable,
                             QStringLiteral("NOMBRE"), 100);
    Almacenes.field(QStringLiteral("CODIGO")).onValidate = [this](ds::Field &f) { AlmacenesCODIGOValidate(f); };
    Almacenes.field(QStringLiteral("CODIGO_POSTAL")).onValidate = [this](ds::Field &f) {
        AlmacenesCODIGO_POSTALValidate(f);
    };
    Almacenes.field(QStringLiteral("RESPONSABLE")).onValidate = [this](ds::Field &f) {
        AlmacenesRESPONSABLEValidate(f);
    };
    Almacenes.beforeDelete = [this](ds::RecordSet &set) { AlmacenesBeforeDelete(set); };
}

void TmdlAlmacenes::AlmacenesCODIGOValidate(ds::Field &field)
{
    fw::checkUnique(field, QStringLiteral("ALMACEN"));
}

void TmdlAlmacenes::AlmacenesCODIGO_POSTALValidate(ds::Field &field)
{
    fw::reglaProvincia(field);
}

void TmdlAlmacenes::AlmacenesRESPONSABLEValidate(ds::Field &field)
{
    fw::checkExists(field, QStringLiteral("RESPONSABLE_ALMACEN"), QStringLiteral("RESPONSABLE no existe."));
}

// Documents that name the warehouse do not keep it: only its own movements
// and stock rows do.
void TmdlAlmacenes::AlmacenesBeforeDelete(ds::RecordSet &set)
{
    static const std::vector<fw::Guard> guardas{
        {QStringLiteral("SELECT FIRST 1 CODIGO FROM MOVIMIENTO_ALMACEN WHERE ALMACEN = ?"),
         QStringLiteral("No se puede eliminar. Tiene documentos.")},
        {QStringLiteral("SELECT FIRST 1 CODIGO FROM STOCK WHERE ALMACEN = ?"),
         QStringLiteral("No se puede eliminar. Tiene stock.")},
    };
    fw::checkDelete(connection(), set.value(QStringLiteral("CODIGO")), guardas);
}
