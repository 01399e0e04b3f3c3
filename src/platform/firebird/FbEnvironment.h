#pragma once

#include <QString>

namespace fb {

// The lock directory every copy of the program uses unless the environment
// variable VANTREL_FIREBIRD_LOCK names another one.
QString defaultLockDirectory();

// Prepares the process for the embedded engine. Must run before the first
// client call of the process (libfbclient reads FIREBIRD / FIREBIRD_LOCK once).
//
// firebirdRoot: the program's own Firebird root (firebird.conf with
//   ServerMode = SuperClassic, plugins, firebird.msg, intl/ with real copies);
//   normally the program directory + "firebird/".
// lockDir: the lock directory shared by every process that opens the same
//   databases; created (group- and world-writable, sticky) when missing.
//
// Throws fb::Error with a Spanish text when the root is incomplete or the
// lock directory cannot be created or written.
void initEmbedded(const QString &firebirdRoot, const QString &lockDir = defaultLockDirectory());

// True once initEmbedded succeeded in this process.
bool embeddedInitialised();

} // namespace fb
