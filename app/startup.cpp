// app/startup.cpp — the main window's start: the start-up window, the documents named on the
// command line, backup copies found in the data folder, and the data folder's clean-up
#include "app/hlavni.h"

#include "app/handover.h"
#include "app/splasch.h"
#include "document/backup.h"
#include "ui/files.h"
#include "ui/text.h"
#include "ui/unique.h"

#include <algorithm>

namespace app {

bool Thlavni1::showSplash() {
    SetTimer(hwnd(), kSplashTimerId, splashTimeMs, nullptr);
    ui::ScopeExit dropTimer{[this] { KillTimer(hwnd(), kSplashTimerId); }};
    TSplasch1 splash(*this);
    splash_ = &splash;
    ui::ScopeExit forget{[this] { splash_ = nullptr; }};
    if (!splash.create()) return false;
    dropTimer.dismiss(); // from here the timer discards itself at its tick
    splash.ShowModal();
    return true;
}

void Thlavni1::onSplashTimer() {
    KillTimer(hwnd(), kSplashTimerId); // one tick only
    if (splash_) splash_->Close();
}

void Thlavni1::FormShow(const std::vector<std::string>& commandLine) {
    // files handed over by later starts while this one was starting open with its own
    std::vector<std::string> arguments = commandLine;
    arguments.insert(arguments.end(), handedOver_.begin(), handedOver_.end());
    handedOver_.clear();
    const int n = CountBackupCopies();
    // the usual start, nothing to open or ask: the window is built whole before it shows and
    // drawn once
    const bool quiet = arguments.empty() && n == 0;
    if (quiet) {
        try {
            CreateDocumentWindow(0, false, "");
            showBars();
        } catch (...) {
            reveal(); // the failure is reported over a window the user sees
            throw;
        }
    }
    reveal();
    // as dropped files: an unreadable one is reported and skipped, Esc leaves the later ones
    // unopened, and the start-up goes on
    const bool opened = quiet || dropFiles(arguments);
    if (n > 0) {
        const int answer =
            ui::prompts().messageBox(hwnd(), LanguageStrings[11] + std::to_string(n) + LanguageStrings[12] + offeredNames(),
                                     LanguageStrings[13], MB_ICONQUESTION | MB_YESNO);
        if (answer == IDYES) {
            RestoreBackupCopies();
            if (!AnyDocumentOpen()) CreateDocumentWindow(0, false, ""); // no copy could be read
        } else {
            if (!opened) CreateDocumentWindow(0, false, "");
            ClearOfferedCopies();
        }
    } else if (!opened) {
        CreateDocumentWindow(0, false, "");
    }
    if (!quiet) showBars();
    started_ = true;
    if (!handedOver_.empty()) PostMessageA(hwnd(), kHandOverMessage, 0, 0); // came during the question
}

// --- files from later starts

bool Thlavni1::takeHandOver(const COPYDATASTRUCT& data) {
    if (data.dwData != kHandOverTag || closing_) return false;
    const auto files = unpackFiles(data.lpData, data.cbData);
    handedOver_.insert(handedOver_.end(), files.begin(), files.end());
    // opened from the queue, not while the other start waits for the answer
    PostMessageA(hwnd(), kHandOverMessage, 0, 0);
    return true;
}

void Thlavni1::comeToFront() {
    if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
    // allowed: the later start, which has the user's input, said so (AllowSetForegroundWindow);
    // a modal window up comes with its owner
    SetForegroundWindow(GetLastActivePopup(hwnd()));
}

void Thlavni1::openHandedOver() {
    KillTimer(hwnd(), kHandOverTimerId);
    if (!started_ || handedOver_.empty()) return; // the start-up takes them
    if (!IsWindowEnabled(hwnd())) { // a dialog or a message box is up: once it is gone
        SetTimer(hwnd(), kHandOverTimerId, 250, nullptr);
        return;
    }
    const auto files = std::move(handedOver_);
    handedOver_.clear();
    dropFiles(files);
}

// The bars as the settings have them.
void Thlavni1::showBars() {
    cbPismo.setText(settings_->Editor.Pismo);
    cbVelikostPisma.setText(std::to_string(settings_->Editor.Velikost));
    CoolBar1.showBand(0, settings_->Standardni);
    CoolBar1.showBand(1, settings_->Format);
    StatusBar1.setVisible(settings_->Stav);
    updateActions();
    layout();
}

// --- backup copies in the data folder

// Only copies whose owner is gone are offered: another instance that runs (one that could not
// hand its start over) keeps its own.
int Thlavni1::CountBackupCopies() {
    document::makeDataFolder(paths_.dataFolder);
    offered_ = document::findLeftDocuments(paths_.dataFolder, owner_->id());
    return static_cast<int>(offered_.size());
}

// The files the offered copies belong to, for the question; nothing when no copy knows its
// file (copies of untitled documents, or of an older version).
std::string Thlavni1::offeredNames() const {
    constexpr std::size_t kListed = 10;
    if (std::none_of(offered_.begin(), offered_.end(), [](const auto& d) { return !d.file.empty(); })) return "";
    std::string text = ExtraTexts[language::xRecoveryFiles];
    for (std::size_t i = 0; i < offered_.size() && i < kListed; ++i)
        text += "\n" + (offered_[i].file.empty() ? ExtraTexts[language::xRecoveryUntitled] : offered_[i].file);
    if (offered_.size() > kListed) text += "\n" + ExtraTexts[language::xRecoveryMore] + std::to_string(offered_.size() - kListed);
    return text;
}

void Thlavni1::RestoreBackupCopies() {
    int kept = 0;
    for (const auto& left : offered_) {
        const int slot = FindFreeSlot();
        if (slot < 0) { // no window left: the copies stay on disk, unread, for the next start
            ++kept;
            continue;
        }
        try {
            // The copies become the document's own: they go when the document has a newer copy,
            // is saved under a new name, or the program ends normally, so a second crash before
            // the next copy loses nothing either.
            CreateDocumentWindow(slot, true, left.copies.back()).AdoptBackup(left.copies, left.file);
        } catch (const ui::LoadStopped&) {
            break; // Esc: this copy and the ones not reached stay on disk and are offered next time
        } catch (const std::exception& e) {
            ui::reportError(e.what()); // the copy stays on disk, and is offered again next time
        }
    }
    offered_.clear();
    if (kept > 0)
        ui::prompts().messageBox(hwnd(), ExtraTexts[language::xRecoveryKept] + std::to_string(kept),
                                 LanguageStrings[13], MB_ICONWARNING);
}

void Thlavni1::ClearOfferedCopies() {
    for (const auto& left : offered_)
        for (const auto& copy : left.copies) document::deleteBackupCopy(copy);
    offered_.clear();
    document::deleteStrays(paths_.dataFolder, settingsFileName());
}

void Thlavni1::ClearDataFolder() {
    document::clearOwnFiles(paths_.dataFolder, owner_->id(), settingsFileName());
    owner_->release();
}

std::string Thlavni1::settingsFileName() const { return ui::withExtension(ui::baseName(paths_.program), ".ini"); }

} // namespace app
