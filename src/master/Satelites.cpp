#include "Satelites.h"

#include "master/TmdlDirecciones.h"
#include "master/TmdlNotas.h"
#include "master/TmdlPersonas.h"
#include "platform/dataset/RecordSet.h"

#include <algorithm>

namespace master {

namespace {

QString sinBlancos(const QVariant &valor) { return valor.toString().trimmed(); }

QString sqlDelTitular(Satelite tipo)
{
    return QStringLiteral("SELECT * FROM %1 WHERE TIPO_DE = ? AND DE = ?").arg(tablaSatelite(tipo));
}

} // namespace

QString tablaSatelite(Satelite tipo)
{
    switch (tipo) {
    case Satelite::Personas:
        return QStringLiteral("PERSONA_CONTACTO");
    case Satelite::Notas:
        return QStringLiteral("NOTA");
    case Satelite::Direcciones:
        return QStringLiteral("DIRECCION");
    }
    return {};
}

void numerarSatelite(ds::RecordSet &lista, Satelite tipo)
{
    lista.setValue(QStringLiteral("CODIGO"), fw::nextNumber(*lista.connection(), tablaSatelite(tipo),
                                                            QStringLiteral("CODIGO"), {}, {}, &lista));
}

void comprobarCodigoNuevo(ds::RecordSet &titular, const QString &tabla)
{
    const ds::Field &codigo = titular.field(QStringLiteral("CODIGO"));
    if (titular.state() == ds::State::Insert && !codigo.asString().trimmed().isEmpty())
        fw::checkUnique(codigo, tabla);
}

void eliminarTitular(fb::Connection &conexion, const QString &tipoDe, const QVariant &codigo,
                     const std::vector<fw::Guard> &guardas)
{
    fw::checkDelete(conexion, codigo, guardas);
    for (Satelite tipo : {Satelite::Personas, Satelite::Notas, Satelite::Direcciones})
        fw::cascadeDelete(conexion, sqlDelTitular(tipo), {tipoDe, codigo});
}

SatelitesTitular::SatelitesTitular(fb::Connection &conexion, QString tipoDe, std::vector<Satelite> ordenAplicar,
                                   QObject *parent)
    : QObject(parent), mdlPersonas(new TmdlPersonas(conexion, this)),
      mdlDirecciones(new TmdlDirecciones(conexion, this)), mdlNotas(new TmdlNotas(conexion, this)),
      m_tipoDe(std::move(tipoDe)), m_orden(std::move(ordenAplicar))
{
}

ds::RecordSet &SatelitesTitular::lista(Satelite tipo) const
{
    switch (tipo) {
    case Satelite::Personas:
        return mdlPersonas->Personas;
    case Satelite::Notas:
        return mdlNotas->Notas;
    case Satelite::Direcciones:
        break;
    }
    return mdlDirecciones->Direcciones;
}

void SatelitesTitular::abrir(const QVariant &codigo)
{
    const QString delTitular = sinBlancos(codigo);
    for (Satelite tipo : m_orden)
        lista(tipo).open(sqlDelTitular(tipo), {m_tipoDe, delTitular});
}

void SatelitesTitular::marcarNueva(ds::RecordSet &lista, const QVariant &codigo) const
{
    lista.setValue(QStringLiteral("TIPO_DE"), m_tipoDe);
    lista.setValue(QStringLiteral("DE"), sinBlancos(codigo));
}

bool SatelitesTitular::aplicar(const QVariant &codigoFinal)
{
    for (Satelite tipo : m_orden) {
        ds::RecordSet &filas = lista(tipo);
        if (!filas.isOpen())
            continue;
        asignarTitular(filas, sinBlancos(codigoFinal));
        if (filas.applyUpdates() != 0)
            return false;
    }
    return true;
}

void SatelitesTitular::asignarTitular(ds::RecordSet &lista, const QString &codigo)
{
    lista.checkBrowseMode();
    const auto filas = lista.liveRows();
    for (int i = 0; i < int(filas.size()); ++i) {
        const ds::RowView &fila = filas[size_t(i)];
        if (fila.status() != ds::RowStatus::Inserted || sinBlancos(fila.value(QStringLiteral("DE"))) == codigo)
            continue;
        lista.moveTo(i);
        lista.edit();
        lista.setValue(QStringLiteral("DE"), codigo);
        lista.post();
    }
}

void SatelitesTitular::descartar()
{
    std::for_each(m_orden.rbegin(), m_orden.rend(), [this](Satelite tipo) {
        if (lista(tipo).isOpen())
            lista(tipo).cancelUpdates();
    });
}

} // namespace master
