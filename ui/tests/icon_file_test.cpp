// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Reads varnel.ico back byte by byte: three images, in order, each a bitmap
// with the standard palette and a one-bit mask.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t u16(const Bytes& b, std::size_t at)
{
    return std::uint32_t{b.at(at)} | (std::uint32_t{b.at(at + 1)} << 8u);
}
std::uint32_t u32(const Bytes& b, std::size_t at) { return u16(b, at) | (u16(b, at + 2) << 16u); }

struct Image {
    int size;
    int bits;
};

constexpr std::array<std::array<std::uint8_t, 3>, 16> standardPalette{{{0, 0, 0},
                                                                       {128, 0, 0},
                                                                       {0, 128, 0},
                                                                       {128, 128, 0},
                                                                       {0, 0, 128},
                                                                       {128, 0, 128},
                                                                       {0, 128, 128},
                                                                       {192, 192, 192},
                                                                       {128, 128, 128},
                                                                       {255, 0, 0},
                                                                       {0, 255, 0},
                                                                       {255, 255, 0},
                                                                       {0, 0, 255},
                                                                       {255, 0, 255},
                                                                       {0, 255, 255},
                                                                       {255, 255, 255}}};

TEST(IconFile, HoldsThreeImagesInOrderWithStandardPalettesAndMasks)
{
    const Bytes ico = readFile(VARNEL_ICON_FILE);
    ASSERT_GE(ico.size(), 6u) << VARNEL_ICON_FILE;
    EXPECT_EQ(u16(ico, 0), 0u);
    EXPECT_EQ(u16(ico, 2), 1u) << "an icon, not a cursor";
    ASSERT_EQ(u16(ico, 4), 3u);

    const Image expected[] = {{32, 1}, {32, 4}, {16, 4}};
    std::size_t end = 6 + 3 * 16;
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        const std::size_t entry = 6 + 16 * i;
        const auto [size, bits] = expected[i];
        const std::uint32_t colours = 1u << bits;
        EXPECT_EQ(ico[entry], size);
        EXPECT_EQ(ico[entry + 1], size);
        EXPECT_EQ(ico[entry + 2], bits == 4 ? 16 : 2);
        EXPECT_EQ(u16(ico, entry + 6), static_cast<std::uint32_t>(bits));
        const std::uint32_t length = u32(ico, entry + 8);
        const std::uint32_t at = u32(ico, entry + 12);
        EXPECT_EQ(at, end) << "images follow one another";
        end = at + length;

        EXPECT_EQ(u32(ico, at), 40u);
        EXPECT_EQ(u32(ico, at + 4), static_cast<std::uint32_t>(size));
        EXPECT_EQ(u32(ico, at + 8), static_cast<std::uint32_t>(2 * size)) << "colour and mask rows";
        EXPECT_EQ(u16(ico, at + 12), 1u);
        EXPECT_EQ(u16(ico, at + 14), static_cast<std::uint32_t>(bits));
        EXPECT_EQ(u32(ico, at + 16), 0u) << "uncompressed";

        for (std::uint32_t c = 0; c < colours; ++c) {
            const std::size_t quad = at + 40 + 4 * c;
            const std::array<std::uint8_t, 3> rgb{ico.at(quad + 2), ico.at(quad + 1), ico.at(quad)};
            if (bits == 4)
                EXPECT_EQ(rgb, standardPalette[c]) << "palette entry " << c;
            else
                EXPECT_EQ(rgb, c ? standardPalette[15] : standardPalette[0]) << "palette entry " << c;
        }
        const std::uint32_t colourRows = static_cast<std::uint32_t>((size * bits + 31) / 32 * 4 * size);
        const std::uint32_t maskRows = static_cast<std::uint32_t>((size + 31) / 32 * 4 * size);
        EXPECT_EQ(length, 40 + 4 * colours + colourRows + maskRows);
    }
    EXPECT_EQ(end, ico.size());
}

} // namespace
