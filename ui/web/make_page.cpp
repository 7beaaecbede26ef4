// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
// Writes the page's index.html with the board already in it, and its style
// sheet with each control's place and each square's start colour, so that
// the browser paints the start position before the program has loaded. The
// program takes over these elements when it starts. The page's one inline
// script, which catches clicks until then, is allowed by its hash in the
// page's policy.
//   make_page INDEX.HTML VARNEL.CSS MANIFEST.JSON OUT-INDEX.HTML OUT-VARNEL.CSS
#include "rules/board_state.h"
#include "ui/form1.h"
#include "ui/spoken_words.h"
#include "ui/web/web_colour.h"

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
    for (const char c : text)
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '"' ? "&quot;" : std::string(1, c);
    return out;
}

// The SHA-256 of the text, in base64 (44 characters), by Node.js's crypto.
EM_JS(void, sha256Base64, (const char* text, char* out, int size),
      { stringToUTF8(require('crypto').createHash('sha256').update(UTF8ToString(text)).digest('base64'), out, size); });

// The controls in the table's (stacking) order, in which the buttons come in
// their tab order too: the document's order is the keyboard's.
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
                   escaped(spokenName(c)) + "\"" + (c.tabIndex == 0 ? " autofocus" : "") + ">" + escaped(c.caption) +
                   "</button>\n";
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

std::string px(int pixels) { return std::to_string(pixels) + "px"; }

bool overlap(const PixelRect& a, const PixelRect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

std::string boardStyle()
{
    std::array<PixelRect, form1Controls.size()> rects{};
    std::string out = "/* Written by make_page from the window's table: */\n";
    // The board's extent is its controls': the right edge of the rightmost
    // and the lower edge of the lowest. The script scales the board by it on
    // a phone.
    int right = 0;
    int bottom = 0;
    for (std::size_t i = 0; i < form1Controls.size(); ++i) {
        const ControlSpec& c = form1Controls[i];
        const PixelRect p = rects[i] = toPixels(c.rect, standardDpi);
        right = std::max(right, p.left + p.width);
        bottom = std::max(bottom, p.top + p.height);
        out += "#" + std::string(c.name) + " { left: " + px(p.left) + "; top: " + px(p.top) +
               "; width: " + px(p.width) + "; height: " + px(p.height) + ";" +
               (c.square ? " background-color: " + web::webColour(startColour(*c.square)) + ";" : "") + " }\n";
    }
    out += "#board { width: " + px(right) + "; height: " + px(bottom) + "; }\n";

    // With a mouse the buttons overlap as in the window. A finger cannot
    // choose between overlapping buttons, and each would be left smaller
    // than a finger: on a touch screen a button that covers others starts
    // clear of them, to their right, and keeps its right edge.
    out += "@media (pointer: coarse) {\n";
    for (std::size_t i = 0; i < form1Controls.size(); ++i) {
        if (form1Controls[i].square)
            continue;
        PixelRect& p = rects[i];
        const int edge = p.left + p.width;
        for (std::size_t below = 0; below < i; ++below)
            if (!form1Controls[below].square && overlap(p, rects[below]))
                p.left = rects[below].left + rects[below].width;
        if (p.left + p.width != edge) {
            p.width = edge - p.left;
            out += "#" + std::string(form1Controls[i].name) + " { left: " + px(p.left) + "; width: " + px(p.width) +
                   "; }\n";
        }
    }
    return out + "}\n";
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

// The browser takes the page's colour for its title bar before it has read
// the manifest, and the installed app's from the manifest: both must be the
// window's background.
bool saysTheWindowsColour(const std::string& html, const std::string& manifest)
{
    const std::string colour = web::webColour(form1.background);
    return html.find("<meta name=\"theme-color\" content=\"" + colour + "\">") != std::string::npos &&
           manifest.find("\"theme_color\": \"" + colour + "\"") != std::string::npos &&
           manifest.find("\"background_color\": \"" + colour + "\"") != std::string::npos;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: make_page INDEX.HTML VARNEL.CSS MANIFEST.JSON OUT-INDEX.HTML OUT-VARNEL.CSS\n");
        return 2;
    }
    std::string html;
    std::string css;
    std::string manifest;
    if (!read(argv[1], html) || !read(argv[2], css) || !read(argv[3], manifest)) {
        std::fprintf(stderr, "make_page: cannot read %s, %s or %s\n", argv[1], argv[2], argv[3]);
        return 1;
    }
    const std::string empty = "<div id=\"board\"></div>";
    const auto at = html.find(empty);
    if (at == std::string::npos) {
        std::fprintf(stderr, "make_page: %s has no %s to fill\n", argv[1], empty.c_str());
        return 1;
    }
    if (!saysTheWindowsColour(html, manifest)) {
        std::fprintf(stderr, "make_page: the theme colour of %s or the theme and background colours of %s are not %s\n",
                     argv[1], argv[3], web::webColour(form1.background).c_str());
        return 1;
    }
    html.replace(at, empty.size(), boardMarkup());
    if (!allowInlineScript(html)) {
        std::fprintf(stderr, "make_page: %s has no inline script or no script-src 'self' for it\n", argv[1]);
        return 1;
    }
    if (!write(argv[4], html) || !write(argv[5], css + boardStyle())) {
        std::fprintf(stderr, "make_page: cannot write %s or %s\n", argv[4], argv[5]);
        return 1;
    }
    return 0;
}
