#pragma once

#include <QByteArray>
#include <QString>

namespace fb::detail {

// A database name split into the server ("host" of "host:/path") and the path
// of the file on the machine that opens it. Without a server the file is
// opened by this process's embedded engine.
struct DatabaseName
{
    QString host; // empty for a local file
    QString path;

    static DatabaseName parse(const QString &name);

    bool isRemote() const { return !host.isEmpty(); }
    // The same server with another file on it ("host:path", or just path).
    QString onSameServer(const QString &otherPath) const;
    // Name of the services manager that works on this database.
    QString serviceManager() const;
};

// File names travel to the client library as UTF-8, the file-name encoding
// of Linux (connections say so with isc_dpb_utf8_filename too), so a folder
// such as "/home/peña" reaches the engine unchanged.
QByteArray clientFileName(const QString &name);

} // namespace fb::detail
