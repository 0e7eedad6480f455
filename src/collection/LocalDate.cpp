#include "collection/LocalDate.h"

#include <ctime>

namespace kolekt {

LocalDate LocalDate::today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return LocalDate{local.tm_year + 1900, local.tm_mon, local.tm_mday};
}

} // namespace kolekt
