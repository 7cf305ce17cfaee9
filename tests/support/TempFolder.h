#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zeft::testing {

// A fresh folder under the system's temporary folder, removed with everything in it when
// the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // Writes bytes to a file in the folder and returns its path.
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const;
    // The whole content of a file; empty when it cannot be read.
    static std::string Read(const std::filesystem::path& file);
    // Names of the entries in the folder, sorted.
    std::string Listing() const;

private:
    std::filesystem::path path_;
};

} // namespace zeft::testing
