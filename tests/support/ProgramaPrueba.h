#pragma once

// The program as a window test finds it: a fresh data folder that is also
// the program folder (general.gdb, the template and company "01"), the
// scripted dialogs, and the program's connections over it. The windows'
// data modules built with their default constructors work on it.

#include "SchemaFixture.h"
#include "ScriptedDialogs.h"
#include "VentanasModales.h"
#include "app/TmdlConexiones.h"

#include <QTemporaryDir>
#include <QVariant>
#include <functional>
#include <memory>

namespace testsupport {

// One test's program. Company "01" is connected unless the test is about
// what comes before it (choosing a company, a session).
struct Programa
{
    explicit Programa(bool conectarEmpresa = true)
    {
        if (conectarEmpresa)
            conexiones.ConectarEmpresa(QStringLiteral("01"));
    }

    QTemporaryDir dir;
    QString carpeta = freshDatabases(dir);
    ScriptedDialogs dialogos;
    TmdlConexiones conexiones{carpeta};
};

// Base of a window test class: arrancar() from init() and parar() from
// cleanup() give every test a Programa of its own, short ways to run a
// statement and read a figure back, and waits on modal windows that end
// with the test.
class ProgramaPrueba
{
protected:
    void arrancar(bool conectarEmpresa = true)
    {
        m_programa = std::make_unique<Programa>(conectarEmpresa);
        m_consultada = conectarEmpresa ? &empresa() : &general();
        m_esperas = std::make_unique<QObject>();
    }
    // Pending waits go first, the databases last.
    void parar()
    {
        m_esperas.reset();
        m_consultada = nullptr;
        m_programa.reset();
    }

    TmdlConexiones &conexiones() { return m_programa->conexiones; }
    ScriptedDialogs &dialogos() { return m_programa->dialogos; }
    // The data folder, with its trailing '/'.
    const QString &carpeta() const { return m_programa->carpeta; }
    fb::Connection &empresa() { return conexiones().ConexionEmpresa; }
    fb::Connection &general() { return conexiones().ConexionGeneral; }

    // Statements and queries go to the company database, or to the general
    // one when the test started without a company.
    void ejecutar(const QString &sql, const QVariantList &valores = {}) { m_consultada->execute(sql, valores); }
    QVariant valor(const QString &sql, const QVariantList &valores = {})
    {
        return m_consultada->query(sql, valores).scalar();
    }
    int contar(const QString &sql, const QVariantList &valores = {}) { return valor(sql, valores).toInt(); }
    int filasDe(const char *tabla)
    {
        return contar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(tabla)));
    }

    // Runs `accion` on the next modal window of type T other than `excepto`.
    template<typename T>
    void alAbrirse(std::function<void(T &)> accion, const QWidget *excepto = nullptr)
    {
        testsupport::alAbrirse<T>(m_esperas.get(), std::move(accion), excepto);
    }

private:
    std::unique_ptr<Programa> m_programa;
    std::unique_ptr<QObject> m_esperas;
    fb::Connection *m_consultada = nullptr;
};

} // namespace testsupport
