// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Turns the icon's text pictures into varnel.ico (32 x 32 at 1 bit, 32 x 32 at
// 4 bits, 16 x 16 at 4 bits, each with a 1-bit mask), PNGs for the Linux
// desktop, and the web page's app icons, with no library beyond the standard
// one.
//
//   make_icon PICTURE-FILE OUT-DIR
#include "ui/form1.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
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

void put32BigEndian(Bytes& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
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

std::uint32_t crc32(const Bytes& data, std::size_t from)
{
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = from; i < data.size(); ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void pngChunk(Bytes& png, const char* type, const Bytes& data)
{
    put32BigEndian(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    put32BigEndian(png, crc32(png, start));
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

// Deflate's bits, first bit lowest, as RFC 1951 packs them.
class BitWriter {
public:
    explicit BitWriter(Bytes& out) : out_(out) {}

    void bits(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i)
            bit((value >> i) & 1u);
    }

    // A Huffman code goes in from its most significant bit.
    void code(std::uint32_t value, int length)
    {
        for (int i = length - 1; i >= 0; --i)
            bit((value >> i) & 1u);
    }

    void flush()
    {
        if (used_)
            out_.push_back(current_);
        current_ = 0;
        used_ = 0;
    }

private:
    void bit(std::uint32_t b)
    {
        current_ = static_cast<std::uint8_t>(current_ | (b << used_));
        if (++used_ == 8)
            flush();
    }

    Bytes& out_;
    std::uint8_t current_ = 0;
    int used_ = 0;
};

// Deflate's fixed Huffman code for a literal byte or a length symbol.
void literalOrLength(BitWriter& out, int symbol)
{
    if (symbol < 144)
        out.code(static_cast<std::uint32_t>(0x30 + symbol), 8);
    else if (symbol < 256)
        out.code(static_cast<std::uint32_t>(0x190 + symbol - 144), 9);
    else if (symbol < 280)
        out.code(static_cast<std::uint32_t>(symbol - 256), 7);
    else
        out.code(static_cast<std::uint32_t>(0xC0 + symbol - 280), 8);
}

// One block of fixed Huffman codes whose only matches repeat the pixel
// before: a scaled-up picture is runs of equal pixels and rows that repeat
// the one above (filtered to zeros), so that is all it needs to shrink a
// 512 x 512 icon from a megabyte to a few kilobytes, with no zlib.
Bytes deflated(const Bytes& raw, std::size_t distance)
{
    constexpr std::array<int, 29> base{3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                       31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    constexpr std::array<int, 29> extra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                        2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    Bytes out;
    BitWriter bits(out);
    bits.bits(1, 1); // the last block
    bits.bits(1, 2); // fixed Huffman codes
    for (std::size_t at = 0; at < raw.size();) {
        std::size_t run = 0;
        while (at >= distance && at + run < raw.size() && run < 258 && raw[at + run] == raw[at + run - distance])
            ++run;
        if (run < 3) {
            literalOrLength(bits, raw[at++]);
            continue;
        }
        const int length = static_cast<int>(run);
        const auto code =
            static_cast<std::size_t>(std::upper_bound(base.begin(), base.end(), length) - base.begin() - 1);
        literalOrLength(bits, 257 + static_cast<int>(code));
        bits.bits(static_cast<std::uint32_t>(length - base[code]), extra[code]);
        bits.code(static_cast<std::uint32_t>(distance - 1), 5); // distances 1 to 4 have codes 0 to 3
        at += run;
    }
    literalOrLength(bits, 256); // the end of the block
    bits.flush();
    return out;
}

// An RGBA PNG. A row that repeats the one above is filtered to zeros.
Bytes pngFile(const Image& image)
{
    const int size = image.size;
    const auto row = [&](int y) { return image.rgba.begin() + static_cast<std::ptrdiff_t>(y * size); };
    Bytes raw;
    for (int y = 0; y < size; ++y) {
        const bool repeated = y > 0 && std::equal(row(y), row(y + 1), row(y - 1));
        raw.push_back(repeated ? 2 : 0); // the filter "up", or none
        for (auto pixel = row(y); pixel != row(y + 1); ++pixel)
            for (const std::uint8_t channel : *pixel)
                raw.push_back(repeated ? 0 : channel);
    }
    Bytes zlib{0x78, 0x01};
    const Bytes compressed = deflated(raw, 4);
    zlib.insert(zlib.end(), compressed.begin(), compressed.end());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    put32BigEndian(zlib, (b << 16) | a);

    Bytes header;
    put32BigEndian(header, static_cast<std::uint32_t>(size));
    put32BigEndian(header, static_cast<std::uint32_t>(size));
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8-bit RGBA
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    pngChunk(png, "IHDR", header);
    pngChunk(png, "IDAT", zlib);
    pngChunk(png, "IEND", {});
    return png;
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
        write(dir + "/varnel-32.png", pngFile(rgbaOf(big)));
        write(dir + "/varnel-16.png", pngFile(rgbaOf(small)));
        // The web page's app icons, scaled from the big picture. The
        // maskable one keeps the picture inside the middle 80 % circle that
        // a launcher's mask always shows, on the window's background; iOS
        // shows transparency as black, so its icon is on the background too.
        const varnel::ColourValue bg = varnel::form1.background;
        const std::array<std::uint8_t, 4> background{static_cast<std::uint8_t>(bg), static_cast<std::uint8_t>(bg >> 8),
                                                     static_cast<std::uint8_t>(bg >> 16), 255};
        const std::array<std::uint8_t, 4> clear{0, 0, 0, 0};
        write(dir + "/varnel-192.png", pngFile(scaledUp(big, 6, 192, clear)));
        write(dir + "/varnel-512.png", pngFile(scaledUp(big, 16, 512, clear)));
        write(dir + "/varnel-maskable-512.png", pngFile(scaledUp(big, 9, 512, background)));
        write(dir + "/varnel-apple-180.png", pngFile(scaledUp(big, 5, 180, background)));
    } catch (const std::exception& e) {
        std::cerr << "make_icon: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
