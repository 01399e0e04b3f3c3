#pragma once

// A company database of its own for each test of the warehouse: an empty
// copy of the company schema, its connection, the scripted dialogs, and
// short ways to put master rows in it and read figures back.

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

    void almacen(const QString &codigo)
    {
        sql(QStringLiteral("INSERT INTO ALMACEN (CODIGO, DESCRIPCION) VALUES (?, ?)"),
            {codigo, QStringLiteral("Almacen ") + codigo});
    }
    void articulo(const QString &codigo, double precioCompra = 0, const QString &barras = {},
                  const QString &barrasProveedor = {})
    {
        sql(QStringLiteral("INSERT INTO ARTICULO (CODIGO, DESCRIPCION, PRECIO_COMPRA, STOCK, CODIGO_BARRAS, "
                           "CODIGO_BARRAS_PROVEEDOR) VALUES (?, ?, ?, 0, ?, ?)"),
            {codigo, QStringLiteral("Articulo ") + codigo, precioCompra, barras.isEmpty() ? QVariant() : barras,
             barrasProveedor.isEmpty() ? QVariant() : barrasProveedor});
    }
    double stockArticulo(const QString &articulo)
    {
        return valor(QStringLiteral("SELECT STOCK FROM ARTICULO WHERE CODIGO = ?"), {articulo}).toDouble();
    }
    // The pair's row quantity; an invalid value when the pair has no row.
    QVariant stock(const QString &almacen, const QString &articulo)
    {
        return valor(QStringLiteral("SELECT STOCK FROM STOCK WHERE ALMACEN = ? AND ARTICULO = ?"), {almacen, articulo});
    }
    int filasStock(const QString &almacen, const QString &articulo)
    {
        return valor(QStringLiteral("SELECT COUNT(*) FROM STOCK WHERE ALMACEN = ? AND ARTICULO = ?"),
                     {almacen, articulo})
            .toInt();
    }
};

} // namespace testsupport
