// tests/win/print_test.cpp — printing a document: the job, its pages, what is drawn on them
#include "app/resource.h"
#include "document/print.h"
#include "tests/win/printrecord.h"
#include "tests/win/support.h"
#include "ui/gdi.h"
#include "ui/window.h"

#include <cstdlib>

using namespace test;

namespace {

// A letter with the formatting printing must keep (Windows-1250 RTF, as the control reads it).
const std::string kLetter =
    "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 Times New Roman;}"
    "{\\f1\\fswiss\\fcharset238 Arial;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
    "\\pard\\qc\\f1\\fs28\\b Nadpis\\b0\\par\r\n"
    "\\pard\\ql\\f0\\fs24 Oby\\'e8ejn\\'fd text s {\\b tu\\'e8n\\'fdm}, {\\i kurz\\'edvou}, {\\ul podtr\\'9een\\'edm} a "
    "{\\cf1 \\'e8ervenou}.\\par\r\n"
    "\\pard\\qr Vpravo\\par\r\n\\pard\\li1440 Odsazeno\\par\r\n}";

const PrintedText* find(const PrintJob& job, const std::string& text) {
    for (const auto& page : job.pages)
        for (const auto& t : page.texts)
            if (t.text == text) return &t;
    return nullptr;
}

// The width of a printed text in its font (96 dpi, as the recording printer measures).
int widthOf(const PrintedText& t) {
    const ui::UniqueDC dc = ui::memoryDC(nullptr);
    const ui::UniqueGdi f{CreateFontA(t.height, 0, 0, 0, t.bold ? FW_BOLD : FW_NORMAL, t.italic, t.underline, 0,
                                      EASTEUROPE_CHARSET, OUT_TT_PRECIS, 0, 0, 0, t.face.c_str())};
    const ui::Selection font(dc.get(), f.get());
    SIZE s{};
    GetTextExtentPoint32A(dc.get(), t.text.c_str(), static_cast<int>(t.text.size()), &s);
    return s.cx;
}

class PrintTest : public MainWindowTest {
protected:
    std::shared_ptr<PrintJob> job = std::make_shared<PrintJob>();
    RECT area = document::textArea(RecordingPrinter::a4());

    RecordingPrinter& answerPrinter() {
        auto p = std::make_unique<RecordingPrinter>(job);
        RecordingPrinter& r = *p;
        prompts.answerPrinter(std::move(p));
        return r;
    }
    document::Teditor1& doc() { return *frame->activeDocument(); }
};

} // namespace

TEST(PrintArea, OneInchFromTheSheetsEdgesWithinThePrintableArea) {
    ui::PageGeometry g = RecordingPrinter::a4(); // 96 dpi, 1/4 inch that cannot be printed on
    RECT r = document::textArea(g);
    EXPECT_EQ(r.left, 72);
    EXPECT_EQ(r.top, 72);
    EXPECT_EQ(r.right, 794 - 24 - 96);
    EXPECT_EQ(r.bottom, 1123 - 24 - 96);
    g.offsetX = 120; // a printer that cannot print within 1.25 inch of the left edge
    g.width = g.paperWidth - 2 * g.offsetX;
    EXPECT_EQ(document::textArea(g).left, 0);
    g = RecordingPrinter::a4();
    g.paperWidth = g.width = 200; // a label: too narrow for margins
    g.offsetX = 0;
    r = document::textArea(g);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right, 200);
}

TEST_F(PrintTest, PrintDialogPrintsTheDocumentWithItsFormatting) {
    docs.write("dopis.rtf", kLetter);
    start({docs.file("dopis.rtf")});
    answerPrinter();
    SendMessageA(frame->hwnd(), WM_COMMAND, IDM_TISK, 0);
    EXPECT_EQ(prompts.printerRequests(), std::vector<bool>{true});
    EXPECT_TRUE(prompts.boxes().empty());
    EXPECT_EQ(job->title, "dopis.rtf");
    EXPECT_TRUE(job->ended);
    ASSERT_EQ(job->pages.size(), 1u);
    // one piece per format, each followed here by a blank
    EXPECT_EQ(job->joined(), "Nadpis Obyčejný text s  tučným ,  kurzívou ,  podtržením  a  červenou . Vpravo Odsazeno ");

    const PrintedText* title = find(*job, "Nadpis");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->face, "Arial");
    EXPECT_EQ(title->height, -19); // 14 pt at 96 dpi
    EXPECT_TRUE(title->bold);
    EXPECT_NEAR(title->x + widthOf(*title) / 2.0, (area.left + area.right) / 2.0, 1.5);
    EXPECT_EQ(title->align & (TA_BASELINE | TA_CENTER | TA_RIGHT), UINT(TA_BASELINE));

    const PrintedText* plain = find(*job, "Obyčejný text s ");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->x, area.left);
    EXPECT_GT(plain->y, title->y);
    EXPECT_EQ(plain->face, "Times New Roman");
    EXPECT_EQ(plain->height, -16);
    EXPECT_FALSE(plain->bold);
    EXPECT_TRUE(find(*job, "tučným")->bold);
    EXPECT_TRUE(find(*job, "kurzívou")->italic);
    EXPECT_TRUE(find(*job, "podtržením")->underline);
    EXPECT_EQ(find(*job, "červenou")->color, RGB(255, 0, 0));
    EXPECT_EQ(plain->color, RGB(0, 0, 0));

    const PrintedText* right = find(*job, "Vpravo");
    ASSERT_TRUE(right);
    EXPECT_NEAR(right->x + widthOf(*right), area.right, 1);
    EXPECT_EQ(find(*job, "Odsazeno")->x, area.left + 96); // \li1440: one inch
    EXPECT_GT(title->y, area.top); // the baseline of the first line is inside the margins
}

TEST_F(PrintTest, CancelledDialogPrintsNothing) {
    start();
    doc().RichEdit1.setText("text");
    prompts.answerPrinter(nullptr);
    frame->runCommand(IDM_TISK);
    EXPECT_EQ(prompts.printerRequests(), std::vector<bool>{true});
    EXPECT_EQ(job->documents, 0);
}

TEST_F(PrintTest, ToolButtonPrintsAtOnceOnTheCurrentPrinter) {
    start();
    doc().RichEdit1.setText("Rychlý tisk");
    answerPrinter();
    SendMessageA(frame->hwnd(), WM_COMMAND, IDT_TISK, 0);
    EXPECT_EQ(prompts.printerRequests(), std::vector<bool>{false}); // no dialog
    EXPECT_EQ(job->title, "Dokument 1");
    EXPECT_EQ(job->joined(), "Rychlý tisk ");
}

TEST_F(PrintTest, EmptyDocumentPrintsOneEmptyPage) {
    start();
    answerPrinter();
    frame->runCommand(IDT_TISK);
    EXPECT_EQ(job->documents, 1);
    EXPECT_TRUE(job->ended);
    ASSERT_EQ(job->pages.size(), 1u);
    EXPECT_TRUE(job->pages[0].texts.empty());
}

// A text of many pages, which the control under Wine cannot format at all: without the guard
// against pages that make no progress the job never ends.
TEST_F(PrintTest, LongDocumentGoesOnPagesInOrderWithinTheMargins) {
    start();
    std::string text, expected;
    for (int i = 1; i <= 150; ++i) {
        const std::string line = "Řádek " + std::to_string(i) + ": Příliš žluťoučký kůň";
        text += line + (i < 150 ? "\r\n" : "");
        expected += line + " ";
    }
    doc().RichEdit1.setText(text);
    answerPrinter();
    frame->runCommand(IDT_TISK);
    EXPECT_TRUE(job->ended);
    EXPECT_EQ(job->joined(), expected);
    // every page but the last is full: as many lines as fit in the margins
    ASSERT_GE(job->pages.size(), 2u);
    const size_t perPage = job->pages[0].texts.size();
    EXPECT_EQ(job->pages.size(), (150 + perPage - 1) / perPage);
    for (const auto& page : job->pages) {
        ASSERT_FALSE(page.texts.empty());
        EXPECT_LT(page.texts.front().y, area.top + 30); // each page starts at its top
        EXPECT_GT(page.texts.back().y, &page == &job->pages.back() ? 0 : area.bottom - 30);
        for (const auto& t : page.texts) {
            EXPECT_LE(t.y, area.bottom);
            EXPECT_EQ(t.x, area.left);
        }
    }
}

TEST_F(PrintTest, LongParagraphWrapsWithinTheMargins) {
    start();
    std::string text;
    for (int i = 0; i < 300; ++i) text += "slovo" + std::to_string(i % 7) + (i % 5 ? " " : "  ");
    doc().RichEdit1.setText(text);
    answerPrinter();
    frame->runCommand(IDT_TISK);
    ASSERT_FALSE(job->pages.empty());
    size_t lines = 0;
    std::string joined;
    for (const auto& t : job->pages[0].texts) {
        EXPECT_EQ(t.x, area.left);
        EXPECT_LE(t.x + widthOf(t), area.right) << t.text;
        joined += t.text + (t.text.back() == ' ' ? "" : " ");
        ++lines;
    }
    EXPECT_GT(lines, 10u);
    // the blanks at each break are not printed; nothing else is lost
    std::string squeezed;
    for (char c : text)
        if (!(c == ' ' && !squeezed.empty() && squeezed.back() == ' ')) squeezed += c;
    std::string got;
    for (char c : joined)
        if (!(c == ' ' && !got.empty() && got.back() == ' ')) got += c;
    EXPECT_EQ(got, squeezed.back() == ' ' ? squeezed : squeezed + " ");
}

TEST_F(PrintTest, PrinterFailureIsReportedAndTheJobDropped) {
    start();
    doc().RichEdit1.setText("první strana");
    answerPrinter().failAtEndOfPage(1);
    prompts.answerBox(IDOK);
    SendMessageA(frame->hwnd(), WM_COMMAND, IDM_TISK, 0); // through the real boundary
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(prompts.boxes()[0].text, "Tiskárna neodpovídá.");
    EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_OK | MB_ICONERROR));
    EXPECT_TRUE(job->aborted);
    EXPECT_FALSE(job->ended);
}

TEST_F(PrintTest, NoPrinterIsReported) {
    start();
    doc().RichEdit1.setText("x");
    prompts.answerPrinter(nullptr); // the current printer: there is none
    prompts.answerBox(IDOK);
    SendMessageA(frame->hwnd(), WM_COMMAND, IDT_TISK, 0);
    ASSERT_EQ(prompts.boxes().size(), 1u);
    EXPECT_EQ(prompts.boxes()[0].flags, UINT(MB_OK | MB_ICONERROR));
}

// A document opened as plain text prints in the document's font, its RTF source as text.
TEST_F(PrintTest, PlainTextDocumentPrintsItsTextInTheDocumentFont) {
    docs.write("zdroj.rtf", "\xEF\xBB\xBF{\\rtf1 {\\b x}}"); // plain text after its byte-order mark
    start();
    prompts.answerFile({docs.file("zdroj.rtf"), 2, {}});
    frame->runCommand(IDM_OTEVRIT);
    ASSERT_TRUE(doc().RichEdit1.plainText());
    answerPrinter();
    frame->runCommand(IDT_TISK);
    ASSERT_EQ(job->pages.size(), 1u);
    ASSERT_EQ(job->pages[0].texts.size(), 1u);
    const PrintedText& t = job->pages[0].texts[0];
    EXPECT_EQ(t.text, "{\\rtf1 {\\b x}}");
    EXPECT_EQ(t.face, "Times New Roman");
    EXPECT_FALSE(t.bold);
}
