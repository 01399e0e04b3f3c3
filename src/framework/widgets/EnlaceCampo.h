#pragma once

#include <QObject>
#include <QPointer>
#include <QVariant>
#include <functional>

class QWidget;

namespace ds {
class Field;
class RecordSet;
}

namespace fw {

// Ties a control to one column of a record set. The link repaints the
// control whenever the current row, its values or the record set's state
// change, and writes what the user typed back into the field, turning a
// refusal into what the user sees (see intentar). The control supplies how it
// shows a value and how it hands over pending typing; the link belongs to the
// control and ends with it.
//
// Record windows find every link among their children: to hand over typing
// that has not left its box yet before posting, and to know whether the user
// changed anything.
class EnlaceCampo final : public QObject
{
    Q_OBJECT
public:
    EnlaceCampo(QWidget *control, ds::RecordSet &datos, QString columna);

    void alMostrar(std::function<void()> mostrar);
    void alGuardar(std::function<bool()> guardar);

    ds::RecordSet &datos() const;
    const QString &columna() const { return m_columna; }
    // The field, or null while the record set does not know the column.
    ds::Field *campo() const;
    // Value of the active row; null when there is none.
    QVariant valor() const;
    // The value as a box shows it: with the field's mask, without the
    // trailing blanks of a fixed-length text; empty when there is no row.
    QString texto() const;
    // True while the record set is in edit or insert: only then do boxes accept typing.
    bool editable() const;

    // Writes a value given by the user. False when it was refused (the user
    // has been told); the field then keeps its former value.
    bool escribir(const QVariant &valor);
    // Hands over what the user typed and the control still holds; false
    // when it was refused.
    bool guardar();
    void mostrar();

signals:
    // The user wrote a value into the field.
    void escrito();

private:
    QPointer<ds::RecordSet> m_datos;
    QString m_columna;
    std::function<void()> m_mostrar;
    std::function<bool()> m_guardar;
};

} // namespace fw
