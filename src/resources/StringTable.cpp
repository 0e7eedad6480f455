#include "resources/StringTable.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kolekt {
namespace {

struct Entry {
    int id;
    std::string_view text;
};

// Sorted by id, so a lookup is a binary search.
constexpr std::array kEntries{
    Entry{101, "&About Kolekt..."},
    Entry{102, "January"},
    Entry{103, "February"},
    Entry{104, "March"},
    Entry{105, "April"},
    Entry{106, "May"},
    Entry{107, "June"},
    Entry{108, "July"},
    Entry{109, "August"},
    Entry{110, "September"},
    Entry{111, "October"},
    Entry{112, "November"},
    Entry{113, "December"},
    Entry{114, "Change &Month ( late report )"},
    Entry{1000, "Post - %1"},
    Entry{1001, "Missing %1 Reports"},
    Entry{1002, "Select Collection File from Secretary"},
    Entry{1003, "Collection Files from Secretary (.k09)"},
    Entry{1014, "Hours"},
    Entry{1019, "Remarks"},
    Entry{1020, "AuxP"},
    Entry{1023, "Ministerial Servant"},
    Entry{1024, "Elder"},
    Entry{1025, "Baptized Brother"},
    Entry{1026, "Auxiliary Pioneer"},
    Entry{1027, "Regular Pioneer"},
    Entry{1029, "Special Pioneer"},
    Entry{1030, "- WARNING -   You have already posted the %1 report for %2."},
    Entry{1031, "Changes WILL NOT BE INCLUDED in the %1 report to the branch office."},
    Entry{1032, "Any changes WILL BE INCLUDED in the %1 report to the branch office."},
    Entry{1033, "Out of Space for Remarks"},
    Entry{1038, "Your updates have been saved in a file at\n%1"},
    Entry{1039, "\n\nClick Yes to E-mail the .k19 file to "},
    Entry{1040, "Click No to send the file to the secretary later."},
    Entry{1041, ",\n       or\n"},
    Entry{1042, "Collection File"},
    Entry{1043, ".k19 file for"},
    Entry{1058, "Group"},
    Entry{1059,
          "Tips for using Kolekt   Important!  Your secretary must be running Scriba version "
          "10 or later.\n\nFrom your secretary, obtain a Group.k09 file for the month you are "
          "collecting.  "},
    Entry{1060,
          "Drop the file on your Kolekt icon or launch Kolekt and use the 'Load New List from "
          "Secretary' button to open the file.\n\n"},
    Entry{1061,
          "You'll find it easy to enter reports using only the keyboard.  Type the first two or "
          "three characters of the last name.  Use the up/down arrows to select the name and "
          "press Enter.\n\n"},
    Entry{1062,
          "Enter the report terminating each entry with the Enter key.  Press Enter after the "
          "last field to return to the selection list.\n\n"},
    Entry{1063,
          "To enter remarks, type Alt-R or click the Remarks button.  Terminate with the Enter "
          "key.\n\nTo enter a late report, type Alt-M or click the Change Month button.\n\n"},
    Entry{1064, "If you have a suitable MAPI email client, you can send report reminders to "
                "publishers.\n\n"},
    Entry{1065, "If you have a suitable MAPI email client you can also email the results to the "
                "secretary directly from the program.\n\n"},
    Entry{1066,
          "Otherwise, you will need to manually attach the .k19 file to an email or deliver it "
          "to the secretary on portable media."},
    Entry{1116, "Total Publishers"},
    Entry{1167, "Name"},
    Entry{1168, "Telephone"},
    Entry{1188, "%1 Report Collection"},
    Entry{1194, "Special Pioneers are NOT INCLUDED in Report to Branch"},
    Entry{1198, "eng"},
    Entry{1231,
          "Unable to create new file: %1.\nRemove the read-only attribute from the directory / "
          "file or obtain permission to create files in this directory."},
    Entry{1232, "Group has less than 3 publishers"},
    Entry{1233,
          "%1 is not a collection file from the secretary.\nIt was not opened, and Kolekt will "
          "not write to it."},
    Entry{1247, "Report Collection Form"},
    Entry{1415, "Plcmts"},
    Entry{1416, "Videos"},
    Entry{1417, "Hours"},
    Entry{1418, "R.Visits"},
    Entry{1419, "Studies"},
    Entry{1422, "Please submit your report for %1. \nThank you."},
    Entry{1495, "Shared in any form of the ministry during the month"},
    Entry{1500, "Shared"},
    Entry{61712, "Please enter an integer."},
    Entry{61714, "Please enter an integer between %1 and %2."},
    Entry{61840, "Unable to load mail system support."},
    Entry{61841, "Mail system DLL is invalid."},
    Entry{61842, "Send Mail failed to send message."},
};

static_assert(std::is_sorted(kEntries.begin(), kEntries.end(),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }));

std::string_view find(int id) {
    const auto it = std::lower_bound(kEntries.begin(), kEntries.end(), id,
                                     [](const Entry& e, int wanted) { return e.id < wanted; });
    return it != kEntries.end() && it->id == id ? it->text : std::string_view{};
}

} // namespace

std::string loadText(int textId, int argId) {
    if (argId == 0) {
        return std::string(find(textId));
    }
    return fillArguments(find(textId), {find(argId)});
}

std::string fillArguments(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string result;
    result.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            const int index = pattern[i + 1] - '1';
            if (index >= 0 && index < static_cast<int>(args.size())) {
                result += *(args.begin() + index);
                ++i;
                continue;
            }
        }
        result += pattern[i];
    }
    return result;
}

} // namespace kolekt
