#include "Conexiones.h"

#include "ErrorInforme.h"

namespace rpt {

void Conexiones::agregar(const QString &nombre, ds::RecordSet &datos)
{
    m_datos.insert(nombre, &datos);
}

ds::RecordSet *Conexiones::buscar(const QString &nombre) const
{
    return m_datos.value(nombre, nullptr);
}

ds::RecordSet &Conexiones::obtener(const QString &nombre, const QString &informe) const
{
    ds::RecordSet *datos = buscar(nombre);
    if (!datos)
        throw ErrorInforme(
            QStringLiteral("El informe '%1' necesita la conexión de datos '%2'.").arg(informe, nombre));
    return *datos;
}

} // namespace rpt
