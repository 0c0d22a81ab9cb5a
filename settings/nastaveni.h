// settings/nastaveni.h — the settings dialog: what is remembered, backup copies, the language
#pragma once
#include <windows.h>

#include "settings/nastaveni_u.h"
#include "settings/nastaveni_volby.h"
#include "ui/controls.h"
#include "ui/fields.h"
#include "ui/modal.h"
#include "ui/static.h"
#include "ui/window.h"

#include <functional>
#include <string>
#include <vector>

namespace settings {

// What the dialog needs of the main window, given at creation.
struct NastaveniHost {
    HWND owner = nullptr;
    std::string caption;        // the window's caption: the Settings menu item's, as plain text
    std::string languageFile;   // the language library in use (full path)
    std::string languageFolder; // where the libraries are listed from, with its separator
    std::function<BarsShown()> barsShown;
    // Switches the main window and the converter to the library at `path`; may throw.
    std::function<void(const std::string& path)> applyLanguage;
    // Optional: help on one of the dialog's controls (F1, or the caption's "?" and a click);
    // `where` is the mouse position in screen coordinates.
    std::function<void(int controlId, POINT where)> onHelp;
};

// Edits the settings in memory: nothing is written into them before Ok.
class Tnastaveni1 : public ui::Window {
public:
    static constexpr int kWidth = 389, kHeight = 273;

    Tnastaveni1(TNastaveni& settings, NastaveniHost host);
    ~Tnastaveni1() override;

    // FormCreate: the window (hidden) with the texts of the library in use, the controls set
    // from the settings and the language list. A library that cannot be used is left out of the
    // list, and one message says so.
    void create();
    // Shows the dialog modally; true when it was left with Ok.
    bool ShowModal();

    // The language list's choice: the dialog's own texts from the chosen library.
    void ComboBox1Change();
    void Button1Click(); // Zrušit (and Esc): nothing is applied
    void Button2Click(); // Ok: the settings and the language

    // The files of the listed libraries, parallel to ComboBox1's items.
    const std::vector<std::string>& languageFiles() const { return files_; }

    ui::CheckBox CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5;
    ui::SpinEdit SpinEdit1;
    ui::ComboBox ComboBox1;
    ui::Label Label1;
    ui::PushButton Button1, Button2;

protected:
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void createControls();
    void fillLanguages();
    // Entries 0-6 of the library's "dejNastaveni" onto the controls; a library without them
    // leaves the texts as they are.
    void localise(const std::string& path);
    Volby volby() const;
    bool onCommand(UINT id, UINT code);
    bool onHelp(const HELPINFO& info);
    void Close(bool ok);

    TNastaveni& settings_;
    NastaveniHost host_;
    std::vector<std::string> names_, files_; // the language list: display names and their files
    ui::UniqueGdi font_;
    ui::FocusKeeper focus_;
    bool closed_ = false;
    bool ok_ = false;
};

} // namespace settings
