// tests/win/recent_test.cpp — the recent files in the "Soubor" menu, kept in the settings file
// across starts, and the save dialog's encoding list: what is chosen is what is written
#include "app/resource.h"
#include "lang/extra.h"
#include "settings/recent.h"
#include "tests/win/support.h"
#include "ui/files.h"
#include "ui/text.h"
#include "ui/window.h"

#include <commdlg.h>
#include <dlgs.h>

using namespace test;

namespace {

constexpr UINT kEncodingList = 3002; // the save dialog's encoding list (ui/prompts.cpp)

class RecentTest : public MainWindowTest {
protected:
    HMENU fileMenu() { return frame->menu(app::mmSoubor1).submenu(); }
    // The texts of the "Soubor" menu's items, a separator as "-".
    std::vector<std::string> fileMenuTexts() {
        std::vector<std::string> texts;
        HMENU m = fileMenu();
        for (int i = 0; i < GetMenuItemCount(m); ++i) {
            char buf[512] = {};
            MENUITEMINFOA mii{sizeof mii};
            mii.fMask = MIIM_FTYPE | MIIM_STRING;
            mii.dwTypeData = buf;
            mii.cch = sizeof buf;
            GetMenuItemInfoA(m, static_cast<UINT>(i), TRUE, &mii);
            texts.push_back((mii.fType & MFT_SEPARATOR) ? "-" : std::string(buf));
        }
        return texts;
    }
    // The recent entries as the menu shows them: the items between the separator above
    // "Konec" and the one before it, when the list has its own.
    std::vector<std::string> recentItems() {
        std::vector<std::string> items;
        for (UINT k = 0; k < 8; ++k) {
            char buf[512] = {};
            if (GetMenuStringA(fileMenu(), IDM_POSLEDNI + k, buf, sizeof buf, MF_BYCOMMAND) > 0) items.push_back(buf);
        }
        return items;
    }
    std::string iniText() { return ui::readFile(data.file("Notavo.ini")); }
    const std::string& extra(language::ExtraText t) { return frame->ExtraTexts[t]; }
    document::Teditor1& doc() { return *frame->activeDocument(); }
};

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

// Opened and saved files enter the list newest first, shown above "Konec" with their access
// keys; a click opens the file as any other arrival (its content decides RTF) and moves it up;
// the list is in the settings file, survives the store at the end and the next start.
TEST_F(RecentTest, OpenedAndSavedFilesAreOfferedAboveKonec) {
    start();
    const auto bare = fileMenuTexts();
    ASSERT_NE(bare.back().find("Konec"), std::string::npos) << bare.back();
    EXPECT_TRUE(recentItems().empty());

    docs.write("a.txt", "prvni\r\n");
    docs.write("b.txt", "{\\rtf1\\ansi {\\b tucne}\\par}"); // RTF under a text file's name
    docs.write("c & d.txt", "treti\r\n");
    frame->dropFiles({docs.file("a.txt"), docs.file("b.txt")});
    // the drop's files are written once, when it is over
    EXPECT_NE(iniText().find("[Posledni]\r\nSoubor1=" + docs.file("b.txt") + "\r\nSoubor2=" + docs.file("a.txt")),
              std::string::npos);
    prompts.answerFile({docs.file("c & d.txt")});
    frame->runCommand(IDM_OTEVRIT);

    auto texts = fileMenuTexts();
    ASSERT_EQ(texts.size(), bare.size() + 4);
    // ... Tisk, -, the three, -, Konec
    EXPECT_EQ(texts[texts.size() - 6], "-");
    EXPECT_EQ(texts[texts.size() - 2], "-");
    EXPECT_EQ(texts.back(), bare.back());
    auto items = recentItems();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].rfind("&1 ", 0), 0u);
    EXPECT_TRUE(endsWith(items[0], "c && d.txt")) << items[0]; // "&" of the name is no access key
    EXPECT_TRUE(endsWith(items[1], "&2 " + docs.file("b.txt")) || endsWith(items[1], "b.txt")) << items[1];
    EXPECT_EQ(items[2].rfind("&3 ", 0), 0u);
    EXPECT_EQ(frame->recentFiles().paths(),
              (std::vector<std::string>{docs.file("c & d.txt"), docs.file("b.txt"), docs.file("a.txt")}));
    EXPECT_NE(iniText().find("[Posledni]\r\nSoubor1=" + docs.file("c & d.txt") + "\r\nSoubor2=" + docs.file("b.txt")),
              std::string::npos);

    // from the list: b.txt opens in a window of its own, read as the RTF it holds, and is newest
    frame->CloseAllDocuments();
    ASSERT_EQ(openCount(), 0);
    frame->runCommand(IDM_POSLEDNI + 1);
    ASSERT_EQ(openCount(), 1);
    EXPECT_EQ(doc().FileName, docs.file("b.txt"));
    EXPECT_FALSE(doc().RichEdit1.plainText());
    EXPECT_EQ(frame->recentFiles().paths().front(), docs.file("b.txt"));
    EXPECT_TRUE(endsWith(recentItems().front(), "b.txt")) << recentItems().front();
    EXPECT_EQ(frame->StatusBar1.text(1), "b.txt");

    // saved under a new name: that file is the newest
    prompts.answerFile({docs.file("e.rtf")});
    frame->runCommand(IDM_ULOZITJAKO);
    EXPECT_EQ(frame->recentFiles().paths().front(), docs.file("e.rtf"));
    EXPECT_EQ(recentItems().size(), 4u);

    // saved again: the list stays as it is, and its file is not written again (a line changed
    // behind the program's back stays so)
    std::string ini = iniText();
    const auto at = ini.find("Soubor1=");
    ASSERT_NE(at, std::string::npos);
    ini.insert(at + 8, "x");
    data.write("Notavo.ini", ini);
    doc().RichEdit1.setModified(true);
    frame->runCommand(IDM_ULOZIT);
    EXPECT_FALSE(doc().RichEdit1.modified());
    EXPECT_EQ(iniText(), ini);

    // the settings' store at the end keeps the list; the next start shows it again
    const auto before = frame->recentFiles();
    closeMainWindow();
    frame.reset();
    ui::pumpPending();
    EXPECT_NE(iniText().find("[Jazyk]"), std::string::npos);
    start();
    EXPECT_EQ(frame->recentFiles(), before);
    EXPECT_EQ(recentItems().size(), 4u);
}

// A listed file that is gone is named in a warning and leaves the list, the menu and the
// settings file; the other sections and keys of the file stay as they were. With the last
// entry gone the menu is as it was without a list (its separator too).
TEST_F(RecentTest, AFileThatIsGoneIsReportedAndRemoved) {
    docs.write("zde.txt", "zde\r\n");
    const std::string other = "[Jazyk]\r\nJazykovaMutace=\xC8" "e\x9Atina\r\n[Moje]\r\nklic=hodnota\r\n";
    data.write("Notavo.ini", other + "[Posledni]\r\nSoubor1=" + docs.file("pryc.txt") + "\r\nSoubor2=" +
                                 docs.file("zde.txt") + "\r\n");
    start();
    ASSERT_EQ(recentItems().size(), 2u);
    const auto withList = fileMenuTexts();
    const int documents = openCount();

    prompts.answerBox(IDOK);
    frame->runCommand(IDM_POSLEDNI);
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(prompts.boxes()[0].text, extra(language::xRecentMissing) + docs.file("pryc.txt"));
    EXPECT_EQ(prompts.boxes()[0].caption, extra(language::xRecentCaption));
    EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_ICONWARNING));
    EXPECT_EQ(openCount(), documents);
    EXPECT_EQ(frame->recentFiles().paths(), std::vector<std::string>{docs.file("zde.txt")});
    ASSERT_EQ(recentItems().size(), 1u);
    EXPECT_EQ(recentItems()[0].rfind("&1 ", 0), 0u);
    std::string ini = iniText();
    EXPECT_EQ(ini.rfind(other, 0), 0u) << ini;
    EXPECT_NE(ini.find("Soubor1=" + docs.file("zde.txt") + "\r\nSoubor2=\r\n"), std::string::npos) << ini;

    DeleteFileA(docs.file("zde.txt").c_str());
    prompts.answerBox(IDOK);
    frame->runCommand(IDM_POSLEDNI);
    EXPECT_EQ(prompts.boxes().size(), 2u);
    EXPECT_TRUE(frame->recentFiles().empty());
    EXPECT_TRUE(recentItems().empty());
    EXPECT_EQ(fileMenuTexts().size(), withList.size() - 3); // two entries and their separator
    EXPECT_EQ(fileMenuTexts().back(), withList.back());
    EXPECT_NE(fileMenuTexts()[fileMenuTexts().size() - 2], fileMenuTexts()[fileMenuTexts().size() - 3]);
    EXPECT_EQ(iniText().rfind(other, 0), 0u);
}

// Save as: the encoding chosen below the file type is what the file is written in and what
// the document keeps; the document's own is offered first; a formatted document has the list
// only once it has become plain text (in the dialog, also from the close question).
TEST_F(RecentTest, SaveAsWritesTheChosenEncoding) {
    const struct { int choice; std::string bytes; const char* panel; } cases[] = {
        {1, "\xC5\x98" "e\xC5\xBE\r\n", "UTF-8"},
        {2, "\xEF\xBB\xBF\xC5\x98" "e\xC5\xBE\r\n", "UTF-8 s BOM"},
        {3, std::string("\xFF\xFE\x58\x01" "e\0\x7E\x01\r\0\n\0", 12), "UTF-16 LE"},
        {0, "\xD8" "e\x9E\r\n", "Windows-1250 (st\xF8" "edoevropsk\xE9)"},
    };
    start();
    docs.write("puvodni.txt", "\xD8" "e\x9E\r\n");
    frame->dropFiles({docs.file("puvodni.txt")});
    document::Teditor1* const saved = &doc();
    int shown = 0; // the document's own encoding, offered first
    for (const auto& c : cases) {
        SCOPED_TRACE(c.panel);
        const std::string name = "ulozeny" + std::to_string(c.choice) + ".txt";
        prompts.answerFile({docs.file(name), 2, {}, c.choice});
        frame->runCommand(IDM_ULOZITJAKO);
        const auto& args = prompts.dialogs().back().args;
        ASSERT_EQ(args.choices.size(), 4u);
        EXPECT_EQ(args.choiceLabel, extra(language::xEncodingLabel));
        EXPECT_EQ(args.choices[static_cast<size_t>(c.choice)], c.panel);
        EXPECT_EQ(args.choice, shown);
        EXPECT_TRUE(args.choicesEnabled());
        EXPECT_EQ(docs.read(name), c.bytes);
        const std::string panel = c.panel;
        EXPECT_EQ(frame->StatusBar1.text(3), panel.substr(0, panel.find(" ("))); // the name without its explanation
        shown = c.choice;
        // reopened, it is the same text in the same encoding
        frame->dropFiles({docs.file(name)});
        EXPECT_EQ(doc().RichEdit1.unicodeText(), saved->RichEdit1.unicodeText());
        EXPECT_EQ(document::encodingChoice(doc().textFormat), c.choice);
        SendMessageA(frame->client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(saved->hwnd()), 0);
        ui::pumpPending();
        ASSERT_EQ(&doc(), saved);
    }

    // a formatted document: the list cannot be used, the file is RTF
    frame->runCommand(IDM_NOVY);
    prompts.answerFile({docs.file("formatovany.rtf"), 1, {}, 1});
    frame->runCommand(IDM_ULOZITJAKO);
    EXPECT_FALSE(prompts.dialogs().back().args.choicesEnabled());
    const std::string rtf = docs.read("formatovany.rtf");
    EXPECT_EQ(rtf.rfind("{\\rtf", 0), 0u);
    EXPECT_EQ(rtf.find('\0'), std::string::npos) << "an RTF file holds no zero byte";

    // plain text chosen in the close question's dialog: the list's UTF-8 is what is written
    frame->runCommand(IDM_NOVY);
    doc().RichEdit1.setText("\xD8" "e\x9E");
    doc().RichEdit1.setModified(true);
    prompts.answerBox(IDYES);                                 // save the changes?
    prompts.answerBox(IDYES);                                 // as plain text?
    prompts.answerFile({docs.file("zavreny.txt"), 2, {2}, 2}); // UTF-8 with its mark
    frame->runCommand(IDM_ZAVRIT);
    EXPECT_EQ(docs.read("zavreny.txt"), "\xEF\xBB\xBF\xC5\x98" "e\xC5\xBE");
}

// The real save dialog: the encoding list below the file type, lined up with it, showing the
// document's own; its choice comes back, and a list that cannot be used gives none.
TEST(SaveDialog, EncodingListIsThereAndGivesItsChoice) {
    TempDir dir;
    for (const bool usable : {true, false}) {
        SCOPED_TRACE(usable);
        ui::FileDialogArgs args;
        args.filter = "Text|*.txt";
        args.defaultExt = "txt";
        args.choiceLabel = "&K\xF3" "dov\xE1n\xED:";
        args.choices = {"Windows-1250", "UTF-8", "UTF-8 s BOM", "UTF-16 LE"};
        args.choice = 1;
        args.choicesEnabled = [usable] { return usable; };
        std::optional<ui::FileChoice> result;
        const std::string path = dir.file("dialog.txt");
        duringModal([&] { result = ui::prompts().saveFile(args); },
                    [&] {
                        HWND dlg = nullptr;
                        EnumThreadWindows(
                            GetCurrentThreadId(),
                            [](HWND h, LPARAM out) {
                                char cls[16] = {};
                                GetClassNameA(h, cls, sizeof cls);
                                if (std::string(cls) != "#32770" || !IsWindowVisible(h)) return TRUE;
                                *reinterpret_cast<HWND*>(out) = h;
                                return FALSE;
                            },
                            reinterpret_cast<LPARAM>(&dlg));
                        ASSERT_TRUE(dlg) << "no save dialog";
                        HWND list = nullptr, label = nullptr;
                        for (HWND c = FindWindowExA(dlg, nullptr, "#32770", nullptr); c && !list;
                             c = FindWindowExA(dlg, c, "#32770", nullptr)) {
                            list = GetDlgItem(c, kEncodingList);
                            label = GetDlgItem(c, kEncodingList - 1);
                        }
                        if (list) {
                            EXPECT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 4);
                            EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 1);
                            EXPECT_EQ(IsWindowEnabled(list) != FALSE, usable);
                            char buf[64] = {};
                            GetWindowTextA(label, buf, sizeof buf);
                            EXPECT_EQ(std::string(buf), args.choiceLabel);
                            RECT type{}, own{}, typeLabel{}, ownLabel{};
                            GetWindowRect(GetDlgItem(dlg, cmb1), &type);
                            GetWindowRect(list, &own);
                            GetWindowRect(GetDlgItem(dlg, stc2), &typeLabel);
                            GetWindowRect(label, &ownLabel);
                            EXPECT_EQ(own.left, type.left);
                            EXPECT_EQ(own.right, type.right);
                            EXPECT_GT(own.top, type.bottom - 1);
                            EXPECT_EQ(ownLabel.left, typeLabel.left);
                            SendMessageA(list, CB_SETCURSEL, 3, 0);
                        } else {
                            ADD_FAILURE() << "no encoding list";
                        }
                        SendMessageA(dlg, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(path.c_str()));
                        SendMessageA(dlg, CDM_SETCONTROLTEXT, edt1, reinterpret_cast<LPARAM>(path.c_str()));
                        PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                    });
        ASSERT_TRUE(result.has_value());
        EXPECT_TRUE(settings::samePath(result->path, path)) << result->path;
        EXPECT_EQ(result->choice, usable ? 3 : -1);
    }
}

// A long path is shortened in its middle to the menu's width, keeping the drive and the file's
// name; an "&" of a name is shown as itself, not taken for the access key.
TEST(RecentCaption, ShortensLongPathsAndKeepsAmpersands) {
    const std::string deep = "C:\\" + std::string(40, 'a') + "\\" + std::string(40, 'b') + "\\dopis.txt";
    const std::string shown = app::recentCaption(0, deep);
    EXPECT_EQ(shown.rfind("&1 C:\\", 0), 0u) << shown;
    EXPECT_TRUE(endsWith(shown, "\\dopis.txt")) << shown;
    EXPECT_LE(shown.size(), 3u + 60u) << shown;
    EXPECT_NE(shown.find("..."), std::string::npos) << shown;

    EXPECT_EQ(app::recentCaption(7, "D:\\R&D\\a&b.txt"), "&8 D:\\R&&D\\a&&b.txt");
}
