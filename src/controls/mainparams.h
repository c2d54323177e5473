#pragma once

#include "controls/flatlook.h"

#include <QColor>
#include <QFlags>

// The three looks of a flat button.
enum class SpdState { Normal, Over, Down };

enum TFrameBorder { fbLeft = 0x1, fbTop = 0x2, fbRight = 0x4, fbBottom = 0x8 };
Q_DECLARE_FLAGS(TFrameStyle, TFrameBorder)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFrameStyle)

// The four corner colours of a button face.
struct TSpdCorners
{
    QColor leftTop, leftBottom, rightTop, rightBottom;
};

// Colours, fonts and frame of a flat button, per state.
struct TMainParams
{
    TMainParams();

    TSpdFont Font_Normal, Font_Over, Font_Down;
    QColor Color_Left_Top_Normal, Color_Left_Bottom_Normal, Color_Right_Top_Normal, Color_Right_Bottom_Normal;
    QColor Color_Left_Top_Over, Color_Left_Bottom_Over, Color_Right_Top_Over, Color_Right_Bottom_Over;
    QColor Color_Left_Top_Down, Color_Left_Bottom_Down, Color_Right_Top_Down, Color_Right_Bottom_Down;
    TFrameStyle FrameStyle;
    bool FrameShowNormal = false, FrameShowOver = false, FrameShowDown = false;
    QColor FrameColorNormal = Qt::black, FrameColorOver = Qt::black, FrameColorDown = Qt::black;

    const TSpdFont &font(SpdState state) const;
    TSpdCorners corners(SpdState state) const;
    bool frameShown(SpdState state) const;
    QColor frameColor(SpdState state) const;

    bool operator==(const TMainParams &) const = default;
};
