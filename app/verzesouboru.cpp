// app/verzesouboru.cpp — reading a file's version information through the system
#include "app/fileinfo.h"

#include <windows.h>

#include <winver.h>

#include <vector>

namespace app {

TFileInfo TVerzeSouboru::read(const std::string& path) {
    TFileInfo info;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return info;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return info;
    fillFileInfo(info, [&](const std::string& subBlock) -> std::optional<std::string_view> {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(block.data(), subBlock.c_str(), &value, &length) || !value)
            return std::nullopt;
        return std::string_view(static_cast<const char*>(value), length);
    });
    return info;
}

} // namespace app
