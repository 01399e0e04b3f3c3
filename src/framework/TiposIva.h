#pragma once

#include <array>

namespace fw {

// The four VAT rates of the program, each with the equivalence-surcharge (RE)
// rate that goes with it, in the order of the documents' VAT slots: 16 % is
// slot 1, 7 % slot 2, 4 % slot 3 and 0 % slot 4. Articles and document lines
// take their RE rate from here; documents add their lines to the slots.
struct TipoIva
{
    int iva;
    double recargo;
};
const std::array<TipoIva, 4> &tiposIva();

// The slot (1..4) of a VAT rate taken as a whole number (rounded); 0 for a
// rate of no slot, such as 21.
int huecoIva(double iva);

// The RE rate that goes with a VAT rate of the table; `actual` for any other
// rate, which leaves the RE rate as it was.
double recargoDeIva(double iva, double actual);

} // namespace fw
