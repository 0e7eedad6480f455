#include "ui/main/PostDescription.h"

#include "collection/CollectionStore.h"
#include "resources/TextTables.h"
#include "ui/common/RecordText.h"
#include "ui/common/UiText.h"

#include <QStringList>

namespace kolekt {

using namespace Qt::StringLiterals;

namespace {

QString nameOf(const CollectionStore& store, int record) {
    return fromRecordText(store.formatName(record, true), store.codePage());
}

QString monthOf(const CollectionStore& store, int month) {
    return QString::fromStdString(monthName(month, false, store.languageCode()));
}

} // namespace

QString describePost(const CollectionStore& store, int record, int month) {
    using layout::ValueKind;
    const int yearSlot = store.yearSlot();
    const std::uint8_t* bytes = store.record(record);
    const int slot = layout::slotIndex(month, yearSlot);
    const bool shared = (layout::readWord(bytes, layout::valueOffset(ValueKind::Studies, slot)) &
                         layout::kSharedFlag) != 0;
    QStringList parts{loadUiText(shared ? TextId::PostedShared : TextId::PostedNotShared)};
    if (const int hours = store.reportValue(record, month, yearSlot, ValueKind::Hours))
        parts << loadUiText(TextId::PostedHours, {QString::number(hours)});
    if (const int studies = store.reportValue(record, month, yearSlot, ValueKind::Studies))
        parts << loadUiText(TextId::PostedStudies, {QString::number(studies)});
    if (store.remarkFor(record, month, yearSlot).number != 0)
        parts << loadUiText(TextId::PostedRemark);
    return loadUiText(TextId::PostDescription,
                      {nameOf(store, record), monthOf(store, month), parts.join(u", ")});
}

QString undoPostingText(const CollectionStore& store, int record, int month) {
    QString name = nameOf(store, record);
    return loadUiText(TextId::UndoPosting, {name.replace(u'&', u"&&"_s), monthOf(store, month)});
}

} // namespace kolekt
