// ui/printer.cpp — a printer as a print device
#include "ui/printer.h"

#include "ui/errors.h"
#include "ui/gdi.h"

namespace ui {
namespace {

class Printer final : public PrintDevice {
public:
    explicit Printer(HDC dc) : dc_(dc) {}
    ~Printer() override {
        if (started_) abortDocument();
    }

    HDC target() const override { return dc_.get(); }
    PageGeometry geometry() const override { return geometryOf(dc_.get()); }

    void startDocument(const std::string& title) override {
        DOCINFOA di{};
        di.cbSize = sizeof di;
        di.lpszDocName = title.c_str();
        if (StartDocA(dc_.get(), &di) <= 0) throwLastError();
        started_ = true;
    }
    HDC startPage() override {
        if (StartPage(dc_.get()) <= 0) throwLastError();
        return dc_.get();
    }
    void endPage() override {
        if (EndPage(dc_.get()) <= 0) throwLastError();
    }
    void endDocument() override {
        started_ = false;
        if (EndDoc(dc_.get()) <= 0) throwLastError();
    }
    void abortDocument() noexcept override {
        if (started_) AbortDoc(dc_.get());
        started_ = false;
    }

private:
    UniqueDC dc_;
    bool started_ = false;
};

} // namespace

PageGeometry geometryOf(HDC dc) {
    PageGeometry g;
    g.width = GetDeviceCaps(dc, HORZRES);
    g.height = GetDeviceCaps(dc, VERTRES);
    g.dpiX = GetDeviceCaps(dc, LOGPIXELSX);
    g.dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    g.paperWidth = GetDeviceCaps(dc, PHYSICALWIDTH);
    g.paperHeight = GetDeviceCaps(dc, PHYSICALHEIGHT);
    g.offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
    g.offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
    // a display or memory context has no sheet: its area is the sheet
    if (g.paperWidth <= 0) g.paperWidth = g.width, g.offsetX = 0;
    if (g.paperHeight <= 0) g.paperHeight = g.height, g.offsetY = 0;
    if (g.dpiX <= 0) g.dpiX = 96;
    if (g.dpiY <= 0) g.dpiY = 96;
    return g;
}

std::unique_ptr<PrintDevice> printerDevice(HDC printerDc) { return std::make_unique<Printer>(printerDc); }

} // namespace ui
