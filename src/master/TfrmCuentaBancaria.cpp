#include "TfrmCuentaBancaria.h"

#include "TmdlCuentasBancarias.h"
#include "framework/widgets/BloquesFicha.h"
#include "framework/widgets/Formularios.h"

namespace {

DescripcionRegistro descripcionCuentaBancaria()
{
    return {
        .caption = QStringLiteral("DATOS DE CUENTA BANCARIA"),
        .titulo = QStringLiteral("CUENTA BANCARIA"),
        .tabla = QStringLiteral("CUENTA_BANCARIA"),
    };
}

} // namespace

TfrmCuentaBancaria::TfrmCuentaBancaria(QWidget *owner, bool modal, TmdlCuentasBancarias *modulo)
    : TfrmRegistro(owner, modal, modulo != nullptr, descripcionCuentaBancaria()),
      mdlCuentasBancarias(modulo ? modulo : new TmdlCuentasBancarias(this))
{
    setObjectName(QStringLiteral("TfrmCuentaBancaria"));
    setDatos(mdlCuentasBancarias->CuentasBancarias);
    crearCabeceraCodigo(txtCodigo, txtDescripcion);
    fw::agregarBanco(fw::agregarPestana(PageControl1, QStringLiteral("BANCO")), datos(), this,
                     {&txtBanco, &txtSucursal, &txtProvincia, &txtEntidad, &txtAgencia, &txtDc, &txtNcuenta},
                     {.cajaCuenta = "txtNcuenta"});
    memObservaciones = fw::agregarPestanaComentario(PageControl1, datos());
}
