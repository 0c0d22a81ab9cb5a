// ui/files.h — file system services the program uses
#pragma once
#include "ui/unique.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// The full path of the running program file (or of the module `h` when given).
std::string moduleFileName(void* module = nullptr);

bool fileExists(const std::string& path);
bool folderExists(const std::string& path);
// Creates one folder level; true when it exists afterwards.
bool createFolder(const std::string& path);
bool deleteFile(const std::string& path);

// Names (not paths) of the directory entries matching `pattern` ("C:\\dir\\*.bcp"), any
// attributes, without "." and "..". Sorted by name when `sorted`, else in the listing's order.
std::vector<std::string> listEntries(const std::string& pattern, bool sorted);

// The whole file; throws AppError naming the file, with the system's message, when it cannot
// be read.
std::string readFile(const std::string& path);

// Writes `bytes` to a temporary file in the target's folder, flushes it and then replaces the
// target, so a failure never leaves a truncated target. Throws AppError naming the file on
// failure.
void writeFileReplacing(const std::string& path, std::string_view bytes);
// The same with the content written by `write` into the open temporary file (a HANDLE); what
// `write` throws leaves the target as it was (and is reported naming the file).
void writeFileReplacing(const std::string& path, const std::function<void(void* file)>& write);
// Writes all of `bytes` to an open file (a HANDLE); throws AppError on failure.
void writeAll(void* file, std::string_view bytes);
// One write to an open file (a HANDLE), as WriteFile: every write of the program's files goes
// through here (the safe writer, the control's stream-out, backup copies). False with the last
// error set on failure.
bool writeBytes(void* file, const void* data, unsigned long size, unsigned long* written);

// Test seam: while one is alive, writeBytes fails as on a full disk once `allowed` bytes have
// gone through: the write that crosses the limit puts what still fits and fails with `error`
// (ERROR_DISK_FULL unless told), and so does every later one.
class WriteFault : Pinned {
public:
    explicit WriteFault(std::size_t allowed, unsigned long error = 112 /* ERROR_DISK_FULL */);
    ~WriteFault();
    std::size_t failures() const { return failures_; }

private:
    friend bool writeBytes(void*, const void*, unsigned long, unsigned long*);
    WriteFault* previous_;
    std::size_t allowed_;
    unsigned long error_;
    std::size_t failures_ = 0;
};

// A new, unused temporary name in the folder of `path` (the file is created empty).
std::string temporaryBeside(const std::string& path);

} // namespace ui
