#include "Definicion.h"

namespace rpt {

QString describir(const DefElemento &e)
{
    const QString origen = e.datos.isEmpty() ? e.columna : e.datos + QLatin1Char('.') + e.columna;
    switch (e.tipo) {
    case TipoElemento::Texto:
        return QStringLiteral("Texto(%1)").arg(e.texto);
    case TipoElemento::Campo:
        return QStringLiteral("Campo(%1)").arg(origen);
    case TipoElemento::Letras:
        // The amount-in-words field is known by this name wherever report
        // definitions are shown, whatever language the rest is in.
        return QStringLiteral("MoneyText(%1)").arg(e.columna);
    case TipoElemento::Total:
        return e.funcion == FuncionTotal::Cuenta ? QStringLiteral("Cuenta()") : QStringLiteral("Suma(%1)").arg(origen);
    case TipoElemento::Imagen:
        return QStringLiteral("Imagen(%1)").arg(origen);
    case TipoElemento::Linea:
        return QStringLiteral("Linea");
    case TipoElemento::Caja:
        return QStringLiteral("Caja");
    }
    return {};
}

} // namespace rpt
