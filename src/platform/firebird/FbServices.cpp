#include "FbServices.h"

#include "FbConnection.h"
#include "FbDatabaseName.h"
#include "FbParameterBuffer.h"
#include "FbStatus.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

namespace fb {

using detail::DatabaseName;
using detail::ParameterBuffer;
using detail::clientFileName;
using detail::throwStatus;

namespace {

// Longest piece of a backup handed to the restore service in one query
// (the whole query block must stay below 64 KB).
constexpr qint64 MaxInputPiece = 32768;

// What one query of a running service answered.
struct ServiceReply
{
    QStringList lines;
    qint64 inputWanted = 0; // bytes of input the service asks for
    bool waiting = false;   // no output within the time-out; still running
};

ServiceReply parseReply(const char *buffer, qsizetype size)
{
    ServiceReply reply;
    const char *end = buffer + size;
    for (const char *item = buffer; item < end && *item != isc_info_end;) {
        switch (*item++) {
        case isc_info_svc_line: {
            const auto length = static_cast<unsigned short>(isc_vax_integer(item, 2));
            if (length > 0)
                reply.lines << detail::serverText(item + 2, length);
            item += 2 + length;
            break;
        }
        case isc_info_svc_stdin:
            reply.inputWanted = isc_vax_integer(item, 4);
            item += 4;
            break;
        default: // time-out, data not ready, truncated: ask again
            reply.waiting = true;
            break;
        }
    }
    return reply;
}

// One attachment to a services manager, detached on every path.
class ServiceManager
{
public:
    explicit ServiceManager(const DatabaseName &database)
    {
        const ConnectionSettings settings;
        ParameterBuffer spb(isc_spb_version);
        spb.addTag(isc_spb_current_version)
            .addString(isc_spb_user_name, settings.user.toUtf8())
            .addString(isc_spb_password, settings.password.toUtf8());
        ISC_STATUS_ARRAY status;
        const QByteArray name = clientFileName(database.serviceManager());
        if (isc_service_attach(status, 0, name.constData(), &m_handle, spb.unsignedSize(), spb.data()))
            throwStatus(status);
    }

    ~ServiceManager()
    {
        ISC_STATUS_ARRAY status;
        isc_service_detach(status, &m_handle);
    }

    ServiceManager(const ServiceManager &) = delete;
    ServiceManager &operator=(const ServiceManager &) = delete;

    // Starts the action and follows it to its end, passing on every line of
    // its output and feeding it `input` when it asks for data (a restore
    // from "stdin"). A failed service reports its error in the status of
    // the last query.
    void run(const ParameterBuffer &action, const Services::Progress &progress, QIODevice *input = nullptr)
    {
        ISC_STATUS_ARRAY status;
        if (isc_service_start(status, &m_handle, nullptr, action.unsignedSize(), action.data()))
            throwStatus(status);
        qint64 inputWanted = 0;
        for (;;) {
            const ServiceReply reply = query(input, inputWanted);
            if (progress && reply.lines.isEmpty() && reply.waiting)
                progress(QString());
            for (const QString &line : reply.lines) {
                if (progress)
                    progress(line);
            }
            inputWanted = reply.inputWanted;
            if (reply.lines.isEmpty() && inputWanted == 0 && !reply.waiting)
                return;
        }
    }

private:
    ServiceReply query(QIODevice *input, qint64 inputWanted)
    {
        // The service answers within a second even when it has nothing to
        // say, so the caller hears from us during long silent steps.
        const char oneSecond[] = {1, 0, 0, 0};
        ParameterBuffer send;
        send.addLongString(isc_info_svc_timeout, QByteArray(oneSecond, sizeof oneSecond));
        if (input && inputWanted > 0) {
            // Less than asked (nothing at the end of the file) tells the
            // service the backup is over; a short backup is then its error.
            send.addLongString(isc_info_svc_line, input->read(std::min(inputWanted, MaxInputPiece)));
        }
        send.addTag(isc_info_end);

        const char receive[] = {isc_info_svc_line, isc_info_svc_stdin};
        const qsizetype receiveCount = input ? 2 : 1;
        char buffer[16384];
        ISC_STATUS_ARRAY status;
        if (isc_service_query(status, &m_handle, nullptr, send.unsignedSize(), send.data(),
                              static_cast<unsigned short>(receiveCount), receive, sizeof buffer, buffer))
            throwStatus(status);
        return parseReply(buffer, sizeof buffer);
    }

    isc_svc_handle m_handle = 0;
};

ParameterBuffer backupAction(const QString &databasePath, const QString &backupFile)
{
    ParameterBuffer action;
    action.addTag(isc_action_svc_backup)
        .addLongString(isc_spb_dbname, clientFileName(databasePath))
        .addLongString(isc_spb_bkp_file, clientFileName(backupFile))
        .addTag(isc_spb_verbose);
    return action;
}

// isc_spb_res_create: the restore never overwrites an existing file. The
// backup travels through the service's input ("stdin") rather than being
// opened by the engine: when a backup file ends too early, the engine
// itself asks on the process's terminal for the next volume and waits there
// for ever, while through the input it just fails.
ParameterBuffer restoreAction(const QString &databasePath)
{
    ParameterBuffer action;
    action.addTag(isc_action_svc_restore)
        .addLongString(isc_spb_bkp_file, QByteArray("stdin"))
        .addLongString(isc_spb_dbname, clientFileName(databasePath))
        .addInt(isc_spb_options, isc_spb_res_create)
        .addTag(isc_spb_verbose);
    return action;
}

// Full shutdown with no grace time: it fails at once, changing nothing, when
// any connection of any process is attached, and otherwise keeps everybody
// out until the file is replaced.
ParameterBuffer shutdownAction(const QString &databasePath)
{
    ParameterBuffer action;
    action.addTag(isc_action_svc_properties)
        .addLongString(isc_spb_dbname, clientFileName(databasePath))
        .addByte(isc_spb_prp_shutdown_mode, isc_spb_prp_sm_full)
        .addInt(isc_spb_prp_attachments_shutdown, 0);
    return action;
}

ParameterBuffer onlineAction(const QString &databasePath)
{
    ParameterBuffer action;
    action.addTag(isc_action_svc_properties)
        .addLongString(isc_spb_dbname, clientFileName(databasePath))
        .addByte(isc_spb_prp_online_mode, isc_spb_prp_sm_normal);
    return action;
}

// rename() swaps the name in one step: the file is either the old one or
// the new one, never something in between.
void renameOver(const QString &from, const QString &to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        throw Error(QStringLiteral("No se puede sustituir el fichero %1.").arg(to));
}

// The restored file gets the permissions and group of the file it replaces,
// so every user who shared the old one can open the new one (or 0660 for a
// new file, as created databases have).
void takeAccessOf(const QString &restored, const QString &target)
{
    const QByteArray file = QFile::encodeName(restored);
    struct stat old {};
    if (::stat(QFile::encodeName(target).constData(), &old) != 0) {
        ::chmod(file.constData(), 0660);
        return;
    }
    ::chmod(file.constData(), old.st_mode & 07777);
    // Best effort: only a member of that group may hand the file to it.
    [[maybe_unused]] const int changed = ::chown(file.constData(), uid_t(-1), old.st_gid);
}

void shutDown(const DatabaseName &target)
{
    try {
        ServiceManager(target).run(shutdownAction(target.path), {});
    } catch (const Error &error) {
        if (!error.hasCode(isc_shutfail))
            throw;
        throw Error(QStringLiteral("La base de datos está en uso; cierre las demás conexiones antes de restaurar.\n")
                        + error.text(),
                    error.codes(), error.sqlCode());
    }
}

// Puts the restored file in the target's place. The target must not be in
// use: replacing a file under an open connection corrupts what it writes.
void replaceTarget(const DatabaseName &target, const QString &restored)
{
    const bool exists = QFileInfo::exists(target.path);
    if (exists)
        shutDown(target);
    takeAccessOf(restored, target.path);
    try {
        renameOver(restored, target.path);
    } catch (const Error &) {
        if (exists)
            ServiceManager(target).run(onlineAction(target.path), {});
        throw;
    }
}

void checkOpens(const QString &database)
{
    Connection connection;
    connection.open(database);
    connection.query(QStringLiteral("SELECT COUNT(*) FROM RDB$RELATIONS"));
}

} // namespace

void Services::backup(const QString &database, const QString &backupFile, const Progress &progress)
{
    const DatabaseName name = DatabaseName::parse(database);
    if (name.isRemote()) {
        ServiceManager(name).run(backupAction(name.path, backupFile), progress);
        return;
    }
    // Written beside and renamed at the end, so a failed backup neither
    // leaves a half-written file that passes for a backup nor spoils an
    // earlier backup of the same name.
    const QString partial = backupFile + QStringLiteral(".parcial");
    QFile::remove(partial);
    try {
        ServiceManager(name).run(backupAction(name.path, partial), progress);
        renameOver(partial, backupFile);
    } catch (const Error &) {
        QFile::remove(partial);
        throw;
    }
}

void Services::restore(const QString &backupFile, const QString &database, const Progress &progress)
{
    const DatabaseName target = DatabaseName::parse(database);
    if (target.isRemote()) {
        throw Error(QStringLiteral("Sólo se puede recuperar una copia sobre una base de datos de este equipo, "
                                   "no sobre el servidor %1.").arg(target.host));
    }
    QFile backup(backupFile);
    if (!backup.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("No se puede leer la copia de seguridad %1.").arg(backupFile));
    const QString restored = target.path + QStringLiteral(".restaurando");
    QFile::remove(restored); // left over by a restore that was interrupted
    try {
        ServiceManager(target).run(restoreAction(restored), progress, &backup);
        checkOpens(restored);
        replaceTarget(target, restored);
    } catch (const Error &) {
        QFile::remove(restored);
        throw;
    }
}

} // namespace fb
