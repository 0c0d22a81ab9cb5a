// settings/colors.cpp — colour values and their names in the settings file
#include "settings/colors.h"

#include "ui/text.h"

#include <cstdio>

namespace settings {
namespace {

constexpr Color sys(unsigned index) { return 0xFF000000u + index; }

struct Named {
    const char* name;
    Color value;
};

// Searched in this order when writing: the first name whose value matches is written.
constexpr Named kNames[] = {
    {"clBlack", 0x000000},       {"clMaroon", 0x000080},    {"clGreen", 0x008000},
    {"clOlive", 0x008080},       {"clNavy", 0x800000},      {"clPurple", 0x800080},
    {"clTeal", 0x808000},        {"clGray", 0x808080},      {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},         {"clLime", 0x00FF00},      {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},        {"clFuchsia", 0xFF00FF},   {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},       {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},       {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", sys(10)}, {"clActiveCaption", sys(2)}, {"clAppWorkSpace", sys(12)},
    {"clBackground", sys(1)},    {"clBtnFace", sys(15)},     {"clBtnHighlight", sys(20)},
    {"clBtnShadow", sys(16)},    {"clBtnText", sys(18)},     {"clCaptionText", sys(9)},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", sys(27)}, {"clGradientInactiveCaption", sys(28)},
    {"clGrayText", sys(17)},     {"clHighlight", sys(13)},   {"clHighlightText", sys(14)},
    {"clHotLight", sys(26)},     {"clInactiveBorder", sys(11)}, {"clInactiveCaption", sys(3)},
    {"clInactiveCaptionText", sys(19)}, {"clInfoBk", sys(24)}, {"clInfoText", sys(23)},
    {"clMenu", sys(4)},          {"clMenuBar", sys(30)},     {"clMenuHighlight", sys(29)},
    {"clMenuText", sys(7)},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", sys(0)},     {"cl3DDkShadow", sys(21)},  {"cl3DLight", sys(22)},
    {"clWindow", sys(5)},        {"clWindowFrame", sys(6)},
};
static_assert(std::size(kNames) == 51);

} // namespace

std::string colorToText(Color c) {
    for (const auto& n : kNames)
        if (n.value == c) return n.name;
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(c));
    return buf;
}

std::optional<Color> colorFromText(std::string_view text) {
    for (const auto& n : kNames)
        if (ui::equalsNoCase(text, n.name)) return n.value;
    long long v = 0;
    if (!ui::parseInt(text, v) || v < INT32_MIN || v > UINT32_MAX) return std::nullopt;
    return static_cast<Color>(v);
}

} // namespace settings
