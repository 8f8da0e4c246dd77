#pragma once

namespace vantaloop::platform {

// The program places its windows in screen coordinates, which a Wayland compositor
// does not allow: when both Wayland and X11 are offered and the user made no choice,
// run on X11 (XWayland). Call before the application object exists.
void preferX11OverWayland();

} // namespace vantaloop::platform
