#include "TfrmFormaPago.h"

#include "TfrmCuentaBancaria.h"
#include "TfrmGestionCuentasBancarias.h"
#include "TmdlFormasPago.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/Formularios.h"

#include <QFormLayout>
#include <QHBoxLayout>

namespace {

DescripcionRegistro descripcionFormaPago()
{
    return {
        .caption = QStringLiteral("DATOS DE FORMA DE PAGO"),
        .titulo = QStringLiteral("FORMA DE PAGO"),
        .tabla = QStringLiteral("FORMA_PAGO"),
    };
}

} // namespace

TfrmFormaPago::TfrmFormaPago(QWidget *owner, bool modal, TmdlFormasPago *modulo)
    : TfrmRegistro(owner, modal, modulo != nullptr, descripcionFormaPago()),
      mdlFormasPago(modulo ? modulo : new TmdlFormasPago(this))
{
    setObjectName(QStringLiteral("TfrmFormaPago"));
    setDatos(mdlFormasPago->FormasPago);
    crearCabeceraCodigo(txtCodigo, txtDescripcion);
    crearCondiciones();
    memObservaciones = fw::agregarPestanaComentario(PageControl1, datos());
}

void TfrmFormaPago::crearCondiciones()
{
    txtNumeroVencimientos = nuevaCaja("txtNumeroVencimientos", QStringLiteral("NUMERO_VENCIMIENTOS"));
    txtDiasEntreVencimientos = nuevaCaja("txtDiasEntreVencimientos", QStringLiteral("DIAS_ENTRE_VENCIMIENTOS"));
    const Referencia cuenta = crearReferencia({
        .caja = "txtCuenta",
        .columna = QStringLiteral("CUENTA"),
        .cajaNombre = nullptr,
        .buscar = "BuscarCuenta",
        .hintBuscar = QStringLiteral("Asignar Cuenta Bancaria"),
        .gestion = [](QWidget *owner) { return new TfrmGestionCuentasBancarias(owner, true); },
        .sqlGestion = TfrmGestionCuentasBancarias::kSqlCuentasBancarias,
        .ver = "VerCuenta",
        .hintVer = QStringLiteral("Ver ficha cuenta bancaria"),
        .registro = [](QWidget *owner) { return new TfrmCuentaBancaria(owner, true); },
    });
    txtCuenta = cuenta.codigo;
    btnBuscarCuenta = cuenta.btnBuscar;
    btnVerCuenta = cuenta.btnVer;
    BuscarCuenta = cuenta.buscar;
    VerCuenta = cuenta.ver;
    cuenta.fila->addStretch();

    QFormLayout *campos = fw::agregarPestana(PageControl1, QStringLiteral("CONDICIONES"));
    campos->addRow(QStringLiteral("NUMERO DE VENCIMIENTOS"), txtNumeroVencimientos);
    campos->addRow(QStringLiteral("DIAS ENTRE VTOS"), txtDiasEntreVencimientos);
    campos->addRow(QStringLiteral("CUENTA BANCARIA"), cuenta.fila);
}
