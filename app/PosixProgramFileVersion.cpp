#include "app/ProgramFileVersion.h"

#include <cstring>
#include <fstream>
#include <vector>

namespace zeft {

namespace {

// Reads size bytes at offset; false when the file is shorter.
bool ReadAt(std::ifstream& file, std::uint64_t offset, std::size_t size, std::vector<unsigned char>& out) {
    out.assign(size, 0);
    file.clear();
    file.seekg(static_cast<std::streamoff>(offset));
    if (!file) {
        return false;
    }
    file.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(size));
    return static_cast<std::size_t>(file.gcount()) == size;
}

// Little-endian field of a header (the note is only looked for in little-endian files).
std::uint64_t Field(const std::vector<unsigned char>& bytes, std::size_t offset, std::size_t width) {
    std::uint64_t value = 0;
    if (offset + width > bytes.size()) {
        return 0;
    }
    for (std::size_t i = 0; i < width; ++i) {
        value |= static_cast<std::uint64_t>(bytes[offset + i]) << (8 * i);
    }
    return value;
}

// Looks through the notes of one section for the version note.
bool FindVersionNote(const std::vector<unsigned char>& notes, ProgramFileVersion& version) {
    std::size_t at = 0;
    while (at + 12 <= notes.size()) {
        const auto nameSize = Field(notes, at, 4);
        const auto descSize = Field(notes, at + 4, 4);
        const auto type = Field(notes, at + 8, 4);
        const std::uint64_t namePadded = (nameSize + 3) & ~std::uint64_t{3};
        const std::uint64_t descPadded = (descSize + 3) & ~std::uint64_t{3};
        if (namePadded > notes.size() || descPadded > notes.size() ||
            at + 12 + namePadded + descPadded > notes.size()) {
            return false;
        }
        const char* name = reinterpret_cast<const char*>(&notes[at + 12]);
        if (type == kVersionNoteType && nameSize == sizeof(kVersionNoteName) &&
            std::memcmp(name, kVersionNoteName, sizeof(kVersionNoteName)) == 0 && descSize >= 8) {
            const std::size_t desc = at + 12 + static_cast<std::size_t>(namePadded);
            const auto high = static_cast<std::uint32_t>(Field(notes, desc, 4));
            const auto low = static_cast<std::uint32_t>(Field(notes, desc + 4, 4));
            version.major = static_cast<std::uint16_t>(high >> 16);
            version.minor = static_cast<std::uint16_t>(high & 0xFFFFu);
            version.release = static_cast<std::uint16_t>(low >> 16);
            version.build = static_cast<std::uint16_t>(low & 0xFFFFu);
            return true;
        }
        at += 12 + static_cast<std::size_t>(namePadded + descPadded);
    }
    return false;
}

ProgramFileVersion ReadElfVersion(const std::string& path) {
    ProgramFileVersion version;
    std::ifstream file(path, std::ios::binary);
    std::vector<unsigned char> header;
    if (!file || !ReadAt(file, 0, 64, header) ||
        std::memcmp(header.data(),
                    "\x7f"
                    "ELF",
                    4) != 0 ||
        header[5] != 1 /* little-endian */) {
        return version;
    }
    const bool wide = header[4] == 2;
    const std::uint64_t sectionTable = wide ? Field(header, 0x28, 8) : Field(header, 0x20, 4);
    const std::uint64_t entrySize = Field(header, wide ? 0x3A : 0x2E, 2);
    const std::uint64_t count = Field(header, wide ? 0x3C : 0x30, 2);
    const std::uint64_t namesIndex = Field(header, wide ? 0x3E : 0x32, 2);
    const std::uint64_t minimumEntry = wide ? 64 : 40;
    if (entrySize < minimumEntry || count == 0 || count > 65535 || namesIndex >= count) {
        return version;
    }
    std::vector<unsigned char> sections;
    if (!ReadAt(file, sectionTable, static_cast<std::size_t>(entrySize * count), sections)) {
        return version;
    }
    auto offsetOf = [&](std::uint64_t index) {
        return Field(sections, static_cast<std::size_t>(index * entrySize) + (wide ? 0x18 : 0x10), wide ? 8 : 4);
    };
    auto sizeOf = [&](std::uint64_t index) {
        return Field(sections, static_cast<std::size_t>(index * entrySize) + (wide ? 0x20 : 0x14), wide ? 8 : 4);
    };
    constexpr std::uint64_t kLargestTable = 16u << 20;
    std::vector<unsigned char> names;
    if (sizeOf(namesIndex) > kLargestTable ||
        !ReadAt(file, offsetOf(namesIndex), static_cast<std::size_t>(sizeOf(namesIndex)), names)) {
        return version;
    }
    static constexpr char kSectionName[] = ".note.zeft";
    for (std::uint64_t i = 0; i < count; ++i) {
        const auto nameOffset = Field(sections, static_cast<std::size_t>(i * entrySize), 4);
        if (nameOffset + sizeof(kSectionName) > names.size() ||
            std::memcmp(&names[nameOffset], kSectionName, sizeof(kSectionName)) != 0) {
            continue;
        }
        std::vector<unsigned char> notes;
        if (sizeOf(i) <= 4096 && ReadAt(file, offsetOf(i), static_cast<std::size_t>(sizeOf(i)), notes) &&
            FindVersionNote(notes, version)) {
            return version;
        }
    }
    return version;
}

} // namespace

ProgramFileVersion ReadProgramFileVersion(const std::string& programPath) {
    return ReadElfVersion(programPath);
}

std::string RunningProgramPath() {
    return "/proc/self/exe";
}

} // namespace zeft
