// document/editor.h — the window of one document
#pragma once
#include "document/encoding.h"
#include "document/host.h"
#include "document/ruler.h"
#include "ui/printer.h"
#include "ui/richedit.h"
#include "ui/timer.h"
#include "ui/unique.h"
#include "ui/window.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace document {

struct FormatState {
    bool bold = false, italic = false, underline = false;
    bool left = true, centre = false, right = false;
    std::string fontName;
    int fontSize = 12;
};

// What came of asking a document window to close.
enum class CloseOutcome { Closed, KeptOpen };

class Teditor1 : public ui::Window {
public:
    // Creates the window as a child of the frame's MDI client; it is shown and becomes active.
    // `caption`: the window's first caption, given at creation (set later, it costs the window
    // menu a rebuild)
    Teditor1(DocumentHost& host, HWND mdiClient, const std::string& caption);

    ui::RichEdit RichEdit1;
    // the paragraph ruler above the text (Panel1 with its markers and their drag state)
    Ruler Panel1{RichEdit1};
    std::string FileName;
    int slot = 0;
    bool ChangedSinceBackup = false;
    // Full paths of this document's backup copies on disk, oldest first; normally only the
    // newest, since a new copy replaces the older ones once it is complete.
    std::vector<std::string> BackupFiles;
    // The file a document reopened from a backup copy belonged to ("" when unknown): the save
    // dialog starts at it, and the document's own copies keep it in their records. The
    // document itself stays untitled until it is saved.
    std::string RecoveredName;
    // Runs while copies are on (settings read when the window is created).
    ui::Timer Timer1;
    FormatState format;

    // How the document is written while RichEdit1 is in plain-text mode.
    TextFormat textFormat;

    void ApplySettings();
    // Loads a file as RTF when its content is RTF (and the control takes it), else as plain
    // text in the format its bytes show; sets the mode. Throws AppError when it cannot be read.
    // Shows its progress in status panel 0; Esc stops it (ui::LoadStopped, the content unspecified).
    void loadFile(const std::string& path);
    // The last file loaded had lines too long to wrap: word wrap went off (status panel 0 says so).
    bool longLinesUnwrapped = false;
    // Shows the caret's row and column in status panel 2 and the document's format in panel 3.
    void showPosition();
    void Save();
    void SaveAs();
    // Prints the whole text on `printer`, the caption as the job's title; throws AppError.
    void Print(ui::PrintDevice& printer);
    void ToggleWordWrap();

    // Formatting commanded from the toolbar: applied to the selection and kept in `format`.
    void SetFontName(const std::string& face);
    void SetFontSize(int points); // also the default size of documents created later
    void SetBold(bool on);
    void SetItalic(bool on);
    void SetUnderline(bool on);
    // "doleva", "nastred" or "doprava"; any other word changes no paragraph and clears all three.
    void SetAlignment(const std::string& word);

    // Backup copies. A tick stops Timer1, writes a copy if one is due and starts Timer1 again;
    // a copy that cannot be written is reported to the host and tried again at the next tick.
    void Timer1Timer();
    // Makes the data folder, settles a free name from `name` and, when the text has changed
    // since the last copy, writes the copy; then deletes this document's older copies.
    // Throws AppError when the copy cannot be written (nothing changed then).
    void WriteBackup(std::string name);
    // Deletes every listed copy (skipping those that cannot be deleted) and empties the list;
    // called once the document has been written under a name from the save dialog.
    void DeleteBackups();
    // Takes the copies the document was just reopened from (the newest last) as its own, with
    // the name of the file it belonged to: they stay on disk until a newer copy or a save
    // replaces them, and their records name this run as their owner.
    void AdoptBackup(const std::vector<std::string>& copies, const std::string& file = "");
    int LineCount() const { return RichEdit1.lineCount(); }
    // Counts by the statistics library (funkce.dll), which reads the text through the control.
    unsigned CharCount() const;
    unsigned CharCountNoSpaces() const;
    unsigned WordCount() const;

    // The close decision (closing prompt). Closed: the window and this object are gone.
    // Throws AppError when the document could not be written on the user's Yes (the window
    // then stays).
    [[nodiscard]] CloseOutcome requestClose();

    const std::string& rulerHint(int marker) const { return Panel1.hint(static_cast<Marker>(marker)); }

protected:
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT defaultProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void onDestroyed() override;

private:
    void FormCreate();
    void FormResize();
    void FormActivate();
    void RichEdit1Change();
    void layout();
    void showContextMenu(int x, int y);
    // Writes the document to `path` (temporary file, then replace); throws AppError.
    void writeTo(const std::string& path);
    // The same to the save dialog's choice: a plain-text document in the encoding chosen there,
    // which it keeps once the file is written.
    void writeAs(const SaveChoice& choice);
    // The copy's bytes: RTF, or plain text in plain-text mode (UTF-8 with a byte-order mark
    // when the document's own format would lose characters or read back as RTF).
    std::string backupContent();
    // The plain text in textFormat; with `ask`, a text the encoding cannot hold offers UTF-8.
    std::string plainBytes(bool ask);
    // The text in `format`, encoded piece by piece as the control gives it out.
    std::string encodedText(const TextFormat& format, bool* lossy = nullptr) const;

    static int closeIsModified(void* self);
    static int closeWriteTo(void* self, const char* path);
    static int dialogExecute(void* self);
    static const char* dialogFileName(void* self);
    static int dialogMessageBox(void* self, const char* text, const char* caption, unsigned flags);

    DocumentHost& host_;
    HWND client_;
    bool firstResizePending_ = true;
    int backupInterval_ = 0;
    std::uint64_t documentId_;       // tells this document's copies from the others' of the run
    std::uint64_t copySequence_ = 0; // grows with every copy
    // Fingerprint of the content last made safe (copied, reopened from a copy, or saved under a
    // new name): formatting sends no change notification, so a tick compares against it.
    std::optional<std::size_t> safeContent_;
    std::string lastWriteError_;
    std::string chosenPath_;
    std::optional<TextFormat> chosenFormat_; // the encoding chosen with chosenPath_
};

} // namespace document
