// ui/monitor.cpp — the monitors' work areas
#include "ui/monitor.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace ui {

Area workAreaNear(const Box& b) {
    const auto edge = [](std::int64_t v) { return static_cast<LONG>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX)); };
    const RECT r{b.left, b.top, edge(std::int64_t{b.left} + std::max(b.width, 1)),
                 edge(std::int64_t{b.top} + std::max(b.height, 1))};
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (!GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &mi)) {
        RECT desk{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &desk, 0);
        return {desk.left, desk.top, desk.right, desk.bottom};
    }
    return {mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom};
}

Box onScreen(const Box& b, Size minimum) {
    const int caption = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSIZEFRAME);
    const int grip = 4 * GetSystemMetrics(SM_CXSIZE);
    return placeOnScreen(b, workAreaNear(b), minimum, caption, grip);
}

} // namespace ui
