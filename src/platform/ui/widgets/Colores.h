#pragma once

#include <QColor>

namespace ui {

// The program's blue: background of the splash, login and main windows and
// of the bottom band of record windows.
inline const QColor kColorPrograma(10, 114, 169);

} // namespace ui
