#pragma once
// Colours while painting: channels as doubles, so shading and blending can
// be mixed freely and are rounded once, when the pixel is stored.
#include "platform/types.h"

struct TRgb {
  double R = 0, G = 0, B = 0;
};

constexpr TRgb Rgb(int r, int g, int b) { return {double(r), double(g), double(b)}; }

// `t` 0 gives `a`, 1 gives `b`; outside that range it is clamped.
TRgb Mix(TRgb a, TRgb b, double t);
// Every channel times `factor`: below 1 darkens, above 1 lightens.
TRgb Scaled(TRgb colour, double factor);
// Adds `amount` to every channel: a brightness shift that keeps the hue.
TRgb Shifted(TRgb colour, double amount);

// The thin dark rim drawn around a piece of `colour`, which keeps small
// pictures readable against the sand.
TRgb OutlineOf(TRgb colour);

// Rounds and clamps. The transparent key colour (255, 0, 255) is never
// returned: a picture painted with it would get holes on screen.
TPixel ToPixel(TRgb colour);
TRgb FromPixel(TPixel pixel);
