// tests/fuzz/control_check_fuzz.cpp — any bytes through the check that keeps from the rich-edit
// control what it cannot read: it ends, a place it names lies inside the text, and a truncated
// text made whole by closeGroups passes the check (what the program then gives the control)
#include "rtf/control_check.h"

#include "check.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view in(reinterpret_cast<const char*>(data), size);
    const rtf::ControlCheck c = rtf::checkForControl(in);
    switch (c.kind) {
    case rtf::ControlCheck::Fine: break;
    case rtf::ControlCheck::Truncated: {
        FUZZ_CHECK(c.openGroups > 0 && c.complete <= size);
        const std::string whole = rtf::closeGroups(in, c);
        FUZZ_CHECK(whole.size() == c.complete + c.openGroups);
        FUZZ_CHECK(whole.compare(0, c.complete, in.substr(0, c.complete)) == 0);
        const rtf::ControlCheck again = rtf::checkForControl(whole);
        FUZZ_CHECK(again.kind == rtf::ControlCheck::Fine);
        break;
    }
    default: FUZZ_CHECK(!c.safe() && c.offset < size); break;
    }
    return 0;
}
