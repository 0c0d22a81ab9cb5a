// tests/win/loading_test.cpp — large files load by pieces with their progress in status panel 0,
// come back byte for byte, and Esc stops a load without leaving anything behind
#include "app/resource.h"
#include "lang/extra.h"
#include "tests/win/support.h"
#include "ui/files.h"
#include "ui/text.h"
#include "ui/window.h"

#include <commctrl.h>

using namespace test;

namespace {

// Lines of Czech and ASCII words with the line end `eol`, about `bytes` long (UTF-8).
std::string lines(std::size_t bytes, const std::string& eol, std::size_t wordsPerLine) {
    const char* words[] = {"příliš", "žluťoučký", "kůň", "úpěl", "ďábelské", "ódy", "a", "dokument", "soubor"};
    std::string t;
    for (std::size_t i = 0; t.size() < bytes; ++i) {
        t += words[i % std::size(words)];
        t += (i + 1) % wordsPerLine ? " " : eol;
    }
    return t;
}

// Records what status panel 0 is given; `onProgress` runs at each progress text.
class PanelRecorder {
public:
    explicit PanelRecorder(HWND statusBar) : bar_(statusBar) { SetWindowSubclass(bar_, proc, 1, reinterpret_cast<DWORD_PTR>(this)); }
    ~PanelRecorder() { RemoveWindowSubclass(bar_, proc, 1); }
    std::vector<std::string> texts;
    std::string progressPrefix;
    std::function<void()> onProgress;

private:
    static LRESULT CALLBACK proc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
        auto* r = reinterpret_cast<PanelRecorder*>(self);
        if (msg == SB_SETTEXTA && LOWORD(wp) == 0) {
            r->texts.emplace_back(reinterpret_cast<const char*>(lp));
            if (r->onProgress && r->texts.back().rfind(r->progressPrefix, 0) == 0) r->onProgress();
        }
        return DefSubclassProc(h, msg, wp, lp);
    }
    HWND bar_;
};

class LoadingTest : public MainWindowTest {
protected:
    const std::string& text(language::ExtraText k) const { return frame->ExtraTexts[k]; }
    bool anyProgress(const PanelRecorder& r) const {
        return std::any_of(r.texts.begin(), r.texts.end(),
                           [&](const std::string& t) { return t.rfind(text(language::xLoadProgress), 0) == 0; });
    }
};

} // namespace

// Large texts go in by many pieces (and a long line in one piece with wrapping off); each
// comes back byte for byte when saved, the load is no step of undo, and the progress showed.
TEST_F(LoadingTest, LargeTextsLoadWholeByPiecesAndSaveByteForByte) {
    const struct {
        const char* name;
        std::string bytes;
        bool wrapped; // word wrap stays on
    } cases[] = {
        {"crlf.txt", lines(600 * 1024, "\r\n", 12), true},
        {"lf.txt", lines(300 * 1024, "\n", 40), true},
        {"bom.txt", "\xEF\xBB\xBF" + lines(200 * 1024, "\r\n", 3), true},
        {"one line.txt", std::string(150 * 1024, 'x') + " konec", false},
        {"plain words.txt", lines(50 * 1024, " ", 10), false}, // Czech words without punctuation: one run
        {"ascii words.txt", "slovo " + std::string(40000, 'a') + " slovo", false},
        {"sentences.txt", lines(80 * 1024, ". ", 8), true}, // one line, its runs short
        {"long sentences.txt", lines(300 * 1024, ". ", 8), false}, // too long a line to wrap
        // a long line amid short ones, its piece carried on to its end
        {"mixed.txt", lines(100 * 1024, "\r\n", 10) + std::string(40000, 'y') + "\r\n" + lines(100 * 1024, "\r\n", 10), false},
    };
    start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        docs.write(c.name, c.bytes);
        PanelRecorder recorder(frame->StatusBar1.hwnd());
        prompts.answerFile({docs.file(c.name), 1, {}});
        frame->runCommand(IDM_OTEVRIT);
        ui::pumpPending();
        document::Teditor1& doc = *frame->activeDocument();
        ASSERT_EQ(doc.FileName, docs.file(c.name));
        EXPECT_TRUE(anyProgress(recorder));
        // the command's end text, or why the lines are not wrapped
        EXPECT_EQ(frame->StatusBar1.text(0), c.wrapped ? frame->LanguageStrings[5] : text(language::xLongLinesUnwrapped));
        EXPECT_EQ(doc.RichEdit1.wordWrap(), c.wrapped);
        EXPECT_EQ(frame->menu(app::mmZalamovatRadky1).checked(), c.wrapped);
        EXPECT_FALSE(doc.RichEdit1.modified());
        EXPECT_FALSE(doc.RichEdit1.canUndo());
        long from = -1, to = -1;
        doc.RichEdit1.selection(from, to);
        EXPECT_EQ(from, 0);
        EXPECT_EQ(to, 0);
        doc.RichEdit1.setModified(true);
        frame->runCommand(IDM_ULOZIT);
        const std::string back = docs.read(c.name);
        const auto diff = std::mismatch(back.begin(), back.end(), c.bytes.begin(), c.bytes.end());
        EXPECT_TRUE(back == c.bytes) << "the saved file differs at " << (diff.first - back.begin()) << " of "
                                     << back.size() << " and " << c.bytes.size() << ": "
                                     << std::string(diff.first, std::min(diff.first + 30, back.end()));
        frame->runCommand(IDM_ZAVRIT);
        ui::pumpPending();
    }
}

// An RTF file streams in with its progress and shows the same text the control alone makes of it.
TEST_F(LoadingTest, LargeRtfLoadsWithProgressAsTheControlReadsIt) {
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs24 ";
    for (int i = 0; rtf.size() < 400 * 1024; ++i)
        rtf += "Odstavec " + std::to_string(i) + " {\\b tu\\'e8n\\'fd} a {\\i kurz\\'edva}.\\par\r\n";
    rtf += "}";
    docs.write("velky.rtf", rtf);
    start();
    PanelRecorder recorder(frame->StatusBar1.hwnd());
    prompts.answerFile({docs.file("velky.rtf"), 1, {}});
    frame->runCommand(IDM_OTEVRIT);
    ui::pumpPending();
    document::Teditor1& doc = *frame->activeDocument();
    EXPECT_TRUE(anyProgress(recorder));
    EXPECT_FALSE(doc.RichEdit1.plainText());
    EXPECT_FALSE(doc.RichEdit1.canUndo());
    ui::RichEdit alone;
    alone.create(doc.hwnd(), 999);
    ASSERT_TRUE(ui::RichEdit::streamIn(alone.hwnd(), rtf, SF_RTF));
    EXPECT_TRUE(doc.RichEdit1.text() == alone.text());
    DestroyWindow(alone.hwnd());
}

// Esc while a file loads: no document, no copy, the panels and the slots as they were, from
// the open command and from a drop of two files (the second is not opened either).
TEST_F(LoadingTest, EscStopsALoadAndLeavesNothing) {
    docs.write("a.txt", lines(800 * 1024, "\r\n", 12));
    docs.write("b.txt", "maly");
    docs.write("c.rtf", "{\\rtf1\\ansi " + lines(600 * 1024, "\\par\r\n", 12) + "}");
    start();
    const int before = openCount();
    frame->dropFiles({docs.file("b.txt")}); // a recent file, for the way through the list
    ASSERT_EQ(frame->recentFiles().paths().size(), 1u);
    frame->runCommand(IDM_ZAVRIT);
    docs.write("b.txt", lines(800 * 1024, "\r\n", 12));
    const auto recent = frame->recentFiles().paths();
    for (const char* way : {"open text", "open rtf", "drop", "recent"}) {
        SCOPED_TRACE(way);
        frame->StatusBar1.setText(0, "předtím");
        const std::string panel1 = frame->StatusBar1.text(1);
        PanelRecorder recorder(frame->StatusBar1.hwnd());
        recorder.progressPrefix = text(language::xLoadProgress);
        int progressTexts = 0;
        recorder.onProgress = [&] {
            if (++progressTexts == 2) PostMessageA(frame->hwnd(), WM_KEYDOWN, VK_ESCAPE, 0); // mid-way
        };
        if (std::string(way) == "drop") {
            frame->dropFiles({docs.file("a.txt"), docs.file("b.txt")});
        } else if (std::string(way) == "recent") {
            frame->runCommand(IDM_POSLEDNI);
        } else {
            prompts.answerFile({docs.file(std::string(way) == "open rtf" ? "c.rtf" : "a.txt"), 1, {}});
            frame->runCommand(IDM_OTEVRIT);
        }
        ui::pumpPending();
        EXPECT_GE(progressTexts, 2);
        EXPECT_EQ(openCount(), before);
        EXPECT_EQ(frame->StatusBar1.text(0), "předtím");
        EXPECT_EQ(frame->StatusBar1.text(1), panel1);
        for (const auto& n : data.names()) EXPECT_NE(ui::extensionOf(n), ".bcp") << n;
        for (auto* d : frame->DocumentSlots) {
            if (d) EXPECT_NE(d->FileName.find(docs.path()), 0u);
        }
        EXPECT_TRUE(prompts.boxes().empty()) << "a stopped load is no failure";
        EXPECT_EQ(frame->recentFiles().paths(), recent);
    }
    // the files are still there, and open when asked again
    EXPECT_TRUE(frame->openReported(frame->FindFreeSlot(), docs.file("b.txt")));
    EXPECT_EQ(openCount(), before + 1);
}
