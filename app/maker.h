// app/maker.h — the maker's addresses, shown and opened by the start-up and about windows
#pragma once

namespace app {

constexpr char kMakerWeb[] = "www.notavo.example";
constexpr char kMakerWebTarget[] = "https://www.notavo.example/";
constexpr char kMakerMail[] = "info@notavo.example";
constexpr char kMakerMailTarget[] = "mailto:info@notavo.example";

} // namespace app
