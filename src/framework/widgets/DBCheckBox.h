#pragma once

#include <QCheckBox>

namespace ds {
class RecordSet;
}

namespace fw {

class EnlaceCampo;

// Check box bound to a one-letter column: ticked writes `marcado`, clear
// writes `desmarcado` ("S"/"N" unless told otherwise). It can only be changed
// while the record set is in edit or insert.
class DBCheckBox final : public QCheckBox
{
    Q_OBJECT
public:
    DBCheckBox(const QString &texto, ds::RecordSet &datos, const QString &columna, QWidget *parent = nullptr,
               QString marcado = QStringLiteral("S"), QString desmarcado = QStringLiteral("N"));

    EnlaceCampo &enlace() const { return *m_enlace; }

private:
    void mostrar();

    EnlaceCampo *m_enlace;
    QString m_marcado;
    QString m_desmarcado;
};

} // namespace fw
