// ui/monitor.h — the monitors' work areas, for windows whose stored geometry may be off-screen
#pragma once
#include "ui/placement.h"

namespace ui {

// The work area (screen coordinates) of the monitor nearest to `b`.
Area workAreaNear(const Box& b);

// A top-level window's stored rectangle brought onto the nearest monitor (placeOnScreen with the
// system's caption height): a monitor unplugged since, or a size of 0 or less, cannot hide it.
Box onScreen(const Box& b, Size minimum);

} // namespace ui
