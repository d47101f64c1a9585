#pragma once

#include <cmath>

// Window positions and sizes are stored in twips: 1440 twips to the inch, 96 pixels
// to the inch at 100 %, so 15 twips to a device-independent pixel.
namespace Twips {
constexpr int PerPixel = 15;
constexpr int toPixels(double twips) { return static_cast<int>(twips / PerPixel + (twips < 0 ? -0.5 : 0.5)); }
constexpr double fromPixels(int pixels) { return static_cast<double>(pixels) * PerPixel; }
} // namespace Twips
