#pragma once

#include <string>

namespace quil::rt {

// A number as text the way the forms' language writes it: a leading blank
// stands where a minus sign would.
inline std::string Str(long long n) { return (n < 0 ? "" : " ") + std::to_string(n); }

}  // namespace quil::rt
