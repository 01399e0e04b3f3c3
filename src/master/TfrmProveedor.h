#pragma once

#include "master/TfrmTitular.h"

#include <functional>

class TmdlProveedores;

// Record window of a supplier ("DATOS DE PROVEEDOR"). Its search buttons
// disappear in view mode; "Articulos" lists the articles whose usual
// supplier this one is.
class TfrmProveedor final : public TfrmTitular
{
    Q_OBJECT
public:
    // With the browse window's data module, or none (the window then creates its own).
    TfrmProveedor(QWidget *owner, bool modal, TmdlProveedores *modulo = nullptr);

    TmdlProveedores *mdlProveedores;

    fw::DBEdit *txtCodigoCliente = nullptr;
    fw::DBEdit *txtInicioVacaciones = nullptr;
    fw::DBEdit *txtFinVacaciones = nullptr;
    fw::DBEdit *txtDtoEspecial = nullptr;
    fw::DBEdit *txtDtoPP = nullptr;
    fw::DBEdit *txtResponsable = nullptr;
    fw::DBEdit *txtNResponsable = nullptr;
    fw::DBEdit *txtFormaPago = nullptr;
    fw::DBEdit *txtNFormaPago = nullptr;
    fw::DBEdit *txtDiasReposicion = nullptr;
    QAction *BuscarResponsable = nullptr;
    QAction *VerResponsable = nullptr;
    QAction *BuscarFormaPago = nullptr;
    QAction *VerFormaPago = nullptr;
    // "Articulos": disabled until an opener of the supplier's articles is
    // given; then enabled except while the supplier is being created.
    QAction *VerArticulos = nullptr;

    // Opens the articles of the supplier with this code (the article browse
    // window on "SELECT * FROM ARTICULO WHERE PROVEEDOR = '<code>'").
    void setVerArticulos(std::function<void(const QString &proveedor)> abrir);

protected:
    void aplicarModo() override;

private:
    void crearCondiciones();
    void crearListas();

    std::function<void(const QString &)> m_verArticulos;
    std::vector<QWidget *> m_botonesBuscar;
};
