#include "EnlaceCampo.h"

#include "Intentar.h"
#include "platform/dataset/RecordSet.h"

#include <QWidget>

namespace fw {

EnlaceCampo::EnlaceCampo(QWidget *control, ds::RecordSet &datos, QString columna)
    : QObject(control), m_datos(&datos), m_columna(std::move(columna))
{
    connect(&datos, &ds::RecordSet::rowsReset, this, &EnlaceCampo::mostrar);
    connect(&datos, &ds::RecordSet::currentChanged, this, &EnlaceCampo::mostrar);
    connect(&datos, &ds::RecordSet::stateChanged, this, &EnlaceCampo::mostrar);
    connect(&datos, &ds::RecordSet::rowChanged, this, [this](int fila) {
        if (m_datos && fila == m_datos->currentRow())
            mostrar();
    });
}

void EnlaceCampo::alMostrar(std::function<void()> mostrar)
{
    m_mostrar = std::move(mostrar);
    this->mostrar();
}

void EnlaceCampo::alGuardar(std::function<bool()> guardar) { m_guardar = std::move(guardar); }

ds::RecordSet &EnlaceCampo::datos() const { return *m_datos; }

ds::Field *EnlaceCampo::campo() const { return m_datos ? m_datos->findField(m_columna) : nullptr; }

QVariant EnlaceCampo::valor() const
{
    const ds::Field *f = campo();
    if (!f || !m_datos->isOpen() || (m_datos->currentRow() < 0 && !m_datos->isEditing()))
        return {};
    return f->value();
}

QString EnlaceCampo::texto() const
{
    if (valor().isNull())
        return {};
    QString texto = campo()->displayText();
    while (texto.endsWith(u' '))
        texto.chop(1);
    return texto;
}

bool EnlaceCampo::editable() const { return m_datos && m_datos->isEditing(); }

bool EnlaceCampo::escribir(const QVariant &valor)
{
    ds::Field *f = campo();
    if (!f)
        return false;
    const bool hecho = intentar([&] { f->setValue(valor); });
    if (hecho)
        emit escrito();
    else
        mostrar(); // the field kept its former value: show that one
    return hecho;
}

bool EnlaceCampo::guardar() { return !m_guardar || m_guardar(); }

void EnlaceCampo::mostrar()
{
    if (m_mostrar)
        m_mostrar();
}

} // namespace fw
