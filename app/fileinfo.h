// app/fileinfo.h — the version information of a program file (TFileInfo) and how it is read
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace app {

// The fixed block, in the layout of the system's fixed file information.
struct FixedFileBlock {
    std::uint32_t Signature = 0, StrucVersion = 0;
    std::uint32_t FileVersionMS = 0, FileVersionLS = 0;
    std::uint32_t ProductVersionMS = 0, ProductVersionLS = 0;
    std::uint32_t FileFlagsMask = 0, FileFlags = 0, FileOS = 0, FileType = 0, FileSubtype = 0;
    std::uint32_t FileDateMS = 0, FileDateLS = 0;
};

struct TFileInfo {
    FixedFileBlock Fixed;
    // from the product version: major.minor from its high word, release.build from its low one
    std::uint32_t Major = 0, Minor = 0, Release = 0, Build = 0;
    std::string CompanyName, FileDescription, FileVersion, InternalName, LegalCopyright,
        LegalTrademarks, OriginalFilename, ProductName, ProductVersion, Comments;
    std::uint16_t Language = 0, CodePage = 0; // under which the texts were read
};

// One query of a version resource ("\\", "\\VarFileInfo\\Translation", "\\StringFileInfo\\…"):
// the value's bytes with the length the system reports, or nullopt when it is not there.
using VersionQuery = std::function<std::optional<std::string_view>(const std::string& subBlock)>;

// Fills `info` from the queries, starting from a cleared record: the fixed block and the
// product-version numbers, the translation (0x0409 and code page 0x0404 when there is none) and
// the ten texts under it.
void fillFileInfo(TFileInfo& info, const VersionQuery& query);

// The query name of a text: "\StringFileInfo\" + language and code page (four lower-case
// hexadecimal digits each) + "\" + name.
std::string stringQuery(std::uint16_t language, std::uint16_t codePage, std::string_view name);

// Reads the version information of a file (Win32): an all-empty record when the file has none
// or cannot be read.
class TVerzeSouboru {
public:
    static TFileInfo read(const std::string& path);
};

} // namespace app
