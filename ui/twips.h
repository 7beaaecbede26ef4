#pragma once

namespace varnel {

inline constexpr int twipsPerInch = 1440;
inline constexpr int standardDpi = 96; // where 15 twips make one pixel

// Twips to pixels at a screen density, to the nearest pixel.
constexpr int twipsToPixels(int twips, int dpi) { return (twips * dpi + twipsPerInch / 2) / twipsPerInch; }

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

// Each edge and extent converted on its own, as the window's layout fixes them.
constexpr PixelRect toPixels(TwipRect r, int dpi)
{
    return {twipsToPixels(r.left, dpi), twipsToPixels(r.top, dpi), twipsToPixels(r.width, dpi),
            twipsToPixels(r.height, dpi)};
}

} // namespace varnel
