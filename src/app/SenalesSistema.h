#pragma once

namespace app {

// Ends the program in an orderly way when the system asks it to (SIGTERM at
// logout or shutdown, SIGINT, SIGHUP): the event loop is left, so the windows
// close and the connections are closed last.
//
// The embedded database engine runs threads of its own and sets handlers for
// these signals that shut its attachments down and leave the process
// running; a signal that interrupts one of its threads can also leave it
// spinning when the database is detached. So the signals are blocked in
// every thread from the first line of main() (threads inherit the mask) and
// read on the user-interface thread through a descriptor instead.

// First thing in main(), before any thread exists.
void bloquearSenalesDeTerminar();
// Once the application object exists: leaves the event loop on those signals.
void terminarConSenalesDelSistema();

} // namespace app
