#pragma once

#include <cstdint>
#include <optional>

// The Windows layout number of the XKB layout in force on the application's
// X connection (the core keyboard's current group). Nothing when the
// application does not run on X, the server lacks XKB, or the layout has no
// known Windows counterpart.
std::optional<int32_t> x11KeyboardLayoutId();
