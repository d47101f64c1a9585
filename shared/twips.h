#pragma once

#include "shared/saturating.h"

#include <cmath>

// Window positions and sizes are stored in twips: 1440 twips to the inch, 96 pixels
// to the inch at 100 %, so 15 twips to a device-independent pixel. Stored values come
// from a file: NaN counts as 0 and values beyond the pixel range stop at its ends.
namespace Twips {
constexpr int PerPixel = 15;
inline int toPixels(double twips) { return Saturating::toInt(std::round(twips / PerPixel)); }
constexpr double fromPixels(int pixels) { return static_cast<double>(pixels) * PerPixel; }
} // namespace Twips
