// document/editor.cpp — the window of one document
#include "document/editor.h"

#include "document/backup.h"
#include "document/backup_name.h"
#include "document/encoding.h"
#include "document/print.h"
#include "document/rtfguard.h"
#include "companions/funkce.h"
#include "files/files.h"
#include "ui/errors.h"
#include "ui/files.h"
#include "ui/monitor.h"
#include "ui/prompts.h"
#include "ui/text.h"

#include "lang/extra.h"

namespace document {
namespace {

constexpr char kClassName[] = "NotavoEditor";
constexpr UINT kRichEditId = 100;
constexpr int kRulerHeight = ruler::kStripHeight;
constexpr UINT_PTR kBackupTimerId = 1;

// The stored size of new document windows, at least a usable minimum and at most the work area
// of the monitor the main window is on: a size of 0 or less must not leave a sliver.
ui::Size usableSize(const settings::TMaleOkno& e, HWND mdiClient) {
    RECT r{};
    GetWindowRect(mdiClient, &r);
    const ui::Area work = ui::workAreaNear({r.left, r.top, r.right - r.left, r.bottom - r.top});
    return ui::fitSize({e.Sirka, e.Vyska}, {200, 150}, {work.width(), work.height()});
}

// A file loading: its progress in status panel 0, the windows painted meanwhile, Esc stops it
// (LoadStopped); panel 0 gets its text back at the end.
class LoadMeter {
public:
    explicit LoadMeter(DocumentHost& host) : host_(host), before_(host.statusText(0)) {}
    ~LoadMeter() {
        if (percent_ >= 0) host_.setStatusText(0, before_);
    }
    LoadMeter(const LoadMeter&) = delete;
    LoadMeter& operator=(const LoadMeter&) = delete;

    bool operator()(std::size_t done, std::size_t total) {
        const int percent = total ? static_cast<int>(done * 100 / total) : 100;
        if (percent != percent_) {
            percent_ = percent;
            const auto& x = host_.extraTexts();
            host_.setStatusText(0, x[language::xLoadProgress] + std::to_string(percent) + x[language::xLoadStopHint]);
        }
        return !ui::pumpWhileBusy();
    }

private:
    DocumentHost& host_;
    std::string before_;
    int percent_ = -1;
};

} // namespace

Teditor1::Teditor1(DocumentHost& host, HWND mdiClient, const std::string& caption)
    : host_(host), client_(mdiClient) {
    static std::uint64_t documents = 0;
    documentId_ = ++documents;
    registerClass(kClassName, CS_HREDRAW | CS_VREDRAW, nullptr, LoadIconA(nullptr, IDI_APPLICATION));
    const ui::Size size = usableSize(host_.settings().Editor, mdiClient);
    createMdiChild(client_, kClassName, caption, WS_VISIBLE | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                   size.width, size.height);
    // shown at creation: a window that remembers sizes records its first size
    if (host_.settings().Okna) {
        RECT r;
        GetWindowRect(hwnd(), &r);
        host_.settings().Editor.Sirka = r.right - r.left;
        host_.settings().Editor.Vyska = r.bottom - r.top;
    }
}

LRESULT Teditor1::defaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    return DefMDIChildProcA(hwnd(), msg, wp, lp);
}

LRESULT Teditor1::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE: FormCreate(); return 0;
    case WM_SIZE: layout(); FormResize(); break;
    case WM_MDIACTIVATE:
        if (reinterpret_cast<HWND>(lp) == hwnd()) FormActivate();
        break;
    case WM_SETFOCUS: RichEdit1.focus(); return 0;
    case WM_COMMAND:
        if (LOWORD(wp) == kRichEditId && HIWORD(wp) == EN_CHANGE) RichEdit1Change();
        break;
    case WM_TIMER:
        if (wp == kBackupTimerId) {
            Timer1Timer();
            return 0;
        }
        break;
    case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lp)->code == EN_SELCHANGE) showPosition();
        break;
    case WM_SETTEXT: {
        const LRESULT r = defaultProc(msg, wp, lp);
        // Wine: the window menu's entry for this window keeps the caption it had when the
        // window was created (Windows renames it); the client rebuilds the list from the
        // current captions on both
        SendMessageA(client_, WM_MDIREFRESHMENU, 0, 0);
        DrawMenuBar(GetParent(client_));
        return r;
    }
    case WM_CONTEXTMENU: showContextMenu(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))); return 0;
    case WM_CLOSE: static_cast<void>(requestClose()); return 0; // staying open needs nothing more
    }
    return defaultProc(msg, wp, lp);
}

void Teditor1::onDestroyed() { host_.documentDestroyed(this); }

void Teditor1::FormCreate() {
    RichEdit1.create(hwnd(), kRichEditId);
    RichEdit1.setPasteCheck([this](std::string_view rtf) { return pastedRtfReadable(rtf, host_.extraTexts()); });
    firstResizePending_ = true;
    format = FormatState{};
    format.fontName = host_.settings().Editor.Pismo;
    format.fontSize = host_.settings().Editor.Velikost;
    ChangedSinceBackup = false;
    BackupFiles.clear();
    RichEdit1.setFirstIndents(0, 0);
    RichEdit1.setModified(false);
    const auto& hints = host_.languageHints();
    std::array<std::string, kMarkerCount> tips;
    for (size_t i = 0; i < tips.size(); ++i) tips[i] = hints.size() > 16 + i ? hints[16 + i] : "";
    Panel1.create(hwnd(), tips);
    layout();
    // read once: a later change of the settings does not reach an open window
    backupInterval_ = host_.settings().Ulozeni ? host_.settings().Interval : 0;
    Timer1.attach(hwnd(), kBackupTimerId);
    Timer1.start(backupInterval_);
}

void Teditor1::ApplySettings() {
    const auto& e = host_.settings().Editor;
    const ui::Size size = usableSize(e, client_);
    RECT r{};
    GetWindowRect(hwnd(), &r);
    // a new window was made at this size: no second layout of it and its children
    if (r.right - r.left != size.width || r.bottom - r.top != size.height)
        SetWindowPos(hwnd(), nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RichEdit1.setBackground(ui::resolveColor(e.Pozadi));
    RichEdit1.setInsertionStyle(ui::CharStyle{e.Pismo, e.Velikost, ui::resolveColor(e.Barva)});
    RichEdit1.setModified(false);
    RichEdit1.emptyUndo(); // the document's own style is no step of the user's (Wine records one)
}

void Teditor1::layout() {
    RECT r;
    GetClientRect(hwnd(), &r);
    if (Panel1.hwnd()) Panel1.setWidth(r.right);
    if (RichEdit1.hwnd())
        MoveWindow(RichEdit1.hwnd(), 0, kRulerHeight, r.right, r.bottom > kRulerHeight ? r.bottom - kRulerHeight : 0,
                   TRUE);
}

void Teditor1::FormResize() {
    if (firstResizePending_) {
        firstResizePending_ = false;
        return;
    }
    if (!host_.settings().Okna || IsIconic(hwnd()) || IsZoomed(hwnd())) return;
    RECT r;
    GetWindowRect(hwnd(), &r);
    host_.settings().Editor.Sirka = r.right - r.left;
    host_.settings().Editor.Vyska = r.bottom - r.top;
}

void Teditor1::FormActivate() {
    host_.documentActivated(*this);
    const struct {
        bool on;
        const char* word;
    } alignments[] = {{format.left, "doleva"}, {format.centre, "nastred"}, {format.right, "doprava"}};
    for (const auto& a : alignments)
        if (a.on)
            host_.showFormatState(format.bold, format.italic, format.underline, a.word, format.fontName,
                                  std::to_string(format.fontSize));
    // an untitled document has no file name to show: the panel must not go on naming the
    // document that was active before
    host_.setStatusText(1, FileName.empty() ? std::string() : ui::baseName(FileName));
    showPosition();
}

void Teditor1::showPosition() {
    if (reinterpret_cast<HWND>(SendMessageA(client_, WM_MDIGETACTIVE, 0, 0)) != hwnd()) return;
    const auto& x = host_.extraTexts();
    long row = 0, column = 0;
    RichEdit1.caretPosition(row, column);
    host_.setStatusText(2, x[language::xLine] + std::to_string(row) + x[language::xColumn] + std::to_string(column));
    std::size_t name = language::xRichText;
    if (RichEdit1.plainText()) {
        switch (textFormat.encoding) {
        case Encoding::Cp1250: name = language::xEncCp1250; break;
        case Encoding::Utf8: name = textFormat.bom ? language::xEncUtf8Bom : language::xEncUtf8; break;
        case Encoding::Utf16Le: name = language::xEncUtf16; break;
        }
    }
    // the panel has room for the name alone: the explanation in brackets is the save dialog's
    std::string shown = x[name];
    if (const auto brackets = shown.find(" ("); brackets != std::string::npos) shown.resize(brackets);
    host_.setStatusText(3, shown);
}

void Teditor1::loadFile(const std::string& path) {
    const std::string bytes = ui::readFile(path);
    const auto& x = host_.extraTexts();
    // RTF that would bring the control down never reaches it (AppError); a truncated text is
    // made whole, and then the control shows what the file holds instead of its markup
    bool truncated = false;
    const std::optional<std::string> whole = isRtf(bytes) ? rtfForControl(path, bytes, x, &truncated) : std::nullopt;
    const bool wrapped = RichEdit1.wordWrap();
    {
        LoadMeter meter(host_);
        const ui::LoadProgress progress = std::ref(meter);
        // RTF the control rejects is shown as the text it is, and written back as that text
        const bool rtf = isRtf(bytes) && RichEdit1.loadRtf(whole ? *whole : bytes, progress);
        if (!rtf) {
            textFormat = detectTextFormat(bytes);
            RichEdit1.loadText(decodeText(bytes, textFormat), progress);
        }
        RichEdit1.setPlainText(!rtf);
    }
    longLinesUnwrapped = wrapped && !RichEdit1.wordWrap();
    if (longLinesUnwrapped) host_.setStatusText(0, x[language::xLongLinesUnwrapped]);
    showPosition();
    if (!RichEdit1.plainText() && truncated)
        ui::prompts().messageBox(ui::appWindow(), ui::aboutFile(path, x[language::xRtfTruncated]), ui::appTitle(),
                                 MB_ICONWARNING);
}

void Teditor1::RichEdit1Change() {
    ChangedSinceBackup = true;
    host_.documentChanged(*this);
}

void Teditor1::writeTo(const std::string& path) {
    if (RichEdit1.plainText()) {
        ui::writeFileReplacing(path, plainBytes(true));
        showPosition();
    } else {
        RichEdit1.saveFile(path);
    }
    host_.documentSaved(*this, path);
}

void Teditor1::writeAs(const SaveChoice& choice) {
    const TextFormat before = textFormat;
    if (choice.format) textFormat = *choice.format;
    try {
        writeTo(choice.path);
    } catch (...) {
        textFormat = before; // a write that failed leaves the document as it was
        showPosition();
        throw;
    }
}

std::string Teditor1::encodedText(const TextFormat& format, bool* lossy) const {
    TextEncoder encoder(format);
    std::string bytes;
    const auto length = static_cast<std::size_t>(std::max(RichEdit1.textLength(), 0L));
    bytes.reserve(length + length / 8 + 4); // most characters are one byte, each line end two
    RichEdit1.streamUnicodeText([&](std::u16string_view piece) { encoder.put(piece, bytes); });
    encoder.finish(bytes);
    if (lossy) *lossy = encoder.lossy();
    return bytes;
}

std::string Teditor1::plainBytes(bool ask) {
    // encoded as the control hands the text out: no copy of a large text in UTF-16
    bool lossy = false;
    std::string bytes = encodedText(textFormat, &lossy);
    if (ask && lossy && textFormat.encoding == Encoding::Cp1250) {
        const auto& x = host_.extraTexts();
        if (ui::prompts().messageBox(ui::appWindow(), x[language::xLossyQuestion], x[language::xLossyCaption],
                                     MB_ICONQUESTION | MB_YESNO) == IDYES) {
            textFormat = TextFormat{Encoding::Utf8, false, textFormat.lineEnd};
            bytes = encodedText(textFormat);
        }
    }
    return bytes;
}

void Teditor1::Save() {
    if (!RichEdit1.modified()) return;
    if (!FileName.empty()) {
        writeTo(FileName);
        RichEdit1.setModified(false);
        return;
    }
    const auto choice = host_.runSaveDialog(*this);
    if (!choice) return;
    writeAs(*choice);
    RichEdit1.setModified(false);
    setCaption(ui::baseName(choice->path));
    FileName = choice->path;
    DeleteBackups();
}

void Teditor1::SaveAs() {
    const auto choice = host_.runSaveDialog(*this);
    if (!choice) return;
    writeAs(*choice);
    setCaption(ui::baseName(choice->path));
    FileName = choice->path;
    DeleteBackups();
}

void Teditor1::Timer1Timer() {
    Timer1.stop();
    std::string error;
    try {
        WriteBackup(MakeBackupName(""));
    } catch (const std::exception& e) {
        error = e.what();
    }
    // a full disk or a folder briefly out of reach must not end the copies: the next tick
    // tries again
    Timer1.start(backupInterval_);
    if (error.empty()) host_.backupSucceeded(*this);
    else host_.backupFailed(*this, error);
}

void Teditor1::WriteBackup(std::string name) {
    const std::string folder = host_.dataFolder();
    makeDataFolder(folder);
    name = settleBackupName(std::move(name), [&](const std::string& n) { return nameTaken(folder + n); });
    std::optional<std::string> content;
    if (!ChangedSinceBackup && RichEdit1.modified()) {
        // a change of formatting alone sets the modified flag but sends no EN_CHANGE
        content = backupContent();
        ChangedSinceBackup = safeContent_ != std::hash<std::string>{}(*content);
    }
    if (!ChangedSinceBackup) return;
    if (!content) content = backupContent();
    const CopyRecord record{host_.backupOwner(), documentId_, ++copySequence_, 0, 0,
                            FileName.empty() ? RecoveredName : FileName};
    const std::string path = writeBackupCopy(folder, std::move(name), *content, record);
    ChangedSinceBackup = false;
    safeContent_ = std::hash<std::string>{}(*content);
    // the new copy is complete: the older ones go; one that cannot be deleted stays listed
    std::vector<std::string> kept;
    for (const auto& f : BackupFiles)
        if (!deleteBackupCopy(f)) kept.push_back(f);
    kept.push_back(path);
    BackupFiles = std::move(kept);
}

void Teditor1::DeleteBackups() {
    for (const auto& f : BackupFiles) deleteBackupCopy(f);
    BackupFiles.clear();
    safeContent_ = std::hash<std::string>{}(backupContent()); // now safe in its file
}

void Teditor1::AdoptBackup(const std::vector<std::string>& copies, const std::string& file) {
    RecoveredName = file;
    for (const auto& path : copies) {
        // ours from now on: another start while this one runs leaves them alone; one whose
        // record cannot be written is still this document's, only offered to such a start too
        try {
            reownBackupCopy(path, CopyRecord{host_.backupOwner(), documentId_, ++copySequence_, 0, 0, file});
        } catch (const std::exception&) {
        }
        BackupFiles.push_back(path);
    }
    ChangedSinceBackup = false;
    safeContent_ = std::hash<std::string>{}(backupContent());
}

std::string Teditor1::backupContent() {
    if (!RichEdit1.plainText()) return RichEdit1.streamOut();
    bool lossy = false;
    std::string bytes = encodedText(textFormat, &lossy);
    // a copy is read back by its content: it must read back as this text
    if ((lossy && textFormat.encoding == Encoding::Cp1250) || isRtf(bytes) || detectTextFormat(bytes) != textFormat)
        bytes = encodedText(TextFormat{Encoding::Utf8, true, textFormat.lineEnd});
    return bytes;
}

void Teditor1::Print(ui::PrintDevice& printer) { printDocument(RichEdit1, printer, caption()); }

unsigned Teditor1::CharCount() const { return pocetZnaku(RichEdit1.hwnd()); }
unsigned Teditor1::CharCountNoSpaces() const { return pocetZnakuBezMezer(RichEdit1.hwnd()); }
unsigned Teditor1::WordCount() const { return pocetSlov(RichEdit1.hwnd()); }

void Teditor1::ToggleWordWrap() { RichEdit1.setWordWrap(!RichEdit1.wordWrap()); }

void Teditor1::SetFontName(const std::string& face) {
    RichEdit1.setSelectionFace(face);
    format.fontName = face;
    RichEdit1.focus();
}

void Teditor1::SetFontSize(int points) {
    RichEdit1.setSelectionSize(points);
    format.fontSize = points;
    host_.settings().Editor.Velikost = points;
}

// Only the one effect changes: writing back the whole set read from a mixed selection would
// strip italic or underline from the parts that had it.
void Teditor1::SetBold(bool on) {
    RichEdit1.setSelectionEffect(ui::RichEdit::Bold, on);
    format.bold = on;
}

void Teditor1::SetItalic(bool on) {
    RichEdit1.setSelectionEffect(ui::RichEdit::Italic, on);
    format.italic = on;
}

void Teditor1::SetUnderline(bool on) {
    RichEdit1.setSelectionEffect(ui::RichEdit::Underline, on);
    format.underline = on;
}

void Teditor1::SetAlignment(const std::string& word) {
    format.left = format.centre = format.right = false;
    if (word == "doleva") {
        RichEdit1.setAlignment(PFA_LEFT);
        format.left = true;
    } else if (word == "nastred") {
        RichEdit1.setAlignment(PFA_CENTER);
        format.centre = true;
    } else if (word == "doprava") {
        RichEdit1.setAlignment(PFA_RIGHT);
        format.right = true;
    }
}

int Teditor1::closeIsModified(void* self) { return static_cast<Teditor1*>(self)->RichEdit1.modified(); }

int Teditor1::closeWriteTo(void* self, const char* path) {
    auto* doc = static_cast<Teditor1*>(self);
    try {
        // the file named in the save dialog, in the encoding chosen there
        doc->writeAs({path, path == doc->chosenPath_ ? doc->chosenFormat_ : std::nullopt});
        return 1;
    } catch (const std::exception& e) {
        doc->lastWriteError_ = e.what();
        return 0;
    }
}

int Teditor1::dialogExecute(void* self) {
    auto* doc = static_cast<Teditor1*>(self);
    try {
        const auto choice = doc->host_.runSaveDialog(*doc);
        doc->chosenPath_ = choice ? choice->path : "";
        doc->chosenFormat_ = choice ? choice->format : std::nullopt;
        return choice.has_value();
    } catch (const std::exception& e) {
        doc->lastWriteError_ = e.what();
        doc->chosenPath_.clear();
        doc->chosenFormat_.reset();
        return 0;
    }
}

const char* Teditor1::dialogFileName(void* self) { return static_cast<Teditor1*>(self)->chosenPath_.c_str(); }

int Teditor1::dialogMessageBox(void*, const char* text, const char* caption, unsigned flags) {
    return ui::prompts().messageBox(nullptr, text, caption, flags);
}

CloseOutcome Teditor1::requestClose() {
    const auto& strings = host_.languageStrings();
    const TextControl text{this, closeIsModified, closeWriteTo};
    const SaveDialog dialog{this, dialogExecute, dialogFileName, dialogMessageBox};
    CloseResult result{0, 0, this}; // a box that fails keeps the window open
    lastWriteError_.clear();
    const std::string title = caption();
    const int rc = EditorZavrit(&text, this, &dialog, title.c_str(), FileName.c_str(), strings.at(16).c_str(),
                                strings.at(17).c_str(), &result);
    if (rc != ZAVRIT_OK) throw ui::AppError(lastWriteError_.empty() ? "Failed to Save Stream" : lastWriteError_);
    if (result.CloseAction != 2) return CloseOutcome::KeptOpen;
    // the host frees the slot and this object when the window is destroyed
    SendMessageA(client_, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd()), 0);
    return CloseOutcome::Closed;
}

void Teditor1::showContextMenu(int x, int y) {
    if (x == -1 && y == -1) { // from the keyboard: at the caret
        POINT p{};
        GetCaretPos(&p);
        ClientToScreen(RichEdit1.hwnd(), &p);
        x = p.x;
        y = p.y;
    }
    ui::UniqueMenu menu{CreatePopupMenu()};
    const ContextItem items[] = {ContextItem::Pismo, ContextItem::Kopirovat, ContextItem::Vyjmout,
                                 ContextItem::Vlozit};
    for (size_t i = 0; i < std::size(items); ++i) {
        if (i == 1) AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu.get(), MF_STRING, i + 1, host_.contextCaption(items[i]).c_str());
    }
    const int cmd = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, hwnd(), nullptr);
    if (cmd > 0) host_.runContextCommand(items[cmd - 1]);
}

} // namespace document
