#pragma once

#include <QProcess>
#include <QString>

namespace testsupport {

// The text of a PDF as pdftotext lays it out, pages ended by form feeds;
// empty when the tool did not answer in time.
inline QString textoPdf(const QString &fichero)
{
    QProcess proceso;
    proceso.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fichero, QStringLiteral("-")});
    if (!proceso.waitForFinished(30000))
        return {};
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

} // namespace testsupport
