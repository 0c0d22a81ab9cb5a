// tests/win/faults_test.cpp — the fault matrix: a full disk and a vanished folder while a document
// is saved, a backup copy is written and the settings are written, and a locked file on open.
// Each case must leave the old file as it was, report the failure naming the file, and lose
// nothing: the document stays open and modified, and no partial file is left behind.
#include "app/resource.h"
#include "lang/extra.h"
#include "tests/win/support.h"
#include "ui/files.h"
#include "ui/text.h"

using namespace test;

namespace {

constexpr UINT_PTR kBackupTimer = 1;
const std::string kRtf = "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0 Arial;}}\\f0 P\\'f8\\'edli\\'9a \\b star\\'fd\\b0  text\\par}";
const std::string kText = "Příliš žluťoučký kůň\r\nstarý text\r\n";
const std::string kSettings = "[Okno]\r\nSirka=700\r\n[Nastaveni]\r\nUlozeni=1\r\n[Ulozeni]\r\nInterval=60000\r\n";

enum class Action { SaveRtf, SaveText, Backup, Settings, Open };
enum class Fault { DiskFull, FolderGone, Locked, Missing };

struct Case {
    const char* name;
    Action action;
    Fault fault;
};

const Case kCases[] = {
    {"save RTF, disk full", Action::SaveRtf, Fault::DiskFull},
    {"save text, disk full", Action::SaveText, Fault::DiskFull},
    {"save RTF, folder vanished", Action::SaveRtf, Fault::FolderGone},
    {"save text, folder vanished", Action::SaveText, Fault::FolderGone},
    {"backup copy, disk full", Action::Backup, Fault::DiskFull},
    {"backup copy, folder vanished", Action::Backup, Fault::FolderGone},
    {"settings, disk full", Action::Settings, Fault::DiskFull},
    {"settings, folder vanished", Action::Settings, Fault::FolderGone},
    {"open, file locked", Action::Open, Fault::Locked},
    {"open, file missing", Action::Open, Fault::Missing},
    {"open, folder vanished", Action::Open, Fault::FolderGone},
};

bool removeTree(const std::string& folder) { // folder with its separator
    for (const auto& n : ui::listEntries(folder + "*", false)) {
        const std::string p = folder + n;
        if (!(ui::folderExists(p) ? removeTree(p + "\\") : ui::deleteFile(p))) return false;
    }
    return RemoveDirectoryA(folder.substr(0, folder.size() - 1).c_str()) != 0;
}

class FaultMatrix : public MainWindowTest {
protected:
    // The folder that vanishes: "<temp>\<case>\", holding the case's document (or data) folder.
    std::string root;

    document::Teditor1& doc() { return *frame->activeDocument(); }
    void command(UINT id) { SendMessageA(frame->hwnd(), WM_COMMAND, id, 0); } // through the real boundary
    void edit() { doc().RichEdit1.select(0, 0), doc().RichEdit1.replaceSelection("nový "); }
    void tick() { SendMessageA(doc().hwnd(), WM_TIMER, kBackupTimer, 0); } // through the real boundary

    void run(const Case& c);
    void save(const Case& c, bool full);
    void backup(const Case& c, bool full);
    void storeSettings(const Case& c, bool full);
    void open(const Case& c);
    // The first box of the case is the error report, and names `file`.
    void expectReported(const Case& c, const std::string& file, std::size_t boxes = 1);
};

void FaultMatrix::expectReported(const Case& c, const std::string& file, std::size_t boxes) {
    ASSERT_EQ(prompts.boxes().size(), boxes) << c.name;
    const auto& box = prompts.boxes()[0];
    EXPECT_EQ(box.flags, UINT(MB_OK | MB_ICONERROR)) << c.name;
    EXPECT_NE(box.text.find(file), std::string::npos) << c.name << ": \"" << box.text << "\" does not name " << file;
    // the cause in the user's language, not the system's
    const std::size_t cause = c.fault == Fault::DiskFull     ? language::xCauseDiskFull
                              : c.fault == Fault::FolderGone ? language::xCauseFolderGone
                              : c.fault == Fault::Locked     ? language::xCauseLocked
                                                             : language::xCauseNotFound;
    EXPECT_NE(box.text.find("\n\n" + frame->ExtraTexts[cause]), std::string::npos) << c.name << ": \"" << box.text << "\"";
}

void FaultMatrix::run(const Case& c) {
    const bool full = c.fault == Fault::DiskFull;
    switch (c.action) {
    case Action::SaveRtf:
    case Action::SaveText: save(c, full); break;
    case Action::Backup: backup(c, full); break;
    case Action::Settings: storeSettings(c, full); break;
    case Action::Open: open(c); break;
    }
}

void FaultMatrix::save(const Case& c, bool full) {
    const bool rtf = c.action == Action::SaveRtf;
    const std::string path = root + (rtf ? "dopis.rtf" : "poznámky.txt"), old = rtf ? kRtf : kText;
    ui::writeFileReplacing(path, old);
    start({path});
    edit();
    ASSERT_TRUE(full || removeTree(root)) << c.name; // the folder vanishes, the file with it
    prompts.answerBox(IDOK);
    {
        ui::WriteFault disk(full ? 16 : SIZE_MAX);
        command(IDM_ULOZIT);
    }
    expectReported(c, ui::baseName(path));
    if (full) {
        EXPECT_EQ(ui::readFile(path), old) << c.name;
    }
    // nothing partial is left: the folder holds the old file alone, or is still gone
    const std::vector<std::string> left = full ? std::vector<std::string>{ui::baseName(path)} : std::vector<std::string>{};
    EXPECT_EQ(ui::listEntries(root + "*", false), left) << c.name;
    ASSERT_EQ(openCount(), 1) << c.name;
    EXPECT_TRUE(doc().RichEdit1.modified()) << c.name;
    EXPECT_EQ(doc().FileName, path) << c.name;
    EXPECT_NE(doc().RichEdit1.text().find("nový "), std::string::npos) << c.name;
    doc().RichEdit1.setModified(false); // the end of the test asks nothing
}

void FaultMatrix::backup(const Case& c, bool full) {
    dataFolder = root + "Mirabund\\Notavo\\";
    start();
    edit();
    tick(); // the first copy is written
    ASSERT_EQ(doc().BackupFiles.size(), 1u) << c.name;
    const std::string first = doc().BackupFiles[0];
    const std::string content = ui::readFile(first);
    edit();
    // the folder vanishes, the file with it (the run's lock, which would keep it, goes first)
    ASSERT_TRUE(full || (frame->ClearDataFolder(), removeTree(root))) << c.name;
    prompts.answerBox(IDOK);
    {
        ui::WriteFault disk(full ? 16 : SIZE_MAX);
        tick();
    }
    expectReported(c, dataFolder);
    if (full) {
        EXPECT_EQ(ui::readFile(first), content) << c.name; // the last good copy
        EXPECT_EQ(ui::listEntries(dataFolder + "*.bcp", false), std::vector<std::string>{ui::baseName(first)}) << c.name;
        EXPECT_EQ(ui::listEntries(dataFolder + "nv*.tmp", false), std::vector<std::string>{}) << c.name;
    }
    EXPECT_EQ(doc().BackupFiles, std::vector<std::string>{first}) << c.name;
    EXPECT_TRUE(doc().ChangedSinceBackup) << c.name; // the next tick tries again
    EXPECT_TRUE(doc().RichEdit1.modified()) << c.name;
    doc().RichEdit1.setModified(false);
}

void FaultMatrix::storeSettings(const Case& c, bool full) {
    dataFolder = root + "Mirabund\\Notavo\\";
    const std::string ini = dataFolder + "Notavo.ini";
    ASSERT_TRUE(ui::createFolder(root.substr(0, root.size() - 1)) && ui::createFolder(root + "Mirabund") &&
                ui::createFolder(dataFolder.substr(0, dataFolder.size() - 1)));
    ui::writeFileReplacing(ini, kSettings);
    start();
    edit();
    // the folder vanishes, the file with it (the run's lock, which would keep it, goes first)
    ASSERT_TRUE(full || (frame->ClearDataFolder(), removeTree(root))) << c.name;
    prompts.answerBox(IDOK);     // the report
    prompts.answerBox(IDCANCEL); // the modified document is still asked, and kept
    {
        ui::WriteFault disk(full ? 16 : SIZE_MAX);
        closeMainWindow();
    }
    expectReported(c, "Notavo.ini", 2);
    if (full) {
        EXPECT_EQ(ui::readFile(ini), kSettings) << c.name;
        EXPECT_EQ(withoutLocks(ui::listEntries(dataFolder + "*", false)), std::vector<std::string>{"Notavo.ini"})
            << c.name;
    }
    ASSERT_EQ(openCount(), 1) << c.name; // the window is still there, its document too
    EXPECT_TRUE(doc().RichEdit1.modified()) << c.name;
    doc().RichEdit1.setModified(false);
}

void FaultMatrix::open(const Case& c) {
    const std::string path = root + (c.fault == Fault::FolderGone ? "zmizelá\\" : "") + "zamčený.rtf";
    if (c.fault == Fault::Locked) ui::writeFileReplacing(path, kRtf);
    start();
    const int before = openCount();
    ui::UniqueFile lock;
    if (c.fault == Fault::Locked) {
        lock.reset(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock) << c.name;
    }
    prompts.answerFile({path, 1, {}});
    prompts.answerBox(IDOK);
    command(IDM_OTEVRIT);
    expectReported(c, path);
    EXPECT_EQ(openCount(), before) << c.name;
    lock.reset();
    if (c.fault == Fault::Locked) EXPECT_EQ(ui::readFile(path), kRtf) << c.name;
}

} // namespace

// One case after another, each with a main window, a document and a folder of its own.
TEST_F(FaultMatrix, EveryFailureLeavesTheOldFileReportsItAndLosesNothing) {
    int i = 0;
    for (const Case& c : kCases) {
        root = docs.path() + "pripad" + std::to_string(++i) + "\\";
        ASSERT_TRUE(ui::createFolder(root.substr(0, root.size() - 1)));
        prompts.clear();
        run(c);
        frame.reset();
        ui::pumpPending();
        dataFolder.clear();
        EXPECT_TRUE(prompts.allAnswersUsed()) << c.name;
    }
}
