#pragma once

#include "platform/firebird/FbTypes.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <functional>

namespace ds {

class RecordSet;

enum class FieldKind { Data, Calculated, Lookup };

// One field of a record set: a column of its command text, a calculated value
// filled by the calculation handler, or a look-up value (a name shown beside a
// code). A field reads and writes the active row of its record set: the row
// being edited or inserted, the row being calculated, or the current row.
class Field
{
public:
    Field(RecordSet &owner, QString name, FieldKind kind);

    const QString &name() const { return m_name; }   // column name, e.g. "CODIGO"
    QString fieldName() const;                       // record set + column, e.g. "FamiliasCODIGO"
    FieldKind kind() const { return m_kind; }
    RecordSet &recordSet() const { return m_owner; }
    bool isBound() const { return m_index >= 0 || m_kind == FieldKind::Lookup; }

    // Type and size of the column (or of the calculated value).
    fb::SqlType type = fb::SqlType::Unknown;
    int size = 0;   // characters of a text column
    int scale = 0;  // decimals of a NUMERIC column
    int precision = 15;

    // Presentation and rules.
    QString displayLabel;  // name shown in messages and grid headers; the column name when empty
    QString displayFormat; // '#,##0.00', '000000000' or empty
    bool required = false; // NOT NULL: posting the row with it empty is refused
    bool readOnly = false; // assignments are refused with the layer's message
    bool visible = true;
    int displayWidth = 0;  // characters; 0 = from the size

    // Look-up: shows lookupResultField of the row of lookupDataSet whose
    // lookupKeyField equals this record set's keyField.
    QString keyField;
    RecordSet *lookupDataSet = nullptr;
    QString lookupKeyField = QStringLiteral("CODIGO");
    QString lookupResultField;

    // Validate: called after the new value is in the active row and before the
    // assignment completes; throw SilentAbort (or any error) to refuse it, and
    // the field gets its previous value back.
    std::function<void(Field &)> onValidate;
    // Change: called once the assignment is complete.
    std::function<void(Field &)> onChange;

    QString label() const { return displayLabel.isEmpty() ? m_name : displayLabel; }

    QVariant value() const;
    bool isNull() const;
    QString asString() const;   // null gives ""
    int asInteger() const;      // null gives 0
    double asFloat() const;     // null gives 0
    QDate asDate() const;
    QString displayText() const; // formatted with displayFormat
    QString displayText(const QVariant &value) const; // any value of this field, formatted

    // Assigns a value (converted to the field's type). Throws DatasetError for
    // a value that cannot be converted or is out of range, or when the field
    // is read-only; SilentAbort when the validate handler refuses it.
    void setValue(const QVariant &value);
    // Assigns a text typed by the user ("2,675", "abc"...), converted with the
    // layer's messages ("'abc' no es un valor entero valido para el campo ...").
    void setText(const QString &text);
    void clear() { setValue(QVariant()); }

    // Value the current row had when it was read from the database (or the
    // current value for a row inserted since).
    QVariant oldValue() const;

    // Converts any value to this field's type; throws DatasetError.
    QVariant convert(const QVariant &value) const;

private:
    friend class RecordSet;
    friend class RowView;
    RecordSet &m_owner;
    QString m_name;
    FieldKind m_kind;
    int m_index = -1; // position in a row's values; -1 for look-ups and unbound fields
};

// Text helpers shared by fields, grids and reports.
namespace format {
// Applies a numeric mask such as '#,##0.00' or '000000000' with Spanish
// separators ('.' thousands, ',' decimals).
QString number(double value, const QString &mask);
// Reads a decimal typed the Spanish way ("1.234,56", "2,675") or with a dot
// ("2.675"). False when the text is not a number.
bool parseDecimal(const QString &text, double &value);
// Reads a date typed as day/month/year (also "-" or "." separators, two- or
// four-digit years) or as ISO yyyy-mm-dd.
QDate parseDate(const QString &text);
}

} // namespace ds
