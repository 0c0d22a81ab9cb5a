// tests/fuzz/control_check_fuzz.cpp — any bytes through the check that keeps from the rich-edit
// control what it cannot read: it ends, a place it names lies inside the text, and a truncated
// text made whole, or one with a table row left open, passes the check once closeGroups has
// mended it (what the program then gives the control)
#include "rtf/control_check.h"

#include "check.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view in(reinterpret_cast<const char*>(data), size);
    const rtf::ControlCheck c = rtf::checkForControl(in);
    const std::size_t rowEnd = c.openRow ? 5 : 0; // "\row "
    switch (c.kind) {
    case rtf::ControlCheck::Fine:
        if (c.openRow) {
            FUZZ_CHECK(c.openRowEnd <= size);
            const std::string mended = rtf::closeGroups(in, c);
            FUZZ_CHECK(mended.size() == size + rowEnd);
            const rtf::ControlCheck again = rtf::checkForControl(mended);
            FUZZ_CHECK(again.kind == rtf::ControlCheck::Fine && !again.openRow);
        }
        break;
    case rtf::ControlCheck::Truncated: {
        FUZZ_CHECK(c.openGroups > 0 && c.complete <= size);
        FUZZ_CHECK(!c.openRow || c.openRowEnd <= c.complete);
        const std::string whole = rtf::closeGroups(in, c);
        FUZZ_CHECK(whole.size() == c.complete + c.openGroups + rowEnd);
        const std::size_t kept = c.openRow ? c.openRowEnd : c.complete;
        FUZZ_CHECK(whole.compare(0, kept, in.substr(0, kept)) == 0);
        const rtf::ControlCheck again = rtf::checkForControl(whole);
        FUZZ_CHECK(again.kind == rtf::ControlCheck::Fine && !again.openRow);
        break;
    }
    default: FUZZ_CHECK(!c.safe() && c.offset < size); break;
    }
    return 0;
}
