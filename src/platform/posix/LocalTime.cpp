#include "platform/LocalTime.h"

namespace kolekt::platform {

std::tm localTime(std::time_t moment) {
    std::tm local{};
    if (localtime_r(&moment, &local) == nullptr) {
        return std::tm{};
    }
    return local;
}

} // namespace kolekt::platform
