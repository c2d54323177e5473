// The engines in Qt WebEngine, the oldest Chromium they support: the staged
// qrnmenu.js, qrntmenu.js with its add-ons, qrntabs.js and qrntabmenu.js
// render data files and answer real keys.
#include "pages_common.h"
#include "support/testmain.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEngineView>

using pagestest::js;
using pagestest::runJs;

class EnginesWebEngineTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<WebPage> m_page;
    std::unique_ptr<QSignalSpy> m_errors;

    // Writes a page that loads the staged engine and then `data`, opens it
    // and waits until the menu has written all its submenus.
    // `engine` may name several files, separated by spaces, loaded in that
    // order before the data file.
    void openMenu(const QByteArray &data, const QString &engine = QStringLiteral("qrnmenu.js"),
                  const QByteArray &after = QByteArray(), const QString &ready = QStringLiteral("nav:not(.qw)"))
    {
        QVERIFY(m_dir.isValid());
        QByteArray scripts;
        for (const QString &file : engine.split(QLatin1Char(' '))) {
            QFile::remove(m_dir.filePath(file));
            QVERIFY(QFile::copy(harness::runtimeDir() + file, m_dir.filePath(file)));
            scripts += "<script src=\"" + file.toLatin1() + "\"></script>";
        }
        writeFile(QStringLiteral("data.js"), data);
        writeFile(QStringLiteral("index.html"),
                  "<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\"><title>Menu</title>" + scripts +
                  "</head><body><script src=\"data.js\"></script>" + after +
                  "<p><a id=\"after\" href=\"#after\">After the menu</a></p></body></html>");
        m_page = harness::openPage(m_dir.filePath(QStringLiteral("index.html")));
        m_errors = std::make_unique<QSignalSpy>(m_page.get(), &Page::scriptError);
        QVERIFY(harness::waitUntil([&] { return eval(QStringLiteral("!!document.querySelector('%1')").arg(ready)) == QStringLiteral("true"); }));
    }
    void writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QString eval(const QString &code) { return runJs(*m_page, code); }
    // The texts of the items, each with one "|" per level, in tree order.
    QString outline()
    {
        return eval(QStringLiteral("[...document.querySelectorAll('nav .qi')].map(a=>{let n=0,u=a.parentNode.parentNode;"
                                   "while(u.matches('.qu,.qk')){n++;u=u.parentNode.parentNode;}"
                                   "return '|'.repeat(n)+a.textContent;}).join(',')"));
    }
    QString focused() { return eval(QStringLiteral("document.activeElement.textContent")); }
    // The open submenus: by their item in a menu, by their tab in a tab menu.
    QString openItems()
    {
        return eval(QStringLiteral("[...document.querySelectorAll('nav .qo')].map(li=>li.firstElementChild.textContent).concat("
                                   "[...document.querySelectorAll('[role=tablist]~.qr>ul:not([hidden])')].map(u=>u.getAttribute('aria-label'))).join(',')"));
    }
    // Presses `key` in the focused widget, as a keyboard would, and waits
    // until the focus or what is open has changed to `focus` / `open`.
    void press(Qt::Key key, const QString &focus, const QString &open)
    {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, key);
        QVERIFY2(harness::waitUntil([&] { return focused() == focus && openItems() == open; }),
                 qPrintable(QStringLiteral("after key %1: focus %2, open %3").arg(int(key)).arg(focused(), openItems())));
    }
    void focusPage()
    {
        QWidget *proxy = m_page->view()->focusProxy();
        QVERIFY(proxy);
        proxy->setFocus();
        QVERIFY(harness::waitUntil([&] { return proxy->hasFocus(); }));
    }
    static QByteArray defaultProject(const QString &type = QStringLiteral("ostrel-menu"))
    {
        QFile file(harness::runtimeDir() + QStringLiteral("default_scripts/%1/default.js").arg(type));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The tabs as texts, "*" after the selected one, then "|" and the text
    // of the panel shown.
    QString tabsState()
    {
        return eval(QStringLiteral("[...document.querySelectorAll('[role=tab]')].map(t=>t.textContent+(t.getAttribute('aria-selected')==='true'?'*':''))"
                                   ".join(',')+'|'+[...document.querySelectorAll('[role=tabpanel]')].filter(p=>!p.hidden).map(p=>p.textContent).join(',')"));
    }

private slots:
    void cleanup()
    {
        if (m_errors)
            QCOMPARE(m_errors->count(), 0);
        m_errors.reset();
        m_page.reset();
    }

    void defaultProject_rendersItsTreeLinksAndStates()
    {
        openMenu(defaultProject());
        QCOMPARE(outline(), QStringLiteral("Home,Products,|Software,||Desktop editor,||Web tools,|Hardware,|All products,Services,"
                                           "|Web design,|Hosting,|Support,News,About us,|Our team,|Careers,|Contact,Shop"));
        // New projects read their links against the data file, which lies beside this page.
        QCOMPARE(eval(QStringLiteral("document.querySelector('nav [aria-current=page]').getAttribute('href')")),
                 eval(QStringLiteral("new URL('index.html', document.baseURI).href")));
        QCOMPARE(eval(QStringLiteral("document.querySelector('nav [aria-disabled=true]').textContent")), QStringLiteral("Careers"));
        QCOMPARE(eval(QStringLiteral("getComputedStyle(document.getElementById('shop-link')).backgroundColor")),
                 QStringLiteral("rgb(181, 80, 15)"));
        QCOMPARE(eval(QStringLiteral("document.querySelectorAll('nav .qb>li').length")), QStringLiteral("6"));
    }

    void generatedMenu_rendersAllItemsAndOpensTheThirdLevel()
    {
        QByteArray data = "var menuItems=[";
        for (int a = 0; a < 10; ++a) {
            data += QStringLiteral("[\"Section %1\",\"s%1.html\"],").arg(a).toLatin1();
            for (int b = 0; b < 10; ++b) {
                data += QStringLiteral("[\"|Topic %1.%2\",\"t.html\"],").arg(a).arg(b).toLatin1();
                for (int c = 0; c < 10; ++c)
                    data += QStringLiteral("[\"||Page %1.%2.%3\",\"p.html\"],").arg(a).arg(b).arg(c).toLatin1();
            }
        }
        data += "];qrn_init();";
        openMenu(data);
        QCOMPARE(eval(QStringLiteral("document.querySelectorAll('nav .qi').length")), QStringLiteral("1110"));
        eval(QStringLiteral("document.querySelector('nav button[aria-label=\"Section 9\"]').click(),"
                            "document.querySelector('nav button[aria-label=\"Topic 9.9\"]').click(),''"));
        QCOMPARE(openItems(), QStringLiteral("Section 9,Topic 9.9"));
        QCOMPARE(eval(QStringLiteral("[...document.querySelectorAll('nav .qi')].find(a=>a.textContent==='Page 9.9.9').offsetParent!==null")),
                 QStringLiteral("true"));
    }

    void siteNavigationKeys_openMoveAndCloseWithFocusReturned()
    {
        openMenu(defaultProject());
        focusPage();
        press(Qt::Key_Tab, QStringLiteral("Home"), QString());
        press(Qt::Key_Tab, QStringLiteral("Products"), QString());
        press(Qt::Key_Tab, QString(), QString()); // the arrow button beside the link
        press(Qt::Key_Return, QString(), QStringLiteral("Products"));
        press(Qt::Key_Down, QStringLiteral("Software"), QStringLiteral("Products"));
        press(Qt::Key_End, QStringLiteral("All products"), QStringLiteral("Products"));
        press(Qt::Key_Escape, QString(), QString());
        QCOMPARE(eval(QStringLiteral("document.activeElement.getAttribute('aria-label')")), QStringLiteral("Products"));
    }

    void menuBarKeys_arrowsOpenSubmenusAndMoveAlongTheBar()
    {
        openMenu(defaultProject().replace("var menuKeyboard=\"disclosure\";", "var menuKeyboard=\"menubar\";"));
        QCOMPARE(eval(QStringLiteral("document.querySelector('nav .qb').getAttribute('role')")), QStringLiteral("menubar"));
        focusPage();
        press(Qt::Key_Tab, QStringLiteral("Home"), QString());
        press(Qt::Key_Right, QStringLiteral("Products"), QString());
        // Products opens as columns: Down goes through them in reading
        // order, Right and Left jump between them, and Right from the last
        // one goes on to the next bar item.
        press(Qt::Key_Down, QStringLiteral("Software"), QStringLiteral("Products"));
        press(Qt::Key_Down, QStringLiteral("Desktop editor"), QStringLiteral("Products"));
        press(Qt::Key_Right, QStringLiteral("Hardware"), QStringLiteral("Products"));
        press(Qt::Key_Left, QStringLiteral("Software"), QStringLiteral("Products"));
        press(Qt::Key_Right, QStringLiteral("Hardware"), QStringLiteral("Products"));
        press(Qt::Key_Right, QStringLiteral("All products"), QStringLiteral("Products"));
        press(Qt::Key_Right, QStringLiteral("Web design"), QStringLiteral("Services"));
        press(Qt::Key_Escape, QStringLiteral("Services"), QString());
    }

    void tabsDefaultProject_rendersLinkTabsWithTheCurrentOneSelected()
    {
        openMenu(defaultProject(QStringLiteral("tabs")), QStringLiteral("qrntabs.js"), QByteArray(), QStringLiteral("[role=tablist]"));
        QCOMPARE(tabsState(), QStringLiteral("Overview*,Features,Screenshots,Pricing,Reviews,Support,Contact|"));
        QCOMPARE(eval(QStringLiteral("document.querySelector('[aria-current=page]').getAttribute('href')")),
                 eval(QStringLiteral("new URL('index.html', document.baseURI).href")));
        QCOMPARE(eval(QStringLiteral("getComputedStyle([...document.querySelectorAll('[role=tab]')][3]).backgroundColor")),
                 QStringLiteral("rgb(252, 227, 207)"));
    }

    void tabsKeys_arrowsSelectPanelsHomeEndAndTabLeaves()
    {
        QByteArray items = "var bmenuItems=[";
        for (int i = 0; i < 3; ++i)
            items += QStringLiteral("[\"Tab %1\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"c%1\"],").arg(i).toLatin1();
        openMenu(items + "];qrn_tabsInit();", QStringLiteral("qrntabs.js"),
                 "<div id=\"c0\">Content 0</div><div id=\"c1\">Content 1</div><div id=\"c2\">Content 2</div>",
                 QStringLiteral("[role=tabpanel]"));
        QCOMPARE(tabsState(), QStringLiteral("Tab 0*,Tab 1,Tab 2|Content 0"));
        focusPage();
        press(Qt::Key_Tab, QStringLiteral("Tab 0"), QString());
        press(Qt::Key_Right, QStringLiteral("Tab 1"), QString());
        QCOMPARE(tabsState(), QStringLiteral("Tab 0,Tab 1*,Tab 2|Content 1"));
        press(Qt::Key_End, QStringLiteral("Tab 2"), QString());
        press(Qt::Key_Right, QStringLiteral("Tab 0"), QString());
        press(Qt::Key_Left, QStringLiteral("Tab 2"), QString());
        QCOMPARE(tabsState(), QStringLiteral("Tab 0,Tab 1,Tab 2*|Content 2"));
        // The panels are the page's own and take no focus: Tab goes on past them.
        press(Qt::Key_Tab, QStringLiteral("After the menu"), QString());
    }

    void tabsPanels_stayWhereThePageHasThem_andTheAddressSelectsTheirTab()
    {
        openMenu("var bmenuItems=[[\"One\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"panel-one\"],"
                 "[\"Two\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"panel-two\"]];qrn_tabsInit();",
                 QStringLiteral("qrntabs.js"),
                 "<div class=\"site\"><section id=\"panel-one\" class=\"own\">Content 1</section>"
                 "<section id=\"panel-two\" class=\"own\">Content 2</section></div>",
                 QStringLiteral("[role=tabpanel]"));
        QCOMPARE(eval(QStringLiteral("[...document.querySelectorAll('.own')].map(p=>p.id+':'+p.parentNode.className+':'+p.getAttribute('role')).join()")),
                 QStringLiteral("panel-one:site:tabpanel,panel-two:site:tabpanel"));
        eval(QStringLiteral("location.hash='#panel-two',''"));
        QVERIFY(harness::waitUntil([&] { return tabsState() == QStringLiteral("One,Two*|Content 2"); }));
    }

    // The tree's items shown, "|" per level, "+" after an open branch.
    QString treeShown()
    {
        return eval(QStringLiteral("[...document.querySelectorAll('[role=treeitem]')].filter(a=>a.offsetParent)"
                                   ".map(a=>'|'.repeat(a.getAttribute('aria-level')-1)+a.textContent+(a.getAttribute('aria-expanded')==='true'?'+':''))"
                                   ".join(',')"));
    }
    static QByteArray treeItems()
    {
        return "var tmenuAnimDuration=0;var tmenuItems=[['Alpha','a.html'],['|Apple'],['|Apricot'],['||Dried'],['Beta'],['|Banana'],['Gamma']];"
               "qrn_tmenuInit();";
    }

    void treeDefaultProject_rendersItsOpenBranchStylesAndAddOns()
    {
        openMenu(defaultProject(QStringLiteral("tree-menu")), QStringLiteral("qrntmenu.js qrntmenu_add.js qrntmenu_ss.js"));
        QCOMPARE(treeShown(), QStringLiteral("Getting started+,|Installation,|First steps,User guide,Reference,Downloads,Contact"));
        QCOMPARE(eval(QStringLiteral("getComputedStyle(document.querySelector('[title=\"Latest version\"]')).backgroundColor")),
                 QStringLiteral("rgb(255, 244, 229)"));
        eval(QStringLiteral("[...document.querySelectorAll('nav button')].find(b=>b.textContent==='Expand all').click(),''"));
        QVERIFY(harness::waitUntil([&] { return treeShown().count(QLatin1Char('+')) == 4; }));
        // The filter box keeps the matches and their ancestors.
        eval(QStringLiteral("(i=>{i.value='styl';i.dispatchEvent(new Event('input'))})(document.querySelector('nav input')),''"));
        QCOMPARE(treeShown(), QStringLiteral("User guide+,|Editing menus+,||Styles"));
        // What is open is kept over a reload.
        eval(QStringLiteral("(i=>{i.value='';i.dispatchEvent(new Event('input'))})(document.querySelector('nav input')),location.reload(),''"));
        QVERIFY(harness::waitUntil([&] { return treeShown().count(QLatin1Char('+')) == 4; }));
    }

    void treeKeys_arrowsOpenEnterCloseAndLeaveTheBranches()
    {
        openMenu(treeItems(), QStringLiteral("qrntmenu.js"));
        QCOMPARE(treeShown(), QStringLiteral("Alpha,Beta,Gamma"));
        focusPage();
        press(Qt::Key_Tab, QStringLiteral("Alpha"), QString());
        press(Qt::Key_Right, QStringLiteral("Alpha"), QString());
        press(Qt::Key_Right, QStringLiteral("Apple"), QString());
        press(Qt::Key_Down, QStringLiteral("Apricot"), QString());
        press(Qt::Key_Right, QStringLiteral("Apricot"), QString());
        press(Qt::Key_End, QStringLiteral("Gamma"), QString());
        QCOMPARE(treeShown(), QStringLiteral("Alpha+,|Apple,|Apricot+,||Dried,Beta,Gamma"));
        press(Qt::Key_Up, QStringLiteral("Beta"), QString());
        press(Qt::Key_Return, QStringLiteral("Beta"), QString());
        press(Qt::Key_Home, QStringLiteral("Alpha"), QString());
        press(Qt::Key_Left, QStringLiteral("Alpha"), QString());
        // Left leaves the focus where it was: the branch closing is the state
        // to wait for.
        QVERIFY2(harness::waitUntil([&] { return treeShown() == QLatin1String("Alpha,Beta+,|Banana,Gamma"); }),
                 qPrintable(treeShown()));
        press(Qt::Key_Tab, QStringLiteral("After the menu"), QString());
    }

    void treeBrokenDataFiles_renderWhatTheyCan_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("shown");
        QTest::newRow("nothing declared") << QByteArray("qrn_tmenuInit();") << QString();
        QTest::newRow("wrong types") << QByteArray("var tmenuIndent=5;var tmenuLines='x';var tstyles=3;var tXPStyles=[null];"
                                                   "var tmenuItems=[['A',7,null,{},[],'','','0','0','open'],['|B']];qrn_tmenuInit();")
                                     << QStringLiteral("A+,|B");
        QTest::newRow("holes and level jumps") << QByteArray("var tmenuItems=[['||A'],,'@undefined',['|||B'],['C']];qrn_tmenuInit();")
                                               << QStringLiteral("A,C");
    }
    void treeBrokenDataFiles_renderWhatTheyCan()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, shown);
        openMenu(data, QStringLiteral("qrntmenu.js qrntmenu_add.js qrntmenu_ss.js"));
        QCOMPARE(treeShown(), shown);
    }

    void tabMenuDefaultProject_rendersTabsAndShowsTheRowOfTheClickedTab()
    {
        openMenu(defaultProject(QStringLiteral("tab-menu")), QStringLiteral("qrntabmenu.js"), QByteArray(), QStringLiteral("[role=tablist]"));
        QCOMPARE(tabsState(), QStringLiteral("Home*,Products,Services,Company,Shop|"));
        // The submenus are written once the page is idle.
        QVERIFY(harness::waitUntil([&] { return eval(QStringLiteral("document.querySelectorAll('.qr a').length")) == QStringLiteral("9"); }));
        QCOMPARE(openItems(), QString());
        eval(QStringLiteral("[...document.querySelectorAll('[role=tab]')][3].click(),''"));
        QCOMPARE(openItems(), QStringLiteral("Company"));
        QCOMPARE(eval(QStringLiteral("document.querySelector('[aria-disabled=true]').textContent")), QStringLiteral("Careers"));
        QCOMPARE(eval(QStringLiteral("location.hash+document.title")), QStringLiteral("Menu"));
    }

    void tabMenuKeys_downEntersTheDropDownEscapeLeavesArrowsGoOn()
    {
        openMenu(defaultProject(QStringLiteral("tab-menu")).replace("var tabsSubMode=\"row\";", "var tabsSubMode=\"dropdown\";"),
                 QStringLiteral("qrntabmenu.js"), QByteArray(), QStringLiteral("[role=tablist]"));
        focusPage();
        press(Qt::Key_Tab, QStringLiteral("Home"), QString());
        press(Qt::Key_Right, QStringLiteral("Products"), QString());
        press(Qt::Key_Down, QStringLiteral("Software"), QStringLiteral("Products"));
        press(Qt::Key_Up, QStringLiteral("Accessories"), QStringLiteral("Products"));
        press(Qt::Key_Escape, QStringLiteral("Products"), QString());
        press(Qt::Key_Right, QStringLiteral("Services"), QString());
        press(Qt::Key_Down, QStringLiteral("Consulting"), QStringLiteral("Services"));
    }

    void tabMenuKeys_enterFollowsATabsLinkAndEntersATabWithoutOne()
    {
        openMenu("var tabsSubMode=\"dropdown\";var bmenuItems=[[\"Home\",\"#home\"],[\"Parent\",\"#parent\"],[\"|Child\",\"#child\"],"
                 "[\"Bare\",\"\"],[\"|Inside\",\"#inside\"]];qrn_tabsInit();",
                 QStringLiteral("qrntabmenu.js"), QByteArray(), QStringLiteral("[role=tablist]"));
        focusPage();
        press(Qt::Key_Tab, QStringLiteral("Home"), QString());
        press(Qt::Key_Right, QStringLiteral("Parent"), QString());
        press(Qt::Key_Return, QStringLiteral("Parent"), QString());
        QVERIFY(harness::waitUntil([&] { return eval(QStringLiteral("location.hash")) == QStringLiteral("#parent"); }));
        press(Qt::Key_Down, QStringLiteral("Child"), QStringLiteral("Parent"));
        press(Qt::Key_Escape, QStringLiteral("Parent"), QString());
        press(Qt::Key_Right, QStringLiteral("Bare"), QString());
        press(Qt::Key_Return, QStringLiteral("Inside"), QStringLiteral("Bare"));
        QCOMPARE(eval(QStringLiteral("location.hash")), QStringLiteral("#parent"));
    }

    // Hidden rows may stay laid out, out of sight, so that showing one again
    // is quick: the row area still takes the height of the row shown.
    void tabMenuRows_takeTheHeightOfTheRowShownOnly()
    {
        QByteArray items = "[\"Short\",\"#short\"],[\"|One\",\"#one\"],[\"Long\",\"#long\"]";
        for (int i = 0; i < 40; ++i)
            items += ",[\"|Page number " + QByteArray::number(i) + "\",\"#p" + QByteArray::number(i) + "\"]";
        openMenu("var tabsSubHeight=\"0px\";var bmenuItems=[" + items + "];qrn_tabsInit();",
                 QStringLiteral("qrntabmenu.js"), QByteArray(), QStringLiteral("[role=tablist]"));
        QVERIFY(harness::waitUntil([&] { return eval(QStringLiteral("document.querySelectorAll('.qr a').length")) == QStringLiteral("41"); }));
        const QString rowHeight = QStringLiteral("String(document.querySelector('.qr').getBoundingClientRect().height)");
        const double shortRow = eval(rowHeight).toDouble();
        QVERIFY(shortRow > 0);
        focusPage();
        press(Qt::Key_Tab, QStringLiteral("Short"), QStringLiteral("Short"));
        press(Qt::Key_Right, QStringLiteral("Long"), QStringLiteral("Long"));
        const double longRow = eval(rowHeight).toDouble();
        QVERIFY2(longRow > 3 * shortRow, qPrintable(QStringLiteral("long row %1, short row %2").arg(longRow).arg(shortRow)));
        press(Qt::Key_Left, QStringLiteral("Short"), QStringLiteral("Short"));
        QCOMPARE(eval(rowHeight).toDouble(), shortRow);
    }

    void treeTypeAhead_aRunOfLettersNamesAnItem()
    {
        openMenu("var tmenuItems=[['Alpha','a.html'],['Banana'],['Bravo'],['Beta'],['Gamma']];qrn_tmenuInit();", QStringLiteral("qrntmenu.js"));
        focusPage();
        press(Qt::Key_Tab, QStringLiteral("Alpha"), QString());
        // Typed as one run, "br" passes Banana for Bravo.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("br"));
        QVERIFY2(harness::waitUntil([&] { return focused() == QStringLiteral("Bravo"); }), qPrintable(focused()));
    }

    // A bar with more items than a phone's width holds, one of them a long
    // text: the items wrap onto several rows, the long text onto several
    // lines, and the page never scrolls sideways.
    void menuBar_wrapsItsItemsAndLongTexts_neverWideningThePage()
    {
        QByteArray items;
        for (int i = 0; i < 10; ++i)
            items += "[\"Section " + QByteArray::number(i) + "\",\"s.html\"],";
        items += "[\"A very long item text that goes on and on about everything the section holds\",\"long.html\"],[\"|Sub\",\"sub.html\"]";
        openMenu("var menuCollapseWidth=\"0px\";var menuItems=[" + items + "];qrn_init();");
        m_page->view()->resize(375, 600);
        QVERIFY(harness::waitUntil([&] { return eval(QStringLiteral("String(innerWidth)")) == QStringLiteral("375"); }));
        QCOMPARE(eval(QStringLiteral("String(document.documentElement.scrollWidth<=document.documentElement.clientWidth)")), QStringLiteral("true"));
        QCOMPARE(eval(QStringLiteral("String(new Set([...document.querySelectorAll('nav .qb>li>.qi')].map(a=>Math.round(a.getBoundingClientRect().top))).size>1)")),
                 QStringLiteral("true"));
        QCOMPARE(eval(QStringLiteral("(s=>String(s.getBoundingClientRect().height>=2*parseFloat(getComputedStyle(s).fontSize)))"
                                     "([...document.querySelectorAll('nav span')].find(s=>s.textContent.startsWith('A very long')))")),
                 QStringLiteral("true"));
    }

    // Left empty, the submenu items' font is the items' font and the arrows
    // take the items' text colour.
    void submenuItemsAndArrows_followTheItemsFontAndTextColour()
    {
        openMenu("var menuCollapseWidth=\"0px\";var menuItemFont=\"normal 17px serif\";var menuSubItemFont=\"\";"
                 "var menuItemTextColor=\"#F0F0F0\";var menuBackColor=\"#102030\";var menuArrowColor=\"\";"
                 "var menuItems=[[\"Products\",\"p.html\"],[\"|One\",\"one.html\"]];qrn_init();");
        QCOMPARE(eval(QStringLiteral("(s=>s.fontFamily+' '+s.fontSize)(getComputedStyle(document.querySelector('nav .qu li>.qi')))")),
                 QStringLiteral("serif 17px"));
        QCOMPARE(eval(QStringLiteral("getComputedStyle(document.querySelector('nav .qa')).borderRightColor")), QStringLiteral("rgb(240, 240, 240)"));
    }

    void brokenDataFiles_renderWhatTheyCanWithoutScriptErrors_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("outline");
        QTest::newRow("nothing declared") << QByteArray("qrn_init();") << QString();
        QTest::newRow("wrong types") << QByteArray("var menuOrientation=5;var menuShowDelay='x';var itemStyles=3;"
                                                   "var menuItems=[['A',7,null],['|B']];qrn_init();")
                                     << QStringLiteral("A,|B");
        QTest::newRow("holes and level jumps") << QByteArray("var menuItems=[['||A'],,'@undefined',['|||B'],['C']];qrn_init();")
                                               << QStringLiteral("A,|B,C");
    }
    void brokenDataFiles_renderWhatTheyCanWithoutScriptErrors()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, outline);
        openMenu(data);
        QCOMPARE(this->outline(), outline);
    }
};

PLIVEX_TEST_MAIN(EnginesWebEngineTest)
#include "engines_webengine_test.moc"
