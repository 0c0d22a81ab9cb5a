// app/hlavni.h — the main window: the frame of document windows, its commands and its life
#pragma once
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include "document/editor.h"
#include "document/host.h"
#include "lang/extra.h"
#include "settings/nastaveni_u.h"
#include "ui/actions.h"
#include "ui/controls.h"
#include "ui/prompts.h"
#include "ui/window.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace app {

class TSplasch1;

constexpr int kSlotCount = 201;

// The main menu's items in the order the language library's menu list names them.
enum MenuIndex {
    mmSoubor1, mmNovy1, mmOtevrit1, mmZavrit1, mmUlozit1, mmUlozitJako1, mmTisk1, mmKonec1,
    mmUpravy1, mmPismo1, mmVyjmout1, mmKopirovat1, mmVlozit1, mmZalamovatRadky1, mmZobrazit1,
    mmPanelyNastroju1, mmStandardni1, mmFormat1, mmStavovyRadek1, mmFunkce1, mmSpocitatSlova1,
    mmSpocitatZnaky1, mmSpocitatZnakyBezMezer1, mmPocetRadku1, mmMoznosti1, mmNastaveni1,
    mmZobrazitPrevodnikZn1, mmPrevestZnaky1, mmNapoveda1, mmTemataNapovedy1, mmOProgramu1, mmOkno1,
    mmNasebe1, mmVedlesebe1, mmUsporadat1, kMenuCount
};

// Where the program finds its files: its own path (languages and the settings file's name)
// and the data folder (settings file and backup copies).
struct Paths {
    std::string program;    // full path of the program file
    std::string dataFolder; // with its trailing separator
};

// The file dialog state the main window keeps for the whole run.
struct FileDialogState {
    std::string filter;
    int filterIndex = 1;
    std::string fileName;
};

class Thlavni1 : public ui::Window, public document::DocumentHost {
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

    // --- state the other parts use
    std::array<document::Teditor1*, kSlotCount> DocumentSlots{};
    std::uint8_t ActiveSlot = 0;
    bool MayCloseFlag = false;
    std::string LanguageLibraryFile;
    std::vector<std::string> LanguageStrings;
    std::vector<std::string> LanguageHints;
    std::vector<std::string> ExtraTexts = language::czechExtraTexts();
    FileDialogState OpenDialog1{"", 1, ""};
    FileDialogState SaveDialog1{"", 1, ""};
    ui::FontChoice FontDialog1;        // the font last chosen in the font dialog
    COLORREF ColorDialog1 = RGB(255, 255, 255); // the colour last chosen in the colour dialog

    settings::TNastaveni& nastaveni() { return *settings_; }
    const Paths& paths() const { return paths_; }
    document::Teditor1* activeDocument() const { return DocumentSlots[ActiveSlot]; }
    HWND client() const { return client_; }
    HACCEL accelerators() const { return accel_; }

    // --- operations of the main window
    int FindFreeSlot() const;
    bool AnyDocumentOpen() const;
    // Creates a document window in `slot`; with `fromFile` it loads `name` (a ".bcp" name
    // loads as an untitled copy). Throws AppError when the file cannot be read; the window
    // made for it is closed again then.
    document::Teditor1& CreateDocumentWindow(int slot, bool fromFile, const std::string& name);
    void EnableDocumentCommands() { setDocumentCommands(true); }
    void DisableDocumentCommands() { setDocumentCommands(false); }
    void CloseAllDocuments();
    int CountBackupCopies();
    void RestoreBackupCopies();
    void ClearDataFolder();
    // Puts the texts of the language library `path` on the window; throws AppError when the
    // library is unusable.
    void ApplyLanguage(const std::string& path);
    void ShowFormatState(bool bold, bool italic, bool underline, const std::string& alignment,
                         const std::string& fontName, const std::string& fontSize);
    // Handles a file drop of the files named (full paths), as WM_DROPFILES does.
    void dropFiles(const std::vector<std::string>& files);

    // --- components, readable by tests
    ui::MenuItem& menu(MenuIndex k) { return menu_[k]; }
    ui::Action alUlozit, alNovy, alOtevrit, alZavrit, alVyjmout, alKopirovat, alVlozit;
    ui::Action alTucnePismo1, alKurziva1, alPodtrzenePismo1;
    ui::StatusBar StatusBar1;
    ui::ToolBar ToolBar1, ToolBar2;
    ui::ComboBox cbPismo, cbVelikostPisma;
    ui::CoolBar CoolBar1;

    // Runs a menu or tool command by its ID, as WM_COMMAND does.
    bool runCommand(UINT id);

    // --- DocumentHost
    settings::TNastaveni& settings() override { return *settings_; }
    const std::vector<std::string>& languageStrings() const override { return LanguageStrings; }
    const std::vector<std::string>& languageHints() const override { return LanguageHints; }
    const std::vector<std::string>& extraTexts() const override { return ExtraTexts; }
    std::string dataFolder() const override { return paths_.dataFolder; }
    void setActiveSlot(int slot) override { ActiveSlot = static_cast<std::uint8_t>(slot); }
    void storeInSlot(int slot, document::Teditor1* w) override { DocumentSlots.at(static_cast<size_t>(slot)) = w; }
    void setMayCloseFlag(bool on) override { MayCloseFlag = on; }
    bool anyDocumentOpen() const override { return AnyDocumentOpen(); }
    void disableDocumentCommands() override { DisableDocumentCommands(); }
    void showFormatState(bool b, bool i, bool u, const std::string& a, const std::string& f,
                         const std::string& s) override {
        ShowFormatState(b, i, u, a, f, s);
    }
    void setStatusText(int panel, const std::string& text) override { StatusBar1.setText(panel, text); }
    ui::Action& saveAction() override { return alUlozit; }
    std::optional<std::string> runSaveDialog(document::Teditor1& doc) override;
    std::string contextCaption(document::ContextItem item) const override;
    void runContextCommand(document::ContextItem item) override;
    void documentDestroyed(document::Teditor1* w) override;

protected:
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT defaultProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void buildMenu();
    void buildBars();
    void bindActions();
    void layout();
    bool FormCreate();
    void FormShow(const std::vector<std::string>& arguments);
    void FormClose();
    // Shows the start-up window until the one-shot timer closes it; false when no language
    // library can be used.
    bool showSplash();
    void onSplashTimer();
    void mmOProgramu1Click();
    void fillFontList();
    void setDocumentCommands(bool on);
    void onDropFiles(HDROP drop);
    bool onNotify(NMHDR* hdr);
    // Opens one file as a document and reports a failure; false when it was not opened.
    bool openReported(int slot, const std::string& name);
    void warnNoSlot(const std::string& text);

    // commands
    void alNovyExecute();
    void alOtevritExecute();
    void alUlozitExecute();
    void mmUlozitJako1Click();
    void mmZavrit1Click();
    void mmTisk1Click();
    void tbTisk1Click();
    void mmKonec1Click();
    void mmZobrazitPrevodnikZn1Click();
    void mmPrevestZnaky1Click();
    void toggleBar(MenuIndex item);
    void showCount(size_t label, unsigned count);
    void bindFormatting();
    bool onComboChoice(UINT id);
    void cbPismoClick(const std::string& face);
    void cbVelikostPismaClick(const std::string& size);
    void cbVelikostPismaKeyPress();
    void mmPismo1Click();
    void tbPozadi1Click();

    Paths paths_;
    std::unique_ptr<settings::TNastaveni> settings_;
    std::vector<std::unique_ptr<document::Teditor1>> documents_;
    ui::MenuItem menu_[kMenuCount];
    std::vector<std::unique_ptr<ui::ActionClient>> clients_;
    HMENU menuBar_ = nullptr;
    HWND client_ = nullptr;
    HACCEL accel_ = nullptr;
    HIMAGELIST images_ = nullptr;
    HFONT font_ = nullptr;
    bool closing_ = false;
    // backup copies that could not be read at the start: the clean-up at the end keeps them
    std::vector<std::string> unreadCopies_;
    std::optional<bool> documentCommands_; // the state the document commands were last given
    TSplasch1* splash_ = nullptr; // while the start-up window is shown
};

} // namespace app
