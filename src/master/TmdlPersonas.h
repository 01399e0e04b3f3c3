#pragma once

#include "framework/DataModule.h"

namespace fb {
class Connection;
}

// Contact persons of customers and suppliers (PERSONA_CONTACTO). The owner's
// record window points the record set at its owner's rows; see Satelites.h.
class TmdlPersonas : public fw::DataModule
{
    Q_OBJECT
public:
    // Bound to the company connection of the program (mdlConexiones()).
    explicit TmdlPersonas(QObject *parent = nullptr);
    explicit TmdlPersonas(fb::Connection &empresa, QObject *parent = nullptr);

    ds::RecordSet &Personas;

private:
    void PersonasNewRecord(ds::RecordSet &set);
    void PersonasNIFValidate(ds::Field &field);
};
