#include "platform/LocalTime.h"

namespace kolekt::platform {

std::tm localTime(std::time_t moment) {
    std::tm local{};
    if (localtime_s(&local, &moment) != 0) {
        return std::tm{};
    }
    return local;
}

} // namespace kolekt::platform
