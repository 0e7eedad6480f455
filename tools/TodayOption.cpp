#include "TodayOption.h"

#include <chrono>
#include <regex>

namespace kolekt::tool {

std::optional<LocalDate> parseDate(const std::string& text) {
    static const std::regex form(R"((\d{4})-(\d{2})-(\d{2}))");
    std::smatch match;
    if (!std::regex_match(text, match, form)) {
        return std::nullopt;
    }
    const int year = std::stoi(match[1]);
    const int month = std::stoi(match[2]);
    const int day = std::stoi(match[3]);
    const std::chrono::year_month_day date{std::chrono::year{year},
                                           std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return LocalDate{year, month - 1, day};
}

std::optional<std::string> takeToday(const std::vector<std::string>& args, std::size_t& i,
                                     LocalDate& today) {
    if (i + 1 == args.size()) {
        return "--today needs a date";
    }
    const auto date = parseDate(args[++i]);
    if (!date) {
        return "'" + args[i] + "' is not a date of the form YYYY-MM-DD";
    }
    today = *date;
    return std::nullopt;
}

} // namespace kolekt::tool
