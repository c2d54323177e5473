#include "app/installhelp.h"

#include "project/model/menutypes.h"
#include "project/model/product.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace {

struct InstallHelpText
{
    Q_DECLARE_TR_FUNCTIONS(InstallHelp)
};

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
    return InstallHelpText::tr("%1 and %2").arg(shown.join(QStringLiteral(", ")), last);
}

} // namespace

QString installHelpHtml(const MenuType &type, const QString &dataFile, bool inFlow)
{
    const QString name = QFileInfo(dataFile.trimmed()).fileName();
    const QString data = name.isEmpty() ? QStringLiteral("data.js") : name;
    const QString menu = QStringLiteral("Quorna ") + type.name;
    QString engineScripts;
    for (const QString &file : type.engineFiles)
        engineScripts += script(file);
    const QString dataScript = script(data);
    // What visitors without JavaScript, and crawlers, read: the menu's links.
    // untranslated: sample markup the user copies into the page
    const QString plainLinks = QStringLiteral(
        "<noscript>\n<nav aria-label=\"Menu\">\n<ul>\n  <li><a href=\"index.html\">Home</a></li>\n"
        "  <li><a href=\"about.html\">About us</a></li>\n</ul>\n</nav>\n</noscript>\n");
    // untranslated: comments of the sample markup
    const QString open = QStringLiteral("<!-- %1 -->\n").arg(menu);
    // untranslated: as above
    const QString close = QStringLiteral("<!-- End of %1, %2 -->\n").arg(menu, kProductWebSite);

    QString html = QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>") +
                   InstallHelpText::tr("%1: installation").arg(kAppTitle.toHtmlEscaped()) +
                   QStringLiteral(
                       "</title><style>"
                       "body{font:10px Verdana,Tahoma,sans-serif;background:#fff;margin:5px}"
                       "h1{font-size:11px;font-weight:bold;color:#17467F;border-bottom:1px solid #17467F;"
                       "margin:12px 0 6px}"
                       ".code{color:#0000C0;white-space:pre-wrap;font:10px monospace}.file{color:#C00000}"
                       "</style></head><body>");
    html += InstallHelpText::tr("<h1>Installation Instructions</h1><p><b>The quick way:</b> save the menu, then "
                                "choose <b>File &gt; Add to Page...</b> and pick the pages of your site. The program "
                                "writes the lines below into each page, with the menu's links as a plain list for "
                                "visitors without JavaScript and for search engines, and copies %1 beside %2. It "
                                "shows each change before it writes and keeps each page as it was "
                                "(<span class=\"file\">page.html~</span>). Do it again after you change the menu: it "
                                "updates its block. For a site build: <span class=\"code\">plivex --install %3 "
                                "*.html</span></p>")
                .arg(listed(type.engineFiles), fileName(data), data.toHtmlEscaped());
    html += InstallHelpText::tr("<p><b>By hand:</b> copy %1 and %2 into a folder of your web site "
                                "(<span class=\"file\">your_dir</span> below; the addresses are relative to the "
                                "page). ")
                .arg(listed(type.engineFiles), fileName(data));
    if (inFlow)
        html += InstallHelpText::tr("The menu stands in the page flow: put this inside the BODY element, where the "
                                    "menu is to appear:</p>");
    else
        html += InstallHelpText::tr("The menu has an absolute position (its X and Y): put this at the start of the "
                                    "BODY element:</p>");
    html += code(open + engineScripts + dataScript + plainLinks + close);
    html += InstallHelpText::tr("<p>List every link of your menu inside "
                                "<span class=\"code\">&lt;noscript&gt;</span>, nested as the menu is; Add to Page "
                                "writes that list for you. The engine scripts may go into the HEAD element instead; "
                                "the data script stays in the BODY.</p>");
    // Whole sentences for one engine file and for several, as their verbs differ.
    html += (type.engineFiles.size() > 1
                 ? InstallHelpText::tr("<p>%1 are the engine of the %2; %3 is the data file you are saving.</p>")
                 : InstallHelpText::tr("<p>%1 is the engine of the %2; %3 is the data file you are saving.</p>"))
                .arg(listed(type.engineFiles), type.name.toHtmlEscaped(), fileName(data));
    if (type.contentIdParam >= 0) {
        html += InstallHelpText::tr("<h1>Content Panels</h1><p>A tab whose <b>Content id</b> is set shows the page "
                                    "element with that id while it is selected, and hides the elements of the other "
                                    "tabs. Put those elements anywhere in the BODY, for tabs with the content ids "
                                    "<span class=\"code\">overview</span> and "
                                    "<span class=\"code\">pricing</span>:</p>");
        // untranslated: sample markup the user copies into the page
        html += code(QStringLiteral("<div id=\"overview\">\n  <h2>Overview</h2>\n  <p>...</p>\n</div>\n"
                                    "<div id=\"pricing\">\n  <h2>Pricing</h2>\n  <p>...</p>\n</div>\n"));
        html += InstallHelpText::tr("<p>Without JavaScript every panel is shown, and the list's links lead to "
                                    "them.</p>");
    }
    if (type.frameInitFunctionName.isEmpty())
        return html + QStringLiteral("</body></html>");

    const QString frameCall = type.frameInitFunctionName;
    html += InstallHelpText::tr("<h1>Cross-frame Installation</h1><p>Put this into the HEAD element of the page with "
                                "the top menu:</p>");
    html += code(open + engineScripts + dataScript + close);
    html += InstallHelpText::tr("<p>The frameset must have an id, for example:</p>");
    // untranslated: sample markup the user copies into the page
    html += code(QStringLiteral("<frameset id=\"fset\" rows=\"130,*\">\n  <frame name=\"frame1\" src=\"topmenu.html\">\n"
                                "  <frame name=\"frame2\" src=\"content.html\">\n</frameset>\n"));
    html += InstallHelpText::tr("<p>Then replace the standard <span class=\"code\">%1()</span> call at the end of %2 "
                                "with</p>")
                .arg(type.initFunctionName.toHtmlEscaped(), fileName(data));
    // untranslated: JavaScript the user copies into the page
    html += code(frameCall + QStringLiteral("(framesetID, mainFrameInd, subFrameInd, orientation);\n"));
    html += InstallHelpText::tr("<p>where <b>framesetID</b> is the id of the frameset, <b>mainFrameInd</b> the "
                                "number of the frame with the top menu (0 or more), <b>subFrameInd</b> the number of "
                                "the frame for the submenus (0 or more) and <b>orientation</b> 0 for a horizontal "
                                "and 1 for a vertical frame orientation. For the frameset above:</p>");
    // untranslated: JavaScript the user copies into the page
    html += code(frameCall + QStringLiteral("(\"fset\", 0, 1, 0);\n"));
    return html + QStringLiteral("</body></html>");
}
