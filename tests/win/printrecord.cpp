// tests/win/printrecord.cpp — a print device that records pages as metafiles and reads them back
#include "tests/win/printrecord.h"

#include "ui/errors.h"

#include <map>

namespace test {
namespace {

struct DrawState {
    LOGFONTW font{};
    COLORREF color = 0;
    UINT align = 0;
};

struct Reader {
    std::map<DWORD, LOGFONTW> fonts;
    DrawState now;
    std::vector<DrawState> saved;
    PrintedPage page;
};

std::string ansi(const wchar_t* s, int n) {
    if (n <= 0) return {};
    const int bytes = WideCharToMultiByte(CP_ACP, 0, s, n, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, s, n, out.data(), bytes, nullptr, nullptr);
    return out;
}

void addText(Reader& r, const EMRTEXT& t, std::string text) {
    PrintedText p;
    p.text = std::move(text);
    p.x = t.ptlReference.x;
    p.y = t.ptlReference.y;
    p.face = ansi(r.now.font.lfFaceName, static_cast<int>(wcsnlen(r.now.font.lfFaceName, LF_FACESIZE)));
    p.height = r.now.font.lfHeight;
    p.bold = r.now.font.lfWeight >= FW_BOLD;
    p.italic = r.now.font.lfItalic;
    p.underline = r.now.font.lfUnderline;
    p.color = r.now.color;
    p.align = r.now.align;
    r.page.texts.push_back(std::move(p));
}

int CALLBACK record(HDC, HANDLETABLE*, const ENHMETARECORD* rec, int, LPARAM lp) {
    auto& r = *reinterpret_cast<Reader*>(lp);
    const auto* bytes = reinterpret_cast<const BYTE*>(rec);
    switch (rec->iType) {
    case EMR_EXTCREATEFONTINDIRECTW: {
        const auto* f = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(rec);
        r.fonts[f->ihFont] = f->elfw.elfLogFont;
        break;
    }
    case EMR_SELECTOBJECT: {
        const auto* s = reinterpret_cast<const EMRSELECTOBJECT*>(rec);
        if (const auto it = r.fonts.find(s->ihObject); it != r.fonts.end()) r.now.font = it->second;
        break;
    }
    case EMR_SETTEXTCOLOR: r.now.color = reinterpret_cast<const EMRSETTEXTCOLOR*>(rec)->crColor; break;
    case EMR_SETTEXTALIGN: r.now.align = reinterpret_cast<const EMRSETTEXTALIGN*>(rec)->iMode; break;
    case EMR_SAVEDC: r.saved.push_back(r.now); break;
    case EMR_RESTOREDC: {
        const LONG rel = reinterpret_cast<const EMRRESTOREDC*>(rec)->iRelative;
        for (LONG i = 0; i < -rel && !r.saved.empty(); ++i) {
            r.now = r.saved.back();
            r.saved.pop_back();
        }
        break;
    }
    case EMR_EXTTEXTOUTW: {
        const auto* t = reinterpret_cast<const EMREXTTEXTOUTW*>(rec);
        addText(r, t->emrtext,
                ansi(reinterpret_cast<const wchar_t*>(bytes + t->emrtext.offString), static_cast<int>(t->emrtext.nChars)));
        break;
    }
    case EMR_EXTTEXTOUTA: {
        const auto* t = reinterpret_cast<const EMREXTTEXTOUTA*>(rec);
        addText(r, t->emrtext,
                std::string(reinterpret_cast<const char*>(bytes + t->emrtext.offString), t->emrtext.nChars));
        break;
    }
    }
    return 1;
}

} // namespace

std::string PrintedPage::joined() const {
    std::string s;
    for (const auto& t : texts) s += t.text + ' ';
    return s;
}

std::string PrintJob::joined() const {
    std::string s;
    for (const auto& p : pages) s += p.joined();
    return s;
}

ui::PageGeometry RecordingPrinter::a4() {
    ui::PageGeometry g;
    g.dpiX = g.dpiY = 96;
    g.paperWidth = 794;
    g.paperHeight = 1123;
    g.offsetX = g.offsetY = 24;
    g.width = g.paperWidth - 2 * g.offsetX;
    g.height = g.paperHeight - 2 * g.offsetY;
    return g;
}

RecordingPrinter::RecordingPrinter(std::shared_ptr<PrintJob> job, ui::PageGeometry g)
    : job_(std::move(job)), geometry_(g), reference_(ui::memoryDC(nullptr)) {}

RecordingPrinter::~RecordingPrinter() {
    dropPage();
}

void RecordingPrinter::startDocument(const std::string& title) {
    job_->title = title;
    ++job_->documents;
}

HDC RecordingPrinter::startPage() {
    dropPage();
    // the frame in 0.01 mm
    RECT frame{0, 0, MulDiv(geometry_.width, 2540, geometry_.dpiX), MulDiv(geometry_.height, 2540, geometry_.dpiY)};
    page_ = CreateEnhMetaFileA(reference_.get(), nullptr, &frame, nullptr);
    if (!page_) ui::throwLastError();
    ++job_->pagesBegun;
    return page_;
}

void RecordingPrinter::endPage() {
    HENHMETAFILE emf = CloseEnhMetaFile(page_);
    page_ = nullptr;
    Reader r;
    EnumEnhMetaFile(nullptr, emf, record, &r, nullptr);
    DeleteEnhMetaFile(emf);
    if (failAt_ > 0 && job_->pagesBegun >= failAt_) throw ui::AppError("Tiskárna neodpovídá");
    job_->pages.push_back(std::move(r.page));
}

void RecordingPrinter::endDocument() { job_->ended = true; }

void RecordingPrinter::abortDocument() noexcept {
    dropPage();
    job_->aborted = true;
}

void RecordingPrinter::dropPage() {
    if (page_) DeleteEnhMetaFile(CloseEnhMetaFile(page_));
    page_ = nullptr;
}

} // namespace test
