#include "RejillaStocks.h"

#include "framework/widgets/Intentar.h"
#include "platform/dataset/RecordSet.h"
#include "platform/dataset/RecordSetModel.h"
#include "warehouse/TmdlStocks.h"

#include <QHeaderView>

namespace almacen {

RejillaStocks::RejillaStocks(QString filtro, const QStringList &columnas, QWidget *parent)
    : QTableView(parent), m_filtro(std::move(filtro)), m_modulo(new TmdlStocks(this))
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    auto *modelo = new ds::RecordSetModel(&m_modulo->Stocks, this);
    modelo->setColumns(columnas);
    setModel(modelo);
}

void RejillaStocks::cargar(const QString &codigo)
{
    fw::intentar([&] {
        m_modulo->Stocks.close();
        m_modulo->Stocks.open(QStringLiteral("SELECT * FROM STOCK WHERE %1 = ?").arg(m_filtro), {codigo.trimmed()});
    });
}

} // namespace almacen
