#pragma once

// A company database of its own for one test: an empty copy of the company
// schema, its connection, the scripted dialogs, and short ways to run a
// statement and read a figure back. Tests of one area derive from it to add
// the rows they keep putting in.

#include "SchemaFixture.h"
#include "ScriptedDialogs.h"
#include "platform/firebird/FbConnection.h"

#include <QTemporaryDir>
#include <QVariant>

namespace testsupport {

struct EmpresaPrueba
{
    QTemporaryDir dir;
    QString ruta = freshDatabases(dir);
    fb::Connection conexion;
    ScriptedDialogs dialogos;

    EmpresaPrueba() { conexion.open(ruta + QStringLiteral("empresa01.gdb")); }

    void sql(const QString &sentencia, const QVariantList &valores = {}) { conexion.execute(sentencia, valores); }
    QVariant valor(const QString &consulta, const QVariantList &valores = {})
    {
        return conexion.query(consulta, valores).scalar();
    }
    // The first column of the first row as a whole number: a COUNT(*) or a sum.
    int contar(const QString &consulta, const QVariantList &valores = {}) { return valor(consulta, valores).toInt(); }
};

} // namespace testsupport
