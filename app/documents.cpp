// app/documents.cpp — the document table: slots, creating, closing and dropping documents
#include "app/documents.h"

#include "lang/extra.h"
#include "ui/errors.h"
#include "ui/files.h"
#include "ui/text.h"
#include "ui/unique.h"

#include <algorithm>

namespace app {

int DocumentTable::FindFreeSlot() const {
    for (int i = 0; i < kSlotCount; ++i)
        if (!DocumentSlots[static_cast<size_t>(i)]) return i;
    return -1;
}

bool DocumentTable::AnyDocumentOpen() const {
    return std::any_of(DocumentSlots.begin(), DocumentSlots.end(), [](auto* w) { return w != nullptr; });
}

document::Teditor1& DocumentTable::CreateDocumentWindow(int slot, bool fromFile, const std::string& name) {
    const bool backupCopy = ui::extensionOf(name) == ".bcp";
    const bool ownFile = fromFile && !backupCopy;
    documents_.push_back(std::make_unique<document::Teditor1>(
        *this, mdiClient(), ownFile ? ui::baseName(name) : languageStrings()[15] + std::to_string(slot + 1)));
    document::Teditor1& doc = *documents_.back();
    DocumentSlots.at(static_cast<size_t>(slot)) = &doc;
    doc.slot = slot;
    ActiveSlot = static_cast<std::uint8_t>(slot);
    doc.ApplySettings();
    try {
        if (ownFile) {
            doc.FileName = name;
            doc.loadFile(name);
            doc.RichEdit1.setModified(false);
            doc.ChangedSinceBackup = false;
        } else if (backupCopy) {
            doc.loadFile(name);
            // a copy has no file of its own yet: closing it asks, and the next tick copies it
            doc.RichEdit1.setModified(true);
            doc.ChangedSinceBackup = true;
        }
    } catch (...) {
        // nothing was loaded: the window goes again, so no empty window claims the file's name
        SendMessageA(mdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(doc.hwnd()), 0);
        throw;
    }
    if (ownFile) {
        fileUsed(name);
        // the window became active before it had its file: the panel names the file now
        setStatusText(1, ui::baseName(name));
    }
    setSaveWanted(true); // a new document can be saved
    return doc;
}

bool DocumentTable::openReported(int slot, const std::string& name) {
    try {
        CreateDocumentWindow(slot, true, name);
        return true;
    } catch (const ui::LoadStopped&) {
        throw;
    } catch (const std::exception& e) {
        ui::reportError(e.what());
        return false;
    }
}

void DocumentTable::CloseAllDocuments() {
    for (document::Teditor1* doc : DocumentSlots) {
        if (doc && doc->requestClose() == document::CloseOutcome::KeptOpen) {
            MayCloseFlag = false;
            return;
        }
    }
    MayCloseFlag = true;
}

void DocumentTable::setSaveWanted(bool on) {
    saveWanted_ = on;
    updateActions();
}

void DocumentTable::documentActivated(document::Teditor1& w) {
    const auto slot = std::find(DocumentSlots.begin(), DocumentSlots.end(), &w);
    if (slot == DocumentSlots.end()) return; // still being created: its slot comes next
    ActiveSlot = static_cast<std::uint8_t>(slot - DocumentSlots.begin());
    setSaveWanted(w.RichEdit1.modified());
}

void DocumentTable::documentChanged(document::Teditor1&) {
    if (!saveWanted_) setSaveWanted(true);
}

void DocumentTable::backupFailed(document::Teditor1& w, const std::string& error) {
    const bool first = failingBackups_.empty();
    if (std::find(failingBackups_.begin(), failingBackups_.end(), &w) == failingBackups_.end())
        failingBackups_.push_back(&w);
    const auto& x = extraTexts();
    setStatusText(0, x[language::xBackupFailing]);
    // once per spell: the other documents' ticks meanwhile (also inside this box) only count
    if (first) ui::reportError(x[language::xBackupFailed] + w.caption() + "\n\n" + ui::withFullStop(error) +
                               "\n\n" + x[language::xBackupRetry]);
}

void DocumentTable::backupSucceeded(document::Teditor1& w) { backupRecovered(&w); }

void DocumentTable::backupRecovered(document::Teditor1* w) {
    const auto at = std::find(failingBackups_.begin(), failingBackups_.end(), w);
    if (at == failingBackups_.end()) return;
    failingBackups_.erase(at);
    if (failingBackups_.empty()) setStatusText(0, "");
}

void DocumentTable::documentDestroyed(document::Teditor1* w) {
    backupRecovered(w);
    for (auto& slot : DocumentSlots)
        if (slot == w) slot = nullptr;
    // the window is gone and its thunk no longer touches the object: free it now
    std::erase_if(documents_, [w](const auto& p) { return p.get() == w; });
    updateActions();
}

void DocumentTable::onDropFiles(HDROP drop) {
    std::vector<std::string> files;
    const UINT n = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < n; ++i) {
        std::string name(DragQueryFileA(drop, i, nullptr, 0) + 1, '\0');
        name.resize(DragQueryFileA(drop, i, name.data(), static_cast<UINT>(name.size())));
        files.push_back(name);
    }
    DragFinish(drop);
    dropFiles(files);
}

bool DocumentTable::dropFiles(const std::vector<std::string>& files) {
    bool opened = false;
    ++dropping_;
    ui::ScopeExit ended{[this] {
        if (--dropping_ == 0) dropEnded();
    }};
    try {
        for (auto at = files.begin(); at != files.end(); ++at) {
            const int slot = FindFreeSlot();
            if (slot < 0) {
                warnNoSlot(noSlotWarning({at, files.end()}));
                break;
            }
            // a file that cannot be read is reported and does not stop the later ones
            if (openReported(slot, *at)) opened = true;
        }
    } catch (const ui::LoadStopped&) {
        // Esc: the user wants the window back, not the next file
    }
    return opened;
}

std::string DocumentTable::noSlotWarning(const std::vector<std::string>& left) const {
    constexpr std::size_t kListed = 10;
    std::string text = languageStrings()[3] + (left.empty() ? std::string() : ui::baseName(left.front()));
    if (left.size() < 2) return text;
    const auto& x = extraTexts();
    text += x[language::xFilesNotOpened] + std::to_string(left.size());
    for (std::size_t i = 0; i < left.size() && i < kListed; ++i) text += "\n" + ui::baseName(left[i]);
    if (left.size() > kListed) text += "\n" + x[language::xRecoveryMore] + std::to_string(left.size() - kListed);
    return text;
}

} // namespace app
