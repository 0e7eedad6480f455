#include "collection/CollectionPath.h"

namespace kolekt {

namespace {

constexpr std::size_t kExtensionLength = 4;

} // namespace

// Only the letter of ".k09" has a case, so these two spellings are every case of it.
bool isCollectionPath(const std::string& path) {
    return path.ends_with(".k09") || path.ends_with(".K09");
}

std::string returnPath(const std::string& collectionPath) {
    if (!isCollectionPath(collectionPath)) {
        return collectionPath;
    }
    return collectionPath.substr(0, collectionPath.size() - kExtensionLength) + ".k19";
}

} // namespace kolekt
