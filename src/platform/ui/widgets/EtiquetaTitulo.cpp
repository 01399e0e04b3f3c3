#include "EtiquetaTitulo.h"

#include <QLabel>

namespace ui {

QLabel *nuevaEtiquetaTitulo(const char *nombre, const QString &texto, int puntos, QWidget *parent)
{
    auto *label = new QLabel(texto, parent);
    label->setObjectName(QLatin1String(nombre));
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(puntos);
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace ui
