#pragma once

// Whether a translucent window is blended with what lies under it. Under X11
// that needs a compositing manager, which owns the selection _NET_WM_CM_S<n>
// of the screen; without one the translucent parts come out black. Elsewhere
// the window system always blends: true.
bool translucentWindowsBlend();
