#pragma once

#include <QGroupBox>
#include <QVariant>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace ds {
class RecordSet;
}

namespace fw {

class EnlaceCampo;

// Group of radio buttons bound to a column: each choice writes its value
// ("GENERAL" 1, "EXENTO" 0); a value that matches no choice leaves them all
// clear. The choices can only be changed while the record set is in edit or
// insert.
class DBRadioGroup final : public QGroupBox
{
    Q_OBJECT
public:
    struct Opcion
    {
        QString texto;
        QVariant valor;
    };

    DBRadioGroup(const QString &titulo, ds::RecordSet &datos, const QString &columna, std::vector<Opcion> opciones,
                 QWidget *parent = nullptr);

    EnlaceCampo &enlace() const { return *m_enlace; }
    QRadioButton *boton(int opcion) const;

private:
    void mostrar();

    EnlaceCampo *m_enlace;
    std::vector<Opcion> m_opciones;
    QButtonGroup *m_grupo;
};

} // namespace fw
