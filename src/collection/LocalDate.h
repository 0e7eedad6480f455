#pragma once

namespace kolekt {

// A calendar date as the store needs it; passed in so tests run on fixed dates.
struct LocalDate {
    int year = 2000;
    int month = 0; // 0 = January
    int day = 1;

    static LocalDate today();
};

} // namespace kolekt
