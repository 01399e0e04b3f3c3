#pragma once

#include "framework/DataModule.h"

namespace fb {
class Connection;
}

// The articles data module: the record set `Articulos` over ARTICULO with the
// family's and the supplier's names beside their codes (NFAMILIA,
// NPROVEEDOR), and the article rules: unique code, existing supplier and
// family, the surcharge that goes with the VAT rate, the triangle of purchase
// price, margin and sale price, and the guard that keeps an article in use.
class TmdlArticulos : public fw::DataModule
{
    Q_OBJECT
public:
    // Bound to the current company (mdlConexiones().ConexionEmpresa).
    explicit TmdlArticulos(QObject *parent = nullptr);
    explicit TmdlArticulos(fb::Connection &empresa, QObject *parent = nullptr);

    ds::RecordSet &Articulos;
    ds::RecordSet &LookFamilia;
    ds::RecordSet &LookProveedor;

private:
    void ArticulosNewRecord(ds::RecordSet &set);
    void ArticulosCODIGOValidate(ds::Field &field);
    void ArticulosPROVEEDORValidate(ds::Field &field);
    void ArticulosFAMILIAValidate(ds::Field &field);
    void ArticulosIVAValidate(ds::Field &field);
    void ArticulosPRECIO_COMPRAValidate(ds::Field &field);
    void ArticulosPRECIO_VENTAValidate(ds::Field &field);
    void ArticulosMARGENValidate(ds::Field &field);
    void ArticulosBeforeDelete(ds::RecordSet &set);

    void conectarReglas();
    double valor(const QString &columna) const;
    void fijarCalculado(const QString &columna, double valor);

    // Set while a price rule writes the value it computed, so that the
    // other corner of the triangle is not computed back from it.
    bool m_calculando = false;
};
