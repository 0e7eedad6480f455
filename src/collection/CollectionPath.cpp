#include "collection/CollectionPath.h"

#include <string_view>

namespace kolekt {

namespace {

constexpr std::size_t kExtensionLength = 4;

bool endsWith(const std::filesystem::path::string_type& text, std::string_view ending) {
    if (text.size() < ending.size()) {
        return false;
    }
    const std::size_t start = text.size() - ending.size();
    for (std::size_t i = 0; i < ending.size(); ++i) {
        if (text[start + i] != static_cast<unsigned char>(ending[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

// Only the letter of ".k09" has a case, so these two spellings are every case of it.
bool isCollectionPath(const std::filesystem::path& path) {
    return endsWith(path.native(), ".k09") || endsWith(path.native(), ".K09");
}

std::filesystem::path returnPath(const std::filesystem::path& collectionPath) {
    if (!isCollectionPath(collectionPath)) {
        return collectionPath;
    }
    const std::filesystem::path::string_type& text = collectionPath.native();
    std::filesystem::path result = text.substr(0, text.size() - kExtensionLength);
    result += ".k19";
    return result;
}

} // namespace kolekt
