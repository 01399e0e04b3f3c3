#include "Win1252.h"

#include <array>

namespace fb {

namespace {

// Unicode of the bytes 0x80-0x9F. The five codes that 1252 leaves undefined
// keep their own value (U+0081 ...) so that any byte read survives a round
// trip unchanged, as the Windows conversion does.
constexpr std::array<char16_t, 32> HighCodes = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::array<char16_t, 256> makeToUnicode()
{
    std::array<char16_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = (byte >= 0x80 && byte < 0xA0) ? HighCodes[byte - 0x80] : char16_t(byte);
    return table;
}

// Highest code point with a 1252 byte (U+2122, the trade mark sign).
constexpr char16_t HighestMapped = 0x2122;
constexpr unsigned char Unmapped = 0; // NUL never needs a reverse look-up

constexpr std::array<unsigned char, HighestMapped + 1> makeFromUnicode()
{
    const std::array<char16_t, 256> toUnicode = makeToUnicode();
    std::array<unsigned char, HighestMapped + 1> table{};
    for (int byte = 1; byte < 256; ++byte)
        table[toUnicode[byte]] = static_cast<unsigned char>(byte);
    return table;
}

constexpr std::array<char16_t, 256> ToUnicode = makeToUnicode();
constexpr std::array<unsigned char, HighestMapped + 1> FromUnicode = makeFromUnicode();

// The 1252 byte of one UTF-16 code unit, or 0 when it has none.
inline unsigned char byteOf(char16_t unit)
{
    if (unit < 0x80)
        return static_cast<unsigned char>(unit);
    return unit <= HighestMapped ? FromUnicode[unit] : Unmapped;
}

} // namespace

QByteArray toWin1252(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    const char16_t *in = reinterpret_cast<const char16_t *>(text.utf16());
    const char16_t *end = in + text.size();
    while (in < end) {
        const char16_t unit = *in++;
        const unsigned char byte = byteOf(unit);
        if (unit == 0 || byte != Unmapped) {
            *out++ = static_cast<char>(byte);
            continue;
        }
        *out++ = '?';
        // A character outside the BMP is one '?', not one per surrogate.
        if (QChar::isHighSurrogate(unit) && in < end && QChar::isLowSurrogate(*in))
            ++in;
    }
    bytes.truncate(out - bytes.data());
    return bytes;
}

QString fromWin1252(const char *data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    const unsigned char *in = reinterpret_cast<const unsigned char *>(data);
    for (qsizetype i = 0; i < size; ++i)
        out[i] = QChar(ToUnicode[in[i]]);
    return text;
}

bool representableInWin1252(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() != 0 && byteOf(c.unicode()) == Unmapped)
            return false;
    }
    return true;
}

} // namespace fb
