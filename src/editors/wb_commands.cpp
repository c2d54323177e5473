#include "editors/wb_commands.h"

#include "page/page.h"

#include <QCoreApplication>

namespace {

struct PageCommandText
{
    Q_DECLARE_TR_FUNCTIONS(PageCommandChannel)
};

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return 0;
}

} // namespace

bool IsPageCommand(const Page *view, const QString &text)
{
    return view && view->hasDocument() && text.startsWith(QLatin1Char('@'));
}

PageCommand SplitPageCommand(const QString &text)
{
    const QString rest = text.startsWith(QLatin1Char('@')) ? text.mid(1) : text;
    const qsizetype colon = rest.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return {};
    return {rest.left(colon), rest.mid(colon + 1)};
}

int HexPairValue(QChar high, QChar low)
{
    return 16 * hexDigit(high) + hexDigit(low);
}

QColor HexToColor(const QString &text)
{
    const QString six = text.size() >= 6 ? text.left(6) : QString(6 - text.size(), QLatin1Char('0')) + text;
    return QColor(HexPairValue(six[0], six[1]), HexPairValue(six[2], six[3]), HexPairValue(six[4], six[5]));
}

QString ColorToHex(const QColor &color)
{
    return QStringLiteral("%1%2%3")
        .arg(color.red(), 2, 16, QLatin1Char('0'))
        .arg(color.green(), 2, 16, QLatin1Char('0'))
        .arg(color.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString PickFileFilter(const QString &kind)
{
    if (kind == QLatin1String("image"))
        //: Pairs of a name and its patterns, parted by "|": translate the names, keep the patterns.
        return PageCommandText::tr("GIF, JPEG Files (*.gif;*.jpg;*.jpeg)|*.gif;*.jpg;*.jpeg|PNG Files (*.png)|*.png|"
                                   "All Files (*.*)|*.*");
    //: Pairs of a name and its patterns, parted by "|": translate the names, keep the patterns.
    return PageCommandText::tr("HTML Files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*");
}
