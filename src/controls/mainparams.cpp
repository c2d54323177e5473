#include "controls/mainparams.h"

TMainParams::TMainParams()
{
    Font_Normal.color = QColor(0x64, 0x64, 0x64);
    Font_Over.color = Qt::black;
    Font_Down.color = Qt::white;
    const QColor top(0xA3, 0xA3, 0xA3);
    const QColor face = buttonFaceColor();
    Color_Left_Top_Normal = Color_Right_Top_Normal = Color_Left_Top_Over = Color_Right_Top_Over = top;
    Color_Left_Bottom_Normal = Color_Right_Bottom_Normal = Color_Left_Bottom_Over = Color_Right_Bottom_Over = face;
    Color_Left_Top_Down = Color_Left_Bottom_Down = Color_Right_Top_Down = Color_Right_Bottom_Down =
        QColor(0x5B, 0x5B, 0x5B);
}

const TSpdFont &TMainParams::font(SpdState state) const
{
    switch (state) {
    case SpdState::Over: return Font_Over;
    case SpdState::Down: return Font_Down;
    default: return Font_Normal;
    }
}

TSpdCorners TMainParams::corners(SpdState state) const
{
    switch (state) {
    case SpdState::Over:
        return {Color_Left_Top_Over, Color_Left_Bottom_Over, Color_Right_Top_Over, Color_Right_Bottom_Over};
    case SpdState::Down:
        return {Color_Left_Top_Down, Color_Left_Bottom_Down, Color_Right_Top_Down, Color_Right_Bottom_Down};
    default:
        return {Color_Left_Top_Normal, Color_Left_Bottom_Normal, Color_Right_Top_Normal, Color_Right_Bottom_Normal};
    }
}

bool TMainParams::frameShown(SpdState state) const
{
    switch (state) {
    case SpdState::Over: return FrameShowOver;
    case SpdState::Down: return FrameShowDown;
    default: return FrameShowNormal;
    }
}

QColor TMainParams::frameColor(SpdState state) const
{
    switch (state) {
    case SpdState::Over: return FrameColorOver;
    case SpdState::Down: return FrameColorDown;
    default: return FrameColorNormal;
    }
}
