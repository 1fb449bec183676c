#pragma once

#include <cstdint>
#include <optional>

// The Windows layout number of the XKB layout in force on the application's
// X connection (the core keyboard's current group). 0 when no number can be
// had: the application does not run on X, the server lacks XKB, or the layout
// has no known Windows counterpart. Nothing when the server did not answer.
std::optional<int32_t> x11KeyboardLayoutId();
