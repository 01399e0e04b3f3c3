#include "DBRadioGroup.h"

#include "EnlaceCampo.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace fw {

DBRadioGroup::DBRadioGroup(const QString &titulo, ds::RecordSet &datos, const QString &columna,
                           std::vector<Opcion> opciones, QWidget *parent)
    : QGroupBox(titulo, parent), m_enlace(new EnlaceCampo(this, datos, columna)), m_opciones(std::move(opciones)),
      m_grupo(new QButtonGroup(this))
{
    auto *layout = new QVBoxLayout(this);
    for (int i = 0; i < int(m_opciones.size()); ++i) {
        auto *boton = new QRadioButton(m_opciones[size_t(i)].texto, this);
        m_grupo->addButton(boton, i);
        layout->addWidget(boton);
    }
    connect(m_grupo, &QButtonGroup::idClicked, this, [this](int opcion) {
        m_enlace->escribir(m_opciones[size_t(opcion)].valor);
    });
    m_enlace->alMostrar([this] { mostrar(); });
}

QRadioButton *DBRadioGroup::boton(int opcion) const { return qobject_cast<QRadioButton *>(m_grupo->button(opcion)); }

void DBRadioGroup::mostrar()
{
    setEnabled(m_enlace->editable());
    const QVariant valor = m_enlace->valor();
    // An exclusive group cannot show every choice clear.
    m_grupo->setExclusive(false);
    for (int i = 0; i < int(m_opciones.size()); ++i)
        boton(i)->setChecked(!valor.isNull() && valor.toString() == m_opciones[size_t(i)].valor.toString());
    m_grupo->setExclusive(true);
}

} // namespace fw
