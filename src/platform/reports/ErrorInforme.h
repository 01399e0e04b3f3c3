#pragma once

#include <QString>
#include <stdexcept>

namespace rpt {

// Any failure of the report engine that the user must read: a project file
// that is missing or cannot be read, a report the project lacks, a data
// connection or column a report names and nobody supplied, a PDF that cannot
// be written. `texto` is the Spanish text for the standard error box
// (ui::showError); what() carries the same text in UTF-8.
class ErrorInforme : public std::runtime_error
{
public:
    explicit ErrorInforme(const QString &texto) : std::runtime_error(texto.toStdString()), texto(texto) {}
    QString texto;
};

} // namespace rpt
