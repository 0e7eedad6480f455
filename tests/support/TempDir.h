// A fresh folder under the system's temporary folder, removed with everything in it
// when the object goes.
#pragma once

#include <string>

namespace kolekt::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // The path of a file named name inside the folder (the file is not created).
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

} // namespace kolekt::test
