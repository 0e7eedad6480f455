#include "collection/LocalDate.h"

#include "platform/LocalTime.h"

namespace kolekt {

LocalDate LocalDate::today() {
    const std::tm local = platform::localTime(std::time(nullptr));
    return LocalDate{local.tm_year + 1900, local.tm_mon, local.tm_mday};
}

} // namespace kolekt
