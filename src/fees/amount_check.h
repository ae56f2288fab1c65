#pragma once
// The check by which the fee pages accept the subject amount. A bad amount is
// never reported there: the field is emptied, and that change reruns the page
// with the empty text, which empties the echo and leaves the results alone.

#include <optional>

#include "app/shell.h"

namespace lumtar {

// Reads the amount field after the page has put the caret there. Empty text
// empties the echo; text that is not a number above zero empties the field.
// Otherwise the echo shows the amount in Chinese numerals and the amount is
// returned.
std::optional<double> CheckSubjectAmount(const Shell& shell);

}  // namespace lumtar
