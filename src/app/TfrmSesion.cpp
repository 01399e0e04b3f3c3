#include "TfrmSesion.h"

#include "app/Sesion.h"
#include "app/TfrmGestionEmpresas.h"
#include "app/TfrmLogin.h"
#include "app/TmdlConexiones.h"
#include "platform/ui/Dialogs.h"

namespace {

ElegirEmpresa &elegirEmpresaInstalado()
{
    static ElegirEmpresa elegir;
    return elegir;
}

QString elegirEmpresa(QWidget *padre)
{
    if (const ElegirEmpresa &elegir = elegirEmpresaInstalado())
        return elegir(padre);
    return TfrmGestionEmpresas::Elegir(padre).codigo;
}

// Runs the login dialog; the accepted user's code or -1.
int pedirUsuario(Sesion &sesion, QWidget *padre, bool cambioUsuario, bool *cancelado = nullptr)
{
    TfrmLogin login(sesion.conexiones().ConexionGeneral, padre);
    login.CambioUsuario = cambioUsuario;
    login.exec();
    if (cancelado)
        *cancelado = login.cancelado();
    return login.CodigoUsuario;
}

} // namespace

void setElegirEmpresa(ElegirEmpresa elegir)
{
    elegirEmpresaInstalado() = std::move(elegir);
}

ResultadoInicio iniciarSesion(Sesion &sesion, QWidget *ventanaPrincipal)
{
    bool cancelado = false;
    const int usuario = pedirUsuario(sesion, ventanaPrincipal, false, &cancelado);
    if (usuario == -1)
        return cancelado ? ResultadoInicio::Cancelada : ResultadoInicio::SinUsuario;
    sesion.EstablecerUsuario(usuario);

    // There is no working without a company: the chooser comes back until
    // one is chosen. Closing it offers the only other way out, leaving, so
    // that a chooser that cannot work (no company can be created, the
    // general database fails) does not hold the user in it for ever.
    QString codigo;
    while ((codigo = elegirEmpresa(ventanaPrincipal)).isEmpty()) {
        if (ui::ask(QStringLiteral("¿Desea salir de Vantrel Facturacion?"), ui::Dialogs::Icon::Question))
            return ResultadoInicio::Cancelada;
    }
    return sesion.EstablecerEmpresa(codigo) ? ResultadoInicio::Iniciada : ResultadoInicio::SinEmpresa;
}

void cambioUsuario(Sesion &sesion, QWidget *ventanaPrincipal)
{
    const int usuario = pedirUsuario(sesion, ventanaPrincipal, true);
    if (usuario != -1)
        sesion.EstablecerUsuario(usuario);
}

bool cambiarEmpresa(Sesion &sesion, QWidget *ventanaPrincipal, const std::function<bool()> &cerrarVentanasHijas)
{
    const QString codigo = elegirEmpresa(ventanaPrincipal);
    if (codigo.isEmpty())
        return false;
    if (cerrarVentanasHijas && !cerrarVentanasHijas())
        return false;
    sesion.EstablecerEmpresa(codigo);
    return true;
}
