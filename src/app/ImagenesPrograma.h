#pragma once

#include <QPixmap>

// The program's own pictures, drawn rather than shipped as files so the
// program directory holds nothing but the executable, its Firebird root and
// the data.
namespace imagenes {

// Title banner with the product name.
QPixmap bannerTitulo(const QSize &size);

// The larger picture of the splash window: an invoice beside a sales chart.
QPixmap portada(const QSize &size);

} // namespace imagenes
