#include "TfrmFormaPago.h"

#include "TfrmCuentaBancaria.h"
#include "TfrmGestionCuentasBancarias.h"
#include "TmdlFormasPago.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBMemo.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

DescripcionRegistro descripcionFormaPago()
{
    return {
        .caption = QStringLiteral("DATOS DE FORMA DE PAGO"),
        .titulo = QStringLiteral("FORMA DE PAGO"),
        .tabla = QStringLiteral("FORMA_PAGO"),
    };
}

QToolButton *nuevoBoton(const char *nombre, QWidget *parent)
{
    auto *boton = new QToolButton(parent);
    boton->setObjectName(QLatin1String(nombre));
    return boton;
}

} // namespace

TfrmFormaPago::TfrmFormaPago(QWidget *owner, bool modal, TmdlFormasPago *modulo)
    : TfrmRegistro(owner, modal, modulo != nullptr, descripcionFormaPago()),
      mdlFormasPago(modulo ? modulo : new TmdlFormasPago(this))
{
    setObjectName(QStringLiteral("TfrmFormaPago"));
    setDatos(mdlFormasPago->FormasPago);
    crearCabecera();
    crearCondiciones();
    crearComentario();
    setCajaCodigo(txtCodigo);
}

void TfrmFormaPago::crearCabecera()
{
    txtCodigo = nuevaCaja("txtCodigo", QStringLiteral("CODIGO"));
    txtDescripcion = nuevaCaja("txtDescripcion", QStringLiteral("DESCRIPCION"));
    auto *campos = new QFormLayout;
    campos->addRow(QStringLiteral("CODIGO"), txtCodigo);
    campos->addRow(QStringLiteral("DESCRIPCION"), txtDescripcion);
    cuerpo()->addLayout(campos);
}

void TfrmFormaPago::crearCondiciones()
{
    txtNumeroVencimientos = nuevaCaja("txtNumeroVencimientos", QStringLiteral("NUMERO_VENCIMIENTOS"));
    txtDiasEntreVencimientos = nuevaCaja("txtDiasEntreVencimientos", QStringLiteral("DIAS_ENTRE_VENCIMIENTOS"));
    txtCuenta = nuevaCaja("txtCuenta", QStringLiteral("CUENTA"));
    btnBuscarCuenta = nuevoBoton("btnBuscarCuenta", this);
    btnVerCuenta = nuevoBoton("btnVerCuenta", this);
    BuscarCuenta = agregarBuscar(
        btnBuscarCuenta, "BuscarCuenta", QStringLiteral("Asignar Cuenta Bancaria"), QStringLiteral("CUENTA"),
        [](QWidget *owner) { return new TfrmGestionCuentasBancarias(owner, true); },
        TfrmGestionCuentasBancarias::kSqlCuentasBancarias);
    VerCuenta = agregarVer(btnVerCuenta, "VerCuenta", QStringLiteral("Ver ficha cuenta bancaria"),
                           QStringLiteral("CUENTA"),
                           [](QWidget *owner) { return new TfrmCuentaBancaria(owner, true); });

    auto *cuenta = new QHBoxLayout;
    cuenta->addWidget(txtCuenta);
    cuenta->addWidget(btnBuscarCuenta);
    cuenta->addWidget(btnVerCuenta);
    cuenta->addStretch();
    auto *pagina = new QWidget;
    auto *campos = new QFormLayout(pagina);
    campos->addRow(QStringLiteral("NUMERO DE VENCIMIENTOS"), txtNumeroVencimientos);
    campos->addRow(QStringLiteral("DIAS ENTRE VTOS"), txtDiasEntreVencimientos);
    campos->addRow(QStringLiteral("CUENTA BANCARIA"), cuenta);
    PageControl1->addTab(pagina, QStringLiteral("CONDICIONES"));
}

void TfrmFormaPago::crearComentario()
{
    memObservaciones = new fw::DBMemo(datos(), QStringLiteral("OBSERVACIONES"), this);
    memObservaciones->setObjectName(QStringLiteral("memObservaciones"));
    auto *pagina = new QWidget;
    auto *layout = new QVBoxLayout(pagina);
    layout->addWidget(memObservaciones);
    PageControl1->addTab(pagina, QStringLiteral("COMENTARIO"));
}
