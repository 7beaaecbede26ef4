// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Writes the page's index.html with the board already in it, and its style
// sheet with each control's place and each square's start colour, so that
// the browser paints the start position before the program has loaded. The
// program takes over these elements when it starts. The page's one inline
// script, which catches clicks until then, is allowed by its hash in the
// page's policy. It also writes the web app manifest that lets a browser
// install the page, in the window's colours.
//   make_page INDEX.HTML VARNEL.CSS OUT-INDEX.HTML OUT-VARNEL.CSS OUT-MANIFEST.JSON
#include "rules/board_state.h"
#include "ui/form1.h"
#include "ui/spoken_words.h"

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using namespace varnel;

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string cssColour(ColourValue c)
{
    return "rgb(" + std::to_string(c & 0xff) + ", " + std::to_string((c >> 8) & 0xff) + ", " +
           std::to_string((c >> 16) & 0xff) + ")";
}

// The SHA-256 of the text, in base64 (44 characters), by Node.js's crypto.
EM_JS(void, sha256Base64, (const char* text, char* out, int size),
      { stringToUTF8(require('crypto').createHash('sha256').update(UTF8ToString(text)).digest('base64'), out, size); });

// The controls in the table's (stacking) order. The buttons' tabindex (their
// tab index from 1, as the attribute must be positive) gives the keyboard
// their tab order from the start.
std::string boardMarkup()
{
    std::string out = "<div id=\"board\">\n";
    for (const ControlSpec& c : form1Controls) {
        const std::string name(c.name);
        if (c.square)
            out += "<div id=\"" + name + "\" class=\"square\" role=\"img\" aria-label=\"" +
                   escaped(spokenSquare(*c.square, startColour(*c.square))) + "\">" + escaped(c.caption) + "</div>\n";
        else
            out += "<button id=\"" + name + "\" class=\"control\" type=\"button\" aria-label=\"" +
                   escaped(spokenName(c)) + "\" tabindex=\"" + std::to_string(c.tabIndex + 1) + "\"" +
                   (c.tabIndex == 0 ? " autofocus" : "") + ">" + escaped(c.caption) + "</button>\n";
    }
    return out + "</div>";
}

// Lets the policy's script-src run the page's inline script, and only it.
bool allowInlineScript(std::string& html)
{
    const std::string open = "<script>";
    const std::string close = "</script>";
    const std::string policy = "script-src 'self'";
    const auto start = html.find(open);
    const auto end = html.find(close, start);
    const auto at = html.find(policy);
    if (start == std::string::npos || end == std::string::npos || at == std::string::npos)
        return false;
    const std::string script = html.substr(start + open.size(), end - start - open.size());
    std::array<char, 45> hash{};
    sha256Base64(script.c_str(), hash.data(), static_cast<int>(hash.size()));
    html.insert(at + policy.size(), " 'sha256-" + std::string(hash.data()) + "'");
    return true;
}

std::string boardStyle()
{
    std::string out = "/* Written by make_page from the window's table: */\n";
    // The board's extent is its controls': END's right edge and the bottom
    // row's lower one. The script scales the board by it on a phone.
    int right = 0;
    int bottom = 0;
    for (const ControlSpec& c : form1Controls) {
        const PixelRect p = toPixels(c.rect, standardDpi);
        right = std::max(right, p.left + p.width);
        bottom = std::max(bottom, p.top + p.height);
    }
    out += "#board { width: " + std::to_string(right) + "px; height: " + std::to_string(bottom) + "px; }\n";
    for (const ControlSpec& c : form1Controls) {
        const PixelRect p = toPixels(c.rect, standardDpi);
        out += "#" + std::string(c.name) + " { left: " + std::to_string(p.left) + "px; top: " + std::to_string(p.top) +
               "px; width: " + std::to_string(p.width) + "px; height: " + std::to_string(p.height) + "px;";
        if (c.square)
            out += " background-color: " + cssColour(startColour(*c.square)) + ";";
        out += " }\n";
    }
    return out;
}

std::string hexColour(ColourValue c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
    return text;
}

// Relative addresses throughout, so that the page installs from any folder
// of any server. The icons are make_icon's.
std::string manifest()
{
    const std::string colour = hexColour(form1.background);
    const auto icon = [](const char* file, int size, const char* purpose) {
        const std::string side = std::to_string(size);
        return std::string("    {\"src\": \"") + file + "\", \"sizes\": \"" + side + "x" + side +
               "\", \"type\": \"image/png\", \"purpose\": \"" + purpose + "\"}";
    };
    return "{\n  \"name\": \"" + std::string(form1.caption) + "\",\n  \"short_name\": \"" + std::string(form1.caption) +
           "\",\n  \"start_url\": \"./\",\n  \"scope\": \"./\",\n  \"display\": \"standalone\",\n"
           "  \"background_color\": \"" +
           colour + "\",\n  \"theme_color\": \"" + colour + "\",\n  \"icons\": [\n" +
           icon("varnel-192.png", 192, "any") + ",\n" + icon("varnel-512.png", 512, "any") + ",\n" +
           icon("varnel-maskable-512.png", 512, "maskable") + "\n  ]\n}\n";
}

bool read(const char* path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return static_cast<bool>(in);
}

bool write(const char* path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: make_page INDEX.HTML VARNEL.CSS OUT-INDEX.HTML OUT-VARNEL.CSS OUT-MANIFEST.JSON\n");
        return 2;
    }
    std::string html;
    std::string css;
    if (!read(argv[1], html) || !read(argv[2], css)) {
        std::fprintf(stderr, "make_page: cannot read %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    const std::string empty = "<div id=\"board\"></div>";
    const auto at = html.find(empty);
    if (at == std::string::npos) {
        std::fprintf(stderr, "make_page: %s has no %s to fill\n", argv[1], empty.c_str());
        return 1;
    }
    // The browser's title bar takes the page's colour before the manifest
    // is read: the two must agree.
    const std::string theme = "<meta name=\"theme-color\" content=\"" + hexColour(form1.background) + "\">";
    if (html.find(theme) == std::string::npos) {
        std::fprintf(stderr, "make_page: %s has no %s, the window's background\n", argv[1], theme.c_str());
        return 1;
    }
    html.replace(at, empty.size(), boardMarkup());
    if (!allowInlineScript(html)) {
        std::fprintf(stderr, "make_page: %s has no inline script or no script-src 'self' for it\n", argv[1]);
        return 1;
    }
    if (!write(argv[3], html) || !write(argv[4], css + boardStyle()) || !write(argv[5], manifest())) {
        std::fprintf(stderr, "make_page: cannot write %s, %s or %s\n", argv[3], argv[4], argv[5]);
        return 1;
    }
    return 0;
}
