// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "form1_page.h"

#include "rules/moves.h"
#include "ui/form1.h"
#include "ui/handlers.h"
#include "ui/spoken_words.h"
#include "ui/web/web_colour.h"

#include <emscripten.h>

#include <string>

namespace varnel::web {

namespace {

// The page's side, in page.js. Strings cross as UTF-8.

// Whether the square's element is on the page.
EM_JS(int, hasSquare, (const char* name), { return VarnelPage.hasSquare(UTF8ToString(name)); });

// False when the square's element is not on the page. `label` is what a
// screen reader says of the square.
EM_JS(int, paintSquare, (const char* name, const char* colour, const char* label),
      { return VarnelPage.paint(UTF8ToString(name), UTF8ToString(colour), UTF8ToString(label)); });

EM_JS(void, describe, (const char* name, const char* words),
      { VarnelPage.describe(UTF8ToString(name), UTF8ToString(words)); });

EM_JS(void, say, (const char* words), { VarnelPage.announce(UTF8ToString(words)); });

// Opens the box, which the player dismisses later; false when it cannot be
// opened.
EM_JS(int, openBox, (const char* title, int titleSize, const char* text, int textSize),
      { return VarnelPage.showBox(UTF8ToString(title, titleSize), UTF8ToString(text, textSize)); });

EM_JS(void, pageReady, (), { VarnelPage.ready(); });

EM_JS(void, endPage, (), { VarnelPage.end(); });

// The browser's console takes the place of the standard error stream.
EM_JS(void, logFailure, (const char* report, int size), { console.error('varnel: ' + UTF8ToString(report, size)); });

constexpr char missingElement[] = "the square's element is no longer on the page";

Form1Page* thePage = nullptr;

} // namespace

std::optional<ToolkitError> PageSquares::read(Square s, ColourValue& c) const
{
    if (!hasSquare(squareName(s).c_str()))
        return ToolkitError{0, missingElement};
    c = colours_.colour(s);
    return std::nullopt;
}

std::optional<ToolkitError> PageSquares::write(Square s, ColourValue c)
{
    if (!paintSquare(squareName(s).c_str(), webColour(c).c_str(), spokenSquare(s, c).c_str()))
        return ToolkitError{0, missingElement};
    colours_.setColour(s, c);
    return std::nullopt;
}

// The page comes with its squares painted in their start colours.
Form1Page::Form1Page()
{
    core_.opened();
    thePage = this;
    pageReady();
}

// A box that cannot be opened (its elements were taken off the page) counts
// as dismissed at once: the click goes on, and the page does not freeze.
void Form1Page::showBox(std::optional<Box> box)
{
    while (box) {
        const auto [text, failure] = *box;
        if (failure)
            logFailure(text.data(), static_cast<int>(text.size()));
        if (openBox(applicationTitle.data(), static_cast<int>(applicationTitle.size()), text.data(),
                    static_cast<int>(text.size())))
            return;
        box = core_.dismissed();
    }
}

void Form1Page::endProgram()
{
    ended_ = true;
    endPage();
}

void Form1Page::announce(std::string_view words) { say(std::string(words).c_str()); }

void Form1Page::describeLine(int moveButton, std::string_view words)
{
    describe(std::string(moveOfButton(moveButton).button).c_str(), std::string(words).c_str());
}

} // namespace varnel::web

// Where the page reports a click on a button, by its place among the page's
// buttons, which come in the window's order: a number crosses to the program
// with no copying.
extern "C" EMSCRIPTEN_KEEPALIVE void varnel_click(int button)
{
    if (varnel::web::thePage)
        varnel::web::thePage->click(varnel::buttonNumbered(button));
}

// Where the page reports that the player has dismissed the program's box.
extern "C" EMSCRIPTEN_KEEPALIVE void varnel_dismissed()
{
    if (varnel::web::thePage)
        varnel::web::thePage->dismissed();
}
