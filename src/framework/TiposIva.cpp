#include "TiposIva.h"

#include <cmath>

namespace fw {

const std::array<TipoIva, 4> &tiposIva()
{
    static const std::array<TipoIva, 4> tipos{{{16, 4.0}, {7, 1.0}, {4, 0.5}, {0, 0.0}}};
    return tipos;
}

int huecoIva(double iva)
{
    const long entero = std::lround(iva);
    for (int n = 0; n < 4; ++n)
        if (tiposIva()[size_t(n)].iva == entero)
            return n + 1;
    return 0;
}

double recargoDeIva(double iva, double actual)
{
    const int n = huecoIva(iva);
    return n ? tiposIva()[size_t(n - 1)].recargo : actual;
}

} // namespace fw
