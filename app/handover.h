// app/handover.h — one running program per user: a second start hands the files named on its
// command line to the program already running and ends
#pragma once
#include <windows.h>

#include "ui/unique.h"

#include <string>
#include <vector>

namespace app {

// The WM_COPYDATA tag of a hand-over; its data are the files' full paths, each followed by a
// zero byte (an empty list brings the running program to the front only).
constexpr ULONG_PTR kHandOverTag = 0x4E564631; // "NVF1"

std::string packFiles(const std::vector<std::string>& files);
std::vector<std::string> unpackFiles(const void* data, std::size_t size);

// The command-line arguments as full paths, resolved against this start's current folder: the
// running program has its own.
std::vector<std::string> fullPaths(const std::vector<std::string>& arguments);

// The program's presence for one data folder (one per user): a named mutex, and the main
// window marked with a property of the same key, to which later starts send their files.
class RunningInstance : ui::Pinned {
public:
    explicit RunningInstance(const std::string& dataFolder);
    ~RunningInstance();

    // True when no other start holds the program's mutex: this start runs the program.
    bool first() const { return owned_; }
    // Marks `frame` as the window that later starts hand their files to.
    void publish(HWND frame) const;
    // Hands `files` (full paths) to the running program, waiting up to `waitMs` for its main
    // window to appear (it may be starting itself). True when the program took them; false
    // when none answered (hung, closing, or ended meanwhile): this start then runs on its own.
    bool handOver(const std::vector<std::string>& files, DWORD waitMs);

    // The windows marked for `dataFolder`, in the order the system lists top-level windows.
    static std::vector<HWND> publishedWindows(const std::string& dataFolder);

private:
    std::string folder_;
    HANDLE mutex_ = nullptr;
    bool owned_ = false;
};

} // namespace app
