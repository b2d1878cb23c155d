// Pieces of JSON text, independent of any locale.
#pragma once
#include <string>

namespace natalis {

// s as a JSON string literal, quotes included: quote, backslash and control characters
// escaped; other bytes (UTF-8) kept as they are.
std::string JsonString(const std::string& s);

// x with 17 significant digits (enough to read back the same double), shortest form,
// decimal point "."; "null" for a NaN or an infinity, which JSON cannot hold.
std::string JsonNumber(double x);

}  // namespace natalis
