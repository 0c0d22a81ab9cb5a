// app/handover.cpp — one running program per user: the mutex, the marked main window and the
// WM_COPYDATA that carries a second start's files
#include "app/handover.h"

#include <cstdint>

namespace app {
namespace {

constexpr char kProperty[] = "NotavoInstance";
constexpr char kFrameClass[] = "NotavoHlavni";
constexpr UINT kSendTimeoutMs = 5000; // a program that does not answer in this time is hung

// The key of a data folder: two starts with the same folder (the same user) are one program.
std::uint32_t folderKey(const std::string& dataFolder) {
    std::string lower = dataFolder; // letter case ignored, as Windows does in paths
    if (!lower.empty()) CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
    std::uint32_t h = 2166136261u; // FNV-1a
    for (unsigned char c : lower) {
        h ^= c;
        h *= 16777619u;
    }
    return h | 1u; // never 0: a window without the property reads as 0
}

std::string mutexName(std::uint32_t key) {
    char name[64];
    wsprintfA(name, "Local\\Notavo-%08lx", static_cast<unsigned long>(key));
    return name;
}

struct Search {
    std::uint32_t key;
    std::vector<HWND> found;
};

BOOL CALLBACK collect(HWND w, LPARAM lp) {
    auto& s = *reinterpret_cast<Search*>(lp);
    char cls[32] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpA(cls, kFrameClass) == 0 && reinterpret_cast<UINT_PTR>(GetPropA(w, kProperty)) == s.key)
        s.found.push_back(w);
    return TRUE;
}

// Sends the files to `w`; true when it took them.
bool sendTo(HWND w, const std::string& packed) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    // the running program may bring itself to the front only when this start, which has the
    // user's input, allows it (SetForegroundWindow's rules)
    AllowSetForegroundWindow(pid);
    COPYDATASTRUCT cds{kHandOverTag, static_cast<DWORD>(packed.size()), const_cast<char*>(packed.data())};
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(w, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_ABORTIFHUNG | SMTO_BLOCK,
                               kSendTimeoutMs, &result) &&
           result == TRUE;
}

} // namespace

std::string packFiles(const std::vector<std::string>& files) {
    std::string out;
    for (const auto& f : files) {
        out += f;
        out += '\0';
    }
    return out;
}

std::vector<std::string> unpackFiles(const void* data, std::size_t size) {
    std::vector<std::string> files;
    const char* p = static_cast<const char*>(data);
    std::string current;
    for (std::size_t i = 0; p && i < size; ++i) {
        if (p[i] != '\0') {
            current += p[i];
        } else {
            if (!current.empty()) files.push_back(std::move(current));
            current.clear();
        }
    }
    if (!current.empty()) files.push_back(std::move(current)); // a last name without its zero byte
    return files;
}

std::vector<std::string> fullPaths(const std::vector<std::string>& arguments) {
    std::vector<std::string> out;
    for (const auto& a : arguments) {
        const DWORD n = GetFullPathNameA(a.c_str(), 0, nullptr, nullptr);
        if (n == 0) {
            out.push_back(a); // the running program reports it as the file it cannot open
            continue;
        }
        std::string full(n, '\0');
        full.resize(GetFullPathNameA(a.c_str(), n, full.data(), nullptr));
        out.push_back(full);
    }
    return out;
}

RunningInstance::RunningInstance(const std::string& dataFolder) : folder_(dataFolder) {
    mutex_ = CreateMutexA(nullptr, TRUE, mutexName(folderKey(dataFolder)).c_str());
    // an existing mutex is not ours whatever the second argument says; without one at all the
    // program runs as if it were alone
    owned_ = !mutex_ || GetLastError() != ERROR_ALREADY_EXISTS;
}

RunningInstance::~RunningInstance() {
    if (!mutex_) return;
    if (owned_) ReleaseMutex(mutex_);
    CloseHandle(mutex_);
}

void RunningInstance::publish(HWND frame) const {
    SetPropA(frame, kProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(folderKey(folder_))));
}

std::vector<HWND> RunningInstance::publishedWindows(const std::string& dataFolder) {
    Search s{folderKey(dataFolder), {}};
    EnumWindows(collect, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

bool RunningInstance::handOver(const std::vector<std::string>& files, DWORD waitMs) {
    const std::string packed = packFiles(files);
    const DWORD start = GetTickCount();
    for (;;) {
        const auto windows = publishedWindows(folder_);
        for (HWND w : windows)
            if (sendTo(w, packed)) return true;
        if (!windows.empty()) return false; // they are there but do not answer
        // no window yet: the other start is still making it, or it has ended (the mutex is free)
        const DWORD r = WaitForSingleObject(mutex_, 100);
        if (r == WAIT_OBJECT_0 || r == WAIT_ABANDONED) {
            owned_ = true;
            return false;
        }
        if (GetTickCount() - start >= waitMs) return false;
    }
}

} // namespace app
