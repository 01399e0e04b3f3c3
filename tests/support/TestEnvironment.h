#pragma once

#include <QString>

namespace testsupport {

// Prepares the embedded engine for a test program (the Firebird root that
// the build makes beside the executable; ctest passes its path in
// VANTREL_FIREBIRD_ROOT). Call from initTestCase(); safe to call twice.
void initFirebird();

// Directory of the Firebird root the tests use, with its trailing '/'.
QString firebirdRoot();

} // namespace testsupport
