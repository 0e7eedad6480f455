// What the store holds for its collection month and year slot, with texts in UTF-8:
// the common ground of dump's text and JSON output.
#pragma once

#include <string>
#include <vector>

namespace kolekt {
class CollectionStore;
}

namespace kolekt::tool {

struct PublisherView {
    int record = 0;
    std::string first;
    std::string last;
    std::string name; // last name first
    std::string email;
    std::vector<std::string> phones;
    std::string reminder;
    int group = 0;
    int status = 0;
    int privilege = 0;
    bool shared = false;
    int hours = 0;
    int studies = 0;
    int placements = 0;
    int videos = 0;
    int returnVisits = 0;
    int addedHours = 0;
    int remarkNumber = 0;
    std::string remark;
    std::vector<int> lateMonths;
    bool missing = false;
};

struct CollectionView {
    std::string file;
    int group = 0;
    int month = 0;
    int yearSlot = 0;
    std::string secretary;
    int publisherCount = 0;
    int remarkCount = 0;
    int missing = 0;
    std::vector<PublisherView> publishers;
};

CollectionView snapshot(const CollectionStore& store, const std::string& file);

} // namespace kolekt::tool
