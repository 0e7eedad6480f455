// The rules of report entry that need no window: the warning panel, the added hours of regular
// pioneers and the bit work on a report slot. The entry dialog wires them to its controls; tests
// call them directly.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kolekt::entry {

// What the warning panel is made of. Texts are UTF-8.
struct WarningFacts {
    int collectionMonth = 0;
    int editMonth = 0;
    bool posted = false;      // the edited month's stored report is not missing
    int collectionStatus = 0; // status bits of the collection month's slot
    int editStatus = 0;       // status bits of the edited month's slot
    bool monthListOpen = false;
    bool lateFlag = false; // the edited month's late flag is set
    std::string languageCode;
    std::string publisherName; // first name first
};

struct WarningPanel {
    std::string text;
    bool lateReport = false;
    bool notIncluded = false; // the report will not reach the branch report
};

WarningPanel composeWarnings(const WarningFacts& facts);

// A regular pioneer's added hours for hours h: the working value addedHours, read again from the
// leading number of the remark, capped so that hours plus added hours stay at 55 unless the
// remark says otherwise ('*' at 1..4 keeps up to 40, '!' at 0..5 keeps up to 255). An empty
// remark with added hours gets "N +" and hoursWord, the text "Hours" in the remark's code page.
// Returns the new value, 0..255.
int updateAddedHours(int hours, int addedHours, std::string& remark, std::string_view hoursWord);

// "( + N Hours )", empty for 0.
std::string addedHoursCaption(int addedHours);

// Leading and trailing white space removed.
std::string trimmed(std::string_view text);

// One report slot of a publisher record as the dialog shows it.
struct SlotFields {
    int placements = 0;
    int videos = 0;
    int hours = 0;
    int returnVisits = 0;
    int studies = 0;
    bool shared = false;
    std::uint8_t status = 0; // the whole MonthStatus byte
    int addedHours = 0;      // low byte of the word for a regular pioneer, else 0
};

SlotFields readSlot(const std::uint8_t* record, int slot);

// Writes the values into the slot: studies keep bits 12..15 and clear 10 and 11, the shared flag
// is set when sharedChecked or any hours or studies, status 0/1 follows auxiliaryChecked while 2
// and 3 stay. Returns the shared flag written.
bool storeFields(std::uint8_t* record, int slot, const SlotFields& values, bool sharedChecked,
                 bool auxiliaryChecked);

} // namespace kolekt::entry
