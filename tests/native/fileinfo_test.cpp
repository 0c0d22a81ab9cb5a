// tests/native/fileinfo_test.cpp — filling TFileInfo from the queries of a version resource
#include "app/fileinfo.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

using app::TFileInfo;

namespace {

// A version resource as the system answers queries: sub-block name -> value bytes.
struct FakeResource {
    std::map<std::string, std::string> values;
    std::vector<std::string> asked;

    app::VersionQuery query() {
        return [this](const std::string& sub) -> std::optional<std::string_view> {
            asked.push_back(sub);
            const auto it = values.find(sub);
            if (it == values.end()) return std::nullopt;
            return std::string_view(it->second);
        };
    }
};

std::string words(std::initializer_list<std::uint32_t> ws) {
    std::string out;
    for (std::uint32_t w : ws) out.append(reinterpret_cast<const char*>(&w), 4);
    return out;
}

std::string text(const char* s, size_t reportedLength) { return std::string(s, reportedLength); }

} // namespace

TEST(FileInfo, FixedBlockTranslationAndTexts) {
    FakeResource r;
    r.values["\\"] = words({0xFEEF04BD, 0x00010000, 0x00050003, 0x0005000D, 0x00010003, 0x0005000D,
                            0x3F, 0, 0x40004, 1, 0, 0x11, 0x22});
    r.values["\\VarFileInfo\\Translation"] = words({0x04E20405}); // language 0x405, code page 1250
    const std::string p = "\\StringFileInfo\\040504e2\\";
    r.values[p + "ProductVersion"] = text("5.3.5.13", 9); // the length counts the zero
    r.values[p + "ProductName"] = text("Notavo\0\0", 8);  // an explicit "\0" in the resource
    r.values[p + "CompanyName"] = text("Mirabund", 8);    // reported without its zero
    r.values[p + "Comments"] = text("", 0);
    r.values[p + "LegalCopyright"] = text("\xA9 Mirabund", 11);
    r.values["\\StringFileInfo\\04090404\\FileVersion"] = text("nikoli", 7); // another translation

    TFileInfo info;
    info.LegalTrademarks = "stale";
    app::fillFileInfo(info, r.query());
    EXPECT_EQ(info.Fixed.Signature, 0xFEEF04BDu);
    EXPECT_EQ(info.Fixed.FileVersionMS, 0x00050003u);
    EXPECT_EQ(info.Fixed.FileDateLS, 0x22u);
    // the numbers come from the product version, not from the file version
    EXPECT_EQ(info.Major, 1u);
    EXPECT_EQ(info.Minor, 3u);
    EXPECT_EQ(info.Release, 5u);
    EXPECT_EQ(info.Build, 13u);
    EXPECT_EQ(info.Language, 0x405);
    EXPECT_EQ(info.CodePage, 1250);
    EXPECT_EQ(info.ProductVersion, "5.3.5.13");
    EXPECT_EQ(info.ProductName, "Notavo");
    EXPECT_EQ(info.CompanyName, "Mirabund");
    EXPECT_EQ(info.LegalCopyright, "\xA9 Mirabund");
    EXPECT_EQ(info.Comments, "");
    EXPECT_EQ(info.FileVersion, "");     // only the translation found is read
    EXPECT_EQ(info.LegalTrademarks, ""); // the record starts cleared
    // the ten texts, in order, under that one translation
    ASSERT_EQ(r.asked.size(), 12u);
    EXPECT_EQ(r.asked[2], p + "CompanyName");
    EXPECT_EQ(r.asked[11], p + "Comments");
}

TEST(FileInfo, WithoutTranslationOrFixedBlock) {
    FakeResource r;
    r.values["\\"] = words({0xFEEF04BD, 0x00010000}); // cut short: not read at all
    r.values["\\StringFileInfo\\04090404\\ProductVersion"] = text("2.0", 4);
    TFileInfo info;
    info.Major = 7;
    app::fillFileInfo(info, r.query());
    EXPECT_EQ(info.Fixed.Signature, 0u);
    EXPECT_EQ(info.Major, 0u);
    EXPECT_EQ(info.Language, 0x0409);
    EXPECT_EQ(info.CodePage, 0x0404);
    EXPECT_EQ(info.ProductVersion, "2.0");
}

TEST(FileInfo, StringQueryNames) {
    // four lower-case hexadecimal digits each, zero-padded
    EXPECT_EQ(app::stringQuery(0x405, 0x4E2, "ProductVersion"),
              "\\StringFileInfo\\040504e2\\ProductVersion");
    EXPECT_EQ(app::stringQuery(0x409, 0x404, "Comments"), "\\StringFileInfo\\04090404\\Comments");
    EXPECT_EQ(app::stringQuery(0xFFFF, 0x1, "X"), "\\StringFileInfo\\ffff0001\\X");
}
