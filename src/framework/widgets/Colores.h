#pragma once

#include <QColor>

namespace fw {

// The program's blue: background of the main window and of the bottom band
// of record windows.
inline const QColor kColorPrograma(10, 114, 169);

} // namespace fw
