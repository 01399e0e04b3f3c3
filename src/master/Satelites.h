#pragma once

#include "framework/Reglas.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <vector>

namespace fb {
class Connection;
}
namespace ds {
class RecordSet;
}
class TmdlDirecciones;
class TmdlNotas;
class TmdlPersonas;

namespace master {

// The rows a customer or a supplier owns: contact persons, notes and further
// addresses. Each row carries its owner's kind in TIPO_DE ("C" customer, "P"
// supplier) and the owner's code in DE.
enum class Satelite { Personas, Notas, Direcciones };

inline const QString kTipoCliente = QStringLiteral("C");
inline const QString kTipoProveedor = QStringLiteral("P");

// The table of one kind of owned row.
QString tablaSatelite(Satelite tipo);

// Gives a new owned row (in the new-record rule) the next number of its
// table; rows appended to the same list and not yet applied count too, so
// the rows added in one visit of the owner's window get successive numbers.
void numerarSatelite(ds::RecordSet &lista, Satelite tipo);

// Before a new owner is posted: another copy of the program may have stored
// the same code since it was typed here, and the new owner's addresses,
// contacts and notes, applied with it, would then belong to that other
// owner. "El CODIGO Ya Existe." refuses the post (ds::SilentAbort). A row
// without a code is left to the required-field check.
void comprobarCodigoNuevo(ds::RecordSet &titular, const QString &tabla);

// Delete guard and cascade of an owner (customer or supplier): the first
// guard that finds a dependent row refuses the delete with its message;
// otherwise the owner's contacts, notes and addresses are removed and
// applied, in that order, before the owner's own delete proceeds.
void eliminarTitular(fb::Connection &conexion, const QString &tipoDe, const QVariant &codigo,
                     const std::vector<fw::Guard> &guardas);

// The three lists of owned rows that an owner's record window edits. They
// are opened on the owner's rows when the window opens, the small record
// windows store rows only in them, and nothing reaches the database until
// the owner's window is accepted (aplicar) or everything is dropped
// (descartar). Each owner applies its lists in an order of its own and drops
// them in the reverse order.
class SatelitesTitular final : public QObject
{
    Q_OBJECT
public:
    SatelitesTitular(fb::Connection &conexion, QString tipoDe, std::vector<Satelite> ordenAplicar,
                     QObject *parent = nullptr);

    TmdlPersonas *mdlPersonas;
    TmdlDirecciones *mdlDirecciones;
    TmdlNotas *mdlNotas;

    ds::RecordSet &lista(Satelite tipo) const;
    const QString &tipoDe() const { return m_tipoDe; }

    // Opens the three lists on the rows of the owner with this code (empty
    // while a new owner has none yet).
    void abrir(const QVariant &codigo);
    // Marks the row just appended to a list as the owner's, with the code
    // the owner has at this moment.
    void marcarNueva(ds::RecordSet &lista, const QVariant &codigo) const;
    // Stores the lists in the owner's order. Rows added in this visit take
    // the owner's final code first: a new owner may have had no code yet
    // when they were added, or had another one, and they must not be left
    // without their owner. False when the database refused a list (its text
    // has been shown; that list and the later ones stay pending).
    bool aplicar(const QVariant &codigoFinal);
    // Drops every change not yet applied, in the reverse of the apply order.
    void descartar();

private:
    void asignarTitular(ds::RecordSet &lista, const QString &codigo);

    QString m_tipoDe;
    std::vector<Satelite> m_orden;
};

} // namespace master
