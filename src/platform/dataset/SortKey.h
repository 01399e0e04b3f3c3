#pragma once

#include <QString>
#include <QVariant>

namespace ds {

// Key by which a record set orders its rows locally and searches the nearest
// row. Texts compare without case or accents and with "Ñ" after "N" (the way
// Spanish office staff expect a list of names); trailing blanks are ignored.
// Numbers and dates compare by value; empty values come first.
struct SortKey
{
    bool null = true;
    double number = 0;
    QString text;

    static SortKey of(const QVariant &value);
    static QString foldText(const QString &text);

    friend bool operator<(const SortKey &a, const SortKey &b)
    {
        if (a.null != b.null)
            return a.null;
        if (a.text.isNull() && b.text.isNull())
            return a.number < b.number;
        return a.text < b.text;
    }
};

} // namespace ds
