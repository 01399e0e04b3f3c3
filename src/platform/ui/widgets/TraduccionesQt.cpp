#include "TraduccionesQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

bool cargarTraduccionesQt()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    // Owned by the application, which needs the texts until it ends.
    auto *traductor = new QTranslator(QCoreApplication::instance());
    const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!traductor->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
                         QStringLiteral("_"), carpeta)) {
        delete traductor;
        return false;
    }
    return QCoreApplication::installTranslator(traductor);
}

} // namespace ui
