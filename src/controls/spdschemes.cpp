#include "controls/spdschemes.h"

#include "controls/newspd.h"

namespace {

struct Accent
{
    QColor overLeftBottom, downLeftBottom, overFrame;
};

Accent accentOf(SpdScheme scheme)
{
    switch (scheme) {
    case SpdScheme::Orange: return {QColor(0xFF, 0xD9, 0xB3), QColor(0xFF, 0xBB, 0x9D), QColor(0xE4, 0xA5, 0x76)};
    case SpdScheme::Green: return {QColor(0xD0, 0xFB, 0xCE), QColor(0xBA, 0xFF, 0xAE), QColor(0x37, 0xA7, 0x23)};
    case SpdScheme::Cyan: return {QColor(0x97, 0xE0, 0xF2), QColor(0x54, 0xCD, 0xEA), QColor(0x18, 0xA3, 0xC5)};
    case SpdScheme::Blue: break;
    }
    return {QColor(0xCE, 0xEA, 0xFB), QColor(0x9D, 0xCE, 0xFF), QColor(0x77, 0xAA, 0xE3)};
}

} // namespace

void applyScheme(TnewSpd *button, SpdScheme scheme)
{
    const Accent a = accentOf(scheme);
    TMainParams p;
    for (TSpdFont *f : {&p.Font_Normal, &p.Font_Over, &p.Font_Down}) {
        f->name = QStringLiteral("Tahoma");
        f->height = 11;
    }
    p.Font_Normal.color = QColor(0x4F, 0x4F, 0x4F);
    p.Font_Over.color = Qt::black;
    p.Font_Down.color = Qt::white;
    const QColor white(Qt::white);
    const QColor grey(0x80, 0x80, 0x80);
    p.Color_Left_Top_Normal = p.Color_Left_Bottom_Normal = p.Color_Right_Top_Normal = p.Color_Right_Bottom_Normal =
        white;
    p.Color_Left_Top_Over = p.Color_Right_Top_Over = p.Color_Right_Bottom_Over = white;
    p.Color_Left_Bottom_Over = a.overLeftBottom;
    p.Color_Left_Top_Down = p.Color_Right_Top_Down = p.Color_Right_Bottom_Down = grey;
    p.Color_Left_Bottom_Down = a.downLeftBottom;
    p.FrameStyle = TFrameStyle(fbLeft) | fbTop | fbRight | fbBottom;
    p.FrameShowNormal = true;
    p.FrameShowOver = true;
    p.FrameShowDown = false;
    p.FrameColorNormal = QColor(0xC0, 0xC0, 0xC0);
    p.FrameColorOver = a.overFrame;
    button->setMainParams(p);
    button->setFixedHeight(18);
}

void applyExpandScheme(TnewSpd *button)
{
    applyScheme(button, SpdScheme::Green);
    TMainParams p = button->mainParams();
    for (TSpdFont *f : {&p.Font_Normal, &p.Font_Over, &p.Font_Down})
        f->bold = true;
    button->setMainParams(p);
    button->setFixedSize(15, 14);
}
