// app/startup.cpp — the main window's start: the start-up window, the documents named on the
// command line, backup copies found in the data folder, and the data folder's clean-up
#include "app/hlavni.h"

#include "app/handover.h"
#include "app/splasch.h"
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
    bool opened = false;
    for (const auto& arg : arguments) {
        const int slot = FindFreeSlot();
        if (slot < 0) {
            warnNoSlot(LanguageStrings[3] + ui::baseName(arg));
            break;
        }
        // an unreadable argument is reported and skipped; the start-up goes on
        if (openReported(slot, arg)) opened = true;
    }
    const int n = CountBackupCopies();
    if (n > 0) {
        const int answer = ui::prompts().messageBox(hwnd(), LanguageStrings[11] + std::to_string(n) + LanguageStrings[12],
                                                    LanguageStrings[13], MB_ICONQUESTION | MB_YESNO);
        if (answer == IDYES) {
            RestoreBackupCopies();
            if (!AnyDocumentOpen()) CreateDocumentWindow(0, false, ""); // no copy could be read
        } else {
            if (!opened) CreateDocumentWindow(0, false, "");
            ClearDataFolder();
        }
    } else if (!opened) {
        CreateDocumentWindow(0, false, "");
    }
    showBars();
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

int Thlavni1::CountBackupCopies() {
    ui::createFolder(ui::folderOf(paths_.dataFolder.substr(0, paths_.dataFolder.size() - 1)));
    ui::createFolder(paths_.dataFolder);
    return static_cast<int>(ui::listEntries(paths_.dataFolder + "*.bcp", false).size());
}

void Thlavni1::RestoreBackupCopies() {
    for (const auto& name : ui::listEntries(paths_.dataFolder + "*.bcp", false)) {
        const int slot = FindFreeSlot();
        if (slot < 0) break;
        const std::string path = paths_.dataFolder + name;
        try {
            // The copy becomes the document's own: it goes when the document has a newer copy,
            // is saved under a new name, or the program ends normally, so a second crash before
            // the next copy loses nothing either.
            CreateDocumentWindow(slot, true, path).AdoptBackup(path);
        } catch (const std::exception& e) {
            ui::reportError(e.what()); // the copy stays on disk, and is offered again next time
            unreadCopies_.push_back(name);
        }
    }
}

void Thlavni1::ClearDataFolder() {
    const std::string keep = ui::withExtension(ui::baseName(paths_.program), ".ini");
    for (const auto& name : ui::listEntries(paths_.dataFolder + "*.*", false))
        if (name != keep && std::find(unreadCopies_.begin(), unreadCopies_.end(), name) == unreadCopies_.end())
            ui::deleteFile(paths_.dataFolder + name);
}

} // namespace app
