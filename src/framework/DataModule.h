#pragma once

#include "platform/dataset/RecordSet.h"

#include <QObject>
#include <memory>
#include <vector>

namespace fb {
class Connection;
}

namespace fw {

// Base of every data module (Tmdl…): holds the record sets of one entity,
// bound to the connection of its database, and carries the entity's rules as
// handlers of their events. Destroying the module closes its record sets;
// changes never applied are lost with it.
class DataModule : public QObject
{
    Q_OBJECT
public:
    explicit DataModule(fb::Connection &connection, QObject *parent = nullptr);
    ~DataModule() override;

    fb::Connection &connection() const { return m_connection; }

protected:
    // A record set of this module bound to its connection, with the stored
    // command text that windows usually replace before opening.
    ds::RecordSet &addRecordSet(const QString &name, const QString &commandText);
    // A read-only look-up record set ("select CODIGO, NOMBRE from …").
    ds::RecordSet &addLookup(const QString &name, const QString &commandText);

private:
    fb::Connection &m_connection;
    std::vector<ds::RecordSet *> m_sets;
};

} // namespace fw
