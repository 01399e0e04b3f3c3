#include "TestEnvironment.h"

#include "platform/firebird/FbEnvironment.h"

#include <QDir>

namespace testsupport {

QString firebirdRoot()
{
    QString root = qEnvironmentVariable("VANTREL_FIREBIRD_ROOT");
    if (root.isEmpty())
        root = QStringLiteral(VANTREL_DEFAULT_FIREBIRD_ROOT);
    if (!root.endsWith(u'/'))
        root += u'/';
    return root;
}

void initFirebird()
{
    if (!fb::embeddedInitialised())
        fb::initEmbedded(firebirdRoot());
}

} // namespace testsupport
