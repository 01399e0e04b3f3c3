#pragma once

#include <QComboBox>
#include <QVariant>
#include <vector>

namespace ds {
class RecordSet;
}

namespace fw {
class EnlaceCampo;
}

namespace fw {

// Drop-down list bound to a column: each entry writes its value (the series
// "A" .. "Z", the VAT rates "16,00" .. "0,00"); a value that matches no entry
// shows the list empty. A choice made while the record set is not in edit or
// insert is not written: the list shows the stored value again. Whether the
// list is enabled is the window's matter (the series only for a new document).
class DBComboBox final : public QComboBox
{
    Q_OBJECT
public:
    struct Opcion
    {
        QString texto;
        QVariant valor;
    };

    DBComboBox(ds::RecordSet &datos, const QString &columna, std::vector<Opcion> opciones,
               QWidget *parent = nullptr);

    fw::EnlaceCampo &enlace() const { return *m_enlace; }

    // The series letters "A" .. "Z", each its own value.
    static std::vector<Opcion> series();
    // The four VAT rates a line can take, shown with two decimals.
    static std::vector<Opcion> tiposIva();

private:
    void mostrar();
    void elegir(int entrada);

    fw::EnlaceCampo *m_enlace;
    std::vector<Opcion> m_opciones;
    bool m_mostrando = false;
};

} // namespace fw
