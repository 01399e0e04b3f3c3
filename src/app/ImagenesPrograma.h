#pragma once

#include <QColor>
#include <QPixmap>

// The program's own pictures, drawn rather than shipped as files so the
// program directory holds nothing but the executable, its Firebird root and
// the data.
namespace imagenes {

// Background colour of the program's panels (splash window, main window).
inline const QColor kColorFondo(10, 114, 169);

// Title banner with the product name.
QPixmap bannerTitulo(const QSize &size);

// The larger picture of the splash window: an invoice beside a sales chart.
QPixmap portada(const QSize &size);

} // namespace imagenes
