#pragma once

class QLabel;
class QString;
class QWidget;

namespace ui {

// A centred bold label of the given size, named for tests: the product name
// and headings of the login and about windows.
QLabel *nuevaEtiquetaTitulo(const char *nombre, const QString &texto, int puntos, QWidget *parent);

} // namespace ui
