#pragma once

#include "framework/DataModule.h"

namespace fb {
class Connection;
}

// The stock data module: the record set `Stocks` over STOCK, one row per
// warehouse and article holding the quantity on hand there, with the
// article's and the warehouse's names (NARTICULO, NALMACEN). Windows open it
// on the rows of one article or one warehouse and never edit it.
//
// Every change of stock goes through AjustarStock(), and every post of a
// stock row carries its difference to the article's total (ARTICULO.STOCK),
// so that the total always equals the sum of the article's rows.
class TmdlStocks : public fw::DataModule
{
    Q_OBJECT
public:
    // Bound to the current company (mdlConexiones().ConexionEmpresa).
    explicit TmdlStocks(QObject *parent = nullptr);
    explicit TmdlStocks(fb::Connection &empresa, QObject *parent = nullptr);

    ds::RecordSet &Stocks;
    ds::RecordSet &LookArticulo;
    ds::RecordSet &LookAlmacen;

    // The stock adjustment, the one way documents and movements change stock:
    // adds `cantidad` (positive: goods in; negative: goods out) to the stock
    // of `articulo` in `almacen` and to the article's total, both stored
    // before it returns (each in a transaction of its own: first the article,
    // then the stock row). The pair's row is created at 0 the first time;
    // even two copies of the program creating it at the same moment end with
    // one row holding both quantities. A change of 0 stores nothing but still
    // creates a missing row. A result below zero shows "El Articulo … en el
    // Almacen … tiene stock negativo." and is stored all the same. An empty
    // warehouse or article code means no stock effect: nothing happens.
    //
    // Refusals throw ds::SilentAbort after the user has been told: a
    // warehouse or article that does not exist ("ALMACEN no existe.",
    // "ARTICULO no existe.") or a write the database refused (its text shown
    // in the error box). Then neither the row nor the total has changed.
    // Called from a rule, the refusal refuses the caller's operation as well.
    static void AjustarStock(fb::Connection &empresa, const QString &almacen, const QString &articulo,
                             double cantidad);
    // Whether stock was ever adjusted for the pair (its row exists, at any quantity).
    static bool ExisteStock(fb::Connection &empresa, const QString &almacen, const QString &articulo);

private:
    // Without the look-up sets, which an adjustment does not show.
    TmdlStocks(fb::Connection &empresa, bool conNombres, QObject *parent);

    void StocksNewRecord(ds::RecordSet &set);
    void StocksAfterEdit(ds::RecordSet &set);
    void StocksALMACENValidate(ds::Field &field);
    void StocksARTICULOValidate(ds::Field &field);
    void StocksBeforePost(ds::RecordSet &set);

    void ajustar(const QString &almacen, const QString &articulo, double cantidad);
    void abrirPar(const QString &almacen, const QString &articulo);
    void abrirOCrearFila(const QString &almacen, const QString &articulo);
    void crearFila(const QString &almacen, const QString &articulo);
    void trasladarAlArticulo(const QString &articulo, double diferencia);

    // STOCK of the row when its edit began: what the row held before the
    // post now running, which the article's total already counts.
    double m_stockAlEditar = 0;
};
