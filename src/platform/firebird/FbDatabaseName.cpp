#include "FbDatabaseName.h"

namespace fb::detail {

DatabaseName DatabaseName::parse(const QString &name)
{
    // "srv:/datos/general.gdb" names a server; "C:\DATOS" (a drive letter) and
    // "/datos/a:b.gdb" (a colon inside a path) do not.
    const qsizetype colon = name.indexOf(u':');
    if (colon > 1) {
        const QString prefix = name.left(colon);
        if (!prefix.contains(u'/') && !prefix.contains(u'\\'))
            return {prefix, name.mid(colon + 1)};
    }
    return {QString(), name};
}

QString DatabaseName::onSameServer(const QString &otherPath) const
{
    return isRemote() ? host + u':' + otherPath : otherPath;
}

QString DatabaseName::serviceManager() const
{
    return onSameServer(QStringLiteral("service_mgr"));
}

QByteArray clientFileName(const QString &name)
{
    return name.toUtf8();
}

} // namespace fb::detail
