#include "ReglasCampos.h"

#include "Utiles.h"
#include "platform/dataset/RecordSet.h"
#include "platform/ui/Dialogs.h"

namespace fw {

namespace {

QString valorSinBlancos(const ds::Field &campo) { return campo.asString().trimmed(); }

// Runs the NIF check on the field's value and stores the completed number
// when a letter was appended; storing it runs the field's rule again, which
// then finds a valid NIF unchanged. A completion too long for the column is
// refused as a wrong NIF: stored cut back, it would lose its letter and start
// the completion all over again.
bool nifValidoCompletado(ds::Field &campo)
{
    const QString valor = valorSinBlancos(campo);
    QString completado = valor;
    if (!comprobarNif(completado))
        return false;
    if (completado == valor)
        return true;
    if (campo.size > 0 && completado.size() > campo.size)
        return false;
    campo.setValue(completado);
    return true;
}

} // namespace

void reglaProvincia(const ds::Field &codigoPostal)
{
    const QString nombre = provinciaDeCodigoPostal(codigoPostal.asString());
    if (!nombre.isEmpty())
        codigoPostal.recordSet().field(QStringLiteral("PROVINCIA")).setValue(nombre);
}

void reglaNif(ds::Field &nif, const QString &mensaje)
{
    if (!valorSinBlancos(nif).isEmpty() && !nifValidoCompletado(nif))
        ui::showMessage(mensaje);
}

void reglaCif(const ds::Field &cif, const QString &mensaje)
{
    const QString valor = valorSinBlancos(cif);
    if (!valor.isEmpty() && !comprobarCif(valor))
        ui::showMessage(mensaje);
}

void reglaCifNif(ds::Field &cifNif)
{
    if (!comprobarCif(valorSinBlancos(cifNif)) && !nifValidoCompletado(cifNif))
        ui::showMessage(QStringLiteral("CIF/NIF incorrecto"));
}

void proponerDigitoControl(ds::Field &parte)
{
    ds::RecordSet &cuenta = parte.recordSet();
    const QString propuesto = digitosControlCcc(cuenta.field(QStringLiteral("COD_ENTIDAD")).asString(),
                                                cuenta.field(QStringLiteral("COD_AGENCIA")).asString(),
                                                cuenta.field(QStringLiteral("NCUENTA")).asString());
    if (propuesto.isEmpty())
        return;
    ds::Field &dc = cuenta.field(QStringLiteral("DC"));
    const QString actual = valorSinBlancos(dc);
    if (actual == propuesto)
        return;
    if (actual.isEmpty()
        || ui::ask(QStringLiteral("El Digito de Control es Incorrecto, ¿desea corregirlo?"), ui::Dialogs::Icon::Warning))
        dc.setValue(propuesto);
}

} // namespace fw
