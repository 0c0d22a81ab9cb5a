// tests/win/support.cpp — scripted prompts, temporary folders, a main window under test
#include "tests/win/support.h"

#include "ui/errors.h"
#include "ui/files.h"
#include "ui/richedit.h"
#include "ui/text.h"
#include "ui/window.h"

#include <commctrl.h>

namespace test {

int ScriptedPrompts::messageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    boxes_.push_back({text, caption, flags, owner});
    if (boxAnswers_.empty()) {
        ADD_FAILURE() << "unscripted message box: [" << caption << "] " << text;
        return (flags & 0xF) == MB_OK ? IDOK : IDCANCEL;
    }
    const int a = boxAnswers_.front();
    boxAnswers_.pop_front();
    return a;
}

std::optional<ui::FileChoice> ScriptedPrompts::file(bool save, const ui::FileDialogArgs& args) {
    dialogs_.push_back({save, args});
    if (fileAnswers_.empty()) {
        ADD_FAILURE() << "unscripted file dialog";
        return std::nullopt;
    }
    FileAnswer a = fileAnswers_.front();
    fileAnswers_.pop_front();
    int index = args.filterIndex;
    for (int t : a.typeChanges) index = args.onTypeChange ? args.onTypeChange(t) : t;
    if (!a.typeChanges.empty()) a.filterIndex = index;
    if (!a.path) return std::nullopt;
    // as the dialog gives it: the list's item only while the list is shown and can be used
    const bool listUsable = !args.choices.empty() && (!args.choicesEnabled || args.choicesEnabled());
    return ui::FileChoice{*a.path, a.filterIndex, listUsable ? a.choice : -1};
}

std::optional<ui::FontChoice> ScriptedPrompts::chooseFont(HWND, const ui::FontChoice& initial) {
    fontsShown_.push_back(initial);
    if (fontAnswers_.empty()) {
        ADD_FAILURE() << "unscripted font dialog";
        return std::nullopt;
    }
    auto a = fontAnswers_.front();
    fontAnswers_.pop_front();
    return a;
}

std::optional<COLORREF> ScriptedPrompts::chooseColor(HWND, COLORREF initial) {
    colorsShown_.push_back(initial);
    if (colorAnswers_.empty()) {
        ADD_FAILURE() << "unscripted colour dialog";
        return std::nullopt;
    }
    auto a = colorAnswers_.front();
    colorAnswers_.pop_front();
    return a;
}

std::unique_ptr<ui::PrintDevice> ScriptedPrompts::printDialog(const ui::PrintDialogArgs&) {
    printerRequests_.push_back(true);
    if (printerAnswers_.empty()) {
        ADD_FAILURE() << "unscripted print dialog";
        return nullptr;
    }
    auto p = std::move(printerAnswers_.front());
    printerAnswers_.pop_front();
    return p;
}

std::unique_ptr<ui::PrintDevice> ScriptedPrompts::currentPrinter() {
    printerRequests_.push_back(false);
    if (printerAnswers_.empty() || !printerAnswers_.front()) {
        if (printerAnswers_.empty()) ADD_FAILURE() << "unscripted printer";
        else printerAnswers_.pop_front();
        throw ui::AppError("no printer");
    }
    auto p = std::move(printerAnswers_.front());
    printerAnswers_.pop_front();
    return p;
}

TempDir::TempDir() {
    char base[MAX_PATH + 1];
    GetTempPathA(sizeof base, base);
    static int counter = 0;
    // a folder of its own: process ids come round again, and a folder an earlier run could not
    // remove must not hand its files to this one
    do path_ = std::string(base) + "nvtest" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
    while (!CreateDirectoryA(path_.c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
    path_ += '\\';
}

static void removeTree(const std::string& folder) {
    for (const auto& n : ui::listEntries(folder + "*", false)) {
        const std::string p = folder + n;
        if (ui::folderExists(p)) {
            removeTree(p + "\\");
        } else {
            SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(p.c_str());
        }
    }
    RemoveDirectoryA(folder.c_str());
}

TempDir::~TempDir() { removeTree(path_); }

void TempDir::write(const std::string& name, const std::string& bytes) const {
    ui::writeFileReplacing(file(name), bytes);
}
std::string TempDir::read(const std::string& name) const { return ui::readFile(file(name)); }
bool TempDir::exists(const std::string& name) const { return ui::fileExists(file(name)); }
std::vector<std::string> withoutLocks(std::vector<std::string> names) {
    std::erase_if(names, [](const std::string& n) { return n.size() > 4 && n.substr(n.size() - 4) == ".own"; });
    return names;
}

std::vector<std::string> TempDir::names() const { return ui::listEntries(path_ + "*", true); }

void duringModal(const std::function<void()>& start, const std::function<void()>& during) {
    static const std::function<void()>* pending = nullptr;
    static bool ran = false;
    pending = &during;
    ran = false;
    const UINT_PTR first = SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        if (const auto* f = std::exchange(pending, nullptr)) {
            ran = true;
            (*f)();
        }
    });
    const UINT_PTR watchdog = SetTimer(nullptr, 0, 20000, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        ADD_FAILURE() << "a modal window stayed open";
        for (const char* cls : {"NotavoSplasch", "NotavoAbout", "NotavoNastaveni"})
            if (HWND h = FindWindowA(cls, nullptr)) PostMessageA(h, WM_CLOSE, 0, 0);
    });
    start();
    KillTimer(nullptr, first);
    KillTimer(nullptr, watchdog);
    pending = nullptr;
    EXPECT_TRUE(ran) << "no message loop ran";
}

void unloadLibrary(const std::string& path) {
    while (HMODULE m = GetModuleHandleA(path.c_str())) FreeLibrary(m);
}

std::string testFolder() { return ui::folderOf(ui::moduleFileName()); }

void MainWindowTest::start(const std::vector<std::string>& arguments, bool show) {
    static const bool once = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
        ui::RichEdit::loadLibrary();
        return true;
    }();
    (void)once;
    // the program's own name decides the settings file's name: Notavo.ini as in the program
    frame = std::make_unique<app::Thlavni1>(app::Paths{(programFolder.empty() ? testFolder() : programFolder) + "Notavo.exe", dataFolder.empty() ? data.path() : dataFolder});
    frame->onTerminate = [this] { terminated = true; };
    frame->splashTimeMs = USER_TIMER_MINIMUM; // the start-up window shows, but only for a moment
    ASSERT_TRUE(frame->create());
    if (show) frame->show(SW_SHOWNOACTIVATE, arguments);
    ui::pumpPending();
}

void MainWindowTest::TearDown() {
    frame.reset();
    ui::pumpPending();
    EXPECT_TRUE(prompts.allAnswersUsed()) << "scripted answers left over";
}

int MainWindowTest::openCount() const {
    int n = 0;
    for (auto* d : frame->DocumentSlots) n += d != nullptr;
    return n;
}

void MainWindowTest::closeMainWindow() {
    SendMessageA(frame->hwnd(), WM_CLOSE, 0, 0);
    ui::pumpPending();
}

} // namespace test
