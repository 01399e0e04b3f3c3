#include "TfrmCuentaBancaria.h"

#include "TmdlCuentasBancarias.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBMemo.h"
#include "framework/widgets/SaltoCuenta.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

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
    crearCabecera();
    crearBanco();
    crearComentario();
    setCajaCodigo(txtCodigo);
}

void TfrmCuentaBancaria::crearCabecera()
{
    txtCodigo = nuevaCaja("txtCodigo", QStringLiteral("CODIGO"));
    txtDescripcion = nuevaCaja("txtDescripcion", QStringLiteral("DESCRIPCION"));
    auto *campos = new QFormLayout;
    campos->addRow(QStringLiteral("CODIGO"), txtCodigo);
    campos->addRow(QStringLiteral("DESCRIPCION"), txtDescripcion);
    cuerpo()->addLayout(campos);
}

void TfrmCuentaBancaria::crearBanco()
{
    txtBanco = nuevaCaja("txtBanco", QStringLiteral("BANCO"));
    txtSucursal = nuevaCaja("txtSucursal", QStringLiteral("SUCURSAL"));
    txtProvincia = nuevaCaja("txtProvincia", QStringLiteral("PROVINCIA"));
    txtEntidad = nuevaCaja("txtEntidad", QStringLiteral("COD_ENTIDAD"));
    txtAgencia = nuevaCaja("txtAgencia", QStringLiteral("COD_AGENCIA"));
    txtDc = nuevaCaja("txtDc", QStringLiteral("DC"));
    txtNcuenta = nuevaCaja("txtNcuenta", QStringLiteral("NCUENTA"));
    fw::SaltoCuenta::install(txtEntidad, txtAgencia, txtDc, txtNcuenta);

    // The four parts side by side, each under its caption, as the code is written.
    auto *codigo = new QGridLayout;
    const std::pair<const char *, fw::DBEdit *> partes[] = {
        {"ENTIDAD", txtEntidad}, {"AGENCIA", txtAgencia}, {"DC", txtDc}, {"CUENTA", txtNcuenta}};
    int columna = 0;
    for (const auto &[titulo, caja] : partes) {
        codigo->addWidget(new QLabel(QLatin1String(titulo), this), 0, columna);
        codigo->addWidget(caja, 1, columna++);
    }
    auto *pagina = new QWidget;
    auto *campos = new QFormLayout(pagina);
    campos->addRow(QStringLiteral("BANCO"), txtBanco);
    campos->addRow(QStringLiteral("SUCURSAL"), txtSucursal);
    campos->addRow(QStringLiteral("PROVINCIA"), txtProvincia);
    campos->addRow(codigo);
    PageControl1->addTab(pagina, QStringLiteral("BANCO"));
}

void TfrmCuentaBancaria::crearComentario()
{
    memObservaciones = new fw::DBMemo(datos(), QStringLiteral("OBSERVACIONES"), this);
    memObservaciones->setObjectName(QStringLiteral("memObservaciones"));
    auto *pagina = new QWidget;
    auto *layout = new QVBoxLayout(pagina);
    layout->addWidget(memObservaciones);
    PageControl1->addTab(pagina, QStringLiteral("COMENTARIO"));
}
