// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Writes the page's index.html with the board already in it, and its style
// sheet with each control's place and each square's start colour, so that
// the browser paints the start position before the program has loaded. The
// program takes over these elements when it starts. The page's one inline
// script, which catches clicks until then, is allowed by its hash in the
// page's policy.
//   make_page INDEX.HTML VARNEL.CSS OUT-INDEX.HTML OUT-VARNEL.CSS
#include "rules/board_state.h"
#include "rules/memory_board.h"
#include "rules/moves.h"
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

// The controls in the table's (stacking) order. The buttons' tabindex, from
// 1, gives the keyboard their tab order from the start.
std::string boardMarkup()
{
    std::array<int, form1Controls.size()> tabPlace{};
    for (std::size_t n = 0; n < buttonsInTabOrder.size(); ++n)
        tabPlace[buttonsInTabOrder[n]] = static_cast<int>(n) + 1;
    std::string out = "<div id=\"board\">\n";
    for (const ControlSpec& c : form1Controls) {
        const std::string name(c.name);
        if (c.square)
            out += "<div id=\"" + name + "\" class=\"square\" role=\"img\" aria-label=\"" +
                   escaped(spokenSquare(*c.square, startColour(*c.square))) + "\">" + escaped(c.caption) + "</div>\n";
        else
            out += "<button id=\"" + name + "\" class=\"control\" type=\"button\" aria-label=\"" +
                   escaped(spokenName(c)) + "\"" + (c.tabIndex < 16 ? " aria-describedby=\"" + name + "-line\"" : "") +
                   " tabindex=\"" + std::to_string(tabPlace[controlIndex(c.name)]) + "\"" +
                   (c.tabIndex == 0 ? " autofocus" : "") + ">" + escaped(c.caption) + "</button>\n";
    }
    // Each move button's line, in words, for its description. A change of
    // these is not announced as the button takes the focus, as a change of
    // the button's own description attribute is in some browsers.
    const auto told = spokenLines(MemoryBoard{});
    out += "</div>\n<div hidden>";
    for (std::size_t n = 0; n < told.size(); ++n)
        out += "<span id=\"" + std::string(moveTable[n].button) + "-line\">" + escaped(told[n]) + "</span>";
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
    if (argc != 5) {
        std::fprintf(stderr, "usage: make_page INDEX.HTML VARNEL.CSS OUT-INDEX.HTML OUT-VARNEL.CSS\n");
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
    html.replace(at, empty.size(), boardMarkup());
    if (!allowInlineScript(html)) {
        std::fprintf(stderr, "make_page: %s has no inline script or no script-src 'self' for it\n", argv[1]);
        return 1;
    }
    if (!write(argv[3], html) || !write(argv[4], css + boardStyle())) {
        std::fprintf(stderr, "make_page: cannot write %s or %s\n", argv[3], argv[4]);
        return 1;
    }
    return 0;
}
