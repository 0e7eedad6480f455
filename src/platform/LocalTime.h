#pragma once

#include <ctime>

namespace kolekt::platform {

// The calendar fields of moment in the local time zone; all zero when the system cannot say.
std::tm localTime(std::time_t moment);

} // namespace kolekt::platform
