// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#pragma once

namespace varnel {

inline constexpr int twipsPerInch = 1440;
inline constexpr int standardDpi = 96; // where 15 twips make one pixel

// Twips to pixels at the standard density, to the nearest pixel.
constexpr int twipsToPixels(int twips) { return (twips * standardDpi + twipsPerInch / 2) / twipsPerInch; }

// A pixel coordinate at the standard density taken to another, to the
// nearest pixel.
constexpr int scalePixels(int pixels, int dpi) { return (pixels * dpi + standardDpi / 2) / standardDpi; }

struct TwipRect {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const TwipRect&) const = default;
};

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const PixelRect&) const = default;
};

// At the standard density each edge and extent is converted on its own, as
// the window's layout fixes them. At another density those pixel edges are
// scaled, rather than the twips converted anew: rounding each extent on its
// own there would let neighbours overlap by a pixel, while scaled edges keep
// their order and spacing.
constexpr PixelRect toPixels(TwipRect r, int dpi)
{
    const int left = twipsToPixels(r.left);
    const int top = twipsToPixels(r.top);
    const int right = left + twipsToPixels(r.width);
    const int bottom = top + twipsToPixels(r.height);
    return {scalePixels(left, dpi), scalePixels(top, dpi), scalePixels(right, dpi) - scalePixels(left, dpi),
            scalePixels(bottom, dpi) - scalePixels(top, dpi)};
}

} // namespace varnel
