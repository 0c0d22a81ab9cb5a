// ui/errors.cpp — the general error report
#include "ui/errors.h"

#include "ui/prompts.h"
#include "ui/text.h"

namespace ui {
namespace {
HWND gAppWindow = nullptr;
std::string gAppTitle = "Notavo";
} // namespace

HWND appWindow() { return gAppWindow; }
void setAppWindow(HWND h) { gAppWindow = h; }
const std::string& appTitle() { return gAppTitle; }
void setAppTitle(std::string title) { gAppTitle = std::move(title); }

void reportError(const std::string& text) {
    prompts().messageBox(appWindow(), withFullStop(text), appTitle(), MB_OK | MB_ICONERROR);
}

namespace {
std::vector<std::pair<DWORD, std::string>>& errorTexts() {
    static std::vector<std::pair<DWORD, std::string>> texts;
    return texts;
}
} // namespace

void setErrorTexts(std::vector<std::pair<DWORD, std::string>> texts) { errorTexts() = std::move(texts); }

std::string systemMessage(DWORD code) {
    for (const auto& [c, text] : errorTexts())
        if (c == code) return text;
    char* buf = nullptr;
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, reinterpret_cast<char*>(&buf), 0, nullptr);
    std::string text = n && buf ? std::string(buf, n) : "Chyba systému " + std::to_string(code);
    if (buf) LocalFree(buf);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

void throwLastError(DWORD code) { throw AppError(systemMessage(code)); }

} // namespace ui
