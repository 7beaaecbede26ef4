// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "form1_page.h"

#include "rules/moves.h"
#include "rules/square_access_error.h"
#include "ui/form1.h"
#include "ui/handlers.h"
#include "ui/spoken_words.h"

#include <emscripten.h>

#include <cstdio>
#include <string>

namespace varnel::web {

namespace {

// The page's side, in page.js. Strings cross as UTF-8.

EM_JS(void, makeControl,
      (int index, const char* name, int isSquare, const char* caption, const char* spoken, int left, int top, int width,
       int height, int tabIndex),
      {
          VarnelPage.makeControl(index, UTF8ToString(name), isSquare != 0, UTF8ToString(caption), UTF8ToString(spoken),
                                 left, top, width, height, tabIndex);
      });

// The colour last written, or -1 when the square's element is not on the page.
EM_JS(int, readSquare, (const char* name), { return VarnelPage.colour(UTF8ToString(name)); });

// False when the square's element is not on the page. `content` is what a
// screen reader says it holds.
EM_JS(int, writeSquare, (const char* name, int colour, const char* content),
      { return VarnelPage.setColour(UTF8ToString(name), colour, UTF8ToString(content)); });

EM_JS(void, describe, (const char* name, const char* description),
      { VarnelPage.describe(UTF8ToString(name), UTF8ToString(description)); });

EM_ASYNC_JS(void, showBox, (const char* title, const char* text),
            { await VarnelPage.showBox(UTF8ToString(title), UTF8ToString(text)); });

EM_JS(void, pageReady, (), { VarnelPage.ready(); });

EM_JS(void, endPage, (), { VarnelPage.end(); });

constexpr char applicationTitle[] = "varnel";

constexpr char missingElement[] = "the square's element is no longer on the page";

Form1Page* thePage = nullptr;

} // namespace

ColourValue PageSquares::colour(Square s) const
{
    const int stored = readSquare(squareName(s).c_str());
    if (stored < 0)
        throw SquareAccessError(SquareAccess::Read, s, 0, missingElement);
    return static_cast<ColourValue>(stored);
}

void PageSquares::setColour(Square s, ColourValue c)
{
    if (!writeSquare(squareName(s).c_str(), static_cast<int>(c), spokenContent(c).c_str()))
        throw SquareAccessError(SquareAccess::Write, s, 0, missingElement);
}

Form1Page::Form1Page()
{
    // In the table's order, which is the stacking from the bottom up: the
    // page draws later elements above earlier ones.
    for (std::size_t i = 0; i < form1Controls.size(); ++i) {
        const ControlSpec& c = form1Controls[i];
        const PixelRect p = toPixels(c.rect, standardDpi);
        makeControl(static_cast<int>(i), std::string(c.name).c_str(), c.square.has_value(),
                    std::string(c.caption).c_str(), spokenName(c).c_str(), p.left, p.top, p.width, p.height,
                    c.tabIndex);
        if (c.square)
            squares_.setColour(*c.square, startColour(*c.square));
    }
    describeLines();
    pageReady();
    thePage = this;
}

void Form1Page::describeLines()
{
    const auto told = spokenLines(squares_);
    for (std::size_t i = 0; i < told.size(); ++i)
        describe(std::string(moveTable[i].button).c_str(), told[i].c_str());
}

Form1Page::~Form1Page() { thePage = nullptr; }

void Form1Page::showMessage(std::string_view text) { showBox(applicationTitle, std::string(text).c_str()); }

void Form1Page::endProgram()
{
    ended_ = true;
    endPage();
}

void Form1Page::reportFatalFailure(std::string_view report)
{
    ended_ = true;
    std::fprintf(stderr, "varnel: %.*s\n", static_cast<int>(report.size()), report.data());
    showBox(applicationTitle, std::string(report).c_str());
    endPage();
}

void Form1Page::click(int controlIndex)
{
    if (controlIndex < 0 || static_cast<std::size_t>(controlIndex) >= form1Controls.size())
        return;
    if (const ClickHandler handler = clickHandlerOf(form1Controls[static_cast<std::size_t>(controlIndex)].name)) {
        runClick(*this, handler);
        if (!ended_)
            describeLines();
    }
}

} // namespace varnel::web

// Where the page reports a click on a button; it may wait for a box.
extern "C" EMSCRIPTEN_KEEPALIVE void varnel_click(int controlIndex)
{
    if (varnel::web::thePage)
        varnel::web::thePage->click(controlIndex);
}
