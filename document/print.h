// document/print.h — printing a document's text page by page
#pragma once
#include <windows.h>

#include "ui/printer.h"
#include "ui/richedit.h"

#include <string>

namespace document {

// The rectangle the text is printed in, in device pixels from the printable area's origin:
// one inch from each edge of the sheet, never outside the printable area. A sheet too small
// for such margins gets its whole printable area.
RECT textArea(const ui::PageGeometry& g);

// Prints the whole text of `edit` on `device` as one job titled `title`: page by page with the
// control's own page formatting, and where the control makes no progress on a page, with the
// program's own layout of the document's formatted text from there on. An empty text prints
// one empty page. Throws AppError when the printer fails; the job is dropped then.
void printDocument(ui::RichEdit& edit, ui::PrintDevice& device, const std::string& title);

} // namespace document
