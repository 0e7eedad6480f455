#include "LargeCollection.h"

#include <array>
#include <string>

namespace kolekt::bench {

CollectionBuilder largeCollection(int month, int yearSlot) {
    static constexpr std::array firstNames{"Anna",  "Bernd", "Clara", "David",
                                           "Elena", "Felix", "Greta", "Hugo"};
    static constexpr std::array lastNames{"Berg", "Dahl", "Engel", "Fuchs", "Graf",  "Hahn",
                                          "Igel", "Jung", "Kern",  "Lang",  "Moser", "Nagel",
                                          "Ott",  "Pohl", "Roth",  "Sauer"};
    CollectionBuilder builder;
    builder.setGroup(3).setMonth(month).setSecretary("secretary@example.org");
    for (int i = 0; i < kLargeGroupSize; ++i) {
        const std::string first = firstNames[static_cast<std::size_t>(i) % firstNames.size()];
        const std::string last =
            std::string(lastNames[static_cast<std::size_t>(i) % lastNames.size()]) +
            (i >= static_cast<int>(lastNames.size()) ? std::to_string(i) : "");
        const int n = builder.addPublisher(first, last);
        builder.setEmail(n, first + "." + std::to_string(i) + "@example.org");
        builder.setPhone(n, 0, "0171 555 " + std::to_string(1000 + i));
        if (i % 3 == 0) {
            builder.setPhone(n, 1, "030 " + std::to_string(400000 + i));
        }
        builder.setPrivilege(n, i % 4);
        const std::uint8_t status = i % 10 == 0 ? layout::RegularPioneer : layout::Publisher;
        // Every month of both years before the collection month holds a report.
        for (int m = 0; m < 12; ++m) {
            for (int cell = 0; cell < 2; ++cell) {
                if (m == month && cell == yearSlot) {
                    continue;
                }
                builder.setReport(
                    n, m, cell,
                    {.status = status,
                     .shared = true,
                     .hours = static_cast<std::uint16_t>(status == layout::RegularPioneer ? 50 : 0),
                     .studies = static_cast<std::uint16_t>(i % 3)});
            }
        }
        if (i % 3 != 2) {
            builder.setReport(
                n, month, yearSlot,
                {.status = status,
                 .shared = true,
                 .hours = static_cast<std::uint16_t>(status == layout::RegularPioneer ? 48 : 0),
                 .studies = static_cast<std::uint16_t>(i % 4)});
        }
        if (i % 9 == 4) {
            builder.addRemark(n, month, yearSlot, "Was ill this month");
        }
        if (i % 17 == 5) {
            builder.setLateFlag(n, (month + 11) % 12);
        }
    }
    return builder;
}

} // namespace kolekt::bench
