// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Turns the icon's text pictures into varnel.ico (32 x 32 at 1 bit, 32 x 32 at
// 4 bits, 16 x 16 at 4 bits, each with a 1-bit mask), PNGs for the Linux
// desktop, and the web page's app icons (the PNGs written by libpng).
//
//   make_icon PICTURE-FILE OUT-DIR
#include "ui/form1.h"

#include <png.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Rgb {
    std::uint8_t r, g, b;
};

// The standard 16-colour palette, in its usual order.
constexpr std::array<Rgb, 16> palette{{{0, 0, 0},
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

constexpr int transparent = -1;

struct Picture {
    int size = 0;
    std::vector<int> pixels; // palette index or transparent, row by row from the top

    int at(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
};

std::map<int, Picture> readPictures(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    std::map<int, Picture> pictures;
    Picture* current = nullptr;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        const auto fail = [&](const std::string& why) {
            throw std::runtime_error(path + ":" + std::to_string(lineNumber) + ": " + why);
        };
        if (line.starts_with("picture ")) {
            const int size = std::stoi(line.substr(8));
            current = &pictures[size];
            current->size = size;
            continue;
        }
        if (!current || static_cast<int>(line.size()) != current->size)
            fail("a picture row must follow a picture line and be as long as the picture is wide");
        for (char c : line) {
            if (c == '.')
                current->pixels.push_back(transparent);
            else if (c >= '0' && c <= '9')
                current->pixels.push_back(c - '0');
            else if (c >= 'a' && c <= 'f')
                current->pixels.push_back(c - 'a' + 10);
            else
                fail(std::string("unknown pixel '") + c + "'");
        }
    }
    for (const auto& [size, picture] : pictures)
        if (static_cast<int>(picture.pixels.size()) != size * size)
            throw std::runtime_error(path + ": picture " + std::to_string(size) + " is not square");
    return pictures;
}

void put16(Bytes& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// Light colours white, dark ones black, for the two-colour image.
int toMonochrome(int index)
{
    if (index == transparent)
        return transparent;
    const Rgb c = palette[static_cast<std::size_t>(index)];
    return 299 * c.r + 587 * c.g + 114 * c.b >= 128'000 ? 1 : 0;
}

// One icon image as a device-independent bitmap: header, palette, colour
// rows and mask rows, both bottom-up and padded to 32 bits.
Bytes iconImage(const Picture& picture, int bitsPerPixel)
{
    const int size = picture.size;
    const int colours = 1 << bitsPerPixel;
    Bytes dib;
    put32(dib, 40);
    put32(dib, static_cast<std::uint32_t>(size));
    put32(dib, static_cast<std::uint32_t>(2 * size)); // colour rows and mask rows
    put16(dib, 1);
    put16(dib, static_cast<std::uint32_t>(bitsPerPixel));
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    put32(dib, 0);
    for (int i = 0; i < colours; ++i) {
        const Rgb c =
            bitsPerPixel == 1 ? (i ? Rgb{255, 255, 255} : Rgb{0, 0, 0}) : palette[static_cast<std::size_t>(i)];
        dib.insert(dib.end(), {c.b, c.g, c.r, 0});
    }
    const auto rows = [&](int bits, auto valueAt) {
        const int stride = (size * bits + 31) / 32 * 4;
        for (int y = size - 1; y >= 0; --y) {
            Bytes row(static_cast<std::size_t>(stride), 0);
            for (int x = 0; x < size; ++x) {
                const int bit = x * bits;
                const int shift = 8 - bits - bit % 8;
                row[static_cast<std::size_t>(bit / 8)] |= static_cast<std::uint8_t>(valueAt(x, y) << shift);
            }
            dib.insert(dib.end(), row.begin(), row.end());
        }
    };
    rows(bitsPerPixel, [&](int x, int y) {
        const int index = bitsPerPixel == 1 ? toMonochrome(picture.at(x, y)) : picture.at(x, y);
        return index == transparent ? 0 : index;
    });
    rows(1, [&](int x, int y) { return picture.at(x, y) == transparent ? 1 : 0; });
    return dib;
}

Bytes iconFile(const std::vector<std::pair<const Picture*, int>>& images)
{
    std::vector<Bytes> dibs;
    for (const auto& [picture, bits] : images)
        dibs.push_back(iconImage(*picture, bits));
    Bytes ico;
    put16(ico, 0);
    put16(ico, 1); // an icon, not a cursor
    put16(ico, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto& [picture, bits] = images[i];
        ico.push_back(static_cast<std::uint8_t>(picture->size));
        ico.push_back(static_cast<std::uint8_t>(picture->size));
        ico.push_back(static_cast<std::uint8_t>(bits == 4 ? 16 : 2));
        ico.push_back(0);
        put16(ico, 1);
        put16(ico, static_cast<std::uint32_t>(bits));
        put32(ico, static_cast<std::uint32_t>(dibs[i].size()));
        put32(ico, offset);
        offset += static_cast<std::uint32_t>(dibs[i].size());
    }
    for (const Bytes& dib : dibs)
        ico.insert(ico.end(), dib.begin(), dib.end());
    return ico;
}

// A picture's pixels as red, green, blue and alpha, row by row from the top.
struct Image {
    int size = 0;
    std::vector<std::array<std::uint8_t, 4>> rgba;
};

Image rgbaOf(const Picture& picture)
{
    Image image{picture.size, {}};
    for (const int index : picture.pixels) {
        const Rgb c = index == transparent ? Rgb{0, 0, 0} : palette[static_cast<std::size_t>(index)];
        image.rgba.push_back({c.r, c.g, c.b, static_cast<std::uint8_t>(index == transparent ? 0 : 255)});
    }
    return image;
}

// The picture scaled up by whole pixels (each a square of scale x scale, so
// that it stays as sharp as the original), in the middle of a square of
// `size`; the rest, and its transparent pixels, take the fill colour.
Image scaledUp(const Picture& picture, int scale, int size, std::array<std::uint8_t, 4> fill)
{
    const Image small = rgbaOf(picture);
    const int offset = (size - picture.size * scale) / 2;
    Image image{size, std::vector(static_cast<std::size_t>(size * size), fill)};
    for (int y = 0; y < picture.size * scale; ++y)
        for (int x = 0; x < picture.size * scale; ++x) {
            const auto& pixel = small.rgba[static_cast<std::size_t>(y / scale * picture.size + x / scale)];
            if (pixel[3] != 0)
                image.rgba[static_cast<std::size_t>((y + offset) * size + x + offset)] = pixel;
        }
    return image;
}

// An RGBA PNG. libpng writes no time or other varying chunk, so with the same
// libpng and zlib the same picture gives the same file, as the kept icons'
// test needs.
void writePng(const std::string& path, const Image& image)
{
    static_assert(sizeof(image.rgba[0]) == 4, "pixels must lie packed, as libpng reads them");
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.size);
    png.height = static_cast<png_uint_32>(image.size);
    png.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&png, path.c_str(), 0, image.rgba.data(), 0, nullptr))
        throw std::runtime_error("cannot write " + path + ": " + png.message);
}

void write(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::cerr << "usage: make_icon PICTURE-FILE OUT-DIR\n";
        return 2;
    }
    try {
        const auto pictures = readPictures(argv[1]);
        if (!pictures.contains(32) || !pictures.contains(16))
            throw std::runtime_error(std::string(argv[1]) + ": needs a 32 and a 16 picture");
        const Picture& big = pictures.at(32);
        const Picture& small = pictures.at(16);
        const std::string dir = argv[2];
        write(dir + "/varnel.ico", iconFile({{&big, 1}, {&big, 4}, {&small, 4}}));
        writePng(dir + "/varnel-32.png", rgbaOf(big));
        writePng(dir + "/varnel-16.png", rgbaOf(small));
        // The web page's app icons, scaled from the big picture. The
        // maskable one keeps the picture inside the middle 80 % circle that
        // a launcher's mask always shows, on the window's background; iOS
        // shows transparency as black, so its icon is on the background too.
        const varnel::ColourValue bg = varnel::form1.background;
        const std::array<std::uint8_t, 4> background{static_cast<std::uint8_t>(bg), static_cast<std::uint8_t>(bg >> 8),
                                                     static_cast<std::uint8_t>(bg >> 16), 255};
        const std::array<std::uint8_t, 4> clear{0, 0, 0, 0};
        writePng(dir + "/varnel-192.png", scaledUp(big, 6, 192, clear));
        writePng(dir + "/varnel-512.png", scaledUp(big, 16, 512, clear));
        writePng(dir + "/varnel-maskable-512.png", scaledUp(big, 9, 512, background));
        writePng(dir + "/varnel-apple-180.png", scaledUp(big, 5, 180, background));
    } catch (const std::exception& e) {
        std::cerr << "make_icon: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
