// document/editor.h — the window of one document
#pragma once
#include "document/host.h"
#include "ui/richedit.h"
#include "ui/unique.h"
#include "ui/window.h"

#include <string>
#include <vector>

namespace document {

struct FormatState {
    bool bold = false, italic = false, underline = false;
    bool left = true, centre = false, right = false;
    std::string fontName;
    int fontSize = 12;
};

class Teditor1 : public ui::Window {
public:
    // Creates the window as a child of the frame's MDI client; it is shown and becomes active.
    Teditor1(DocumentHost& host, HWND mdiClient);

    ui::RichEdit RichEdit1;
    std::string FileName;
    int slot = 0;
    bool ChangedSinceBackup = false;
    std::vector<std::string> BackupFiles;
    FormatState format;

    void ApplySettings();
    // Loads a file in the control's current mode; throws AppError when it cannot be read.
    void loadFile(const std::string& path) { RichEdit1.loadFile(path); }
    void Save();
    void SaveAs();
    void ToggleWordWrap();
    int LineCount() const { return RichEdit1.lineCount(); }

    // The close decision (closing prompt); after it the window may be gone. Throws AppError
    // when the document could not be written on the user's Yes (the window then stays).
    void requestClose();

    const std::string& rulerHint(int marker) const { return rulerHints_[marker]; }

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

    static int closeIsModified(void* self);
    static int closeWriteTo(void* self, const char* path);
    static int dialogExecute(void* self);
    static const char* dialogFileName(void* self);
    static int dialogMessageBox(void* self, const char* text, const char* caption, unsigned flags);

    DocumentHost& host_;
    HWND client_;
    HWND panel_ = nullptr; // the ruler strip
    bool firstResizePending_ = true;
    std::string rulerHints_[3];
    std::string lastWriteError_;
    std::string chosenPath_;
};

} // namespace document
