#include "panel/LabelRules.h"

#include <gtest/gtest.h>

namespace {

struct SLayoutCase {
    unsigned style;
    const char* text;
    STextLayout expected;
};

TEST(LabelTextLayout, FollowsTheStyle)
{
    const SLayoutCase cases[] = {
        {kLabelLeft, "a", {EHAlign::Left, true, false, false}},
        {kLabelNoWordWrap, "a", {EHAlign::Left, false, false, false}},
        {kLabelRight, "a", {EHAlign::Right, false, false, false}},
        {kLabelCentre, "a", {EHAlign::Centre, false, false, false}},
        {kLabelCentre | kLabelCentreImage, "12:00:00", {EHAlign::Centre, false, true, true}},
        {kLabelCentre | kLabelCentreImage, "one\r\ntwo", {EHAlign::Centre, false, false, false}},
        {kLabelCentreImage, "x", {EHAlign::Centre, false, true, true}},
        {kLabelRight | kLabelCentreImage, "x", {EHAlign::Centre, false, true, true}},
    };
    for (const SLayoutCase& c : cases)
        EXPECT_EQ(LabelTextLayout(c.style, c.text), c.expected) << c.style << " " << c.text;
}

TEST(LabelColours, FlashingTextVanishesIntoTheBackgroundInItsDarkPhase)
{
    const SRgb face{212, 208, 200};
    SLabelLook look;
    look.text = {255, 255, 0};
    EXPECT_EQ(LabelFillColour(look, face), face);
    look.hasBackground = true;
    look.background = {0, 0, 255};
    EXPECT_EQ(LabelFillColour(look, face), (SRgb{0, 0, 255}));
    EXPECT_EQ(LabelPaintTextColour(look, face), (SRgb{255, 255, 0}));
    look.flash = EFlashKind::Text;
    EXPECT_EQ(LabelPaintTextColour(look, face), (SRgb{0, 0, 255}));
    look.flashPhase = 1;
    EXPECT_EQ(LabelPaintTextColour(look, face), (SRgb{255, 255, 0}));
    look.flash = EFlashKind::Background;
    look.flashPhase = 0;
    EXPECT_EQ(LabelFillColour(look, face), face);
    EXPECT_EQ(LabelPaintTextColour(look, face), (SRgb{255, 255, 0}));
}

TEST(Label3DOffset, RaisedGoesDownRightElseUpLeft)
{
    SLabelLook look;
    EXPECT_EQ(Label3DOffset(look), (SOffset{-1, -1}));
    look.raised3D = true;
    EXPECT_EQ(Label3DOffset(look), (SOffset{1, 1}));
}

} // namespace
