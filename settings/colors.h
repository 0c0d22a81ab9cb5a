// settings/colors.h — colour values and their names in the settings file
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace settings {

// 0x00BBGGRR; 0xFF0000nn stands for the Windows system colour nn.
using Color = std::uint32_t;

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;

// The first name of the table whose value is `c`, else "$" and eight upper-case hex digits.
std::string colorToText(Color c);
// A table name (any letter case), a decimal number or "$" and hex digits; nullopt otherwise.
std::optional<Color> colorFromText(std::string_view text);

} // namespace settings
