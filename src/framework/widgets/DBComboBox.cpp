#include "DBComboBox.h"

#include "framework/TiposIva.h"
#include "framework/widgets/EnlaceCampo.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/dataset/Field.h"

namespace fw {

DBComboBox::DBComboBox(ds::RecordSet &datos, const QString &columna, std::vector<Opcion> opciones, QWidget *parent)
    : QComboBox(parent), m_enlace(new fw::EnlaceCampo(this, datos, columna)), m_opciones(std::move(opciones))
{
    for (const Opcion &opcion : m_opciones)
        addItem(opcion.texto);
    connect(this, &QComboBox::activated, this, &DBComboBox::elegir);
    m_enlace->alMostrar([this] { mostrar(); });
}

std::vector<DBComboBox::Opcion> DBComboBox::series()
{
    std::vector<Opcion> letras;
    for (char16_t letra = u'A'; letra <= u'Z'; ++letra)
        letras.push_back({QString(QChar(letra)), QString(QChar(letra))});
    return letras;
}

std::vector<DBComboBox::Opcion> DBComboBox::tiposIva()
{
    std::vector<Opcion> tipos;
    for (const TipoIva &tipo : fw::tiposIva())
        tipos.push_back({QStringLiteral("%1,00").arg(tipo.iva), double(tipo.iva)});
    return tipos;
}

void DBComboBox::mostrar()
{
    const QVariant valor = m_enlace->valor();
    const ds::Field *campo = m_enlace->campo();
    int entrada = -1;
    for (int i = 0; campo && !valor.isNull() && i < int(m_opciones.size()); ++i) {
        try {
            if (campo->convert(m_opciones[size_t(i)].valor) == valor) {
                entrada = i;
                break;
            }
        } catch (const ds::DatasetError &) {
            // An entry the column cannot hold matches no value.
        }
    }
    m_mostrando = true;
    setCurrentIndex(entrada);
    m_mostrando = false;
}

void DBComboBox::elegir(int entrada)
{
    if (m_mostrando || entrada < 0)
        return;
    // Outside edit and insert the list goes back to the stored value.
    if (!m_enlace->editable() || !m_enlace->escribir(m_opciones[size_t(entrada)].valor))
        mostrar();
}

} // namespace fw
