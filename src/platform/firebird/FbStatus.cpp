#include "FbStatus.h"

#include "Win1252.h"

#include <QStringDecoder>
#include <QStringList>

namespace fb::detail {

namespace {

std::vector<long> codesOf(const ISC_STATUS *status)
{
    std::vector<long> codes;
    for (const ISC_STATUS *item = status; *item != isc_arg_end;) {
        const ISC_STATUS kind = item[0];
        if (kind == isc_arg_gds)
            codes.push_back(static_cast<long>(item[1]));
        // isc_arg_cstring carries a length and a pointer, every other kind one value.
        item += (kind == isc_arg_cstring) ? 3 : 2;
    }
    return codes;
}

QString interpretedText(const ISC_STATUS *status)
{
    QStringList lines;
    char buffer[1024];
    const ISC_STATUS *cursor = status;
    while (fb_interpret(buffer, sizeof buffer, &cursor) > 0)
        lines << serverText(buffer);
    return lines.join(u'\n');
}

} // namespace

QString serverText(const char *text, qsizetype size)
{
    const QByteArray bytes = size < 0 ? QByteArray(text) : QByteArray(text, size);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8.decode(bytes);
    return utf8.hasError() ? fromWin1252(bytes) : decoded;
}

void throwStatus(const ISC_STATUS *status)
{
    throw Error(interpretedText(status), codesOf(status), static_cast<int>(isc_sqlcode(status)));
}

} // namespace fb::detail
