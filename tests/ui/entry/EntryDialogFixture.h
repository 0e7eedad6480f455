// A collection on disk, a store loaded from it, a stand-in for the main window
// and the entry dialog driven with real key events on the focused widget.
#pragma once

#include "CollectionFiles.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "collection/CollectionStore.h"
#include "ui/common/GuiStoreMessages.h"
#include "ui/common/StoreOwner.h"
#include "ui/entry/ReportEntryDialog.h"

#include <QString>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace kolekt::test {

// Today is in April 2026: the collection month defaults to March and year slot 0.
inline constexpr LocalDate kToday{2026, 3, 15};
inline constexpr int kMarch = 2;
inline constexpr int kYearSlot = 0;

class FakeOwner : public StoreOwner {
public:
    FakeOwner() : store_(&messages_) {}
    CollectionStore& store() override { return store_; }
    void updateStatus() override { ++statusUpdates; }
    void saveNow() override;

    int statusUpdates = 0;
    int saves = 0;

private:
    GuiStoreMessages messages_;
    CollectionStore store_;
};

class EntryDialogTest : public ::testing::Test {
protected:
    // Writes the builder's collection, loads it and opens the dialog for record n.
    void load();
    void open(int n);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(const QString& text);
    void clickOn(int id);

    int focusedId() const { return dialog->focusedId(); }
    bool isOpen() const { return dialog && dialog->isVisible(); }
    CollectionStore& store() { return owner.store(); }
    std::uint16_t word(int n, std::size_t offset) {
        return layout::readWord(store().record(n), offset);
    }
    std::uint16_t value(int n, int month, layout::ValueKind kind) {
        return word(n, layout::valueOffset(kind, layout::slotIndex(month, kYearSlot)));
    }
    bool sharedFlag(int n, int month) {
        return value(n, month, layout::ValueKind::Studies) & layout::kSharedFlag;
    }
    std::uint16_t remarkLink(int n, int month) {
        return word(n, layout::remarkNumberOffset(layout::slotIndex(month, kYearSlot)));
    }
    std::uint16_t addedHours(int n, int month) {
        return word(n, layout::addedHoursOffset(layout::slotIndex(month, kYearSlot)));
    }
    QString text(int id) const { return dialog->controlText(id); }
    bool shown(int id) const { return dialog->isControlShown(id); }

    TempDir dir;
    std::string path = dir.file("Group3.k09");
    CollectionBuilder builder;
    ScriptedMessageBox messages;
    FakeOwner owner;
    std::unique_ptr<ReportEntryDialog> dialog;
};

} // namespace kolekt::test
