#pragma once

// Whether windows with per-pixel transparency are composited on this
// desktop. Without a compositor (X11 without a compositing manager, the
// offscreen and framebuffer platforms) transparent pixels would show as
// black, so translucent overlays draw opaque instead.
bool Translucent_Windows();
// Tests fix the answer (nullptr: ask the platform again).
void Set_Translucent_Windows_Override(const bool *Value);
