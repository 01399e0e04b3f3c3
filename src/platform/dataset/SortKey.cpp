#include "SortKey.h"

#include <QDate>
#include <QDateTime>
#include <array>

namespace ds {
namespace {

// Upper-case base letter of each Latin-1 character; 0 keeps the character.
const std::array<char16_t, 256> &foldTable()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int c = 0; c < 256; ++c)
            t[c] = char16_t(c);
        for (int c = 'a'; c <= 'z'; ++c)
            t[c] = char16_t(c - 32);
        const char16_t *groups[] = {u"AÀÁÂÃÄÅàáâãäå", u"CÇç", u"EÈÉÊËèéêë", u"IÌÍÎÏìíîï",
                                    u"OÒÓÔÕÖòóôõö", u"UÙÚÛÜùúûü", u"YÝýÿ"};
        for (const char16_t *g : groups)
            for (const char16_t *p = g + 1; *p; ++p)
                t[*p] = g[0];
        return t;
    }();
    return table;
}

} // namespace

QString SortKey::foldText(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    QString out;
    out.reserve(end + 2);
    const auto &table = foldTable();
    for (qsizetype i = 0; i < end; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'ñ' || c == u'Ñ') {
            out += u'N';
            out += QChar(0x7F); // after every other "N…" and before "O"
        } else if (c < 256) {
            out += QChar(table[c]);
        } else {
            out += QChar(c).toUpper();
        }
    }
    return out;
}

SortKey SortKey::of(const QVariant &value)
{
    SortKey key;
    if (!value.isValid() || value.isNull())
        return key;
    key.null = false;
    switch (value.typeId()) {
    case QMetaType::QString:
        key.text = foldText(value.toString());
        if (key.text.isNull())
            key.text = QLatin1String("");
        break;
    case QMetaType::QDate:
        key.number = double(value.toDate().toJulianDay());
        break;
    case QMetaType::QDateTime:
        key.number = double(value.toDateTime().toMSecsSinceEpoch());
        break;
    default:
        key.number = value.toDouble();
    }
    return key;
}

} // namespace ds
