// The bundled demo group: about twenty publishers of group 3 whose collection month is the
// month before today, as kolekt-tool's sample command writes it. Who is in the group, their
// addresses, numbers and remarks are data in a DemoGroup, one per language of the texts.
// Every address is at a domain reserved for examples and every number one set aside for
// fiction, so a reminder or a dial tried on the sample reaches nobody.
#pragma once

#include "collection/CollectionBuilder.h"
#include "collection/LocalDate.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace kolekt::tool {

struct DemoPublisher {
    const char* first; // UTF-8
    const char* last;
    const char* email;
    std::array<const char*, 3> phones;
    int privilege;      // 0 none, 1 ministerial servant, 2 elder, 3 baptized brother
    SlotReport report;  // the collection month; a report without shared is missing
    const char* remark; // for the collection month, or null
    bool lateForPreviousMonth;
};

struct DemoGroup {
    const char* languageCode; // the code page of the texts, as the program's language chooses it
    const char* secretary;    // the secretary's address in the header
    std::span<const DemoPublisher> publishers;
};

// Every language's group has as many publishers as the English one.
inline constexpr std::size_t kDemoGroupSize = 21;

// The group with English remarks.
const DemoGroup& englishDemoGroup();

// The group of a language code: people with the language's names and remarks in it, in the same
// situations as the English group's; the English group for a code without one.
const DemoGroup& demoGroup(std::string_view languageCode);

// The group's texts are written in codePage.
CollectionBuilder demoCollection(const LocalDate& today, const std::string& codePage,
                                 const DemoGroup& group = englishDemoGroup());

} // namespace kolekt::tool
