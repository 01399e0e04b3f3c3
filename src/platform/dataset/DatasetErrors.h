#pragma once

#include <QString>
#include <stdexcept>

namespace ds {

// The silent abort: a rule refuses the operation in progress (a value, a post,
// a delete). The rule has already shown whatever it had to say; whoever
// catches this shows nothing more.
class SilentAbort : public std::exception
{
public:
    const char *what() const noexcept override { return "silent abort"; }
};

// An error raised by the record-set layer itself (a required field left
// empty, a typed text that is not a number, a read-only field...). Its text is
// shown in the standard error box.
class DatasetError : public std::runtime_error
{
public:
    explicit DatasetError(const QString &text)
        : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

// The layer's own messages, with "%s" filled in.
namespace messages {
QString required(const QString &field);                          // "El campo '%s' debe tener un valor"
QString notInteger(const QString &text, const QString &field);   // "'%s' no es un valor entero valido para el campo '%s'"
QString notDecimal(const QString &text, const QString &field);   // "'%s' no es un valor decimal valido para el campo '%s'"
QString outOfRange(const QString &field);                        // "El valor del campo '%s' esta fuera de rango"
QString readOnly(const QString &field);                          // "El campo '%s' no puede ser modificado"
}

} // namespace ds
