#include "TempDir.h"

#include <filesystem>
#include <random>
#include <stdexcept>
#include <system_error>

namespace kolekt::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    const fs::path base = fs::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = "kolekt-test.";
        for (int i = 0; i < 6; ++i) {
            name += kLetters[pick(random)];
        }
        std::error_code error;
        if (fs::create_directory(base / name, error)) {
            fs::permissions(base / name, fs::perms::owner_all, fs::perm_options::replace, error);
            // Forward slashes on Windows too, so that paths made from it compare as texts.
            path_ = (base / name).generic_string();
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

} // namespace kolekt::test
