// The report being edited in the entry dialog, as one value: the slot's fields, its remark and
// what the field layout offers. The dialog's controls show it; storing writes it into the slot.
#pragma once

#include "ui/entry/EntryRules.h"

#include <string>

namespace kolekt::entry {

struct ReportDraft {
    SlotFields fields;
    std::string remark; // code-page bytes
    int remarkNumber = 0;
    // A pioneer status offers the hours field; hours already stored are shown whatever it is.
    bool hoursOffered = false;
};

} // namespace kolekt::entry
