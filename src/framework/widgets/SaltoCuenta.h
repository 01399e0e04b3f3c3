#pragma once

#include <QObject>

class QLineEdit;

namespace fw {

// The four boxes of a Spanish bank account code (entity, branch, control
// digits, account number) move the focus on by themselves: after each key
// release in a box that has reached its length (4, 4 and 2 characters) the
// next box takes the focus, so the whole code is typed in one go.
class SaltoCuenta final : public QObject
{
    Q_OBJECT
public:
    // The filter belongs to the entity box and ends with it.
    static void install(QLineEdit *entidad, QLineEdit *agencia, QLineEdit *dc, QLineEdit *cuenta);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SaltoCuenta(QLineEdit *entidad, QLineEdit *agencia, QLineEdit *dc, QLineEdit *cuenta);

    struct Salto
    {
        QLineEdit *desde;
        int longitud;
        QLineEdit *hacia;
    };
    Salto m_saltos[3];
};

} // namespace fw
