#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace testsupport {

// Runs `accion` on the next modal window of type T once it is up, from
// inside its own event loop (a record window or dialog that a command shows
// modally); `excepto`, a modal window already up, is passed over. The wait
// ends with `ambito`, whether or not the window came up.
template<typename T>
void alAbrirse(QObject *ambito, std::function<void(T &)> accion, const QWidget *excepto = nullptr)
{
    auto *espera = new QTimer(ambito);
    QObject::connect(espera, &QTimer::timeout, [espera, accion, excepto] {
        auto *ventana = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!ventana || ventana == excepto || !ventana->isVisible())
            return;
        espera->stop();
        espera->deleteLater();
        accion(*ventana);
    });
    espera->start(10);
}

// Replaces the text of a box as the user does: select all, type.
inline void escribir(QLineEdit *caja, const QString &texto)
{
    caja->selectAll();
    QTest::keyClicks(caja, texto);
}

} // namespace testsupport
