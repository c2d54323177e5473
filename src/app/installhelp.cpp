#include "app/installhelp.h"

#include "project/menutypes.h"
#include "project/product.h"

#include <QFileInfo>
#include <QStringList>

namespace {

// Stands for the folder the user copies the files into.
const QString kFolder = QStringLiteral("your_dir/");

QString code(const QString &text)
{
    return QStringLiteral("<pre class=\"code\">") + text.toHtmlEscaped() + QStringLiteral("</pre>");
}

QString fileName(const QString &name)
{
    return QStringLiteral("<span class=\"file\">") + name.toHtmlEscaped() + QStringLiteral("</span>");
}

QString script(const QString &file)
{
    return QStringLiteral("<script src=\"%1%2\"></script>\n").arg(kFolder, file);
}

// "a", "a and b", "a, b and c".
QString listed(const QStringList &names)
{
    QStringList shown;
    for (const QString &n : names)
        shown << fileName(n);
    if (shown.size() < 2)
        return shown.value(0);
    const QString last = shown.takeLast();
    return shown.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

} // namespace

QString installHelpHtml(const MenuType &type, const QString &dataFile)
{
    const QString name = QFileInfo(dataFile.trimmed()).fileName();
    const QString data = name.isEmpty() ? QStringLiteral("data.js") : name;
    const QString menu = QStringLiteral("Quorna ") + type.name;
    QString engineScripts;
    for (const QString &file : type.engineFiles)
        engineScripts += script(file);
    const QString dataScript = script(data);
    const QString open =
        QStringLiteral("<!-- %1 -->\n<noscript><a href=\"%2\">%1</a></noscript>\n").arg(menu, kProductWebSite);
    const QString close = QStringLiteral("<!-- End of %1, %2 -->\n").arg(menu, kProductWebSite);

    QString html = QStringLiteral(
        "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>%1: installation</title><style>"
        "body{font:10px Verdana,Tahoma,sans-serif;background:#fff;margin:5px}"
        "h1{font-size:11px;font-weight:bold;color:#17467F;border-bottom:1px solid #17467F;margin:12px 0 6px}"
        ".code{color:#0000C0;white-space:pre-wrap;font:10px monospace}.file{color:#C00000}"
        "</style></head><body>")
                       .arg(kAppTitle.toHtmlEscaped());
    html += QStringLiteral("<h1>Installation Instructions</h1><p>Copy %1 and %2 into a folder of your web site "
                           "(<span class=\"file\">your_dir</span> below). For an absolute menu position, put this "
                           "into the HEAD element of your web page:</p>")
                .arg(listed(type.engineFiles), fileName(data));
    html += code(open + engineScripts + dataScript + close);
    html += QStringLiteral("<p>For a relative menu position, put this into the HEAD element:</p>");
    html += code(open + engineScripts + close);
    html += QStringLiteral("<p>and this where the menu is to appear:</p>");
    html += code(dataScript);
    html += QStringLiteral("<p>%1 %2 the engine of the %3; %4 is the data file you are saving.</p>")
                .arg(listed(type.engineFiles), type.engineFiles.size() > 1 ? QStringLiteral("are") : QStringLiteral("is"),
                     type.name.toHtmlEscaped(), fileName(data));
    if (type.frameInitFunctionName.isEmpty())
        return html + QStringLiteral("</body></html>");

    const QString frameCall = type.frameInitFunctionName;
    html += QStringLiteral("<h1>Cross-frame Installation</h1><p>Put this into the HEAD element of the page with the "
                           "top menu:</p>");
    html += code(open + engineScripts + dataScript + close);
    html += QStringLiteral("<p>The frameset must have an id, for example:</p>");
    html += code(QStringLiteral("<frameset id=\"fset\" rows=\"130,*\">\n  <frame name=\"frame1\" src=\"topmenu.html\">\n"
                                "  <frame name=\"frame2\" src=\"content.html\">\n</frameset>\n"));
    html += QStringLiteral("<p>Then replace the standard <span class=\"code\">%1()</span> call at the end of %2 "
                           "with</p>")
                .arg(type.initFunctionName.toHtmlEscaped(), fileName(data));
    html += code(frameCall + QStringLiteral("(framesetID, mainFrameInd, subFrameInd, orientation);\n"));
    html += QStringLiteral("<p>where <b>framesetID</b> is the id of the frameset, <b>mainFrameInd</b> the number of "
                           "the frame with the top menu (0 or more), <b>subFrameInd</b> the number of the frame for "
                           "the submenus (0 or more) and <b>orientation</b> 0 for a horizontal and 1 for a vertical "
                           "frame orientation. For the frameset above:</p>");
    html += code(frameCall + QStringLiteral("(\"fset\", 0, 1, 0);\n"));
    return html + QStringLiteral("</body></html>");
}
