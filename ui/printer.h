// ui/printer.h — a device that prints pages: a printer, or (in tests) something that records them
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "ui/unique.h"

namespace ui {

// The page in device pixels. The printable area starts at the device origin; the paper
// extends `offsetX`/`offsetY` beyond it to the left and top.
struct PageGeometry {
    int width = 0, height = 0;           // printable area
    int dpiX = 96, dpiY = 96;
    int paperWidth = 0, paperHeight = 0; // the whole sheet
    int offsetX = 0, offsetY = 0;        // printable area from the sheet's corner
};

class PrintDevice : Pinned {
public:
    virtual ~PrintDevice() = default;
    // The device the text is measured on (for a printer, its own device context).
    virtual HDC target() const = 0;
    virtual PageGeometry geometry() const = 0;
    // The job: each step throws AppError when the device refuses it.
    virtual void startDocument(const std::string& title) = 0;
    virtual HDC startPage() = 0; // the device context to draw this page on
    virtual void endPage() = 0;
    virtual void endDocument() = 0;
    // Drops the job begun (after a failure); never throws.
    virtual void abortDocument() noexcept = 0;
};

// A printer's device context as a print device; it deletes the context at the end.
std::unique_ptr<PrintDevice> printerDevice(HDC printerDc);

// The geometry a device context reports.
PageGeometry geometryOf(HDC dc);

} // namespace ui
