#pragma once

// Reading a window as the user sees it: a control by its name, the tabs of
// a page control, the entries of a list, the rows of a grid.

#include <QAbstractItemModel>
#include <QComboBox>
#include <QStringList>
#include <QTabWidget>
#include <QTableView>

namespace testsupport {

// The window's child of type T with this objectName; null when there is none.
template<typename T>
T *control(const QObject &ventana, const QString &nombre)
{
    return ventana.findChild<T *>(nombre);
}

template<typename T>
T *control(const QObject &ventana, const char *nombre)
{
    return control<T>(ventana, QString::fromLatin1(nombre));
}

inline QStringList pestanas(const QTabWidget *paginas)
{
    QStringList textos;
    for (int i = 0; i < paginas->count(); ++i)
        textos << paginas->tabText(i);
    return textos;
}

inline QStringList entradas(const QComboBox *lista)
{
    QStringList textos;
    for (int i = 0; i < lista->count(); ++i)
        textos << lista->itemText(i);
    return textos;
}

// Every row of a grid as its cells' texts (trimmed) joined by '|'.
inline QStringList filas(const QTableView *rejilla)
{
    const QAbstractItemModel *modelo = rejilla->model();
    QStringList lista;
    for (int f = 0; f < modelo->rowCount(); ++f) {
        QStringList celdas;
        for (int c = 0; c < modelo->columnCount(); ++c)
            celdas << modelo->index(f, c).data().toString().trimmed();
        lista << celdas.join(u'|');
    }
    return lista;
}

} // namespace testsupport
