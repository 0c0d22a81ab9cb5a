// ui/errors.h — unexpected failures: one exception type, one report, one catching boundary
#pragma once
#include <windows.h>

#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace ui {

// An unexpected failure; what() is the text the user sees.
class AppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The application window (owner of every report) and the application title (their caption).
HWND appWindow();
void setAppWindow(HWND h);
const std::string& appTitle();
void setAppTitle(std::string title);

// The general error report: owned by the application window, its title as caption, OK and
// the error icon, a full stop appended by the rule of withFullStop.
void reportError(const std::string& text);

// The text for a Win32 error code, without the trailing line break: the one set for it with
// setErrorTexts, else the system's (which is in the system's language, not the user's).
std::string systemMessage(DWORD code);
// Texts in the user's language for the error codes a user meets with files.
void setErrorTexts(std::vector<std::pair<DWORD, std::string>> texts);
// Throws AppError with the system's message for GetLastError() (or `code`).
[[noreturn]] void throwLastError(DWORD code = GetLastError());

// Runs a handler that Win32 called; an exception becomes the general error report.
template <class F> auto guarded(F&& f, decltype(f()) onError = {}) noexcept -> decltype(f()) {
    try {
        return f();
    } catch (const std::exception& e) {
        reportError(e.what());
    } catch (...) {
        reportError("Neočekávaná chyba");
    }
    return onError;
}
template <class F> void guardedVoid(F&& f) noexcept {
    try {
        f();
    } catch (const std::exception& e) {
        reportError(e.what());
    } catch (...) {
        reportError("Neočekávaná chyba");
    }
}

} // namespace ui
