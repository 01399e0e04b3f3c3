#include "DBCheckBox.h"

#include "EnlaceCampo.h"

namespace fw {

DBCheckBox::DBCheckBox(const QString &texto, ds::RecordSet &datos, const QString &columna, QWidget *parent,
                       QString marcado, QString desmarcado)
    : QCheckBox(texto, parent), m_enlace(new EnlaceCampo(this, datos, columna)), m_marcado(std::move(marcado)),
      m_desmarcado(std::move(desmarcado))
{
    connect(this, &QCheckBox::clicked, this, [this](bool marcada) {
        m_enlace->escribir(marcada ? m_marcado : m_desmarcado);
    });
    m_enlace->alMostrar([this] { mostrar(); });
}

void DBCheckBox::mostrar()
{
    setEnabled(m_enlace->editable());
    setChecked(m_enlace->valor().toString().trimmed() == m_marcado);
}

} // namespace fw
