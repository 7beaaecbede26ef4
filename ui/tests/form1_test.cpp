// SPDX-FileCopyrightText: 2026 The Varnel developers
// SPDX-License-Identifier: MIT
#include "ui/form1.h"
#include "ui/handlers.h"

#include "rules/board_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace varnel {
namespace {

struct Expected {
    const char* name;
    TwipRect twips;
    PixelRect pixels; // at 96 dots per inch
};

const Expected buttons[] = {
    {"Command1", {400, 0, 200, 200}, {27, 0, 13, 13}},      {"Command2", {600, 0, 200, 200}, {40, 0, 13, 13}},
    {"Command3", {800, 0, 200, 200}, {53, 0, 13, 13}},      {"Command4", {1000, 0, 200, 200}, {67, 0, 13, 13}},
    {"Command5", {1400, 400, 200, 200}, {93, 27, 13, 13}},  {"Command6", {1400, 600, 200, 200}, {93, 40, 13, 13}},
    {"Command7", {1400, 800, 200, 200}, {93, 53, 13, 13}},  {"Command8", {1400, 1000, 200, 200}, {93, 67, 13, 13}},
    {"Command9", {1000, 1400, 200, 200}, {67, 93, 13, 13}}, {"Command10", {800, 1400, 200, 200}, {53, 93, 13, 13}},
    {"Command11", {600, 1400, 200, 200}, {40, 93, 13, 13}}, {"Command12", {400, 1400, 200, 200}, {27, 93, 13, 13}},
    {"Command13", {0, 1000, 200, 200}, {0, 67, 13, 13}},    {"Command14", {0, 800, 200, 200}, {0, 53, 13, 13}},
    {"Command15", {0, 600, 200, 200}, {0, 40, 13, 13}},     {"Command16", {0, 400, 200, 200}, {0, 27, 13, 13}},
    {"RESET", {1560, 0, 1215, 735}, {104, 0, 81, 49}},      {"END", {1560, 840, 1215, 735}, {104, 56, 81, 49}},
};

TEST(Form1, IsTheVarnelWindowWithABlueClientAreaOf185By104)
{
    EXPECT_EQ(form1.name, "Form1");
    EXPECT_EQ(form1.caption, "Varnel");
    EXPECT_EQ(twipsToPixels(form1.clientWidth), 185);
    EXPECT_EQ(twipsToPixels(form1.clientHeight), 104);
    EXPECT_EQ(form1.background, 0x00FF0000u);
    EXPECT_EQ(blueOf(form1.background), 255);
}

TEST(Form1, PlacesTheEighteenButtonsWithTheirCaptions)
{
    for (const Expected& e : buttons) {
        const ControlSpec& c = controlNamed(e.name);
        EXPECT_EQ(c.kind, ControlKind::PushButton) << e.name;
        EXPECT_EQ(c.rect, e.twips) << e.name;
        EXPECT_EQ(toPixels(c.rect, 96), e.pixels) << e.name;
        EXPECT_EQ(c.caption, c.name.starts_with("Command") ? "X" : c.name) << e.name;
        EXPECT_FALSE(c.square) << e.name;
        EXPECT_NE(clickHandlerOf(c.name), nullptr) << e.name;
    }
}

TEST(Form1, PutsEachSquareInItsGridCellWithItsStartColour)
{
    // Pixel edges of grid rows and columns 0 to 5 at 96 dots per inch.
    const int edge[] = {13, 27, 40, 53, 67, 80};
    int squares = 0;
    for (const ControlSpec& c : form1Controls) {
        if (c.kind != ControlKind::ColouredSquare)
            continue;
        ++squares;
        ASSERT_TRUE(c.square) << c.name;
        EXPECT_EQ(c.name, squareName(*c.square));
        EXPECT_EQ(c.tabIndex, 15 + numberOf(*c.square));
        const GridPos p = gridPosOf(*c.square);
        const int size = *c.square == Square::Label29 ? 200 : 195;
        EXPECT_EQ(c.rect, (TwipRect{200 * (p.column + 1), 200 * (p.row + 1), size, size})) << c.name;
        EXPECT_EQ(toPixels(c.rect, 96), (PixelRect{edge[p.column], edge[p.row], 13, 13})) << c.name;
        EXPECT_TRUE(c.caption.find_first_not_of(' ') == std::string_view::npos) << c.name;
        EXPECT_EQ(clickHandlerOf(c.name), nullptr) << c.name;
    }
    EXPECT_EQ(squares, 32);
    EXPECT_EQ(controlNamed("Label1").caption, "     ");
    EXPECT_EQ(controlNamed("Label2").caption, "");
    EXPECT_EQ(controlNamed("Label28").caption, " ");
    EXPECT_EQ(controlNamed("Label32").caption, " ");
}

TEST(Form1, ListsControlsFromTheBottomOfTheStackingWithTheirTabIndices)
{
    std::vector<int> tabIndices;
    for (const ControlSpec& c : form1Controls)
        tabIndices.push_back(c.tabIndex);
    std::sort(tabIndices.begin(), tabIndices.end());
    for (std::size_t i = 0; i < tabIndices.size(); ++i)
        EXPECT_EQ(tabIndices[i], static_cast<int>(i));
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(controlNamed("Command" + std::to_string(n)).tabIndex, n - 1);
    EXPECT_EQ(controlNamed("RESET").tabIndex, 48);
    EXPECT_EQ(controlNamed("END").tabIndex, 49);
    std::vector<std::string_view> order;
    for (std::size_t i : buttonsInTabOrder)
        order.push_back(form1Controls[i].name);
    EXPECT_EQ(order.front(), "Command1");
    EXPECT_EQ(order[15], "Command16");
    EXPECT_EQ(order.back(), "END");
    EXPECT_EQ(controlIndex("END"), 49u);
    EXPECT_EQ(form1Controls[controlIndex("Label7")].name, "Label7");
    EXPECT_DEATH((void)controlIndex("Label33"), "Form1 has no control named Label33");
    EXPECT_EQ(form1Controls[moveButtonIndex(12)].name, "Command12");
    EXPECT_EQ(moveButtonOf(controlNamed("Command7")), 7);
    EXPECT_EQ(moveButtonOf(controlNamed("RESET")), 0);

    std::vector<std::string> topFirst;
    for (auto c = form1Controls.rbegin(); c != form1Controls.rend(); ++c)
        topFirst.emplace_back(c->name);
    std::vector<std::string> expected{"END", "RESET"};
    for (int n = 16; n >= 1; --n)
        expected.push_back("Command" + std::to_string(n));
    for (int n = 32; n >= 1; --n)
        expected.push_back("Label" + std::to_string(n));
    EXPECT_EQ(topFirst, expected);
}

template <typename Rect> bool overlap(const Rect& a, const Rect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(Form1, OverlapsOnlyWhereTheLargeButtonsCoverTheRightColumn)
{
    std::set<std::pair<std::string_view, std::string_view>> overlaps;
    for (const ControlSpec& a : form1Controls)
        for (const ControlSpec& b : form1Controls)
            if (&a > &b && overlap(a.rect, b.rect))
                overlaps.emplace(a.name, b.name);
    const std::set<std::pair<std::string_view, std::string_view>> expected{
        {"RESET", "Command5"}, {"RESET", "Command6"}, {"END", "Command7"}, {"END", "Command8"}};
    EXPECT_EQ(overlaps, expected);
    // The client area ends inside the bottom row of buttons and inside END.
    EXPECT_EQ(controlNamed("Command9").rect.top + 200 - form1.clientHeight, 40);
    EXPECT_EQ(controlNamed("END").rect.top + 735 - form1.clientHeight, 15);
}

// The layout at every density the window may meet: only RESET and END cover
// anything, the first client area still cuts off the same strips, and the
// squares that touch at 96 dots per inch still touch.
TEST(Form1, KeepsItsLayoutAtEveryScreenDensity)
{
    const std::set<std::pair<std::string_view, std::string_view>> expected{
        {"RESET", "Command5"}, {"RESET", "Command6"}, {"END", "Command7"}, {"END", "Command8"}};
    for (const int dpi : {96, 120, 144, 168, 192}) {
        SCOPED_TRACE("at " + std::to_string(dpi) + " dpi");
        const auto at = [dpi](std::string_view name) { return toPixels(controlNamed(name).rect, dpi); };
        std::set<std::pair<std::string_view, std::string_view>> overlaps;
        for (const ControlSpec& a : form1Controls)
            for (const ControlSpec& b : form1Controls)
                if (&a > &b && overlap(toPixels(a.rect, dpi), toPixels(b.rect, dpi)))
                    overlaps.emplace(a.name, b.name);
        EXPECT_EQ(overlaps, expected);

        const PixelRect client = toPixels({0, 0, form1.clientWidth, form1.clientHeight}, dpi);
        for (const char* name : {"Command9", "Command10", "Command11", "Command12", "END"}) {
            const PixelRect r = at(name);
            EXPECT_GT(r.top + r.height, client.height) << name << " is cut off at the bottom";
            EXPECT_LT(r.top, client.height) << name;
        }
        EXPECT_EQ(at("RESET").left + at("RESET").width, client.width);

        const PixelRect label29 = at("Label29");
        EXPECT_EQ(label29.left + label29.width, at("Label30").left);
        EXPECT_EQ(label29.top + label29.height, at("Command12").top);
        // The other squares leave background to their right and below.
        const PixelRect label3 = at("Label3");
        EXPECT_LT(label3.left + label3.width, at("Label4").left);
    }
}

TEST(Twips, ScaleWithTheScreenDensity)
{
    EXPECT_EQ(twipsToPixels(1440), 96);
    EXPECT_EQ(twipsToPixels(195), 13);
    EXPECT_EQ(twipsToPixels(1400), 93);
    EXPECT_EQ(toPixels({400, 1200, 200, 200}, 96), (PixelRect{27, 80, 13, 13}));
    EXPECT_EQ(toPixels({400, 1200, 200, 200}, 192), (PixelRect{54, 160, 26, 26}));
    EXPECT_EQ(toPixels({800, 0, 200, 200}, 120), (PixelRect{66, 0, 17, 16}));
    EXPECT_EQ(toPixels({0, 0, 2775, 1560}, 144), (PixelRect{0, 0, 278, 156}));
}

} // namespace
} // namespace varnel
