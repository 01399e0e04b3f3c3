#include "TmdlConexiones.h"

#include "platform/firebird/FbError.h"
#include "platform/ui/Dialogs.h"

#include <QFileInfo>
#include <stdexcept>

namespace {

TmdlConexiones *g_instancia = nullptr;

const QString kGeneral = QStringLiteral("general.gdb");

void cerrar(fb::Connection &conexion)
{
    if (!conexion.isOpen())
        return;
    try {
        conexion.close();
    } catch (const fb::Error &e) {
        ui::showError(e.text());
    }
}

} // namespace

TmdlConexiones &mdlConexiones()
{
    if (!g_instancia)
        throw std::logic_error("mdlConexiones: the connections data module does not exist");
    return *g_instancia;
}

TmdlConexiones::TmdlConexiones(QString directorioPrograma, PedirRutaDatos pedirRutaDatos)
    : m_configuracion(std::move(directorioPrograma)), m_pedirRutaDatos(std::move(pedirRutaDatos))
{
    if (g_instancia)
        throw std::logic_error("TmdlConexiones: only one connections data module may exist");
    DataModuleCreate();
    g_instancia = this;
}

TmdlConexiones::~TmdlConexiones()
{
    DataModuleDestroy();
    g_instancia = nullptr;
}

void TmdlConexiones::DataModuleCreate()
{
    ComprobarConfiguracion();
    m_rutaDatos = m_configuracion.rutaDatos();
    // Without the general database the program still starts: the login then
    // reports the same kind of error, and the user can leave from there.
    try {
        ConexionGeneral.open(m_rutaDatos + kGeneral);
    } catch (const fb::Error &e) {
        ui::showError(e.text());
    }
}

// First start: a general database beside the program makes the program
// directory the data path; otherwise the user is asked. An existing
// config.dat is never rewritten, even when its path is wrong.
void TmdlConexiones::ComprobarConfiguracion()
{
    if (m_configuracion.existe())
        return;
    if (QFileInfo::exists(directorioPrograma() + kGeneral)) {
        QString error;
        if (!m_configuracion.escribirRutaDatos(directorioPrograma(), &error))
            ui::showError(error);
        return;
    }
    if (m_pedirRutaDatos)
        m_pedirRutaDatos(m_configuracion);
}

void TmdlConexiones::ConectarEmpresa(const QString &codigo)
{
    if (ConexionEmpresa.isOpen())
        ConexionEmpresa.close();
    ConexionEmpresa.open(m_rutaDatos + QStringLiteral("empresa") + codigo.trimmed() + QStringLiteral(".gdb"));
}

void TmdlConexiones::DataModuleDestroy()
{
    cerrar(ConexionEmpresa);
    cerrar(ConexionGeneral);
}
