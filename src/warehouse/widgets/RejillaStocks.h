#pragma once

#include <QStringList>
#include <QTableView>

class TmdlStocks;

namespace almacen {

// Read-only grid of the stock rows of one article (its warehouses) or of one
// warehouse (its articles), over a stock module of its own. It offers no
// commands: stock changes only through movements and delivery notes.
class RejillaStocks final : public QTableView
{
    Q_OBJECT
public:
    // `filtro` is the column the rows are chosen by (ARTICULO or ALMACEN);
    // `columnas` the columns shown.
    RejillaStocks(QString filtro, const QStringList &columnas, QWidget *parent = nullptr);

    // Shows the rows whose `filtro` column holds `codigo` (none for an empty
    // code); an error is shown in the error box and leaves the grid empty.
    void cargar(const QString &codigo);

    TmdlStocks &modulo() const { return *m_modulo; }

private:
    QString m_filtro;
    TmdlStocks *m_modulo;
};

} // namespace almacen
