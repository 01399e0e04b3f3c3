#include "TfrmFamilia.h"

#include "TfrmGestionArticulos.h"
#include "TmdlFamilias.h"
#include "framework/Reglas.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/Formularios.h"
#include "platform/dataset/RecordSet.h"

#include <QAction>
#include <QFormLayout>
#include <QPushButton>
#include <QTabWidget>

namespace {

DescripcionRegistro descripcionFamilia()
{
    return {
        .caption = QStringLiteral("DATOS DE FAMILIA"),
        .titulo = QStringLiteral("FAMILIA"),
        .tabla = QStringLiteral("FAMILIA"),
    };
}

} // namespace

TfrmFamilia::TfrmFamilia(QWidget *owner, bool modal, TmdlFamilias *modulo)
    : TfrmRegistro(owner, modal, modulo != nullptr, descripcionFamilia()),
      mdlFamilias(modulo ? modulo : new TmdlFamilias(this))
{
    setObjectName(QStringLiteral("TfrmFamilia"));
    setDatos(mdlFamilias->Familias);
    crearCabeceraCodigo(txtCodigo, txtDescripcion);

    const QString hint = QStringLiteral("Ver los articulos de la familia");
    VerArticulos = new QAction(QStringLiteral("Articulos"), this);
    VerArticulos->setObjectName(QStringLiteral("VerArticulos"));
    VerArticulos->setToolTip(hint);
    VerArticulos->setStatusTip(hint);
    addAction(VerArticulos);
    connect(VerArticulos, &QAction::triggered, this, &TfrmFamilia::VerArticulosExecute);
    btnArticulos = new QPushButton(QStringLiteral("Articulos"), this);
    btnArticulos->setObjectName(QStringLiteral("btnArticulos"));
    btnArticulos->setToolTip(hint);
    btnArticulos->setAutoDefault(false);
    connect(btnArticulos, &QPushButton::clicked, VerArticulos, &QAction::trigger);
    fw::agregarPestana(PageControl1, QStringLiteral("ARTICULOS"))->addRow(btnArticulos);

    memObservaciones = fw::agregarPestanaComentario(PageControl1, datos());
}

void TfrmFamilia::VerArticulosExecute()
{
    const QString familia = datos().value(QStringLiteral("CODIGO")).toString().trimmed();
    TfrmGestionArticulos::MostrarArticulos(this, QStringLiteral("SELECT * FROM ARTICULO WHERE FAMILIA = ")
                                                     + fw::quoted(familia) + QStringLiteral(" ORDER BY CODIGO"));
}
