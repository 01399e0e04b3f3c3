#include "TfrmIncidencia.h"

#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBMemo.h"
#include "framework/widgets/DBRadioGroup.h"
#include "incidents/TmdlIncidencias.h"
#include "incidents/widgets/DocumentosIncidencia.h"
#include "platform/dataset/RecordSet.h"

#include <QAction>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

TfrmIncidencia::TfrmIncidencia(QWidget *owner, bool modal, TmdlIncidencias *modulo, bool conDocumento)
    : TfrmRegistro(owner, modal, modulo != nullptr,
                   {.caption = QStringLiteral("INCIDENCIA"),
                    .titulo = QStringLiteral("INCIDENCIA"),
                    .tabla = QStringLiteral("INCIDENCIA"),
                    .codigoNumerico = true}),
      mdlIncidencias(modulo ? modulo : new TmdlIncidencias(this))
{
    setObjectName(QStringLiteral("TfrmIncidencia"));
    setDatos(mdlIncidencias->Incidencias);
    txtEstado = cajaSoloLectura("txtEstado", QStringLiteral("ESTADO")); // only the state dialog changes it
    txtFechaApertura = nuevaCaja("txtFechaApertura", QStringLiteral("FECHA_APERTURA"));
    txtFechaSolucion = nuevaCaja("txtFechaSolucion", QStringLiteral("FECHA_SOLUCION"));
    txtAsunto = nuevaCaja("txtAsunto", QStringLiteral("ASUNTO"));
    memObservaciones = new fw::DBMemo(datos(), QStringLiteral("OBSERVACIONES"), this);
    memObservaciones->setObjectName(QStringLiteral("memObservaciones"));

    auto *campos = new QFormLayout;
    campos->addRow(QStringLiteral("DOCUMENTO"), crearDocumento(conDocumento));
    campos->addRow(QStringLiteral("ESTADO"), txtEstado);
    campos->addRow(crearTipos());
    campos->addRow(QStringLiteral("FECHA_APERTURA"), txtFechaApertura);
    campos->addRow(QStringLiteral("FECHA_SOLUCION"), txtFechaSolucion);
    campos->addRow(QStringLiteral("PROBLEMA"), txtAsunto);
    campos->addRow(QStringLiteral("OBSERVACIONES"), memObservaciones);
    cuerpo()->addLayout(campos);
}

QLayout *TfrmIncidencia::crearDocumento(bool conDocumento)
{
    txtDocumento = cajaSoloLectura("txtDocumento", QStringLiteral("DOCUMENTO")); // set by the document's window
    accVerDocumento = new QAction(QStringLiteral("Ver la ficha del documento"), this);
    accVerDocumento->setObjectName(QStringLiteral("accVerDocumento"));
    accVerDocumento->setToolTip(accVerDocumento->text());
    accVerDocumento->setStatusTip(accVerDocumento->text());
    accVerDocumento->setIcon(style()->standardIcon(QStyle::SP_FileDialogInfoView));
    accVerDocumento->setVisible(conDocumento);
    addAction(accVerDocumento);
    auto *btnVerDocumento = new QToolButton(this);
    btnVerDocumento->setObjectName(QStringLiteral("btnVerDocumento"));
    btnVerDocumento->setDefaultAction(accVerDocumento);
    connect(accVerDocumento, &QAction::triggered, this, &TfrmIncidencia::accVerDocumentoExecute);
    for (auto senal : {&ds::RecordSet::rowChanged, &ds::RecordSet::currentChanged})
        connect(&datos(), senal, this, &TfrmIncidencia::actualizarVerDocumento);
    connect(&datos(), &ds::RecordSet::rowsReset, this, &TfrmIncidencia::actualizarVerDocumento);
    actualizarVerDocumento();
    auto *fila = new QHBoxLayout;
    fila->addWidget(txtDocumento);
    fila->addWidget(btnVerDocumento);
    return fila;
}

// Both choices are shown for information only: a disabled frame keeps them
// from being changed in any mode.
QWidget *TfrmIncidencia::crearTipos()
{
    auto *marco = new QWidget(this);
    marco->setEnabled(false);
    rgTipo = new fw::DBRadioGroup(QStringLiteral("TIPO"), datos(), QStringLiteral("TIPO"),
                                  {{QStringLiteral("COMPRA"), QStringLiteral("C")},
                                   {QStringLiteral("VENTA"), QStringLiteral("V")}},
                                  marco);
    rgTipo->setObjectName(QStringLiteral("rgTipo"));
    rgTipoDocumento = new fw::DBRadioGroup(QStringLiteral("TIPO DOCUMENTO"), datos(), QStringLiteral("TIPO_DOC"),
                                           {{QStringLiteral("PEDIDO"), QStringLiteral("P")},
                                            {QStringLiteral("ALBARAN"), QStringLiteral("A")},
                                            {QStringLiteral("FACTURA"), QStringLiteral("F")}},
                                           marco);
    rgTipoDocumento->setObjectName(QStringLiteral("rgTipoDocumento"));
    auto *fila = new QHBoxLayout(marco);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->addWidget(rgTipo);
    fila->addWidget(rgTipoDocumento);
    return marco;
}

void TfrmIncidencia::actualizarVerDocumento()
{
    const ds::Field *documento = datos().isOpen() ? datos().findField(QStringLiteral("DOCUMENTO")) : nullptr;
    const bool hayFila = datos().currentRow() >= 0 || datos().isEditing();
    accVerDocumento->setEnabled(documento && hayFila && !documento->asString().trimmed().isEmpty());
}

void TfrmIncidencia::accVerDocumentoExecute()
{
    incidencias::verDocumento(this, datos().value(QStringLiteral("TIPO")).toString(),
                              datos().value(QStringLiteral("TIPO_DOC")).toString(),
                              datos().value(QStringLiteral("DOCUMENTO")).toString());
}
