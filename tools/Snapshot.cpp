#include "Snapshot.h"

#include "collection/CodePage.h"
#include "collection/CollectionStore.h"
#include "collection/FieldText.h"

namespace kolekt::tool {

using namespace layout;

namespace {

PublisherView publisherView(const CollectionStore& store, int n) {
    const std::string& codePage = store.codePage();
    const int month = store.month();
    const int yearSlot = store.yearSlot();
    const int slot = slotIndex(month, yearSlot);
    const std::uint8_t* record = store.record(n);

    PublisherView view;
    view.record = n;
    view.first = toUtf8(fieldText(record, kFirstName, kNameSize), codePage);
    view.last = toUtf8(fieldText(record, kLastName, kNameSize), codePage);
    view.name = toUtf8(store.formatName(n, true), codePage);
    view.email = toUtf8(fieldText(record, kEmail, kEmailSize), codePage);
    const ContactNumbers contact = store.contactNumbers(n);
    for (int i = 0; i < contact.count; ++i) {
        view.phones.push_back(toUtf8(contact.numbers[static_cast<std::size_t>(i)], codePage));
    }
    view.reminder = toUtf8(contact.reminderAddress, codePage);
    view.group = static_cast<std::int8_t>(record[kPublisherGroup]);
    view.status = record[monthStatusOffset(slot)] & kStatusMask;
    view.privilege = record[kPrivilege] & kPrivilegeMask;
    view.shared = (readWord(record, valueOffset(ValueKind::Studies, slot)) & kSharedFlag) != 0;
    view.hours = store.reportValue(n, month, yearSlot, ValueKind::Hours);
    view.studies = store.reportValue(n, month, yearSlot, ValueKind::Studies);
    view.placements = store.reportValue(n, month, yearSlot, ValueKind::Placements);
    view.videos = store.reportValue(n, month, yearSlot, ValueKind::Videos);
    view.returnVisits = store.reportValue(n, month, yearSlot, ValueKind::ReturnVisits);
    view.addedHours = readWord(record, addedHoursOffset(slot));
    view.remarkNumber = readWord(record, remarkNumberOffset(slot));
    // With must-exist set the lookup never reserves a number.
    view.remark = toUtf8(store.remarkFor(n, month, yearSlot).text, codePage);
    for (int m = 0; m < 12; ++m) {
        if (store.hasLateFlag(n, m)) {
            view.lateMonths.push_back(m);
        }
    }
    view.missing = store.isReportMissing(n, month, yearSlot);
    return view;
}

} // namespace

CollectionView snapshot(const CollectionStore& store, const std::string& file) {
    CollectionView view;
    view.file = file;
    view.group = store.groupNumber();
    view.month = store.month();
    view.yearSlot = store.yearSlot();
    view.secretary = toUtf8(store.secretaryAddress(), store.codePage());
    view.publisherCount = store.publisherCount();
    view.remarkCount = store.remarkCount();
    for (int n = 1; n <= store.publisherCount(); ++n) {
        view.publishers.push_back(publisherView(store, n));
        view.missing += view.publishers.back().missing ? 1 : 0;
    }
    return view;
}

} // namespace kolekt::tool
