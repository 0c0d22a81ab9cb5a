// glyvarin/okno.cpp — the converter window and its entry dialog
#include "glyvarin/okno.h"

#include <commctrl.h>

#include "glyvarin/dotazy.h"
#include "ui/errors.h"
#include "ui/modal.h"

#include <algorithm>
#include <optional>

namespace glyvarin {
namespace {

constexpr int kButtonWidth = 75, kButtonHeight = 25;
constexpr int kBelowGrid = 50; // client height under the grid, room for the OK button

HFONT guiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HWND child(HWND parent, DWORD exStyle, const char* cls, const std::string& text, DWORD style, int x,
           int y, int w, int h, UINT id) {
    HWND c = ui::createChild(parent, {.className = cls, .style = style, .exStyle = exStyle, .id = id,
                                      .box = {x, y, w, h}, .text = text.c_str()});
    SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), FALSE);
    return c;
}

// A field of the entry dialog empties itself at every mouse click into it, so its prompt text
// need not be deleted by hand.
LRESULT CALLBACK clickEmpties(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    const auto old = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(h, GWLP_USERDATA));
    if (msg == WM_LBUTTONDOWN) SetWindowTextA(h, "");
    return CallWindowProcA(old, h, msg, wp, lp);
}

void makeClickEmpty(HWND field) {
    const LONG_PTR old = SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(clickEmpties));
    SetWindowLongPtrA(field, GWLP_USERDATA, old);
}

std::string cellText(unsigned char c) {
    return c == 0 ? std::string() : std::string(1, static_cast<char>(c)); // a byte 0 shows as an empty cell
}

} // namespace

// --- entry dialog

TVstup::TVstup(HWND owner, const std::string& buttonCaption, const std::string& source,
               const std::string& replacement)
    : owner_(owner) {
    registerClass(kEntryClass, 0, GetSysColorBrush(COLOR_BTNFACE), nullptr);
    // a caption without a system menu: no close box
    create(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kEntryClass, "", WS_POPUP | WS_CAPTION, CW_USEDEFAULT,
           CW_USEDEFAULT, 250, 100, owner, nullptr);
    RECT ownerRect{};
    if (owner && GetWindowRect(owner, &ownerRect)) // Win32: CW_USEDEFAULT puts a popup at 0,0
        SetWindowPos(hwnd(), nullptr, ownerRect.left + 20, ownerRect.top + 60, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    source_ = child(hwnd(), WS_EX_CLIENTEDGE, "EDIT", source, WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 121, 21, kIdSource);
    replacement_ = child(hwnd(), WS_EX_CLIENTEDGE, "EDIT", replacement, WS_TABSTOP | ES_AUTOHSCROLL, 0, 30,
                         121, 21, kIdReplacement);
    button_ = child(hwnd(), 0, "BUTTON", buttonCaption, WS_TABSTOP | BS_PUSHBUTTON, 150, 25, kButtonWidth,
                    kButtonHeight, kIdConfirm);
    for (HWND f : {source_, replacement_}) {
        SendMessageA(f, EM_LIMITTEXT, 1, 0); // what is typed; the texts set above may be longer
        makeClickEmpty(f);
    }
}

std::pair<std::string, std::string> TVstup::run() {
    SetFocus(source_);
    ui::runModal(hwnd(), owner_, done_, true);
    return {ui::windowText(source_), ui::windowText(replacement_)};
}

LRESULT TVstup::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        // Enter and Esc arrive as IDOK and IDCANCEL: the dialog has neither, so they do nothing
        if (LOWORD(wp) == kIdConfirm) done_ = true;
        return 0;
    case WM_CLOSE: done_ = true; return 0;
    }
    return defaultProc(msg, wp, lp);
}

// --- converter window

TPrevodnik::TPrevodnik(TPrevodZnaku& prevod) : prevod_(prevod) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    registerClass(kConverterClass, 0, GetSysColorBrush(COLOR_BTNFACE), nullptr);
    create(WS_EX_CONTROLPARENT, kConverterClass, "", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
           CW_USEDEFAULT, CW_USEDEFAULT, 160, 530, prevod_.owner, nullptr);
    ok_ = child(hwnd(), 0, "BUTTON", "OK", WS_TABSTOP | BS_PUSHBUTTON, 50, 470, kButtonWidth, kButtonHeight, kIdOk);

    popup_.reset(CreatePopupMenu());
    if (!popup_) ui::throwLastError();
    const struct { UINT id; Text caption; ULONG_PTR tag; } items[] = {
        {kCmdAdd, kAdd, 1}, {kCmdEdit, kEdit, 3}, {kCmdDelete, kDelete, 2}};
    for (const auto& it : items) {
        const std::string caption = prevod_.text(it.caption);
        MENUITEMINFOA mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_ID | MIIM_STRING | MIIM_DATA;
        mi.wID = it.id;
        mi.dwItemData = it.tag;
        mi.dwTypeData = const_cast<char*>(caption.c_str());
        if (!InsertMenuItemA(popup_.get(), GetMenuItemCount(popup_.get()), TRUE, &mi)) ui::throwLastError();
    }

    grid_ = child(hwnd(), WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                  WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER, 0, 0, 150, 450,
                  kIdGrid);
    SendMessageA(grid_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    const Text headers[] = {kHeaderSource, kHeaderReplacement};
    for (int c = 0; c < 2; ++c) {
        const std::string h = prevod_.text(headers[c]);
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.pszText = const_cast<char*>(h.c_str());
        col.cx = 70;
        SendMessageA(grid_, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&col));
    }
    fillGrid();
    layout();
}

TPrevodnik::~TPrevodnik() {
    // grid, button, popup menu, then the window (the base class)
    if (grid_ && IsWindow(grid_)) DestroyWindow(grid_);
    if (ok_ && IsWindow(ok_)) DestroyWindow(ok_);
    popup_.reset();
}

void TPrevodnik::fillGrid() {
    rows_.clear();
    rows_.reserve(prevod_.table.size());
    for (std::size_t i = 0; i < prevod_.table.size(); ++i)
        rows_.push_back({prevod_.table.source(i), prevod_.table.replacement(i)});
    showRows();
    selectRow(0);
}

void TPrevodnik::showRows() {
    SendMessageA(grid_, LVM_SETITEMCOUNT, rows_.size(), LVSICF_NOSCROLL);
    InvalidateRect(grid_, nullptr, TRUE);
}

void TPrevodnik::cellInfo(NMLVDISPINFOA& info) const {
    LVITEMA& it = info.item;
    if (!(it.mask & LVIF_TEXT) || !it.pszText || it.cchTextMax <= 0) return;
    const auto row = static_cast<std::size_t>(it.iItem);
    cell_ = row < rows_.size() ? cellText(it.iSubItem == 0 ? rows_[row].source : rows_[row].replacement) : "";
    lstrcpynA(it.pszText, cell_.c_str(), it.cchTextMax);
}

int TPrevodnik::currentRow() const {
    const auto i = static_cast<int>(SendMessageA(grid_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return i >= 0 && i < static_cast<int>(rows_.size()) ? i : -1;
}

void TPrevodnik::selectRow(int index) {
    if (rows_.empty()) return;
    if (index >= static_cast<int>(rows_.size())) index = static_cast<int>(rows_.size()) - 1;
    LVITEMA it{};
    it.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    it.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(grid_, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&it));
    SendMessageA(grid_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

void TPrevodnik::layout() {
    RECT r{};
    GetClientRect(hwnd(), &r);
    const int gridHeight = std::max<int>(0, r.bottom - kBelowGrid);
    MoveWindow(grid_, 0, 0, r.right, gridHeight, TRUE);
    MoveWindow(ok_, std::max<int>(0, (r.right - kButtonWidth) / 2), gridHeight + 12, kButtonWidth,
               kButtonHeight, TRUE);
    const int half = std::max<int>(20, (r.right - GetSystemMetrics(SM_CXVSCROLL) - 4) / 2);
    SendMessageA(grid_, LVM_SETCOLUMNWIDTH, 0, half);
    SendMessageA(grid_, LVM_SETCOLUMNWIDTH, 1, half);
}

void TPrevodnik::showPopup(LPARAM where) {
    POINT p{static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    if (where == -1) { // from the keyboard: at the current row, else at the grid's corner
        RECT rc{LVIR_BOUNDS, 0, 0, 0}; // LVM_GETITEMRECT reads the portion from left
        const int row = currentRow();
        if (row < 0 || !SendMessageA(grid_, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rc)))
            rc = RECT{0, 0, 0, 0};
        p = {rc.left + 10, rc.bottom};
        ClientToScreen(grid_, &p);
    }
    TrackPopupMenu(popup_.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, p.x, p.y, 0, hwnd(), nullptr);
}

void TPrevodnik::pmClick(UINT id) {
    MENUITEMINFOA mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_DATA;
    if (!GetMenuItemInfoA(popup_.get(), id, FALSE, &mi)) return;
    switch (mi.dwItemData) {
    case 1: addEntry(); break;
    case 3: editEntry(); break;
    case 2: deleteEntry(); break;
    }
}

std::optional<TPrevodnik::Row> TPrevodnik::askEntry(const std::string& buttonCaption, const std::string& source,
                                                     const std::string& replacement) {
    std::pair<std::string, std::string> fields;
    {
        TVstup dialog(hwnd(), buttonCaption, source, replacement);
        fields = dialog.run();
    }
    if (fields.first.size() == 1 && fields.second.size() == 1)
        return Row{static_cast<unsigned char>(fields.first[0]), static_cast<unsigned char>(fields.second[0])};
    // Owned by this window, so the grid cannot be changed while the message is up.
    messageBox(hwnd(), prevod_.text(kInvalidEntry), prevod_.text(kInvalidEntryCaption), MB_ICONERROR);
    return std::nullopt;
}

void TPrevodnik::addEntry() {
    const auto row = askEntry(prevod_.text(kAddButton), prevod_.text(kHeaderSource), prevod_.text(kHeaderReplacement));
    if (!row) return;
    rows_.push_back(*row);
    showRows();
    selectRow(static_cast<int>(rows_.size()) - 1);
}

void TPrevodnik::editEntry() {
    const int i = currentRow();
    if (i < 0) return; // no entry row: nothing to edit
    const Row current = rows_[static_cast<std::size_t>(i)];
    const auto row = askEntry(prevod_.text(kEdit), cellText(current.source), cellText(current.replacement));
    if (!row) return;
    rows_[static_cast<std::size_t>(i)] = *row;
    SendMessageA(grid_, LVM_REDRAWITEMS, static_cast<WPARAM>(i), static_cast<LPARAM>(i));
}

void TPrevodnik::deleteEntry() {
    const int i = currentRow();
    if (i < 0) return;
    rows_.erase(rows_.begin() + i);
    showRows();
    selectRow(i);
}

void TPrevodnik::okClick() {
    prevod_.table.clear();
    for (const Row& r : rows_)
        prevod_.table.append(r.source, r.replacement);
    if (rows_.empty()) messageBox(hwnd(), prevod_.text(kNoEntries), prevod_.text(kNoEntriesCaption), MB_ICONERROR);
    try {
        prevod_.save();
    } catch (const std::exception& e) {
        reportError(e.what()); // the window stays open; the table already holds the rows
        return;
    }
    done_ = true;
}

void TPrevodnik::run() { ui::runModal(hwnd(), prevod_.owner, done_, true); }

LRESULT TPrevodnik::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SIZE: layout(); return 0;
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lp);
        if (hdr->hwndFrom == grid_ && hdr->code == LVN_GETDISPINFOA) cellInfo(*reinterpret_cast<NMLVDISPINFOA*>(lp));
        return 0;
    }
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wp) == grid_) showPopup(lp);
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case kIdOk: okClick(); return 0;
        case kCmdAdd: case kCmdEdit: case kCmdDelete: pmClick(LOWORD(wp)); return 0;
        }
        return 0; // IDOK and IDCANCEL from Enter and Esc: the window has no default button
    case WM_CLOSE: done_ = true; return 0; // the close box discards the grid's changes
    }
    return defaultProc(msg, wp, lp);
}

void unregisterWindowClasses() {
    UnregisterClassA(kConverterClass, GetModuleHandleA(nullptr));
    UnregisterClassA(kEntryClass, GetModuleHandleA(nullptr));
}

} // namespace glyvarin
