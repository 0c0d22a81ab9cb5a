// tests/win/printrecord.h — a print device that records each page as a metafile and reads back
// what was drawn: the texts with their position, font and colour
#pragma once
#include <windows.h>

#include "ui/gdi.h"
#include "ui/printer.h"

#include <memory>
#include <string>
#include <vector>

namespace test {

struct PrintedText {
    std::string text; // in the ANSI code page
    int x = 0, y = 0; // the reference point, in device pixels of the page
    std::string face;
    int height = 0;   // the font's lfHeight
    bool bold = false, italic = false, underline = false;
    COLORREF color = 0;
    UINT align = 0;   // the text alignment in force (TA_*)
};

struct PrintedPage {
    std::vector<PrintedText> texts;
    // Every text of the page in drawing order, each followed by one blank.
    std::string joined() const;
};

struct PrintJob {
    std::string title;
    int documents = 0;      // jobs started on the device
    bool ended = false, aborted = false;
    std::vector<PrintedPage> pages;
    int pagesBegun = 0;
    // Every text of every page (PrintedPage::joined of each in turn).
    std::string joined() const;
};

class RecordingPrinter final : public ui::PrintDevice {
public:
    // A4 at 96 pixels per inch with a sheet margin of 1/4 inch that cannot be printed on.
    static ui::PageGeometry a4();

    explicit RecordingPrinter(std::shared_ptr<PrintJob> job, ui::PageGeometry g = a4());
    ~RecordingPrinter() override;
    // From the `page`-th page begun (1 = the first), ending it fails as a printer error.
    void failAtEndOfPage(int page) { failAt_ = page; }

    HDC target() const override { return reference_.get(); }
    ui::PageGeometry geometry() const override { return geometry_; }
    void startDocument(const std::string& title) override;
    HDC startPage() override;
    void endPage() override;
    void endDocument() override;
    void abortDocument() noexcept override;

private:
    void dropPage();
    std::shared_ptr<PrintJob> job_;
    ui::PageGeometry geometry_;
    ui::UniqueDC reference_;
    HDC page_ = nullptr;
    int failAt_ = 0;
};

} // namespace test
