// bench/glyvarin_bench.cpp — converting a 1 MB formatted RTF document with the converter library
// (PrevestZnaky over the shipped Czech table), beside the rich-edit control's own RTF stream-in
// of the same document and the per-character select/read/replace/restore algorithm measured on
// samples and extrapolated, all in the same run.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include "bench/bench_util.h"
#include "glyvarin/glyvarin.h"
#include "ui/richedit.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
double secondsSince(Clock::time_point t) { return std::chrono::duration<double>(Clock::now() - t).count(); }

// --- the document: Czech prose in paragraphs of several runs, each run its own face, size
// (half points included), style, colour and now and then raised text

const char* const kWords[] = {
    "příliš", "žluťoučký", "kůň", "úpěl", "ďábelské", "ódy", "a", "ten", "dům", "stojí", "na", "kopci",
    "kde", "se", "říká", "že", "bývalo", "město", "čas", "když", "voda", "teče", "ještě", "není",
    "konec", "práce", "pro", "všechny", "lidi", "dobrý", "den", "svět", "program", "text", "znaky",
    "převod", "tabulka", "soubor", "okno", "řádek", "písmeno", "slovo", "věta", "odstavec"};

std::string toRtfText(const char* utf8) {
    wchar_t w[64];
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, w, 64) - 1;
    std::string out;
    for (int i = 0; i < n; ++i) {
        char b[4];
        const int m = WideCharToMultiByte(1250, 0, &w[i], 1, b, sizeof b, nullptr, nullptr);
        for (int k = 0; k < m; ++k) {
            const auto u = static_cast<unsigned char>(b[k]);
            if (u < 0x80) {
                out.push_back(b[k]);
            } else {
                char e[8];
                std::snprintf(e, sizeof e, "\\'%02x", u);
                out += e;
            }
        }
    }
    return out;
}

struct Document {
    std::string rtf;
    std::size_t characters = 0;
    int runs = 0, paragraphs = 0;
};

Document makeDocument(std::size_t characters) {
    std::mt19937 rng(2024);
    Document d;
    d.rtf = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}"
            "{\\f1\\froman\\fcharset238 Times New Roman;}{\\f2\\fmodern\\fcharset238 Courier New;}}"
            "{\\colortbl;\\red0\\green0\\blue0;\\red200\\green0\\blue0;\\red0\\green120\\blue0;\\red0\\green0\\blue200;}\n";
    while (d.characters < characters) {
        d.rtf += "\\pard ";
        const int runs = 1 + static_cast<int>(rng() % 5);
        for (int r = 0; r < runs; ++r) {
            const int kind = static_cast<int>(rng() % 8);
            std::string f = "\\f" + std::to_string(rng() % 3) + "\\fs" +
                            std::to_string(kind == 7 ? 21 : 20 + 4 * static_cast<int>(rng() % 3));
            if (kind == 1) f += "\\b";
            if (kind == 2) f += "\\i";
            if (kind == 3) f += "\\ul";
            if (kind == 5) f += "\\up4";
            f += "\\cf" + std::to_string(1 + rng() % 4);
            d.rtf += "{" + f + " ";
            const int words = 8 + static_cast<int>(rng() % 40);
            for (int w = 0; w < words; ++w) {
                const char* word = kWords[rng() % (sizeof kWords / sizeof *kWords)];
                d.rtf += toRtfText(word);
                d.rtf += ' ';
                d.characters += static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, word, -1, nullptr, 0));
            }
            d.rtf += "}";
            ++d.runs;
        }
        d.rtf += "\\par\n";
        ++d.characters;
        ++d.paragraphs;
    }
    d.rtf += "}";
    return d;
}

// --- a document window as the program has it: a frame, a status bar and a rich-edit control

struct Window {
    HWND frame, status, edit;
    Window() {
        frame = CreateWindowExA(0, "BenchFrame", "Notavo", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 900, 700,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        status = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        edit = CreateWindowExA(WS_EX_CLIENTEDGE, RICHEDIT_CLASSA, "",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL |
                                   ES_SAVESEL,
                               0, 0, 880, 620, frame, reinterpret_cast<HMENU>(7), GetModuleHandleA(nullptr), nullptr);
        SendMessageA(edit, EM_EXLIMITTEXT, 0, 0x7FFFFFF0);
        SendMessageA(edit, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
    }
    ~Window() { DestroyWindow(frame); }
    // Seconds the control takes to read the RTF.
    double load(const std::string& rtf) {
        const auto t = Clock::now();
        ui::RichEdit::streamIn(edit, rtf, SF_RTF);
        return secondsSince(t);
    }
    std::u16string text() const {
        GETTEXTLENGTHEX gl{GTL_NUMCHARS | GTL_PRECISE, 1200};
        std::u16string s(static_cast<std::size_t>(SendMessageA(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0)) + 1, u'\0');
        GETTEXTEX gt{};
        gt.cb = static_cast<DWORD>(s.size() * 2);
        gt.flags = GT_DEFAULT;
        gt.codepage = 1200;
        s.resize(static_cast<std::size_t>(SendMessageA(edit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt),
                                                       reinterpret_cast<LPARAM>(s.data()))));
        return s;
    }
    void select(long a, long b) {
        CHARRANGE cr{a, b};
        SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    }
    CHARFORMAT2A formatAt(long pos) {
        select(pos, pos + 1);
        CHARFORMAT2A cf{};
        cf.cbSize = sizeof cf;
        SendMessageA(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
        return cf;
    }
};

bool sameFormat(const CHARFORMAT2A& a, const CHARFORMAT2A& b) {
    return a.dwMask == b.dwMask && a.dwEffects == b.dwEffects && a.yHeight == b.yHeight && a.yOffset == b.yOffset &&
           a.crTextColor == b.crTextColor && a.bCharSet == b.bCharSet && std::strcmp(a.szFaceName, b.szFaceName) == 0;
}

void pump() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

// The per-character algorithm on whole lines starting at line `first`: each character is selected
// and its face, style and size read before the line is replaced, then selected again and given
// them back, with pending messages handled before each step. Returns seconds and characters.
std::pair<double, long> perCharacterSample(Window& w, int first, long wanted) {
    long done = 0;
    const auto t = Clock::now();
    for (int line = first; done < wanted; ++line) {
        pump();
        const long start = static_cast<long>(SendMessageA(w.edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
        if (start < 0) break;
        const long len = static_cast<long>(SendMessageA(w.edit, EM_LINELENGTH, static_cast<WPARAM>(start), 0));
        std::string text(static_cast<std::size_t>(len) + 1, '\0');
        TEXTRANGEA tr{{start, start + len}, text.data()};
        SendMessageA(w.edit, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&tr));
        text.resize(static_cast<std::size_t>(len));
        std::vector<CHARFORMAT2A> formats;
        for (long i = 0; i < len; ++i) {
            pump();
            CHARFORMAT2A cf = w.formatAt(start + i);
            cf.dwMask = CFM_FACE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_SIZE;
            cf.yHeight = cf.yHeight / 20 * 20; // whole points
            formats.push_back(cf);
        }
        w.select(start, start + len);
        SendMessageA(w.edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str())); // same text
        for (long i = 0; i < len; ++i) {
            pump();
            w.select(start + i, start + i + 1);
            SendMessageA(w.edit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&formats[static_cast<std::size_t>(i)]));
        }
        done += len;
    }
    return {secondsSince(t), done};
}

} // namespace

int main() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    LoadLibraryA("riched20.dll");
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "BenchFrame";
    RegisterClassA(&wc);

    const Document doc = makeDocument(1000000);
    std::printf("conversion: %zu characters, %d paragraphs, %d format runs, %.2f MB of RTF\n", doc.characters,
                doc.paragraphs, doc.runs, static_cast<double>(doc.rtf.size()) / 1e6);
    std::fflush(stdout);

    // the control's own stream-in into a fresh control
    double streamIn = 0;
    {
        Window w;
        streamIn = w.load(doc.rtf);
    }

    // our conversion of the whole text, on a document loaded the same way
    double ours = 0;
    std::size_t changedLeft = 0, formatMismatches = 0, samples = 0;
    bool sameLength = false, expectedText = false;
    {
        Window w;
        w.load(doc.rtf);
        const std::u16string before = w.text();
        // every character of the first 20000, then one in 997 to the end
        std::vector<std::pair<long, CHARFORMAT2A>> sampled;
        for (long p = 0; p < static_cast<long>(before.size()); p += p < 20000 ? 1 : 997) sampled.push_back({p, w.formatAt(p)});
        w.select(0, 0);
        predejKnihovnu("lang.cs.dll");
        const auto t = Clock::now();
        PrevestZnaky(w.status, w.edit);
        ours = secondsSince(t);
        const std::u16string after = w.text();
        sameLength = after.size() == before.size();
        const std::u16string_view from = u"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ", to = u"acdeeinorstuuyzACDEEINORSTUUYZ";
        std::u16string expected = before;
        for (char16_t& c : expected)
            if (const auto k = from.find(c); k != std::u16string_view::npos) c = to[k];
        expectedText = after == expected;
        for (char16_t c : after)
            if (std::u16string_view(u"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ").find(c) != std::u16string_view::npos) ++changedLeft;
        for (const auto& [p, cf] : sampled) {
            ++samples;
            if (!sameFormat(w.formatAt(p), cf)) ++formatMismatches;
        }
    }

    // the per-character algorithm, on samples at the start, the middle and the end
    double perCharSeconds = 0;
    long perCharCount = 0;
    {
        Window w;
        w.load(doc.rtf);
        SendMessageA(w.edit, EM_SETEVENTMASK, 0, 0);
        const int lines = static_cast<int>(SendMessageA(w.edit, EM_GETLINECOUNT, 0, 0));
        for (int first : {0, lines / 2, lines - 40}) {
            const auto [s, n] = perCharacterSample(w, first, 400);
            perCharSeconds += s;
            perCharCount += n;
        }
    }
    const double perCharTotal = perCharSeconds / static_cast<double>(perCharCount) * static_cast<double>(doc.characters);

    bench::row("convert characters, 1 MB formatted RTF", ours, "control's RTF stream-in of it", streamIn, "s", 2.0);
    std::printf("the per-character algorithm (select, read format, replace, restore) would take %.0f s, %.0fx the "
                "stream-in (extrapolated from %ld characters)\n",
                perCharTotal, perCharTotal / streamIn, perCharCount);
    std::printf("check: length kept %s, text as expected %s, letters with diacritics left %zu, formats differing at "
                "%zu of %zu characters compared (all of the first 20000, then every 997th)\n",
                sameLength ? "yes" : "NO", expectedText ? "yes" : "NO", changedLeft, formatMismatches, samples);
    return sameLength && expectedText && changedLeft == 0 && formatMismatches == 0 ? 0 : 1;
}
