#include "Documento.h"

namespace rpt {

QString Pagina::textos() const
{
    QStringList lineas;
    for (const Trazo &t : trazos)
        if (t.tipo == TipoElemento::Texto)
            lineas << t.texto;
    return lineas.join(QLatin1Char('\n'));
}

} // namespace rpt
