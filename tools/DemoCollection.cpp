#include "DemoCollection.h"

#include "collection/CodePage.h"
#include "collection/CollectionStore.h"

#include <algorithm>

namespace kolekt::tool {

using namespace layout;

namespace {

constexpr int kDemoGroupNumber = 3;

// An earlier month's report that makes the record look lived in.
SlotReport earlierReport(const DemoPublisher& p) {
    SlotReport report;
    report.status = p.report.status == AuxiliaryPioneer ? std::uint8_t{Publisher} : p.report.status;
    report.shared = true;
    report.returnVisits = 3;
    report.studies = p.report.studies;
    if (report.status == RegularPioneer || report.status == SpecialPioneer) {
        report.hours = report.status == RegularPioneer ? 50 : 100;
    }
    return report;
}

} // namespace

CollectionBuilder demoCollection(const LocalDate& today, const std::string& codePage,
                                 const DemoGroup& group) {
    CollectionStore calendar;
    calendar.initialise(today, group.languageCode, codePage);
    const int month = calendar.month();
    const int yearSlot = calendar.yearSlot();

    CollectionBuilder builder;
    builder.setGroup(kDemoGroupNumber)
        .setMonth(month)
        .setSecretary(fromUtf8(group.secretary, codePage));
    for (const DemoPublisher& p : group.publishers) {
        const int n = builder.addPublisher(fromUtf8(p.first, codePage), fromUtf8(p.last, codePage));
        builder.setEmail(n, fromUtf8(p.email, codePage))
            .setPrivilege(n, p.privilege)
            .setPublisherGroup(n, kDemoGroupNumber);
        for (int i = 0; i < 3; ++i) {
            builder.setPhone(n, i, p.phones[static_cast<std::size_t>(i)]);
        }
        for (int earlier = std::max(0, month - 2); earlier < month; ++earlier) {
            builder.setReport(n, earlier, yearSlot, earlierReport(p));
        }
        builder.setReport(n, month, yearSlot, p.report);
        if (p.remark != nullptr) {
            builder.addRemark(n, month, yearSlot, fromUtf8(p.remark, codePage));
        }
        if (p.lateForPreviousMonth && month > 0) {
            builder.setLateFlag(n, month - 1);
        }
    }
    return builder;
}

} // namespace kolekt::tool
