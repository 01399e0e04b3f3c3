#pragma once

#include <QByteArray>
#include <QString>

namespace fb {

// Conversion between Unicode and Windows code page 1252, the character set
// every connection uses. 0x80-0x9F are the real 1252 characters (€, ‚, Œ, ™ ...),
// not Latin-1 control codes. Characters without a 1252 code become '?'.
QByteArray toWin1252(const QString &text);
QString fromWin1252(const char *data, qsizetype size);
inline QString fromWin1252(const QByteArray &bytes) { return fromWin1252(bytes.constData(), bytes.size()); }

// True when every character of the text has a code in 1252.
bool representableInWin1252(const QString &text);

} // namespace fb
