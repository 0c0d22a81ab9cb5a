// ui/files.cpp — file system services the program uses
#include "ui/files.h"

#include <windows.h>

#include "ui/errors.h"
#include "ui/text.h"
#include "ui/unique.h"

#include <algorithm>

namespace ui {

std::string moduleFileName(void* module) {
    std::string buf(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(static_cast<HMODULE>(module), buf.data(),
                                           static_cast<DWORD>(buf.size()));
        if (n == 0) throwLastError();
        if (n < buf.size()) {
            buf.resize(n);
            return buf;
        }
        buf.resize(buf.size() * 2);
    }
}

bool fileExists(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool folderExists(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool createFolder(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) || folderExists(path);
}

bool deleteFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

std::vector<std::string> listEntries(const std::string& pattern, bool sorted) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    UniqueFind find{FindFirstFileA(pattern.c_str(), &fd)};
    if (!find) return names;
    do {
        const std::string n = fd.cFileName;
        if (n != "." && n != "..") names.push_back(n);
    } while (FindNextFileA(find.get(), &fd));
    if (sorted) std::sort(names.begin(), names.end());
    return names;
}

namespace {

std::string readWhole(const std::string& path) {
    UniqueFile f{CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (!f) throwLastError();
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(f.get(), &size)) throwLastError();
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
        if (!ReadFile(f.get(), bytes.data() + done, want, &got, nullptr)) throwLastError();
        if (got == 0) break;
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

} // namespace

std::string readFile(const std::string& path) {
    try {
        return readWhole(path);
    } catch (const AppError& e) {
        throw AppError(aboutFile(path, e.what()));
    }
}

std::string temporaryBeside(const std::string& path) {
    std::string folder = folderOf(path);
    if (folder.empty()) folder = ".\\";
    char name[MAX_PATH + 1];
    if (!GetTempFileNameA(folder.c_str(), "nv", 0, name)) throwLastError();
    return name;
}

namespace {
WriteFault* activeFault = nullptr;
}

WriteFault::WriteFault(std::size_t allowed, unsigned long error)
    : previous_(activeFault), allowed_(allowed), error_(error) {
    activeFault = this;
}

WriteFault::~WriteFault() { activeFault = previous_; }

bool writeBytes(void* file, const void* data, unsigned long size, unsigned long* written) {
    WriteFault* fault = activeFault;
    if (!fault || size <= fault->allowed_) {
        if (fault) fault->allowed_ -= size;
        return WriteFile(file, data, size, written, nullptr) != 0;
    }
    DWORD put = 0;
    if (fault->allowed_ > 0 && !WriteFile(file, data, static_cast<DWORD>(fault->allowed_), &put, nullptr)) return false;
    fault->allowed_ = 0;
    ++fault->failures_;
    *written = put;
    SetLastError(fault->error_);
    return false;
}

void writeAll(void* file, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD put = 0;
        const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
        if (!writeBytes(file, bytes.data() + done, want, &put)) throwLastError();
        done += put;
    }
}

void writeFileReplacing(const std::string& path, std::string_view bytes) {
    writeFileReplacing(path, [bytes](void* file) { writeAll(file, bytes); });
}

namespace {

void replaceFile(const std::string& path, const std::function<void(void* file)>& write) {
    // Win32: replacing a read-only file is refused. Wine: MoveFileEx replaces it anyway, so
    // check first; the old file must stay as it is.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        throwLastError(ERROR_ACCESS_DENIED);
    const std::string tmp = temporaryBeside(path);
    ScopeExit dropTmp{[&] { DeleteFileA(tmp.c_str()); }};
    {
        UniqueFile f{CreateFileA(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr)};
        if (!f) throwLastError();
        write(f.get());
        if (!FlushFileBuffers(f.get())) throwLastError();
    }
    if (!MoveFileExA(tmp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throwLastError();
    dropTmp.dismiss();
}

} // namespace

void writeFileReplacing(const std::string& path, const std::function<void(void* file)>& write) {
    try {
        replaceFile(path, write);
    } catch (const AppError& e) {
        throw AppError(aboutFile(path, e.what()));
    }
}

} // namespace ui
