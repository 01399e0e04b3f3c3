#pragma once

#include <QString>
#include <functional>

namespace fb {

struct ConnectionSettings;

// Backup and restore through the services manager ("service_mgr"), embedded
// for local paths, on the server for "host:/path" names.
class Services
{
public:
    // Called now and then while a service runs: with each line of its verbose
    // output, and with an empty text after every second without output. Lets
    // a window keep painting and show progress.
    using Progress = std::function<void(const QString &line)>;

    // Writes a backup of `database` to `backupFile` (the server's own format).
    // Throws fb::Error with the service's text on failure.
    static void backup(const QString &database, const QString &backupFile,
                       const Progress &progress = {});

    // Restores `backupFile` into `database`. The backup is restored into a new
    // file beside the target and checked by opening it; only then is the
    // target replaced. Refused, leaving the target as it was, when any
    // connection (this process or another) uses the target. On every failure
    // the target stays untouched and the temporary file is removed. Local
    // databases only: a file on a server cannot be swapped from here.
    static void restore(const QString &backupFile, const QString &database,
                        const Progress &progress = {});
};

} // namespace fb
