#include "app/Configuracion.h"
#include "app/SenalesSistema.h"
#include "app/Sesion.h"
#include "app/TfrmAcerca.h"
#include "app/TfrmEnlaceDatos.h"
#include "app/TfrmInicio.h"
#include "app/TfrmPrincipal.h"
#include "app/TmdlConexiones.h"
#include "platform/firebird/FbEnvironment.h"
#include "platform/firebird/FbError.h"
#include "platform/ui/widgets/TraduccionesQt.h"
#include "platform/ui/widgets/WidgetDialogs.h"

#include <QApplication>
#include <memory>

int main(int argc, char *argv[])
{
    app::bloquearSenalesDeTerminar();
    QApplication app(argc, argv);
    app::terminarConSenalesDelSistema();
    // Only the name: a display name would be appended to every window caption.
    QApplication::setApplicationName(QStringLiteral("Vantrel Facturacion"));
    ui::cargarTraduccionesQt();
    ui::WidgetDialogs dialogs;
    ui::Dialogs::install(&dialogs);

    const QString directorio = Configuracion::directorioDelEjecutable();
    try {
        fb::initEmbedded(directorio + QStringLiteral("firebird/"));
    } catch (const fb::Error &e) {
        ui::showError(e.text());
        return 1;
    }

    auto inicio = std::make_unique<TfrmInicio>();
    inicio->mostrar();
    // First start with nothing that tells where the data is: the user says
    // it. The dialog belongs to the splash window so that it stays above it.
    const auto pedirRutaDatos = [&inicio](const Configuracion &configuracion) {
        TfrmEnlaceDatos dialogo(configuracion, inicio.get());
        dialogo.exec();
    };
    // Declared before the windows, so the connections are closed last.
    TmdlConexiones conexiones(directorio, pedirRutaDatos);
    Sesion sesion(conexiones);
    TfrmPrincipal principal(&sesion);
    principal.setAcerca(new TfrmAcerca(&principal));
    inicio.reset();

    principal.showMaximized();
    return app.exec();
}
