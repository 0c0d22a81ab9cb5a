// bench/documents_bench.cpp — opening and saving 1 MB and 10 MB RTF and plain-text documents and
// a text of one 200,000-character line through the program's own commands, beside the rich-edit
// control's bare stream-in and stream-out of the same bytes; counting a 10 MB document beside
// taking its text out and counting it in plain C++; the working set after opening 10 MB of RTF
// beside the bare control's (each in a process of its own). All measured in the same run.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <psapi.h>

#include "app/hlavni.h"
#include "app/resource.h"
#include "bench/bench_util.h"
#include "ui/files.h"
#include "ui/prompts.h"
#include "ui/richedit.h"
#include "ui/text.h"
#include "ui/window.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
double secondsSince(Clock::time_point t) { return std::chrono::duration<double>(Clock::now() - t).count(); }


// --- the documents: Czech prose, as RTF with headings, bold, italic and colour, or as text

const char* const kWords[] = {
    "příliš", "žluťoučký", "kůň", "úpěl", "ďábelské", "ódy", "řeřicha", "šťovík", "večer", "město",
    "dokument", "formát", "písmo", "zarovnání", "odstavec", "kapitola", "tiskárna", "soubor", "uložit",
    "a", "v", "na", "se", "že", "je", "to", "s", "z", "do", "pro", "jako", "když", "ale", "nebo",
    "řeka", "hrad", "cesta", "čas", "rok", "den", "noc", "člověk", "práce", "svět", "život", "dítě",
    "země", "voda", "okno", "dveře", "stůl", "kniha", "slovo", "věta", "znak", "barva", "zelený",
    "modrý", "červený", "dlouhý", "krátký", "nový", "starý", "velký", "malý", "dobrý", "špatný",
};

struct Prose {
    std::mt19937 rng{1250};
    const char* word() { return kWords[rng() % std::size(kWords)]; }
    // A sentence of 6-20 words with its first letter as written; `mark` wraps some words.
    template <class Mark> std::string sentence(Mark mark) {
        std::string s;
        const int n = 6 + static_cast<int>(rng() % 15);
        for (int i = 0; i < n; ++i) {
            if (i) s += ' ';
            s += mark(word(), rng() % 12);
        }
        return s + (rng() % 5 ? ". " : ", ");
    }
};

std::string rtfEscape(const std::string& s) {
    std::string out;
    char buf[8];
    for (unsigned char c : s) {
        if (c >= 0x80) {
            std::snprintf(buf, sizeof buf, "\\'%02x", c);
            out += buf;
        } else if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string makeRtf(size_t bytes) {
    Prose p;
    std::string r = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1029{\\fonttbl{\\f0\\froman\\fcharset238 Times New "
                    "Roman;}{\\f1\\fswiss\\fcharset238 Arial;}}\r\n{\\colortbl ;\\red192\\green0\\blue0;}\r\n"
                    "\\viewkind4\\uc1\\pard\\f0\\fs24 ";
    int para = 0;
    while (r.size() < bytes) {
        if (para++ % 12 == 0) {
            r += "\\pard\\qc\\f1\\fs32\\b Kapitola " + std::to_string(para / 12 + 1) + "\\b0\\f0\\fs24\\par\r\n\\pard ";
            continue;
        }
        const int sentences = 3 + static_cast<int>(p.rng() % 6);
        for (int i = 0; i < sentences; ++i)
            r += p.sentence([&p](const char* w, unsigned) {
                // now and then a word in bold, in italics or in colour, as a written text has them
                const std::string e = rtfEscape(w);
                const unsigned k = p.rng() % 40;
                return k == 0 ? "{\\b " + e + "}" : k == 1 ? "{\\i " + e + "}" : k == 2 ? "{\\cf1 " + e + "}" : e;
            });
        r += "\\par\r\n";
    }
    return r + "}";
}

// One line of `characters` words, spaces and punctuation, no line break, in ASCII (the words
// without their accented letters).
std::string makeLine(size_t characters) {
    Prose p;
    std::string t;
    while (t.size() < characters) t += p.sentence([](const char* w, unsigned) { return std::string(w); });
    std::erase_if(t, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    t.resize(characters);
    return t;
}

std::string makeText(size_t bytes) {
    Prose p;
    std::string t;
    while (t.size() < bytes) {
        const int sentences = 3 + static_cast<int>(p.rng() % 6);
        for (int i = 0; i < sentences; ++i) t += p.sentence([](const char* w, unsigned) { return std::string(w); });
        t += "\r\n";
    }
    return t;
}

// --- the program's own commands

class BenchPrompts final : public ui::Prompts {
public:
    std::string path;
    int filterIndex = 1;
    int messageBox(HWND, const std::string& text, const std::string& caption, UINT) override {
        std::fprintf(stderr, "unexpected box: [%s] %s\n", caption.c_str(), text.c_str());
        return IDCANCEL;
    }
    std::optional<ui::FileChoice> openFile(const ui::FileDialogArgs&) override { return ui::FileChoice{path, filterIndex}; }
    std::optional<ui::FileChoice> saveFile(const ui::FileDialogArgs&) override { return std::nullopt; }
    std::optional<ui::FontChoice> chooseFont(HWND, const ui::FontChoice&) override { return std::nullopt; }
    std::optional<COLORREF> chooseColor(HWND, COLORREF) override { return std::nullopt; }
    std::unique_ptr<ui::PrintDevice> printDialog(const ui::PrintDialogArgs&) override { return nullptr; }
    std::unique_ptr<ui::PrintDevice> currentPrinter() override { return nullptr; }
};

struct Times {
    double open = 0, save = 0;
};

// Open (the open command, its dialog answered at once) and save (the save command on the
// modified document, written safely) of `path`; the document is closed afterwards.
Times notavo(app::Thlavni1& frame, BenchPrompts& prompts, const std::string& path, bool plain) {
    Times t;
    prompts.path = path;
    prompts.filterIndex = plain ? 2 : 1;
    auto start = Clock::now();
    frame.runCommand(IDM_OTEVRIT);
    bench::pumpUntilIdle(); // shown, as the control alone is
    t.open = secondsSince(start);
    document::Teditor1* doc = frame.activeDocument();
    doc->RichEdit1.setModified(true);
    start = Clock::now();
    frame.runCommand(IDM_ULOZIT);
    t.save = secondsSince(start);
    doc->RichEdit1.setModified(false);
    frame.runCommand(IDM_ZAVRIT);
    bench::pumpUntilIdle();
    return t;
}

// --- the control alone

DWORD CALLBACK readCallback(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* got) {
    DWORD n = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(cookie), buf, static_cast<DWORD>(cb), &n, nullptr)) return 1;
    *got = static_cast<LONG>(n);
    return 0;
}

DWORD CALLBACK writeCallback(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* put) {
    DWORD n = 0;
    if (!WriteFile(reinterpret_cast<HANDLE>(cookie), buf, static_cast<DWORD>(cb), &n, nullptr)) return 1;
    *put = static_cast<LONG>(n);
    return 0;
}

// The control set up as a document's is (visible, its size, its font, word wrap at the window
// unless `wrap` is off).
HWND bareControl(HWND parent, SIZE size, bool wrap = true) {
    HWND re = CreateWindowExA(WS_EX_CLIENTEDGE, RICHEDIT_CLASSA, "",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                  ES_NOHIDESEL | ES_SAVESEL | ES_SELECTIONBAR,
                              0, 0, size.cx, size.cy, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(re, EM_EXLIMITTEXT, 0, 0x7FFFFFF0);
    SendMessageA(re, EM_SETTARGETDEVICE, 0, wrap ? 0 : 1);
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_CHARSET | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
    std::strcpy(cf.szFaceName, "Times New Roman");
    cf.yHeight = 240;
    cf.bCharSet = EASTEUROPE_CHARSET;
    SendMessageA(re, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
    bench::pumpUntilIdle();
    return re;
}

void streamIn(HWND re, const std::string& path, bool plain) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EDITSTREAM in{reinterpret_cast<DWORD_PTR>(f), 0, readCallback};
    SendMessageA(re, EM_STREAMIN, plain ? SF_TEXT : SF_RTF, reinterpret_cast<LPARAM>(&in));
    CloseHandle(f);
}

// The bare control: the file streamed straight in and out.
Times bare(HWND parent, SIZE size, const std::string& path, bool plain, bool wrap = true) {
    Times t;
    HWND re = bareControl(parent, size, wrap);
    const UINT format = plain ? SF_TEXT : SF_RTF;
    auto start = Clock::now();
    streamIn(re, path, plain);
    bench::pumpUntilIdle(); // shown, as the program's document is
    t.open = secondsSince(start);
    const std::string out = path + ".bare";
    start = Clock::now();
    HANDLE f = CreateFileA(out.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(f), 0, writeCallback};
    SendMessageA(re, EM_STREAMOUT, format, reinterpret_cast<LPARAM>(&es));
    CloseHandle(f);
    t.save = secondsSince(start);
    bench::pumpUntilIdle();
    DestroyWindow(re);
    DeleteFileA(out.c_str());
    bench::pumpUntilIdle();
    return t;
}

double best(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }

// --- counting

// The anchor of a count: the control's whole text taken out in the ANSI code page and counted
// in plain C++ (words, characters, characters without spaces, in one pass).
double textOutAndCount(HWND re) {
    const auto start = Clock::now();
    GETTEXTLENGTHEX gl{GTL_NUMBYTES | GTL_PRECISE, CP_ACP};
    const auto bytes = SendMessageA(re, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0);
    std::string text(static_cast<size_t>(std::max<LRESULT>(bytes, 0)) + 1, '\0');
    GETTEXTEX gt{};
    gt.cb = static_cast<DWORD>(text.size());
    gt.codepage = CP_ACP;
    text.resize(static_cast<size_t>(
        SendMessageA(re, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt), reinterpret_cast<LPARAM>(text.data()))));
    size_t words = 0, characters = 0, visible = 0;
    bool inWord = false;
    for (unsigned char c : text) {
        const bool space = c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0xA0;
        if (c != '\r' && c != '\n') ++characters;
        if (!space) ++visible;
        if (!space && !inWord) ++words;
        inWord = !space;
    }
    volatile size_t sink = words + characters + visible; // the counts are the point, not their use
    (void)sink;
    return secondsSince(start);
}

// The three counting commands on the open document, and three times the anchor.
void counting(app::Thlavni1& frame, BenchPrompts& prompts, const std::string& path, const char* what) {
    prompts.path = path;
    prompts.filterIndex = 1;
    frame.runCommand(IDM_OTEVRIT);
    bench::pumpUntilIdle();
    const auto start = Clock::now();
    for (UINT id : {IDM_SLOVA, IDM_ZNAKY, IDM_ZNAKYBEZMEZER}) frame.runCommand(id);
    const double ours = secondsSince(start);
    double anchor = 0;
    for (int i = 0; i < 3; ++i) anchor += textOutAndCount(frame.activeDocument()->RichEdit1.hwnd());
    bench::row(std::string("count words, characters, non-spaces, ") + what, ours, "text out and counted in C++, 3 times",
               anchor, "s", 2.0);
    frame.runCommand(IDM_ZAVRIT);
    bench::pumpUntilIdle();
}

// --- memory, each side in a process of its own

double workingSetMb() {
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    return static_cast<double>(pmc.WorkingSetSize) / (1024.0 * 1024.0);
}

// `documents_bench --memory notavo|bare|bare-in-document FILE`: opens the RTF file and prints
// the working set. "bare-in-document" streams the file straight into the control of the
// program's first document window, past everything of ours: Wine's control takes about 100 MB
// more for the same 10 MB inside an MDI child than inside a top-level window (in a child of
// the frame, 20 MB more), whatever its size, its focus or its visibility.
int memoryChild(const std::string& side, const std::string& path);

// Runs this program as a memory child and returns the working set it printed (MB), 0 on failure.
double memoryOf(const char* side, const std::string& path) {
    return std::atof(bench::runAndRead("\"" + ui::moduleFileName() + "\" --memory " + side + " \"" + path + "\"").c_str());
}

} // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_COOL_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    ui::RichEdit::loadLibrary();
    if (argc == 4 && std::string(argv[1]) == "--memory") return memoryChild(argv[2], argv[3]);
    // `documents_bench --only WORDS`: only the cases whose name holds WORDS
    const std::string only = argc == 3 && std::string(argv[1]) == "--only" ? argv[2] : "";
    const std::string data = bench::tempFolder("nvbench-docdata");
    const std::string docs = bench::tempFolder("nvbench-documents");

    BenchPrompts prompts;
    ui::PromptsOverride use{prompts};
    app::Thlavni1 frame(app::Paths{ui::folderOf(ui::moduleFileName()) + "Notavo.exe", data});
    frame.splashTimeMs = USER_TIMER_MINIMUM;
    frame.onTerminate = [] {};
    if (!frame.create()) return 1;
    frame.show(SW_SHOW, {});
    bench::pumpUntilIdle();
    // the control alone gets the size of a document's control, in a window of its own
    RECT rc{};
    GetClientRect(frame.activeDocument()->RichEdit1.hwnd(), &rc);
    const SIZE size{rc.right + 4, rc.bottom + 4}; // and its edge
    HWND host = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, size.cx + 40,
                                size.cy + 60, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);

    struct Case {
        std::string name;
        bool plain;
        std::string bytes;
        int runs;
        bool bareWraps = true; // the bare control wraps at the window, as a document does
    };
    // The lines have punctuation: the program wraps the 20,000-character one, as the bare
    // control beside it does, and opens the longer ones unwrapped (ui::RichEdit::
    // kLongestWrappedLine), beside the bare control unwrapped (wrapped: 3.4 s at 200,000
    // characters; at 5 MB more than six minutes and all the memory).
    const Case cases[] = {{"1 MB RTF", false, makeRtf(1u << 20), 5}, {"1 MB text", true, makeText(1u << 20), 5},
                          {"10 MB RTF", false, makeRtf(10u << 20), 2}, {"10 MB text", true, makeText(10u << 20), 2},
                          {"a 20,000-character line", true, makeLine(20000), 1, true},
                          {"a 200,000-character line", true, makeLine(200000), 1, false},
                          {"a 5 MB line", true, makeLine(5u << 20), 1, false}};
    std::printf("open and save: through the program's commands and with the bare control, the best of the runs,\n"
                "taken in turns as the machine is shared (1 MB: 5 runs, 10 MB: 2, the long lines: 1)\n");
    for (const Case& c : cases) {
        if (c.name.find(only) == std::string::npos) continue;
        const std::string path = docs + "doc" + (c.plain ? ".txt" : ".rtf");
        ui::writeFileReplacing(path, c.bytes);
        std::vector<double> ourOpen, ourSave, bareOpen, bareSave;
        for (int i = 0; i < c.runs; ++i) {
            // alternate the order, so neither side always runs on a warmer heap
            Times ours, ref;
            if (i % 2 == 0) {
                ref = bare(host, size, path, c.plain, c.bareWraps);
                ours = notavo(frame, prompts, path, c.plain);
            } else {
                ours = notavo(frame, prompts, path, c.plain);
                ref = bare(host, size, path, c.plain, c.bareWraps);
            }
            ourOpen.push_back(ours.open);
            ourSave.push_back(ours.save);
            bareOpen.push_back(ref.open);
            bareSave.push_back(ref.save);
        }
        bench::row("open " + c.name, best(ourOpen),
                   c.bareWraps ? "control's stream-in (shown)" : "control's stream-in, wrap off (shown)", best(bareOpen),
                   "s", 1.1);
        bench::row("save " + c.name, best(ourSave), "control's stream-out", best(bareSave), "s", 1.1);
        if (c.name == "10 MB RTF") {
            counting(frame, prompts, path, c.name.c_str());
            const double ours = memoryOf("notavo", path);
            bench::row("working set after opening " + c.name, ours, "the bare control's, in a process alone",
                       memoryOf("bare", path), "MB", 1.1);
            bench::row("working set after opening " + c.name, ours,
                       "the bare control's, streamed into a document window", memoryOf("bare-in-document", path),
                       "MB", 1.1);
        }
        DeleteFileA(path.c_str());
    }
    DestroyWindow(host);
    for (const auto& n : ui::listEntries(data + "*", false)) DeleteFileA((data + n).c_str());
    RemoveDirectoryA(docs.c_str());
    RemoveDirectoryA(data.c_str());
    return 0;
}

namespace {

int memoryChild(const std::string& side, const std::string& path) {
    if (side == "bare") {
        HWND host = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700, 600, nullptr,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
        streamIn(bareControl(host, SIZE{600, 500}), path, false);
        bench::pumpUntilIdle();
        std::printf("%.1f\n", workingSetMb());
        return 0;
    }
    const std::string data = bench::tempFolder("nvbench-memdata");
    BenchPrompts prompts;
    ui::PromptsOverride use{prompts};
    {
        app::Thlavni1 frame(app::Paths{ui::folderOf(ui::moduleFileName()) + "Notavo.exe", data});
        frame.splashTimeMs = USER_TIMER_MINIMUM;
        frame.onTerminate = [] {};
        if (!frame.create()) return 1;
        frame.show(SW_SHOW, {});
        bench::pumpUntilIdle();
        if (side == "bare-in-document") {
            streamIn(frame.activeDocument()->RichEdit1.hwnd(), path, false);
        } else {
            prompts.path = path;
            frame.runCommand(IDM_OTEVRIT);
        }
        bench::pumpUntilIdle();
        std::printf("%.1f\n", workingSetMb());
        std::fflush(stdout);
    }
    for (const auto& n : ui::listEntries(data + "*", false)) DeleteFileA((data + n).c_str());
    RemoveDirectoryA(data.c_str());
    return 0;
}

} // namespace
