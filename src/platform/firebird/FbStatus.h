#pragma once

#include "FbError.h"

#include <ibase.h>

namespace fb::detail {

// Throws a failed client call's status vector as an fb::Error: every line of
// the interpreted text, every ISC code in order and the SQL code.
[[noreturn]] void throwStatus(const ISC_STATUS *status);

// Text that comes from the engine (messages, service output): UTF-8 when it
// is valid UTF-8 (file names, system texts), otherwise WIN1252 (the
// connection's character set, in which the engine quotes our values).
QString serverText(const char *text, qsizetype size = -1);

} // namespace fb::detail
