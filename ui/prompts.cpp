// ui/prompts.cpp — Win32 message boxes and common dialogs
#include "ui/prompts.h"

#include <commdlg.h>
#include <dlgs.h>

#include "ui/errors.h"

#include <vector>

namespace ui {
namespace {

// "a|b|c|d" -> "a\0b\0c\0d\0\0", the form the common dialogs take.
std::string dialogFilter(const std::string& bars) {
    std::string f = bars;
    for (char& c : f)
        if (c == '|') c = '\0';
    f.push_back('\0');
    f.push_back('\0');
    return f;
}

struct HookData {
    const FileDialogArgs* args;
};

UINT_PTR CALLBACK fileHook(HWND dlg, UINT msg, WPARAM, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrA(dlg, DWLP_USER, reinterpret_cast<OPENFILENAMEA*>(lp)->lCustData);
        return 0;
    }
    if (msg != WM_NOTIFY) return 0;
    auto* n = reinterpret_cast<OFNOTIFYA*>(lp);
    if (n->hdr.code != CDN_TYPECHANGE) return 0;
    auto* data = reinterpret_cast<HookData*>(GetWindowLongPtrA(dlg, DWLP_USER));
    if (!data || !data->args->onTypeChange) return 0;
    guardedVoid([&] {
        const int chosen = static_cast<int>(n->lpOFN->nFilterIndex);
        const int keep = data->args->onTypeChange(chosen);
        if (keep != chosen) {
            n->lpOFN->nFilterIndex = static_cast<DWORD>(keep);
            // show the index the dialog now holds (the combo box is 0-based)
            SendDlgItemMessageA(GetParent(dlg), cmb1, CB_SETCURSEL, keep - 1, 0);
        }
    });
    return 0;
}

std::optional<FileChoice> runFileDialog(const FileDialogArgs& a, bool save) {
    const std::string filter = dialogFilter(a.filter);
    std::vector<char> file(32768, '\0');
    a.fileName.copy(file.data(), file.size() - 1);
    HookData data{&a};
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = a.owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(a.filterIndex);
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = a.defaultExt.empty() ? nullptr : a.defaultExt.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    if (a.mustExist) ofn.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (a.onTypeChange) {
        ofn.Flags |= OFN_ENABLEHOOK;
        ofn.lpfnHook = fileHook;
        ofn.lCustData = reinterpret_cast<LPARAM>(&data);
    }
    const BOOL ok = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!ok) {
        if (const DWORD e = CommDlgExtendedError())
            throw AppError("Dialog nelze zobrazit (chyba " + std::to_string(e) + ")");
        return std::nullopt;
    }
    return FileChoice{file.data(), static_cast<int>(ofn.nFilterIndex)};
}

class Win32Prompts final : public Prompts {
public:
    int messageBox(HWND owner, const std::string& text, const std::string& caption,
                   UINT flags) override {
        return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
    }
    std::optional<FileChoice> openFile(const FileDialogArgs& a) override {
        return runFileDialog(a, false);
    }
    std::optional<FileChoice> saveFile(const FileDialogArgs& a) override {
        return runFileDialog(a, true);
    }
};

Win32Prompts gWin32;
Prompts* gPrompts = &gWin32;

} // namespace

Prompts& prompts() { return *gPrompts; }

PromptsOverride::PromptsOverride(Prompts& p) : previous_(gPrompts) { gPrompts = &p; }
PromptsOverride::~PromptsOverride() { gPrompts = previous_; }

} // namespace ui
