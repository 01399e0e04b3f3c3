#pragma once

#include <QString>

// Prints "BENCH delivery_note_50 ours=… bare=… ratio=…" for a company database
// created at `path`.
void benchAlbaran50(const QString &path);
