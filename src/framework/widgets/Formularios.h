#pragma once

#include <QString>
#include <initializer_list>

class QAction;
class QFormLayout;
class QFrame;
class QHBoxLayout;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;

namespace ds {
class RecordSet;
}

namespace fw {

class DBEdit;
class DBMemo;

// Small pieces every record window lays its forms out with, so that rows,
// tabs and the comment look the same in every file.

// Controls side by side in one row of a form (two telephones, a box and its buttons).
QHBoxLayout *enFila(std::initializer_list<QWidget *> controles);

// A box bound to `columna`, named `nombre` (the window's member name).
DBEdit *crearCaja(ds::RecordSet &datos, const char *nombre, const QString &columna, QWidget *parent);

// The small button beside a code box that a Buscar or Ver command takes. In
// the warehouse files it stays out of the Tab chain (`conFoco` false).
QToolButton *botonDeCodigo(const char *nombre, QWidget *parent, bool conFoco = false);

// A tab holding a form; the form is returned to be filled.
QFormLayout *agregarPestana(QTabWidget *paginas, const QString &titulo);

// The "COMENTARIO" tab: the free comment in `columna` filling the page, its
// box named "mem" + the column's name in title case ("memObservaciones").
DBMemo *agregarPestanaComentario(QTabWidget *paginas, ds::RecordSet &datos,
                                 const QString &columna = QStringLiteral("OBSERVACIONES"));

// A dialog's push button, named `nombre`. It never becomes the default button
// by taking the focus: Enter moves between the boxes instead (EnterAsTab).
QPushButton *botonDialogo(const char *nombre, const QString &texto, QWidget *parent);

// A command of the window, named `nombre` and added to it, so that its
// shortcut works anywhere in the window.
QAction *accionDeVentana(const char *nombre, const QString &texto, QWidget *ventana);

// The band in the program's colour at the foot of record and listing
// windows: "&Aceptar" and "&Cancelar" on the right, each running its
// command (accAceptar, accCancelar), which the window connects. The buttons
// and commands go into the window's members given.
QFrame *crearBandaAceptar(QWidget *ventana, QPushButton *&btnAceptar, QPushButton *&btnCancelar,
                          QAction *&accAceptar, QAction *&accCancelar);

} // namespace fw
