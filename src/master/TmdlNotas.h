#pragma once

#include "framework/DataModule.h"

namespace fb {
class Connection;
}

// Dated notes on customers and suppliers (NOTA). The owner's record window
// points the record set at its owner's rows; see Satelites.h.
class TmdlNotas : public fw::DataModule
{
    Q_OBJECT
public:
    // Bound to the company connection of the program (mdlConexiones()).
    explicit TmdlNotas(QObject *parent = nullptr);
    explicit TmdlNotas(fb::Connection &empresa, QObject *parent = nullptr);

    ds::RecordSet &Notas;

private:
    void NotasNewRecord(ds::RecordSet &set);
};
