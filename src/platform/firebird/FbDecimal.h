#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fb::detail {

// A decimal number as written: sign, digits and a power of ten
// (value = ±digits × 10^exponent). Exact NUMERIC values are computed on these
// digits so that 2.675 rounds the way it reads, not the way its binary double
// approximation (2.67499999...) would.
struct Decimal
{
    bool negative = false;
    std::string digits; // no leading zeros; empty for zero
    int exponent = 0;

    // "12", "-2.675", "2,675", "1e-3", " 7 " ... nullopt when not a number.
    static std::optional<Decimal> parse(std::string_view text);
    // The shortest decimal text that reads back as the same double.
    static Decimal fromDouble(double value);

    // The value times 10^scale rounded half away from zero to an integer;
    // nullopt when it does not fit in 64 bits.
    std::optional<long long> scaled(int scale) const;
};

} // namespace fb::detail
