#include "panel/LabelRules.h"

STextLayout LabelTextLayout(unsigned style, const std::string& text)
{
    STextLayout layout;
    layout.wordBreak = (style & kLabelNoWordWrap) == 0;
    if (style & kLabelRight)
        layout = {EHAlign::Right, false, false, false};
    if (style & kLabelCentre)
        layout = {EHAlign::Centre, false, false, false};
    if (style & kLabelCentreImage) {
        layout = {EHAlign::Centre, false, false, false};
        if (text.find("\r\n") == std::string::npos) {
            layout.verticalCentre = true;
            layout.singleLine = true;
        }
    }
    return layout;
}

SRgb LabelFillColour(const SLabelLook& look, SRgb faceColour)
{
    SRgb fill = look.hasBackground ? look.background : faceColour;
    if (look.flash == EFlashKind::Background && look.flashPhase == 0)
        fill = faceColour;
    return fill;
}

SRgb LabelPaintTextColour(const SLabelLook& look, SRgb faceColour)
{
    if (look.flash == EFlashKind::Text && look.flashPhase == 0)
        return LabelFillColour(look, faceColour);
    return look.text;
}

SOffset Label3DOffset(const SLabelLook& look)
{
    return look.raised3D ? SOffset{1, 1} : SOffset{-1, -1};
}
