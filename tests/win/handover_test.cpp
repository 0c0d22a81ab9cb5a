// tests/win/handover_test.cpp — a second start hands its files to the running program: the
// packed list, full paths, the mutex and the marked window, and what the main window does
// with files it is handed
#include "app/handover.h"
#include "tests/win/support.h"
#include "ui/files.h"
#include "ui/text.h"
#include "ui/window.h"

#include <atomic>
#include <thread>

using namespace test;

namespace {

LRESULT handOver(HWND frame, const std::vector<std::string>& files, ULONG_PTR tag = app::kHandOverTag) {
    const std::string packed = app::packFiles(files);
    COPYDATASTRUCT cds{tag, static_cast<DWORD>(packed.size()), const_cast<char*>(packed.data())};
    return SendMessageA(frame, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
}

std::vector<std::string> captions(const app::Thlavni1& f) {
    std::vector<std::string> out;
    for (auto* d : f.DocumentSlots)
        if (d) out.push_back(d->caption());
    return out;
}

// Runs `work` on a thread of its own (a second start) while this thread answers its messages.
template <class F> void fromAnotherStart(F work) {
    std::atomic<bool> done{false};
    std::thread t([&] {
        work();
        done = true;
    });
    const DWORD end = GetTickCount() + 20000;
    while (!done && GetTickCount() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        ui::pumpPending();
    }
    t.join();
}

} // namespace

TEST(HandOver, FileListsSurviveThePackingAndNamesBecomeFullPaths) {
    const std::vector<std::vector<std::string>> lists = {
        {}, {"C:\\a.rtf"}, {"Z:\\tmp\\dvě slova\\Příliš žluťoučký.txt", "C:\\b.txt", "C:\\c"}};
    for (const auto& files : lists)
        EXPECT_EQ(app::unpackFiles(app::packFiles(files).data(), app::packFiles(files).size()), files);
    const char odd[] = {'a', '\0', '\0', 'b'}; // an empty entry is skipped, a missing zero forgiven
    EXPECT_EQ(app::unpackFiles(odd, sizeof odd), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(app::unpackFiles(nullptr, 5).empty());

    TempDir here;
    char before[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, before);
    ASSERT_TRUE(SetCurrentDirectoryA(here.path().c_str()));
    const auto full = app::fullPaths({"a.rtf", "sub\\b.txt", "..\\c.txt", "C:\\jinde\\d.rtf"});
    SetCurrentDirectoryA(before);
    const std::string parent = ui::folderOf(here.path().substr(0, here.path().size() - 1));
    EXPECT_EQ(full, (std::vector<std::string>{here.file("a.rtf"), here.file("sub\\b.txt"), parent + "c.txt",
                                              "C:\\jinde\\d.rtf"}));
}

// Handed-over files open as dropped files, after the documents of the start-up; later ones
// open at once, unknown messages are refused.
TEST_F(MainWindowTest, HandedOverFilesOpenAsDroppedFiles) {
    docs.write("a.txt", "áčko");
    docs.write("b.rtf", "{\\rtf1 bé\\par}");
    docs.write("c.txt", "céčko");
    start({}, false); // the start-up window is up: the files wait for the start-up
    EXPECT_EQ(handOver(frame->hwnd(), {docs.file("a.txt")}), TRUE);
    ui::pumpPending();
    EXPECT_EQ(openCount(), 0);
    frame->show(SW_SHOWNOACTIVATE, {docs.file("b.rtf")});
    ui::pumpPending();
    EXPECT_EQ(captions(*frame), (std::vector<std::string>{"b.rtf", "a.txt"})); // no empty document

    EXPECT_EQ(handOver(frame->hwnd(), {docs.file("c.txt"), docs.file("chybí.txt")}), TRUE);
    prompts.answerBox(IDOK); // the missing file is reported, as a dropped one is
    ui::pumpPending();
    EXPECT_EQ(captions(*frame), (std::vector<std::string>{"b.rtf", "a.txt", "c.txt"}));
    EXPECT_EQ(frame->activeDocument()->RichEdit1.text(), "céčko");
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_OK | MB_ICONERROR));

    EXPECT_EQ(handOver(frame->hwnd(), {}), TRUE); // no files: only to the front
    EXPECT_EQ(handOver(frame->hwnd(), {docs.file("a.txt")}, 0x1234), FALSE);
    ui::pumpPending();
    EXPECT_EQ(openCount(), 3);
}

// While a modal window is up the files wait; they open once it is gone.
TEST_F(MainWindowTest, HandedOverFilesWaitForAModalWindow) {
    docs.write("a.txt", "áčko");
    start();
    EnableWindow(frame->hwnd(), FALSE); // as a message box or dialog owned by it does
    EXPECT_EQ(handOver(frame->hwnd(), {docs.file("a.txt")}), TRUE);
    ui::pumpPending();
    EXPECT_EQ(openCount(), 1);
    EnableWindow(frame->hwnd(), TRUE);
    const DWORD end = GetTickCount() + 10000;
    while (openCount() < 2 && GetTickCount() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        ui::pumpPending();
    }
    EXPECT_EQ(captions(*frame), (std::vector<std::string>{"Dokument 1", "a.txt"}));
}

// The first start holds the mutex and marks its window; a second start finds it, hands over
// and is told so; with no window marked it waits and gives up, and once the first has ended
// it runs the program itself.
TEST_F(MainWindowTest, ASecondStartFindsTheFirstByItsDataFolder) {
    docs.write("a.txt", "áčko");
    start();
    auto first = std::make_unique<app::RunningInstance>(data.path());
    EXPECT_TRUE(first->first());
    bool tookOver = false, handed = true, owned = true;
    fromAnotherStart([&] {
        app::RunningInstance second(data.path());
        owned = second.first();
        handed = second.handOver({docs.file("a.txt")}, 300); // no window marked yet
    });
    EXPECT_FALSE(owned);
    EXPECT_FALSE(handed);
    EXPECT_EQ(openCount(), 1);

    first->publish(frame->hwnd());
    EXPECT_EQ(app::RunningInstance::publishedWindows(data.path()), std::vector<HWND>{frame->hwnd()});
    EXPECT_TRUE(app::RunningInstance::publishedWindows(docs.path()).empty()); // another user's folder
    fromAnotherStart([&] {
        app::RunningInstance second(data.path());
        handed = second.handOver({docs.file("a.txt")}, 5000);
    });
    EXPECT_TRUE(handed);
    ui::pumpPending();
    EXPECT_EQ(captions(*frame), (std::vector<std::string>{"Dokument 1", "a.txt"}));

    // the first ends while a second start waits for its window: the second runs the program
    RemovePropA(frame->hwnd(), "NotavoInstance");
    std::atomic<bool> waiting{false};
    std::thread second([&] {
        app::RunningInstance late(data.path());
        owned = late.first();
        waiting = true;
        handed = late.handOver({}, 10000);
        tookOver = late.first();
    });
    while (!waiting) SwitchToThread();
    first.reset();
    second.join();
    EXPECT_FALSE(owned);
    EXPECT_FALSE(handed);
    EXPECT_TRUE(tookOver);
}
