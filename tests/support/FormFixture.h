// A loaded store and a recorded print run of its form, at 600 dots per inch.
#pragma once

#include "CollectionFiles.h"
#include "RecordingSurface.h"
#include "TempDir.h"
#include "collection/CollectionStore.h"
#include "report/CollectionForm.h"

#include <algorithm>
#include <string>
#include <vector>

namespace kolekt::test {

// March of an even report year: the month the builder's reports below use.
inline constexpr int kMonth = 2;
inline constexpr int kYearSlot = 0;
inline constexpr LocalDate kToday{2026, 3, 15};

inline void loadStore(CollectionStore& store, const CollectionBuilder& builder,
                      const TempDir& dir) {
    const std::string path = dir.file("Group4.k09");
    writeCollection(builder, path);
    store.loadCollection(path, kToday);
}

// Adds count publishers named First<i> Last<i>.
inline void addPublishers(CollectionBuilder& builder, int count) {
    for (int i = 1; i <= count; ++i)
        builder.addPublisher("First" + std::to_string(i), "Last" + std::to_string(i));
}

struct PrintedForm {
    report::RecordingSurface surface{600, 600, 90};
    report::PrintPageState state;

    void print(CollectionStore& store, int month = kMonth) {
        state.title = report::formTitle(month);
        report::initPageMetrics(surface, state);
        report::printCollection(surface, state, store, month);
    }

    std::vector<report::RecordedCall> textsOn(int page) const {
        std::vector<report::RecordedCall> result;
        for (const auto& t : surface.texts()) {
            if (t.page == page)
                result.push_back(t);
        }
        return result;
    }
    // The first text drawn with exactly this content, or null.
    const report::RecordedCall* text(const std::string& content, int page = 1) const {
        for (const auto& c : surface.calls()) {
            if (c.call == report::Call::TextOut && c.text == content && c.page == page)
                return &c;
        }
        return nullptr;
    }
    std::vector<std::string> textContents() const {
        std::vector<std::string> result;
        for (const auto& t : surface.texts())
            result.push_back(t.text);
        return result;
    }
};

} // namespace kolekt::test
