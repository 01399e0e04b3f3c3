#pragma once

#include <QLineEdit>

namespace ds {
class RecordSet;
}

namespace fw {

class EnlaceCampo;

// Single-line box bound to a column. It accepts typing only while the record
// set is in edit or insert (typing never starts an edit by itself) and hands
// the text to the field when the user leaves the box or presses Enter, or
// when the window posts. An empty box writes a null value.
class DBEdit final : public QLineEdit
{
    Q_OBJECT
public:
    DBEdit(ds::RecordSet &datos, const QString &columna, QWidget *parent = nullptr);

    EnlaceCampo &enlace() const { return *m_enlace; }

private:
    void mostrar();
    bool guardar();

    EnlaceCampo *m_enlace;
};

} // namespace fw
