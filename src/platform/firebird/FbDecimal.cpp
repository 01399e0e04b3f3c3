#include "FbDecimal.h"

#include <cctype>
#include <charconv>
#include <limits>

namespace fb::detail {

namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads an optional "e[+-]digits" ending; false when something else follows.
bool parseExponent(std::string_view rest, int &exponent)
{
    if (rest.empty())
        return true;
    if (rest.front() != 'e' && rest.front() != 'E')
        return false;
    rest.remove_prefix(1);
    if (!rest.empty() && rest.front() == '+')
        rest.remove_prefix(1);
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), exponent);
    return error == std::errc() && end == rest.data() + rest.size();
}

void dropLeadingZeros(Decimal &decimal)
{
    const std::size_t first = decimal.digits.find_first_not_of('0');
    decimal.digits.erase(0, first == std::string::npos ? decimal.digits.size() : first);
}

} // namespace

std::optional<Decimal> Decimal::parse(std::string_view text)
{
    text = trimmed(text);
    Decimal decimal;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        decimal.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool seenMark = false;
    bool seenDigit = false;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            decimal.digits += c;
            seenDigit = true;
            if (seenMark)
                --decimal.exponent;
        } else if ((c == '.' || c == ',') && !seenMark) {
            seenMark = true;
        } else {
            break;
        }
    }
    int exponent = 0;
    if (!seenDigit || !parseExponent(text.substr(i), exponent))
        return std::nullopt;
    decimal.exponent += exponent;
    dropLeadingZeros(decimal);
    return decimal;
}

Decimal Decimal::fromDouble(double value)
{
    // Scientific notation without a precision gives the shortest text that
    // reads back as the same double ("2.675e+00"), which parse() understands.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    return *parse(std::string_view(buffer, result.ptr - buffer));
}

std::optional<long long> Decimal::scaled(int scale) const
{
    const long long shift = static_cast<long long>(exponent) + scale;
    const long long kept = static_cast<long long>(digits.size()) + shift;
    if (kept <= 0) {
        // Every digit lies below the last decimal kept; only 0.5 and more
        // (the first digit right at the rounding position) rounds up to one.
        const bool roundsUp = kept == 0 && !digits.empty() && digits.front() >= '5';
        return roundsUp ? (negative ? -1 : 1) : 0;
    }
    if (kept > std::numeric_limits<long long>::digits10 + 1)
        return std::nullopt;

    unsigned long long magnitude = 0;
    for (long long i = 0; i < kept; ++i)
        magnitude = magnitude * 10 + (i < static_cast<long long>(digits.size()) ? digits[i] - '0' : 0);
    if (kept < static_cast<long long>(digits.size()) && digits[kept] >= '5')
        ++magnitude;
    if (magnitude > static_cast<unsigned long long>(std::numeric_limits<long long>::max()))
        return std::nullopt;
    const auto value = static_cast<long long>(magnitude);
    return negative ? -value : value;
}

} // namespace fb::detail

