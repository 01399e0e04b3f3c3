#pragma once

#include <functional>

namespace fw {

// Runs a user command and turns whatever it throws into what the user sees:
// a rule's refusal (ds::SilentAbort) has already spoken and shows nothing
// more; errors of the record-set layer and of the database go to the standard
// error box with their own text. Returns true when the command ran to the end.
bool intentar(const std::function<void()> &orden);

} // namespace fw
