#pragma once

#include "framework/TfrmGestion.h"

class TmdlAlbaranesVenta;

// Browse window of the sales delivery notes; in select mode it hands back
// the chosen note's document key. "Cambiar Estado" moves a note between
// "PENDIENTE" and "HECHO" while it is not invoiced.
class TfrmGestionAlbaranesVenta final : public TfrmGestion
{
    Q_OBJECT
public:
    TfrmGestionAlbaranesVenta(QWidget *owner, bool modal);

    static const QString kSqlAlbaranesVenta; // "SELECT * FROM ALBARAN_VENTA ORDER BY SERIE,NUMERO"

    TmdlAlbaranesVenta *mdlAlbaranesVenta;
    QAction *accEstado;

protected:
    TfrmRegistro *crearRegistro() override;
    QString claveSeleccionada() const override;

private:
    bool facturado() const;
    void actualizarEstado();
    void accEstadoExecute();
};
