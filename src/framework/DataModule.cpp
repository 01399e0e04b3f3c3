#include "DataModule.h"

namespace fw {

DataModule::DataModule(fb::Connection &connection, QObject *parent) : QObject(parent), m_connection(connection) {}

DataModule::~DataModule()
{
    for (ds::RecordSet *set : m_sets)
        set->close();
}

ds::RecordSet &DataModule::addRecordSet(const QString &name, const QString &commandText)
{
    auto *set = new ds::RecordSet(name, this);
    set->setConnection(&m_connection);
    set->setCommandText(commandText);
    m_sets.push_back(set);
    return *set;
}

ds::RecordSet &DataModule::addLookup(const QString &name, const QString &commandText)
{
    return addRecordSet(name, commandText);
}

} // namespace fw
