// tests/e2e/probe.cpp — looks at and drives the running program from another process, the way
// an automation tool would: window captions, document texts, menu captions, commands, answers
// to message boxes. Prints UTF-8.
//   probe windows            "frame: <caption>", "active: <caption of the active document>", then
//                            "doc: <caption>" and "text: <text>" per document
//   probe menu               the captions of the menu bar, one per line
//   probe command ID         posts WM_COMMAND ID to the main window
//   probe close              posts WM_CLOSE to the main window
//   probe boxes              "box: <caption>|<text>" for each message box shown
//   probe answer CAPTION ID  presses button ID (6 Yes, 7 No, 2 Cancel, 1 OK) in the box titled CAPTION
//   probe post CLASS MSG     posts the message MSG (a number, no parameters) to the top-level
//                            window of that class, e.g. 16 (WM_CLOSE) as its close box does
//   probe top CLASS          the top-level window of that class: "top: <caption>|<visible>|x y w h",
//                            then "child: <class>|<text>|x y w h" per control (screen coordinates)
//   probe status             "panel N: <text>" for each panel of the main window's status bar
//   probe markers            "marker N: x y w h" (screen) for each ruler marker of the active document
//   probe indents            "para N: <first-line> <following, relative> <right>" in twips for each
//                            paragraph of the active document (its selection is restored after)
//   probe frames             "frame: <handle>" for each main window (one per running program)
//   probe foreground         "foreground: <class>|<handle of its main window, or 0>"
//   probe settext TEXT       sets the text of the edit field that has the keyboard focus in the
//                            program (a dialog's, never the document's) and prints
//                            "focus: <caption of its window>"; "no edit field" when none has it
// With PROBE_FRAME=<handle> in the environment the commands look at that main window only.
//   probe columns CLASS      "column: <title>" for each column of the first list view in the
//                            top-level window of that class
// Wine: "menu" prints nothing while the program runs, since a menu's items live in the process
// that made it; check the menus by what their keys do instead.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string utf8(const std::string& ansi) {
    const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), w.data(), n);
    const int m = WideCharToMultiByte(CP_UTF8, 0, w.data(), n, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(m), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), n, out.data(), m, nullptr, nullptr);
    return out;
}

std::string textOf(HWND h) {
    DWORD_PTR n = 0;
    SendMessageTimeoutA(h, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &n);
    std::string s(n + 1, '\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutA(h, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()), SMTO_ABORTIFHUNG, 5000, &got);
    s.resize(got);
    return s;
}

std::string className(HWND h) {
    char buf[256] = {};
    GetClassNameA(h, buf, sizeof buf);
    return buf;
}

HWND frame() {
    if (const char* chosen = std::getenv("PROBE_FRAME"))
        return reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(chosen, nullptr, 0)));
    return FindWindowA("NotavoHlavni", nullptr);
}

BOOL CALLBACK listFrame(HWND h, LPARAM) {
    char cls[64] = {};
    GetClassNameA(h, cls, sizeof cls);
    if (std::string(cls) == "NotavoHlavni") std::printf("frame: 0x%llx\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(h)));
    return TRUE;
}

int foreground() {
    HWND w = GetForegroundWindow();
    char cls[64] = {};
    if (w) GetClassNameA(w, cls, sizeof cls);
    HWND owner = w;
    while (owner && GetWindow(owner, GW_OWNER)) owner = GetWindow(owner, GW_OWNER);
    std::printf("foreground: %s|0x%llx\n", cls, static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(owner)));
    return 0;
}

std::vector<HWND> children(HWND parent) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(c);
    return out;
}

int windows() {
    HWND f = frame();
    if (!f) return std::puts("no main window"), 1;
    std::printf("frame: %s\n", utf8(textOf(f)).c_str());
    for (HWND c : children(f)) {
        if (className(c) != "MDIClient") continue;
        DWORD_PTR active = 0;
        SendMessageTimeoutA(c, WM_MDIGETACTIVE, 0, 0, SMTO_ABORTIFHUNG, 5000, &active);
        if (active) std::printf("active: %s\n", utf8(textOf(reinterpret_cast<HWND>(active))).c_str());
        for (HWND doc : children(c)) {
            std::printf("doc: %s\n", utf8(textOf(doc)).c_str());
            for (HWND e : children(doc))
                if (className(e).rfind("RichEdit", 0) == 0) std::printf("text: %s\n", utf8(textOf(e)).c_str());
        }
    }
    return 0;
}

int menu() {
    HWND f = frame();
    HMENU m = f ? GetMenu(f) : nullptr;
    if (!m) return std::puts("no menu"), 1;
    const int n = GetMenuItemCount(m);
    for (int i = 0; i < n; ++i) {
        char buf[256] = {};
        GetMenuStringA(m, static_cast<UINT>(i), buf, sizeof buf, MF_BYPOSITION);
        std::printf("%s\n", utf8(buf).c_str());
    }
    return 0;
}

BOOL CALLBACK listBox(HWND h, LPARAM) {
    if (className(h) == "#32770" && IsWindowVisible(h)) {
        std::string text;
        for (HWND c : children(h))
            if (className(c) == "Static" && GetWindowTextLengthA(c) > 0) text += textOf(c);
        std::printf("box: %s|%s\n", utf8(textOf(h)).c_str(), utf8(text).c_str());
    }
    return TRUE;
}

std::string rectOf(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + " " +
           std::to_string(r.bottom - r.top);
}

int top(const char* cls) {
    HWND w = FindWindowA(cls, nullptr);
    if (!w) return std::puts("no such window"), 1;
    std::printf("top: %s|%d|%s\n", utf8(textOf(w)).c_str(), IsWindowVisible(w) ? 1 : 0, rectOf(w).c_str());
    for (HWND c : children(w))
        std::printf("child: %s|%s|%s\n", className(c).c_str(), utf8(textOf(c)).c_str(), rectOf(c).c_str());
    return 0;
}

// Memory inside the program, for the messages whose buffers Windows does not carry across
// processes (status bar texts, paragraph formats).
class Remote {
public:
    Remote(HWND window, size_t size) : size_(size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_) at_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~Remote() {
        if (at_) VirtualFreeEx(process_, at_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    Remote(const Remote&) = delete;
    Remote& operator=(const Remote&) = delete;
    explicit operator bool() const { return at_ != nullptr; }
    LPARAM address() const { return reinterpret_cast<LPARAM>(at_); }
    void write(const void* data, size_t n) { WriteProcessMemory(process_, at_, data, n, nullptr); }
    void read(void* data, size_t n) const { ReadProcessMemory(process_, at_, data, n, nullptr); }
    size_t size() const { return size_; }

private:
    HANDLE process_ = nullptr;
    void* at_ = nullptr;
    size_t size_;
};

HWND childOfClass(HWND parent, const std::string& cls) {
    for (HWND c : children(parent))
        if (className(c).rfind(cls, 0) == 0) return c;
    return nullptr;
}

HWND activeDocument() {
    HWND f = frame();
    HWND client = f ? childOfClass(f, "MDIClient") : nullptr;
    return client ? reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
}

int status() {
    HWND bar = frame() ? childOfClass(frame(), STATUSCLASSNAMEA) : nullptr;
    if (!bar) return std::puts("no status bar"), 1;
    Remote buf(bar, 1024);
    if (!buf) return std::puts("no access"), 1;
    const int n = static_cast<int>(SendMessageA(bar, SB_GETPARTS, 0, 0));
    for (int i = 0; i < n; ++i) {
        std::string s(buf.size(), '\0');
        buf.write(s.data(), s.size());
        SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(i), buf.address());
        buf.read(s.data(), s.size());
        s.resize(std::strlen(s.c_str()));
        std::printf("panel %d: %s\n", i, utf8(s).c_str());
    }
    return 0;
}

int markers() {
    HWND doc = activeDocument();
    HWND strip = doc ? childOfClass(doc, "NotavoRuler") : nullptr;
    if (!strip) return std::puts("no ruler"), 1;
    for (HWND m : children(strip))
        if (className(m) == "NotavoRulerMarker")
            std::printf("marker %d: %s\n", GetDlgCtrlID(m), rectOf(m).c_str());
    return 0;
}

int indents() {
    HWND doc = activeDocument();
    HWND edit = doc ? childOfClass(doc, "RichEdit") : nullptr;
    if (!edit) return std::puts("no document"), 1;
    Remote buf(edit, sizeof(PARAFORMAT2));
    if (!buf) return std::puts("no access"), 1;
    DWORD from = 0, to = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    // where each paragraph starts, in the control's characters (a paragraph end is one
    // character there, CR LF in the text WM_GETTEXT gives)
    const std::string text = textOf(edit);
    std::vector<long> starts{0};
    long pos = 0;
    for (size_t i = 0; i < text.size(); ++i, ++pos) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (text[i] == '\r' || text[i] == '\n') starts.push_back(pos + 1);
    }
    for (size_t n = 0; n < starts.size(); ++n) {
        SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(starts[n]), starts[n]);
        PARAFORMAT2 pf{};
        pf.cbSize = sizeof pf;
        buf.write(&pf, sizeof pf);
        SendMessageA(edit, EM_GETPARAFORMAT, 0, buf.address());
        buf.read(&pf, sizeof pf);
        std::printf("para %zu: %ld %ld %ld\n", n, pf.dxStartIndent, pf.dxOffset, pf.dxRightIndent);
    }
    SendMessageA(edit, EM_SETSEL, from, static_cast<LPARAM>(to));
    return 0;
}

// The column titles of the first list view in the top-level window of class `cls`.
int columns(const char* cls) {
    HWND w = FindWindowA(cls, nullptr);
    HWND list = w ? childOfClass(w, "SysListView32") : nullptr;
    if (!list) return std::puts("no list view"), 1;
    constexpr int kTextSize = 256;
    Remote buf(list, sizeof(LVCOLUMNA) + kTextSize);
    if (!buf) return std::puts("no access"), 1;
    for (int i = 0; i < 64; ++i) {
        char text[sizeof(LVCOLUMNA) + kTextSize] = {};
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT;
        col.pszText = reinterpret_cast<char*>(buf.address()) + sizeof col; // in the program's memory
        col.cchTextMax = kTextSize - 1;
        std::memcpy(text, &col, sizeof col);
        buf.write(text, sizeof text);
        DWORD_PTR ok = 0;
        if (!SendMessageTimeoutA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(i), buf.address(), SMTO_ABORTIFHUNG,
                                 5000, &ok) || !ok)
            break;
        buf.read(text, sizeof text);
        std::printf("column: %s\n", utf8(text + sizeof col).c_str());
    }
    return 0;
}

// Types `text` (ANSI, as argv gives it) into the edit field with the program's keyboard focus.
int setFocusedText(const char* text) {
    HWND f = frame();
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!f || !GetGUIThreadInfo(GetWindowThreadProcessId(f, nullptr), &info) || !info.hwndFocus ||
        className(info.hwndFocus) != "Edit")
        return std::puts("no edit field"), 1;
    DWORD_PTR done = 0;
    SendMessageTimeoutA(info.hwndFocus, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &done);
    std::printf("focus: %s\n", utf8(textOf(GetAncestor(info.hwndFocus, GA_ROOT))).c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string cmd = argc > 1 ? argv[1] : "";
    if (cmd == "windows") return windows();
    if (cmd == "menu") return menu();
    if (cmd == "boxes") return EnumWindows(listBox, 0), 0;
    if (cmd == "top" && argc > 2) return top(argv[2]);
    if (cmd == "status") return status();
    if (cmd == "markers") return markers();
    if (cmd == "indents") return indents();
    if (cmd == "frames") return EnumWindows(listFrame, 0), 0;
    if (cmd == "foreground") return foreground();
    if (cmd == "columns" && argc > 2) return columns(argv[2]);
    if (cmd == "settext" && argc > 2) return setFocusedText(argv[2]);
    if (cmd == "post" && argc > 3) {
        HWND w = FindWindowA(argv[2], nullptr);
        return w && PostMessageA(w, static_cast<UINT>(std::atoi(argv[3])), 0, 0) ? 0 : 1;
    }
    if (cmd == "close" && frame()) return PostMessageA(frame(), WM_CLOSE, 0, 0) ? 0 : 1;
    if (cmd == "command" && argc > 2 && frame())
        return PostMessageA(frame(), WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[2])), 0) ? 0 : 1;
    if (cmd == "answer" && argc > 3) {
        HWND box = FindWindowA("#32770", argv[2]) /* argv is in the ANSI code page */;
        if (!box) return std::puts("no such box"), 1;
        return PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[3])), 0) ? 0 : 1;
    }
    std::puts("usage: probe windows|menu|boxes|close|command ID|answer CAPTION ID|top CLASS|columns CLASS|settext TEXT|status|markers|indents");
    return 2;
}
