// app/documents.h — the document table: the slots of the open document windows; creating,
// closing and dropping documents
#pragma once
#include <windows.h>

#include <shellapi.h>

#include "document/editor.h"
#include "document/host.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace app {

constexpr int kSlotCount = 201;

class DocumentTable : public document::DocumentHost {
public:
    std::array<document::Teditor1*, kSlotCount> DocumentSlots{};
    std::uint8_t ActiveSlot = 0;
    // whether the last close asked of the documents let them all go
    bool MayCloseFlag = false;

    document::Teditor1* activeDocument() const { return DocumentSlots[ActiveSlot]; }
    int FindFreeSlot() const;
    bool AnyDocumentOpen() const;
    // Creates a document window in `slot`; with `fromFile` it loads `name` (a ".bcp" name
    // loads as an untitled copy). Throws AppError when the file cannot be read; the window
    // made for it is closed again then.
    document::Teditor1& CreateDocumentWindow(int slot, bool fromFile, const std::string& name);
    // Opens one file as a document and reports a failure; false when it was not opened.
    // A load the user stops (ui::LoadStopped) is no failure: it goes on to the caller, which
    // ends the batch of files it belongs to.
    bool openReported(int slot, const std::string& name);
    // Asks every document to close; MayCloseFlag tells whether all went.
    void CloseAllDocuments();
    // Handles a file drop of the files named (full paths), as WM_DROPFILES does; a load the
    // user stops leaves the files after it unopened. True when any of them opened.
    bool dropFiles(const std::vector<std::string>& files);
    // The warning when no window is left for `left` (the files not opened, in order): the first
    // by name, and when there are more, how many were not opened and which.
    std::string noSlotWarning(const std::vector<std::string>& left) const;

    // Whether Save is offered: a change since the document was activated, created or saved.
    bool saveWanted() const { return saveWanted_; }
    void setSaveWanted(bool on);

    void documentActivated(document::Teditor1& w) override;
    void documentChanged(document::Teditor1& w) override;
    void documentDestroyed(document::Teditor1* w) override;
    void documentSaved(document::Teditor1&, const std::string& path) override { fileUsed(path); }
    // The first failure of a spell is reported in a box; while any document's copies fail,
    // status panel 0 says so; once none fails, the panel is cleared.
    void backupFailed(document::Teditor1& w, const std::string& error) override;
    void backupSucceeded(document::Teditor1& w) override;
    bool backupsFailing() const { return !failingBackups_.empty(); }

protected:
    ~DocumentTable() override = default;
    void onDropFiles(HDROP drop);
    // Destroys every document window (the frame is going).
    void destroyDocuments() { documents_.clear(); }

    // A file was opened or saved (its path as given; a backup copy is not one).
    virtual void fileUsed(const std::string& path) { static_cast<void>(path); }
    // While a drop's files open one by one (dropFiles), and the drop is over.
    bool dropping() const { return dropping_ > 0; }
    virtual void dropEnded() {}
    virtual HWND mdiClient() const = 0;
    virtual void warnNoSlot(const std::string& text) = 0;
    virtual void updateActions() = 0;

private:
    void backupRecovered(document::Teditor1* w);
    int dropping_ = 0;

    std::vector<std::unique_ptr<document::Teditor1>> documents_;
    std::vector<document::Teditor1*> failingBackups_; // documents whose last copy failed
    bool saveWanted_ = false;
};

} // namespace app
