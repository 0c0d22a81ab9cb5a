// tests/win/glyvarin_support.cpp — what the converter library's tests share
#include "tests/win/glyvarin_support.h"
#include "ui/richedit.h"

#include <commctrl.h>

#include <cstring>

namespace convtest {

std::string testFolder() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of('\\') + 1);
}

std::string dataFilePath() { return testFolder() + "characters.dia"; }
std::string userFolder() { return testFolder() + "user\\"; }
std::string userFilePath() { return userFolder() + "characters.dia"; }

static std::optional<std::string> readWholeFile(const std::string& path) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes(GetFileSize(f, nullptr), '\0');
    DWORD got = 0;
    if (!bytes.empty()) ReadFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(f);
    bytes.resize(got);
    return bytes;
}

std::optional<std::string> readDataFile() { return readWholeFile(dataFilePath()); }
std::optional<std::string> readUserFile() { return readWholeFile(userFilePath()); }

// Puts `bytes` at `path` (nullopt: nothing there, not even a folder of that name).
static void writeFile(const std::string& path, const std::optional<std::string>& bytes) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(path.c_str());
    DeleteFileA(path.c_str());
    if (!bytes) return;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    DWORD put = 0;
    if (!bytes->empty()) WriteFile(f, bytes->data(), static_cast<DWORD>(bytes->size()), &put, nullptr);
    CloseHandle(f);
}

std::string tableFile(std::initializer_list<std::pair<unsigned char, unsigned char>> entries) {
    std::string s;
    for (auto [a, b] : entries) {
        s.push_back(static_cast<char>(a));
        s.push_back(static_cast<char>(b));
    }
    return s;
}

// --- the library

static void writeDataFile(const std::optional<std::string>& bytes) { writeFile(dataFilePath(), bytes); }

Glyvarin::Glyvarin(std::optional<std::string> dataFile, std::optional<std::string> userCopy) {
    shipped_ = readDataFile();
    writeDataFile(dataFile);
    CreateDirectoryA(userFolder().c_str(), nullptr);
    writeFile(userFilePath(), userCopy);
    module_ = LoadLibraryA("glyvarin.dll");
    if (!module_) {
        ADD_FAILURE() << "glyvarin.dll was not loaded: " << GetLastError();
        return;
    }
    const auto get = [&](auto& fn, const char* name) {
        fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(
            reinterpret_cast<void*>(GetProcAddress(module_, name)));
        if (!fn) ADD_FAILURE() << "glyvarin.dll has no export " << name;
    };
    get(PrevestZnaky, "PrevestZnaky");
    get(zobraz, "zobraz");
    get(predejKnihovnu, "predejKnihovnu");
    get(predejKomponentu, "predejKomponentu");
    get(nastavDotazy, "nastavDotazy");
    get(nastavSlozkuDat, "nastavSlozkuDat");
    if (nastavSlozkuDat) nastavSlozkuDat(userFolder().c_str()); // never the real data folder
    if (nastavDotazy) nastavDotazy(&Glyvarin::onBox, this);
}

Glyvarin::~Glyvarin() {
    if (module_) {
        if (nastavDotazy) nastavDotazy(nullptr, nullptr);
        FreeLibrary(module_);
    }
    writeDataFile(shipped_);
    writeFile(userFilePath(), std::nullopt);
    MSG m; // a quit request the library made is this test's, not the next one's
    while (PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

int Glyvarin::onBox(void* self, HWND owner, const char* text, const char* caption, unsigned flags) {
    static_cast<Glyvarin*>(self)->boxes_.push_back({text, caption, flags, owner});
    return IDOK;
}

// --- a document window

namespace {

const char kFrameClass[] = "ConvTestFrame";

LRESULT CALLBACK frameProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(h, msg, wp, lp); }

} // namespace

Document::Document() {
    static const bool once = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
        LoadLibraryA("riched20.dll");
        WNDCLASSA wc{};
        wc.lpfnWndProc = frameProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kFrameClass;
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        RegisterClassA(&wc);
        return true;
    }();
    (void)once;
    frame_ = CreateWindowExA(0, kFrameClass, "Dokument", WS_OVERLAPPEDWINDOW, 40, 40, 600, 400, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    status_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame_, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    int parts[] = {200, -1};
    SendMessageA(status_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    edit_ = CreateWindowExA(WS_EX_CLIENTEDGE, RICHEDIT_CLASSA, "",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL |
                                ES_SAVESEL,
                            0, 0, 580, 330, frame_, reinterpret_cast<HMENU>(7), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(edit_, EM_EXLIMITTEXT, 0, 0x7FFFFFF0);
    SendMessageA(edit_, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE);
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_BOLD;
    std::strcpy(cf.szFaceName, "Times New Roman");
    cf.yHeight = 240;
    cf.bCharSet = EASTEUROPE_CHARSET;
    SendMessageA(edit_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
    SendMessageA(edit_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
    ShowWindow(frame_, SW_SHOWNOACTIVATE);
}

Document::~Document() {
    if (IsWindow(frame_)) DestroyWindow(frame_);
}

void Document::loadRtf(const std::string& rtf) {
    ASSERT_TRUE(ui::RichEdit::streamIn(edit_, rtf, SF_RTF));
}

void Document::setText(const std::string& ansi) { SetWindowTextA(edit_, ansi.c_str()); }

std::u16string Document::text() const {
    std::u16string s(1 << 20, u'\0');
    GETTEXTEX gt{};
    gt.cb = static_cast<DWORD>(s.size() * 2);
    gt.flags = GT_DEFAULT;
    gt.codepage = 1200;
    s.resize(static_cast<std::size_t>(
        SendMessageA(edit_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt), reinterpret_cast<LPARAM>(s.data()))));
    return s;
}

std::string Document::statusText() const {
    char buf[512] = {};
    SendMessageA(status_, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(buf));
    return buf;
}

CHARRANGE Document::selection() const {
    CHARRANGE cr{};
    SendMessageA(edit_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    return cr;
}

void Document::select(long from, long to) {
    CHARRANGE cr{from, to};
    SendMessageA(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

CHARFORMAT2A Document::formatAt(long pos) {
    const CHARRANGE keep = selection();
    select(pos, pos + 1);
    CHARFORMAT2A cf{};
    cf.cbSize = sizeof cf;
    SendMessageA(edit_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    select(keep.cpMin, keep.cpMax);
    return cf;
}

void Document::setFormat(long from, long to, const CHARFORMAT2A& cf) {
    select(from, to);
    SendMessageA(edit_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

::testing::AssertionResult sameFormat(const CHARFORMAT2A& a, const CHARFORMAT2A& b) {
    const auto differ = [](const char* what) { return ::testing::AssertionFailure() << what << " differs"; };
    if (a.dwMask != b.dwMask) return differ("mask");
    if (a.dwEffects != b.dwEffects) return differ("effects");
    if (a.yHeight != b.yHeight) return differ("size");
    if (a.yOffset != b.yOffset) return differ("offset");
    if (a.crTextColor != b.crTextColor) return differ("colour");
    if (a.bCharSet != b.bCharSet) return differ("character set");
    if (a.bPitchAndFamily != b.bPitchAndFamily) return differ("pitch");
    if (std::strcmp(a.szFaceName, b.szFaceName) != 0) return differ("face");
    if (a.wWeight != b.wWeight) return differ("weight");
    if (a.sSpacing != b.sSpacing) return differ("spacing");
    if (a.crBackColor != b.crBackColor) return differ("background");
    if (a.lcid != b.lcid) return differ("language");
    if (a.sStyle != b.sStyle || a.wKerning != b.wKerning || a.bUnderlineType != b.bUnderlineType ||
        a.bAnimation != b.bAnimation || a.bRevAuthor != b.bRevAuthor)
        return differ("style, kerning, underline type, animation or author");
    return ::testing::AssertionSuccess();
}

// --- driving modal windows

HWND findWindow(const char* cls) { return FindWindowExA(nullptr, nullptr, cls, nullptr); }

void Script::run(const std::function<void()>& body) {
    current_ = this;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, &Script::tick);
    body();
    KillTimer(nullptr, timer);
    current_ = nullptr;
    EXPECT_FALSE(gaveUp_) << "the script did not finish";
    EXPECT_TRUE(steps_.empty()) << steps_.size() << " steps did not run";
}

void CALLBACK Script::tick(HWND, UINT, UINT_PTR, DWORD) {
    Script* s = current_;
    if (!s || s->steps_.empty()) return;
    if (++s->ticks_ > 1500) { // 15 s: the windows did not behave as the steps expect
        s->giveUp();
        return;
    }
    Step step = s->steps_.front(); // a step may run a nested loop: keep it until it returns
    if (step()) {
        if (!s->steps_.empty()) s->steps_.pop_front();
    }
}

void Script::giveUp() {
    gaveUp_ = true;
    steps_.clear();
    for (const char* cls : {"GlyvarinVstup", "GlyvarinPrevodnik"})
        if (HWND h = findWindow(cls)) PostMessageA(h, WM_CLOSE, 0, 0);
}

} // namespace convtest
