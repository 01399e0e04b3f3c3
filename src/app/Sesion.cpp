#include "Sesion.h"

#include "app/TmdlConexiones.h"
#include "platform/dataset/RecordSet.h"
#include "platform/firebird/FbError.h"
#include "platform/ui/Dialogs.h"

namespace {

Sesion *g_actual = nullptr;

const QString kNombre = QStringLiteral("NOMBRE");

// Opens the query on one row and returns its NOMBRE; "" when there is no
// such row. A database error is shown and leaves the query closed.
QString abrirFila(ds::RecordSet &consulta, const QVariant &codigo)
{
    consulta.close();
    try {
        consulta.open(consulta.commandText(), {codigo});
    } catch (const fb::Error &e) {
        ui::showError(e.text());
        return {};
    }
    return consulta.isEmpty() ? QString() : consulta.value(kNombre).toString().trimmed();
}

QString valorActual(const ds::RecordSet &consulta, const QString &columna)
{
    if (!consulta.isOpen() || consulta.isEmpty())
        return {};
    return consulta.value(columna).toString().trimmed();
}

} // namespace

Sesion::Sesion(TmdlConexiones &conexiones, QObject *parent)
    : QObject(parent), m_conexiones(conexiones),
      m_sqlUsuario(new ds::RecordSet(QStringLiteral("sqlUsuario"), this)),
      m_sqlEmpresa(new ds::RecordSet(QStringLiteral("sqlEmpresa"), this))
{
    m_sqlUsuario->setConnection(&conexiones.ConexionGeneral);
    m_sqlUsuario->setCommandText(QStringLiteral("SELECT * FROM USUARIO WHERE CODIGO = ?"));
    m_sqlEmpresa->setConnection(&conexiones.ConexionGeneral);
    m_sqlEmpresa->setCommandText(QStringLiteral("SELECT * FROM EMPRESA WHERE CODIGO = ?"));
    g_actual = this;
}

Sesion::~Sesion()
{
    if (g_actual == this)
        g_actual = nullptr;
}

Sesion *Sesion::actual()
{
    return g_actual;
}

void Sesion::EstablecerUsuario(int codigo)
{
    emit usuarioCambiado(abrirFila(*m_sqlUsuario, codigo));
}

bool Sesion::EstablecerEmpresa(const QString &codigo)
{
    emit empresaCambiada(abrirFila(*m_sqlEmpresa, codigo));
    // A company that is not in EMPRESA (deleted meanwhile) has no database
    // of its own any more: nothing is opened, not even a file left behind.
    if (codigoEmpresa().isEmpty()) {
        m_conexiones.ConexionEmpresa.close();
        if (m_sqlEmpresa->isOpen())
            ui::showError(QStringLiteral("No existe la empresa %1.").arg(codigo.trimmed()));
        return false;
    }
    try {
        m_conexiones.ConectarEmpresa(codigoEmpresa());
    } catch (const fb::Error &e) {
        ui::showError(e.text());
        return false;
    }
    return true;
}

QString Sesion::nombreUsuario() const
{
    return valorActual(*m_sqlUsuario, kNombre);
}

QString Sesion::codigoEmpresa() const
{
    return valorActual(*m_sqlEmpresa, QStringLiteral("CODIGO"));
}

QString Sesion::nombreEmpresa() const
{
    return valorActual(*m_sqlEmpresa, kNombre);
}
