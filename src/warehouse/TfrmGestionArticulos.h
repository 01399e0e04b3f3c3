#pragma once

#include "framework/TfrmGestion.h"

class TmdlArticulos;

// Browse window of the articles; also their search window (select mode).
class TfrmGestionArticulos final : public TfrmGestion
{
    Q_OBJECT
public:
    TfrmGestionArticulos(QWidget *owner, bool modal);

    static const QString kSqlArticulos; // every article in code order

    // The articles a statement selects, in a modal browse window that works
    // as usual but is not for choosing one (a family's, a supplier's).
    static void MostrarArticulos(QWidget *owner, const QString &sql);
    // The articles whose usual supplier is `proveedor`: the supplier
    // window's "Articulos" command.
    static void VerArticulosDe(QWidget *owner, const QString &proveedor);

    TmdlArticulos *mdlArticulos;

protected:
    TfrmRegistro *crearRegistro() override;
};
