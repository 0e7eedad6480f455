#pragma once

namespace kolekt {

// A calendar date as the store needs it; passed in so tests run on fixed dates.
struct LocalDate {
    int year = 2000;
    int month = 0; // 0 = January
    int day = 1;

    static LocalDate today();
};

// The calendar year of the collection month 0..11 on date today: this year's month when it
// is not after today's, else last year's (December collected in January).
constexpr int yearOfMonth(int month, const LocalDate& today) {
    return month <= today.month ? today.year : today.year - 1;
}

} // namespace kolekt
