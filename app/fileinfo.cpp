// app/fileinfo.cpp — filling TFileInfo from the queries of a version resource (no Win32 needed)
#include "app/fileinfo.h"

#include <cstdio>
#include <cstring>

namespace app {
namespace {

constexpr std::size_t kFixedWords = 13;

std::uint32_t word(std::string_view bytes, std::size_t index) {
    std::uint32_t w;
    std::memcpy(&w, bytes.data() + index * 4, 4); // little-endian, as the resource is
    return w;
}

// A text value: its characters up to the terminating zero. The reported length normally counts
// that zero; a value with a zero inside (an explicit "\0" in the resource) ends at the first one,
// and one reported without its zero loses no character.
std::string valueText(std::string_view value) {
    return std::string(value.substr(0, value.find('\0')));
}

} // namespace

std::string stringQuery(std::uint16_t language, std::uint16_t codePage, std::string_view name) {
    char prefix[40];
    std::snprintf(prefix, sizeof prefix, "\\StringFileInfo\\%.4x%.4x\\", unsigned(language),
                  unsigned(codePage));
    return prefix + std::string(name);
}

void fillFileInfo(TFileInfo& info, const VersionQuery& query) {
    info = TFileInfo{};
    if (const auto root = query("\\"); root && root->size() >= kFixedWords * 4) {
        std::uint32_t w[kFixedWords];
        for (std::size_t i = 0; i < kFixedWords; ++i) w[i] = word(*root, i);
        info.Fixed = {w[0], w[1], w[2], w[3],  w[4],  w[5], w[6],
                      w[7], w[8], w[9], w[10], w[11], w[12]};
        info.Major = info.Fixed.ProductVersionMS >> 16;
        info.Minor = info.Fixed.ProductVersionMS & 0xFFFF;
        info.Release = info.Fixed.ProductVersionLS >> 16;
        info.Build = info.Fixed.ProductVersionLS & 0xFFFF;
    }
    info.Language = 0x0409;
    info.CodePage = 0x0404;
    if (const auto tr = query("\\VarFileInfo\\Translation"); tr && tr->size() >= 4) {
        const std::uint32_t pair = word(*tr, 0);
        info.Language = static_cast<std::uint16_t>(pair & 0xFFFF);
        info.CodePage = static_cast<std::uint16_t>(pair >> 16);
    }
    const struct {
        const char* name;
        std::string TFileInfo::*field;
    } texts[] = {
        {"CompanyName", &TFileInfo::CompanyName},
        {"FileDescription", &TFileInfo::FileDescription},
        {"FileVersion", &TFileInfo::FileVersion},
        {"InternalName", &TFileInfo::InternalName},
        {"LegalCopyright", &TFileInfo::LegalCopyright},
        {"LegalTrademarks", &TFileInfo::LegalTrademarks},
        {"OriginalFilename", &TFileInfo::OriginalFilename},
        {"ProductName", &TFileInfo::ProductName},
        {"ProductVersion", &TFileInfo::ProductVersion},
        {"Comments", &TFileInfo::Comments},
    };
    for (const auto& t : texts)
        if (const auto v = query(stringQuery(info.Language, info.CodePage, t.name)))
            info.*t.field = valueText(*v);
}

} // namespace app
