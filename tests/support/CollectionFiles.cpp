#include "CollectionFiles.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kolekt::test {

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeCollection(const CollectionBuilder& builder, const std::string& path) {
    writeBytes(path, builder.fileBytes());
}

} // namespace kolekt::test
