// ui/prompts.cpp — Win32 message boxes and common dialogs
#include "ui/prompts.h"

#include <cderr.h>
#include <commdlg.h>
#include <dlgs.h>

#include "ui/errors.h"
#include "ui/gdi.h"
#include "ui/printer.h"

#include <cstring>
#include <optional>
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

// The list below the file type: a label and a drop-down list in a child template.
constexpr WORD kChoiceLabel = 3001, kChoiceList = 3002;

struct HookData {
    const FileDialogArgs* args;
    int choice = -1; // the list's item when the dialog was confirmed
};

// The child dialog's controls: a label and a drop-down list, their texts set at WM_INITDIALOG
// (in the ANSI code page). Win32: a child template without an stc32 control has its controls
// placed below the dialog's own; its styles must be WS_CHILD, WS_CLIPSIBLINGS, DS_3DLOOK and
// DS_CONTROL. Fixed memory: its handle is its address, as a template handle is read.
class ChoiceTemplate : Pinned {
public:
    ChoiceTemplate() {
        std::vector<WORD> t;
        auto dword = [&](DWORD v) { t.push_back(LOWORD(v)); t.push_back(HIWORD(v)); };
        auto text = [&](const char* s) { // ASCII only
            for (; *s; ++s) t.push_back(static_cast<WORD>(*s));
            t.push_back(0);
        };
        dword(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | DS_3DLOOK | DS_CONTROL | DS_SETFONT);
        dword(0);
        t.insert(t.end(), {2, 0, 0, 220, 18}); // two items; x, y, cx, cy in dialog units
        t.insert(t.end(), {0, 0, 0});          // no menu, the default class, no title
        t.push_back(8);
        text("MS Shell Dlg");
        auto item = [&](DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom) {
            if (t.size() % 2) t.push_back(0); // items start on a DWORD
            dword(style | WS_CHILD | WS_VISIBLE);
            dword(0);
            t.insert(t.end(), {static_cast<WORD>(x), static_cast<WORD>(y), static_cast<WORD>(cx),
                               static_cast<WORD>(cy), id, 0xFFFF, atom, 0, 0});
        };
        item(SS_LEFT, 5, 4, 60, 8, kChoiceLabel, 0x0082);
        item(CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 66, 2, 150, 80, kChoiceList, 0x0085);
        memory_ = GlobalAlloc(GMEM_FIXED, t.size() * sizeof(WORD));
        if (!memory_) throwLastError(GetLastError());
        std::memcpy(memory_, t.data(), t.size() * sizeof(WORD));
    }
    ~ChoiceTemplate() { GlobalFree(memory_); }
    HINSTANCE handle() const { return static_cast<HINSTANCE>(memory_); }

private:
    HGLOBAL memory_ = nullptr;
};

void enableChoices(HWND child, const FileDialogArgs& a) {
    HWND list = GetDlgItem(child, kChoiceList);
    if (!list) return;
    const bool on = !a.choicesEnabled || a.choicesEnabled();
    EnableWindow(list, on);
    EnableWindow(GetDlgItem(child, kChoiceLabel), on);
}

// Puts the list one row below the file type list, as wide as it, its label under the file
// type's label; again whenever the dialog is resized.
void alignChoices(HWND child) {
    HWND dlg = GetParent(child);
    HWND typeLabel = GetDlgItem(dlg, stc2), typeList = GetDlgItem(dlg, cmb1);
    HWND label = GetDlgItem(child, kChoiceLabel), list = GetDlgItem(child, kChoiceList);
    if (!typeLabel || !typeList || !label || !list) return;
    RECT l{}, c{}, own{}, dropped{};
    GetWindowRect(typeLabel, &l);
    GetWindowRect(typeList, &c);
    MapWindowPoints(nullptr, child, reinterpret_cast<POINT*>(&l), 2);
    MapWindowPoints(nullptr, child, reinterpret_cast<POINT*>(&c), 2);
    GetWindowRect(label, &own);
    SendMessageA(list, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    const int row = c.bottom - c.top;
    const int top = c.bottom + row / 3;
    const int labelHeight = own.bottom - own.top;
    SetWindowPos(list, nullptr, c.left, top, c.right - c.left, dropped.bottom - dropped.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(label, nullptr, l.left, top + (row - labelHeight) / 2, l.right - l.left, labelHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void initChoices(HWND child, const FileDialogArgs& a) {
    HWND list = GetDlgItem(child, kChoiceList);
    if (!list) return;
    SetDlgItemTextA(child, kChoiceLabel, a.choiceLabel.c_str());
    for (const auto& c : a.choices) SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.c_str()));
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(a.choice), 0);
    enableChoices(child, a);
}

void onTypeChange(HWND child, OFNOTIFYA& n, const FileDialogArgs& a) {
    if (a.onTypeChange) {
        const int chosen = static_cast<int>(n.lpOFN->nFilterIndex);
        const int keep = a.onTypeChange(chosen);
        if (keep != chosen) {
            n.lpOFN->nFilterIndex = static_cast<DWORD>(keep);
            // show the index the dialog now holds (the combo box is 0-based)
            SendDlgItemMessageA(GetParent(child), cmb1, CB_SETCURSEL, keep - 1, 0);
        }
    }
    enableChoices(child, a);
}

// The hook is the child dialog's procedure (explorer style).
UINT_PTR CALLBACK fileHook(HWND dlg, UINT msg, WPARAM, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        const LPARAM custom = reinterpret_cast<OPENFILENAMEA*>(lp)->lCustData;
        SetWindowLongPtrA(dlg, DWLP_USER, custom);
        guardedVoid([&] { initChoices(dlg, *reinterpret_cast<HookData*>(custom)->args); });
        return 0;
    }
    auto* data = reinterpret_cast<HookData*>(GetWindowLongPtrA(dlg, DWLP_USER));
    if (!data) return 0;
    if (msg == WM_SIZE) alignChoices(dlg);
    if (msg != WM_NOTIFY) return 0;
    auto* n = reinterpret_cast<OFNOTIFYA*>(lp);
    switch (n->hdr.code) {
    case CDN_INITDONE: alignChoices(dlg); break;
    case CDN_TYPECHANGE: guardedVoid([&] { onTypeChange(dlg, *n, *data->args); }); break;
    case CDN_FILEOK: {
        HWND list = GetDlgItem(dlg, kChoiceList);
        data->choice = list && IsWindowEnabled(list) ? static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0)) : -1;
        break;
    }
    }
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
    if (a.onTypeChange || !a.choices.empty()) {
        ofn.Flags |= OFN_ENABLEHOOK;
        ofn.lpfnHook = fileHook;
        ofn.lCustData = reinterpret_cast<LPARAM>(&data);
    }
    std::optional<ChoiceTemplate> choices;
    if (!a.choices.empty()) {
        choices.emplace();
        ofn.Flags |= OFN_ENABLETEMPLATEHANDLE;
        ofn.hInstance = choices->handle();
    }
    const BOOL ok = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!ok) {
        if (const DWORD e = CommDlgExtendedError())
            throw AppError("Dialog nelze zobrazit (chyba " + std::to_string(e) + ")");
        return std::nullopt;
    }
    return FileChoice{file.data(), static_cast<int>(ofn.nFilterIndex), data.choice};
}

std::optional<FontChoice> runFontDialog(HWND owner, const FontChoice& initial) {
    LOGFONTA lf{};
    lf.lfHeight = -MulDiv(initial.sizePt, GetDeviceCaps(WindowDC(owner).get(), LOGPIXELSY), 72);
    lf.lfWeight = initial.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = initial.italic;
    lf.lfUnderline = initial.underline;
    lf.lfStrikeOut = initial.strikeOut;
    lf.lfCharSet = DEFAULT_CHARSET;
    initial.face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    cf.rgbColors = initial.color;
    if (!ChooseFontA(&cf)) {
        if (const DWORD e = CommDlgExtendedError())
            throw AppError("Dialog nelze zobrazit (chyba " + std::to_string(e) + ")");
        return std::nullopt;
    }
    FontChoice c;
    c.face = lf.lfFaceName;
    c.sizePt = (cf.iPointSize + 5) / 10;
    c.bold = lf.lfWeight >= FW_BOLD;
    c.italic = lf.lfItalic != 0;
    c.underline = lf.lfUnderline != 0;
    c.strikeOut = lf.lfStrikeOut != 0;
    c.color = cf.rgbColors;
    return c;
}

std::optional<COLORREF> runColorDialog(HWND owner, COLORREF initial) {
    static COLORREF custom[16] = {};
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner;
    cc.rgbResult = initial;
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&cc)) return std::nullopt;
    return cc.rgbResult;
}

// The printer chosen in the print dialog (or the default one), kept for the whole run.
class CurrentPrinter : Pinned { // owns the dialog's DEVMODE and DEVNAMES blocks
public:
    ~CurrentPrinter() { forget(); }

    std::unique_ptr<PrintDevice> dialog(HWND owner) {
        PRINTDLGA pd{};
        pd.lStructSize = sizeof pd;
        pd.hwndOwner = owner;
        pd.hDevMode = devMode_;
        pd.hDevNames = devNames_;
        pd.nCopies = 1;
        // copies and collation are the printer's (its DEVMODE); no page range, no selection;
        // no warning box of the dialog's own: a missing printer is reported as an error
        pd.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOPAGENUMS | PD_NOSELECTION |
                   PD_HIDEPRINTTOFILE | PD_NOWARNING;
        const BOOL ok = PrintDlgA(&pd);
        devMode_ = pd.hDevMode; // the dialog may have replaced the blocks it was given
        devNames_ = pd.hDevNames;
        if (!ok) {
            if (const DWORD e = CommDlgExtendedError()) noPrinter(e);
            return nullptr;
        }
        return printerDevice(pd.hDC);
    }

    std::unique_ptr<PrintDevice> current() {
        if (!devNames_) {
            PRINTDLGA pd{};
            pd.lStructSize = sizeof pd;
            pd.Flags = PD_RETURNDEFAULT | PD_RETURNDC | PD_NOWARNING;
            if (!PrintDlgA(&pd)) noPrinter(CommDlgExtendedError());
            devMode_ = pd.hDevMode;
            devNames_ = pd.hDevNames;
            return printerDevice(pd.hDC);
        }
        const auto* names = static_cast<const DEVNAMES*>(GlobalLock(devNames_));
        auto* mode = devMode_ ? static_cast<DEVMODEA*>(GlobalLock(devMode_)) : nullptr;
        const char* base = reinterpret_cast<const char*>(names);
        HDC dc = names ? CreateDCA(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode) : nullptr;
        const DWORD error = GetLastError();
        if (mode) GlobalUnlock(devMode_);
        if (names) GlobalUnlock(devNames_);
        if (!dc) throwLastError(error ? error : ERROR_INVALID_PRINTER_NAME);
        return printerDevice(dc);
    }

private:
    [[noreturn]] static void noPrinter(DWORD dialogError) {
        if (dialogError == PDERR_NODEFAULTPRN || dialogError == PDERR_NODEVICES) throwLastError(ERROR_INVALID_PRINTER_NAME);
        throw AppError("Dialog nelze zobrazit (chyba " + std::to_string(dialogError) + ")");
    }
    void forget() {
        if (devMode_) GlobalFree(devMode_);
        if (devNames_) GlobalFree(devNames_);
        devMode_ = devNames_ = nullptr;
    }
    HGLOBAL devMode_ = nullptr;
    HGLOBAL devNames_ = nullptr;
};

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
    std::unique_ptr<PrintDevice> printDialog(const PrintDialogArgs& a) override { return printer_.dialog(a.owner); }
    std::unique_ptr<PrintDevice> currentPrinter() override { return printer_.current(); }

private:
    CurrentPrinter printer_;
    std::optional<FontChoice> chooseFont(HWND owner, const FontChoice& initial) override {
        return runFontDialog(owner, initial);
    }
    std::optional<COLORREF> chooseColor(HWND owner, COLORREF initial) override {
        return runColorDialog(owner, initial);
    }
};

Win32Prompts gWin32;
Prompts* gPrompts = &gWin32;

} // namespace

Prompts& prompts() { return *gPrompts; }

PromptsOverride::PromptsOverride(Prompts& p) : previous_(gPrompts) { gPrompts = &p; }
PromptsOverride::~PromptsOverride() { gPrompts = previous_; }

} // namespace ui
