#pragma once

#include <QString>

class QWidget;

namespace incidencias {

// Shows, in view mode and with a data module of its own, the document an
// incident belongs to: the record window follows from the incident's cycle
// ("V", "C") and document kind ("P", "A", "F"). A combination without a
// record window does nothing.
void verDocumento(QWidget *owner, const QString &tipo, const QString &tipoDoc, const QString &documento);

} // namespace incidencias
