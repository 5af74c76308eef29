#pragma once

// Whether the window system composites translucent windows, so that a
// frameless window's painted shadow shows as a shadow: on X11 only while a
// compositing manager runs; other platforms (Wayland, offscreen) always do.
// Without it the translucent margin would show as a black frame.
class KyCompositing {
public:
    static bool active();
};
