// app/hlavni.h — the main window: the frame of document windows and its life
//
// Its concerns live in their own files: menus.* (the menu table and accelerators), commands*
// (the command table), bars.* (tool bars, font boxes, status bar), documents.* (the document
// table), filedialogs.* (open and save dialogs), startup.cpp (start-up, recovery of backup
// copies, the data folder).
#pragma once
#include <windows.h>

#include "app/bars.h"
#include "app/commands.h"
#include "app/documents.h"
#include "app/ehshelprouter.h"
#include "app/filedialogs.h"
#include "app/menus.h"
#include "app/recent.h"
#include "app/search.h"
#include "document/backup.h"
#include "document/editor.h"
#include "lang/extra.h"
#include "lang/library.h"
#include "settings/nastaveni_u.h"
#include "ui/actions.h"
#include "ui/prompts.h"
#include "ui/window.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace app {

class TSplasch1;

// Where the program finds its files: its own path (languages and the settings file's name)
// and the data folder (settings file and backup copies).
struct Paths {
    std::string program;    // full path of the program file
    std::string dataFolder; // with its trailing separator
};

class Thlavni1 : public ui::Window, public MainBars, public DocumentTable {
public:
    explicit Thlavni1(Paths paths);
    ~Thlavni1() override;

    // Creates the window (hidden) and runs FormCreate. False when the program must end
    // (no usable language library); the error box has been shown then.
    bool create();
    // Shows the window and runs FormShow with the command-line arguments.
    void show(int showCommand, const std::vector<std::string>& arguments);
    // Called when the program is to end (the frame is gone); PostQuitMessage by default.
    std::function<void()> onTerminate;
    // How long the start-up window stays, in milliseconds (set before create()).
    unsigned splashTimeMs = 5000;
    // Called with the window as soon as it exists, before the start-up window is shown.
    std::function<void(HWND)> onWindowCreated;

    // --- state the other parts use
    std::string LanguageLibraryFile;
    std::vector<std::string> LanguageStrings;
    std::vector<std::string> LanguageHints;
    std::vector<std::string> ExtraTexts = language::czechExtraTexts();
    FileDialogState OpenDialog1{"", 1, ""};
    FileDialogState SaveDialog1{"", 1, ""};
    ui::FontChoice FontDialog1;        // the font last chosen in the font dialog
    COLORREF ColorDialog1 = RGB(255, 255, 255); // the colour last chosen in the colour dialog
    bool WordWrapChecked = true;       // the check of "Zalamování řádků"
    // the help router: HTML Help with the user guide beside the program (made in FormCreate)
    std::unique_ptr<THelpRouter> HelpRouter1;
    Search search;                     // the find and replace dialogs and the last search

    settings::TNastaveni& nastaveni() { return *settings_; }
    const settings::TNastaveni& nastaveni() const { return *settings_; }
    const Paths& paths() const { return paths_; }
    HWND client() const { return client_; }
    HACCEL accelerators() const { return menu_.accelerators(); }
    // A message of the program's loop that is one of its keys: the find dialog's own, then the
    // program's shortcuts, then the document windows' system keys, each before the control
    // sees the key. True when taken (the loop dispatches nothing then).
    bool translateKey(MSG& msg);

    // --- operations of the main window
    // The documents left by instances that are gone (found and kept for RestoreBackupCopies);
    // their number.
    int CountBackupCopies();
    // Reopens them as untitled documents while there are free slots; the rest stay on disk,
    // unread, and a warning says how many.
    void RestoreBackupCopies();
    // The user declined them: their copies go, and the files of the data folder that are no
    // part of the copies (but the settings file).
    void ClearOfferedCopies();
    // The normal end: this run's copies and lock go, and the strays as above; copies of other
    // instances stay.
    void ClearDataFolder();
    // Puts the texts of the language library `path` on the window; throws AppError when the
    // library is unusable.
    void ApplyLanguage(const std::string& path);
    // The same with the library's texts already read.
    void ApplyLanguage(const std::string& path, language::MainTexts texts);
    void warnNoSlot(const std::string& text) override;
    // The program ends when every document lets itself be closed.
    void mmKonec1Click();
    // The recent files, newest first, as the "Soubor" menu shows them.
    const settings::RecentFiles& recentFiles() const { return recent_; }
    // Opens entry `k` of the recent files as any file is opened; one that no longer exists is
    // reported and leaves the list.
    void openRecent(std::size_t k);
    void layout();

    // --- commands
    ui::MenuItem& menu(MenuIndex k) { return menu_.item(k); }
    ui::Action& action(UINT id) { return commands_.action(id); }
    // Runs a menu or tool command by its ID, as WM_COMMAND does; false for an unknown ID.
    bool runCommand(UINT id);
    // Sets the enabled and checked state of every command from the program's state.
    void updateActions() override;

    // --- DocumentHost (the rest is the document table's)
    settings::TNastaveni& settings() override { return *settings_; }
    const std::vector<std::string>& languageStrings() const override { return LanguageStrings; }
    const std::vector<std::string>& languageHints() const override { return LanguageHints; }
    const std::vector<std::string>& extraTexts() const override { return ExtraTexts; }
    std::string dataFolder() const override { return paths_.dataFolder; }
    std::string backupOwner() override {
        owner_->claim();
        return owner_->id();
    }
    void showFormatState(bool b, bool i, bool u, const std::string& a, const std::string& f,
                         const std::string& s) override {
        ShowFormatState(b, i, u, a, f, s);
    }
    void setStatusText(int panel, const std::string& text) override { StatusBar1.setText(panel, text); }
    std::string statusText(int panel) const override { return StatusBar1.text(panel); }
    std::optional<document::SaveChoice> runSaveDialog(document::Teditor1& doc) override;
    std::string contextCaption(document::ContextItem item) const override;
    void runContextCommand(document::ContextItem item) override;

protected:
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT defaultProc(UINT msg, WPARAM wp, LPARAM lp) override;
    HWND mdiClient() const override { return client_; }
    void fileUsed(const std::string& path) override;
    void dropEnded() override;

private:
    void bindCommands();
    bool FormCreate();
    void FormShow(const std::vector<std::string>& arguments);
    void reveal(); // the window shown as show() was asked, once
    void showBars();
    void FormClose();
    std::string offeredNames() const;
    std::string settingsFileName() const;
    // Shows the start-up window until the one-shot timer closes it; false when no language
    // library can be used.
    bool showSplash();
    void onSplashTimer();
    // A later start's files (WM_COPYDATA): taken unless the program is closing; they open as
    // dropped files once the start-up is over and no modal window is up.
    bool takeHandOver(const COPYDATASTRUCT& data);
    void openHandedOver();
    void comeToFront();
    bool onCommand(WPARAM wp);
    bool onNotify(NMHDR* hdr);
    bool onComboChoice(UINT id);
    void cbPismoClick(const std::string& face);
    // a size typed or chosen: a text that is a whole number is the new size, anything else is ignored
    void cbVelikostPismaClick(const std::string& size);

    // The list changed: into the menu and the settings file (a failure to write is left for
    // the next change, or the store at the end, to mend).
    void recentChanged();

    Paths paths_;
    std::unique_ptr<settings::TNastaveni> settings_;
    settings::RecentFiles recent_;
    bool recentPending_ = false; // changed during a drop, written at its end
    RecentMenu recentMenu_;
    MainMenu menu_;
    CommandTable commands_{*this};
    HWND client_ = nullptr;
    bool closing_ = false;
    std::unique_ptr<document::BackupOwner> owner_; // this run's claim on its backup copies
    std::vector<document::LeftDocument> offered_;  // found at the start, offered in the question
    std::optional<bool> documentMenus_; // the state the document menus were last given
    TSplasch1* splash_ = nullptr; // while the start-up window is shown
    bool started_ = false;        // FormShow has run
    int showCommand_ = SW_SHOWNORMAL;
    std::vector<std::string> handedOver_; // files from later starts, not opened yet
};

} // namespace app
