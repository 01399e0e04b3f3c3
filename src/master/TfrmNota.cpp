#include "TfrmNota.h"

#include "master/TmdlNotas.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBMemo.h"

#include <QFormLayout>
#include <QTabWidget>

TfrmNota::TfrmNota(QWidget *owner, bool modal, TmdlNotas *modulo)
    : TfrmRegistro(owner, modal, modulo != nullptr,
                   {.caption = QStringLiteral("NOTA"),
                    .titulo = QStringLiteral("NOTA"),
                    .tabla = QStringLiteral("NOTA"),
                    .codigoNumerico = true}),
      mdlNotas(modulo ? modulo : new TmdlNotas(this))
{
    setObjectName(QStringLiteral("TfrmNota"));
    setDatos(mdlNotas->Notas);
    auto *pagina = new QWidget;
    txtFecha = nuevaCaja("txtFecha", QStringLiteral("FECHA"));
    txtAsunto = nuevaCaja("txtAsunto", QStringLiteral("ASUNTO"));
    memObservaciones = new fw::DBMemo(datos(), QStringLiteral("OBSERVACIONES"), pagina);
    memObservaciones->setObjectName(QStringLiteral("memObservaciones"));
    txtAnotador = nuevaCaja("txtAnotador", QStringLiteral("ANOTADOR"));
    auto *campos = new QFormLayout(pagina);
    campos->addRow(QStringLiteral("FECHA"), txtFecha);
    campos->addRow(QStringLiteral("ASUNTO"), txtAsunto);
    campos->addRow(QStringLiteral("COMENTARIO"), memObservaciones);
    campos->addRow(QStringLiteral("ANOTADOR"), txtAnotador);
    PageControl1->addTab(pagina, QStringLiteral("COMENTARIO"));
}
