#pragma once

#include "app/Configuracion.h"
#include "platform/firebird/FbConnection.h"

#include <QString>
#include <functional>

// The connections data module: the two connections of the whole run and the
// data path they are opened from. There is one at a time, reached through
// mdlConexiones(); it lives from start-up to the end of the program.
//
// ConexionGeneral holds the tables EMPRESA and USUARIO; ConexionEmpresa the
// current company's database, every other table.
class TmdlConexiones
{
public:
    // Called at first start when neither config.dat nor general.gdb is beside
    // the program: asks the user for the data path (the program shows the
    // data-path dialog, which writes config.dat; tests play a script).
    using PedirRutaDatos = std::function<void(const Configuracion &)>;

    // Runs DataModuleCreate. directorioPrograma ends with '/'; tests point it
    // at a folder of their own. Throws std::logic_error if another instance
    // is alive.
    explicit TmdlConexiones(QString directorioPrograma = Configuracion::directorioDelEjecutable(),
                            PedirRutaDatos pedirRutaDatos = {});
    // Runs DataModuleDestroy.
    ~TmdlConexiones();
    TmdlConexiones(const TmdlConexiones &) = delete;
    TmdlConexiones &operator=(const TmdlConexiones &) = delete;

    fb::Connection ConexionGeneral;
    fb::Connection ConexionEmpresa;

    // The data path read from config.dat at start; empty when it has none.
    const QString &RutaDatos() const { return m_rutaDatos; }
    const QString &directorioPrograma() const { return m_configuracion.directorioPrograma(); }

    // Opens the database of the company with this code, closing the one that
    // was open. Throws fb::Error when it cannot be opened; ConexionEmpresa is
    // then closed.
    void ConectarEmpresa(const QString &codigo);

    // Closes the company connection if open, then the general one. Errors
    // while closing are shown in the error box; the program is ending anyway.
    void DataModuleDestroy();

private:
    void DataModuleCreate();
    void ComprobarConfiguracion();

    Configuracion m_configuracion;
    PedirRutaDatos m_pedirRutaDatos;
    QString m_rutaDatos;
};

// The connections data module of the program.
TmdlConexiones &mdlConexiones();
