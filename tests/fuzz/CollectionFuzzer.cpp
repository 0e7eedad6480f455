// Feeds arbitrary bytes to the collection store as a collection file, walks
// every read operation the program uses, posts a little, saves, loads the saved
// file again and checks that a second save writes the same bytes.
#include "collection/CodePage.h"
#include "collection/CollectionStore.h"
#include "collection/FileLayout.h"
#include "collection/FileSystemOps.h"
#include "collection/StoreMessages.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using kolekt::CollectionStore;
using kolekt::layout::ValueKind;

class SilentMessages : public kolekt::StoreMessages {
public:
    void notify(const kolekt::StoreEvent&) override {}
};

// Durability is not under test here, and a sync per input would slow the run to a crawl.
class UnsyncedFileSystem : public kolekt::FileSystemOps {
public:
    bool sync(kolekt::platform::File&) override { return true; }
    void syncFolder(const std::filesystem::path&) override {}
};

const std::string& workFolder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/kolekt-fuzz.XXXXXX";
        const char* made = mkdtemp(pattern);
        if (made == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        return std::string(made);
    }();
    return folder;
}

void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// Conversion opens a converter per call; empty texts would only add to that cost.
std::size_t convertedSize(const std::string& text, const std::string& codePage) {
    if (text.empty()) {
        return 0;
    }
    const std::string utf8 = kolekt::toUtf8(text, codePage);
    return utf8.size() + kolekt::fromUtf8(utf8, codePage, text.size()).size();
}

// Everything the main list, the entry dialog, the printed form and mail read.
std::size_t walkReads(const CollectionStore& store) {
    std::size_t sink = 0;
    const std::string& codePage = store.codePage();
    sink += convertedSize(store.secretaryAddress(), codePage);
    for (int n = 1; n <= store.publisherCount(); ++n) {
        for (bool lastFirst : {false, true}) {
            sink += convertedSize(store.formatName(n, lastFirst), codePage);
        }
        for (int month = 0; month < 12; ++month) {
            sink += store.hasLateFlag(n, month);
            for (int yearSlot = 0; yearSlot < 2; ++yearSlot) {
                sink += store.isReportMissing(n, month, yearSlot);
                for (int kind = 0; kind < 5; ++kind) {
                    sink += store.reportValue(n, month, yearSlot, static_cast<ValueKind>(kind));
                }
                const kolekt::RemarkLookup remark = store.remarkFor(n, month, yearSlot);
                sink += static_cast<std::size_t>(remark.number);
                sink += convertedSize(remark.text, codePage);
            }
        }
        const kolekt::ContactNumbers contact = store.contactNumbers(n);
        sink += static_cast<std::size_t>(contact.count) + contact.reminderAddress.size();
        sink += CollectionStore::hasValidEmail(contact.reminderAddress);
        sink += store.contactText(n, false).size() + store.contactText(n, true).size();
    }
    return sink;
}

// What posting a report with a remark and a late flag does to the store.
void post(CollectionStore& store) {
    if (store.publisherCount() < 1) {
        return;
    }
    const int n = 1 + store.remarkCount() % store.publisherCount();
    const int month = store.month();
    const int yearSlot = store.yearSlot();
    int number = store.remarkFor(n, month, yearSlot).number;
    if (number == 0) {
        number = store.reserveRemarkNumber();
    }
    store.storeRemark(n, month, yearSlot, number, "Fuzzed remark %s %d");
    store.setLateFlag(n, (month + 11) % 12);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static UnsyncedFileSystem fileSystem;
    const std::string input = workFolder() + "/input.k09";
    const std::string saved = workFolder() + "/saved.k09";
    const std::string again = workFolder() + "/again.k09";
    writeFile(input, data, size);
    std::remove(saved.c_str());
    std::remove(again.c_str());

    // January, so that a file for January takes the year's parity as its cell.
    const kolekt::LocalDate today{2027, 0, 15};
    SilentMessages messages;
    CollectionStore store(&messages);
    store.setFileSystem(&fileSystem);
    store.initialise(today, "eng", "CP1252");
    if (!store.loadCollection(input, today)) {
        return 0;
    }
    walkReads(store);
    post(store);
    walkReads(store);
    if (!store.saveCollection(saved)) {
        return 0;
    }

    CollectionStore reloaded(&messages);
    reloaded.setFileSystem(&fileSystem);
    reloaded.initialise(today, "eng", "CP1252");
    if (!reloaded.loadCollection(saved, today) ||
        reloaded.publisherCount() != store.publisherCount() ||
        reloaded.remarkCount() != store.remarkCount()) {
        std::fputs("the saved file does not load back as saved\n", stderr);
        std::abort();
    }
    walkReads(reloaded);
    if (!reloaded.saveCollection(again) || readFile(again) != readFile(saved)) {
        std::fputs("saving a loaded saved file changes its bytes\n", stderr);
        std::abort();
    }
    return 0;
}
