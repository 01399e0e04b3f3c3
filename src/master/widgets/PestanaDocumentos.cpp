#include "PestanaDocumentos.h"

#include "master/DocumentosTitular.h"
#include "platform/dataset/RecordSet.h"
#include "platform/dataset/RecordSetModel.h"

#include <QHeaderView>
#include <QTableView>

namespace master {

PestanaDocumentos::PestanaDocumentos(const DocumentosTitular &documentos, QWidget *parent) : QTabWidget(parent)
{
    for (size_t i = 0; i < documentos.tipos().size(); ++i) {
        const DocumentoTitular &tipo = documentos.tipos()[i];
        auto *rejilla = new QTableView(this);
        rejilla->setObjectName(QStringLiteral("DBGrid") + tipo.pestana);
        rejilla->setSelectionBehavior(QAbstractItemView::SelectRows);
        rejilla->setEditTriggers(QAbstractItemView::NoEditTriggers);
        rejilla->verticalHeader()->hide();
        rejilla->horizontalHeader()->setStretchLastSection(true);
        auto *modelo = new ds::RecordSetModel(&documentos.documentos(i), rejilla);
        modelo->setColumns(tipo.columnas);
        rejilla->setModel(modelo);
        addTab(rejilla, tipo.pestana);
    }
}

} // namespace master
