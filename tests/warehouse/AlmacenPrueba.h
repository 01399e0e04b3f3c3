#pragma once

// A company database of its own for each test of the warehouse, with short
// ways to put warehouses and articles in it and read stock figures back.

#include "EmpresaPrueba.h"

namespace testsupport {

struct AlmacenPrueba : EmpresaPrueba
{
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
        return contar(QStringLiteral("SELECT COUNT(*) FROM STOCK WHERE ALMACEN = ? AND ARTICULO = ?"),
                      {almacen, articulo});
    }
};

} // namespace testsupport
