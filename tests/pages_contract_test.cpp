// The hosted pages of every menu type: the functions the program calls, the
// page commands each control sends, and how a data text is taken in.

#include "pages_common.h"
#include "project/datafile/datasave.h"
#include "project/model/project.h"
#include "support/testmain.h"

#include <QColor>
#include <QSignalSpy>
#include <QWebEngineView>

using namespace pagestest;

Q_DECLARE_METATYPE(pagestest::PageType)

namespace {

void addTypeRows()
{
    QTest::addColumn<PageType>("type");
    for (const PageType &t : pageTypes())
        QTest::newRow(qPrintable(t.folder)) << t;
}

// The row of a parameter or item field.
QString rowSelector(const QString &name)
{
    return QStringLiteral("[data-name=\"%1\"]").arg(name);
}

// Clicks the n-th button of a row.
void clickButton(Page &page, const QString &name, int n = 0)
{
    runJs(page, QStringLiteral("document.querySelectorAll(%1)[%2].click(),''")
                    .arg(js(rowSelector(name) + QStringLiteral(" button")))
                    .arg(n));
}

// Types into the first input or select of a row and commits it.
void typeInto(Page &page, const QString &name, const QString &value)
{
    runJs(page, QStringLiteral("(function(){var e=document.querySelector(%1);e.value=%2;"
                               "e.dispatchEvent(new Event('change'));return ''})()")
                    .arg(js(rowSelector(name) + QStringLiteral(" input, ") + rowSelector(name) + QStringLiteral(" select")))
                    .arg(js(value)));
}

QString declared(Page &params, const QString &name)
{
    const QString list = params.callText(QStringLiteral("qrn_getParamsList"), {QString()});
    const QRegularExpression re(QStringLiteral("^var ") + name + QStringLiteral("=([^\\r\\n]*);\\r?$"), QRegularExpression::MultilineOption);
    return re.match(list).captured(1);
}

} // namespace

class PagesContractTest : public QObject
{
    Q_OBJECT

private slots:
    void paramsPage_contractFunctions_answerAsSpecified_data() { addTypeRows(); }
    void paramsPage_contractFunctions_answerAsSpecified()
    {
        QFETCH(PageType, type);
        auto page = openTypePage(type, QStringLiteral("params.html"));
        page->callText(QStringLiteral("qrn_reCreateParams"), {kOmitted});

        const QString keys = page->callText(QStringLiteral("qrn_getKeysList"), {kOmitted});
        QVERIFY2(keys.contains(QStringLiteral("DataVersion=1;")), qPrintable(keys));
        QVERIFY2(keys.contains('"' + type.folder + '"'), qPrintable(keys));

        // One declaration per line, each name once.
        const QString list = page->callText(QStringLiteral("qrn_getParamsList"), {QString()});
        const QStringList lines = list.split(QStringLiteral("\r\n"));
        QVERIFY(lines.size() > 40);
        QSet<QString> names;
        const QRegularExpression decl(QStringLiteral("^var ([A-Za-z]+)=(true|false|-?[0-9.]+|\"[ -~]*\");$"));
        for (const QString &line : lines) {
            const auto m = decl.match(line);
            QVERIFY2(m.hasMatch(), qPrintable(line));
            QVERIFY2(!names.contains(m.captured(1)), qPrintable(line));
            names.insert(m.captured(1));
        }

        page->callText(QStringLiteral("qrn_setValue"), {QStringLiteral("@modified")});
        QCOMPARE(page->callText(QStringLiteral("qrn_getParamsList"), {QString()}), list);
    }

    void findParameter_hidesEveryRowThatDoesNotMatch_data() { addTypeRows(); }
    void findParameter_hidesEveryRowThatDoesNotMatch()
    {
        QFETCH(PageType, type);
        auto page = openTypePage(type, QStringLiteral("params.html"));
        page->callText(QStringLiteral("qrn_reCreateParams"), {kOmitted});
        // Rows shown, as the user sees them: laid out, not merely present.
        const QString shown = QStringLiteral(
            "Array.prototype.filter.call(document.querySelectorAll('.row'),"
            "function(r){return r.getClientRects().length>0}).map(function(r){return r.dataset.name}).join(' ')");
        runJs(*page, QStringLiteral("var f=document.getElementById('find');f.value=%1;"
                                    "f.dispatchEvent(new Event('input')),''")
                         .arg(js(type.fontParam)));
        QCOMPARE(runJs(*page, shown), type.fontParam);
        runJs(*page, QStringLiteral("var f=document.getElementById('find');f.value='';"
                                    "f.dispatchEvent(new Event('input')),''"));
        runJs(*page, QStringLiteral("document.querySelectorAll('details').forEach(function(d){d.open=true}),''"));
        QVERIFY(runJs(*page, shown).split(QLatin1Char(' ')).size() > 40);
    }

    void paramsPage_choices_showTheirLongestTextWholeAtTheDesignedWidth_data() { addTypeRows(); }
    void paramsPage_choices_showTheirLongestTextWholeAtTheDesignedWidth()
    {
        QFETCH(PageType, type);
        auto page = openTypePage(type, QStringLiteral("params.html"));
        // The parameter view's width in the main window at its designed size.
        page->view()->resize(314, 420);
        QTRY_COMPARE(runJs(*page, QStringLiteral("String(window.innerWidth)")), QStringLiteral("314"));
        page->callText(QStringLiteral("qrn_reCreateParams"), {kOmitted});
        const QString cut = runJs(*page, QStringLiteral(
            "(function(){document.querySelectorAll('details').forEach(function(d){d.open=true});"
            "var c=document.createElement('canvas').getContext('2d'),out=[];"
            "document.querySelectorAll('select').forEach(function(s){"
            " if(!s.getClientRects().length)return;var st=getComputedStyle(s);c.font=st.font;"
            " var w=0;Array.prototype.forEach.call(s.options,function(o){w=Math.max(w,c.measureText(o.text).width)});"
            // The drop-down arrow takes about 16 pixels of the box.
            " var room=s.clientWidth-parseFloat(st.paddingLeft)-parseFloat(st.paddingRight)-16;"
            " if(w>room)out.push((s.closest('.row')||s).dataset.name+':'+Math.ceil(w)+'>'+Math.floor(room))});"
            "return out.join(' ')})()"));
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
    }

    void loadParams_elementsWithoutItemsOrStyles_handedBackAsTheyCame_data() { addTypeRows(); }
    void loadParams_elementsWithoutItemsOrStyles_handedBackAsTheyCame()
    {
        QFETCH(PageType, type);
        auto page = openTypePage(type, QStringLiteral("params.html"));
        const QString text = QStringLiteral("var %1=[[\"A\"],5,,[\"|B\",\"b.html\"],];\r\nvar %2=[[\"x=1\"],7,];\r\nvar %2Names=[\"S\",];")
                                 .arg(type.itemArray, type.styleArray);
        // The items stay with the program, holes as null.
        const EvaluatedText read = loadDataText(*page, type, text);
        QCOMPARE(itemElements(read),
                 (QStringList{QStringLiteral("[\"A\"]"), QStringLiteral("5"), QStringLiteral("null"),
                              QStringLiteral("[\"|B\",\"b.html\"]")}));
        QCOMPARE(read.styles[0], QStringLiteral("[[\"x=1\"],7]"));
        QCOMPARE(read.styleNames[0], QStringLiteral("[\"S\"]"));
    }

    void loadParams_secondText_keepsNothingOfTheFirst_data() { addTypeRows(); }
    void loadParams_secondText_keepsNothingOfTheFirst()
    {
        QFETCH(PageType, type);
        auto page = openTypePage(type, QStringLiteral("params.html"));
        page->callText(QStringLiteral("qrn_reCreateParams"), {kOmitted});
        const QString defaultFont = declared(*page, type.fontParam);
        const EvaluatedText first = loadDataText(
            *page, type,
            QStringLiteral("var %1=\"bold 20px Arial\";\r\nvar %2=[[\"A\"],[\"B\"],];\r\nvar %3=[[\"x=1\"],];\r\nvar %3Names=[\"S\",];")
                .arg(type.fontParam, type.itemArray, type.styleArray));
        QCOMPARE(declared(*page, type.fontParam), QStringLiteral("\"bold 20px Arial\""));
        QCOMPARE(itemElements(first).size(), 2);

        const EvaluatedText second = loadDataText(*page, type, QStringLiteral("var %1=[[\"C\"],];").arg(type.itemArray));
        QCOMPARE(declared(*page, type.fontParam), defaultFont);
        QCOMPARE(itemElements(second), QStringList{QStringLiteral("[\"C\"]")});
        QVERIFY(second.styles[0].isEmpty());
        QVERIFY(second.styleNames[0].isEmpty());

        loadDataText(*page, type, QStringLiteral("var %1=\"x\";").arg(type.fontParam));
        page->callText(QStringLiteral("qrn_reCreateParams"), {kOmitted});
        QCOMPARE(declared(*page, type.fontParam), defaultFont);
    }

    void loadParams_failingText_raisesScriptErrorAtFileLine_data()
    {
        QTest::addColumn<PageType>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("code");
        const QString head = QStringLiteral("/*\r\n   header\r\n*/\r\n\r\n");
        for (const PageType &t : pageTypes()) {
            QTest::addRow("%s syntax", qPrintable(t.folder))
                << t << head + QStringLiteral("var a=1;\r\nvar b=(;\r\nvar c=3;") << 6 << "SyntaxError";
            QTest::addRow("%s runtime", qPrintable(t.folder))
                << t << head + QStringLiteral("var a=1;\r\nvar b=2;\r\n\r\nnoSuchFunction();\r\nvar c=3;") << 8 << "ReferenceError";
            QTest::addRow("%s first line", qPrintable(t.folder)) << t << QStringLiteral("var = ;") << 1 << "SyntaxError";
        }
    }
    void loadParams_failingText_raisesScriptErrorAtFileLine()
    {
        QFETCH(PageType, type);
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(QString, code);
        auto page = openTypePage(type, QStringLiteral("params.html"));
        QSignalSpy errors(page.get(), &Page::scriptError);
        // The call itself succeeds: the error is the page's, not the call's.
        const EvaluatedText read = loadDataText(*page, type, text);
        QTRY_COMPARE(errors.count(), 1);
        const auto e = errors.at(0).at(0).value<ScriptError>();
        QCOMPARE(e.line, line);
        QCOMPARE(e.code, code);
        // The page still answers, with nothing kept from the failed text.
        QVERIFY(read.items.isEmpty());
        QVERIFY(read.styles[0].isEmpty());
    }

    void itemPage_contractFunctions_answerAsSpecified_data() { addTypeRows(); }
    void itemPage_contractFunctions_answerAsSpecified()
    {
        QFETCH(PageType, type);
        auto page = openTypePage(type, QStringLiteral("itemparams.html"));
        QCOMPARE(page->value(QStringLiteral("itemParamsCnt")).toInt(), 11);

        page->callText(QStringLiteral("qrn_setIndividualStyles"), {0, QStringLiteral("First\rSecond\rThird")});
        if (type.smStyleField >= 0)
            page->callText(QStringLiteral("qrn_setIndividualStyles"), {1, QStringLiteral("Wide")});
        QStringList values;
        for (int i = 0; i < 11; ++i)
            values << QStringLiteral("v%1 \"q\" \\ </script> ü").arg(i);
        values[0] = QStringLiteral("A|B");
        values[type.itemStyleField] = QStringLiteral("2");
        if (type.smStyleField >= 0)
            values[type.smStyleField] = QStringLiteral("0");
        const int stateField = type.index == 3 ? 6 : type.index == 1 ? 9 : type.index == 0 ? 8 : 7;
        values[stateField] = QStringLiteral("disabled");
        PageArgs args;
        for (const QString &v : values)
            args << v;
        page->callText(QStringLiteral("qrn_setItemParams"), args);
        for (int i = 0; i < 11; ++i)
            QCOMPARE(page->callText(QStringLiteral("qrn_getItemParam"), {i}), values[i]);

        // A style number beyond the offered names is kept, not lost.
        page->callText(QStringLiteral("qrn_setIndividualStyles"), {0, QString()});
        QCOMPARE(page->callText(QStringLiteral("qrn_getItemParam"), {type.itemStyleField}), QStringLiteral("2"));

        page->callText(QStringLiteral("qrn_setItemParams"), PageArgs(11, QString()));
        for (int i = 0; i < 11; ++i)
            QCOMPARE(page->callText(QStringLiteral("qrn_getItemParam"), {i}), QString());

    }

    // Tabs and Tab Menu keep their fields in other places of an item; the
    // user finds them in one order all the same, and each row still edits
    // its own place.
    void itemPage_tabsAndTabMenu_showTheFieldsInOneOrder()
    {
        QStringList orders;
        for (const PageType &type : pageTypes()) {
            if (type.index < 2)
                continue;
            auto page = openTypePage(type, QStringLiteral("itemparams.html"));
            orders << runJs(*page, QStringLiteral("Array.prototype.map.call(document.querySelectorAll('.items .row:not([hidden])'),"
                                                  "function(r){return r.getAttribute('data-name')}).join(' ')"));
            page->callText(QStringLiteral("qrn_setItemParams"), PageArgs(11, QString()));
            typeInto(*page, QStringLiteral("state"), QStringLiteral("current"));
            QCOMPARE(page->callText(QStringLiteral("qrn_getItemParam"), {type.index == 3 ? 6 : 7}), QStringLiteral("current"));
        }
        QCOMPARE(orders.size(), 2);
        QCOMPARE(orders.at(1), orders.at(0));
        QVERIFY2(orders.at(0).contains(QStringLiteral("itemStyle state")), qPrintable(orders.at(0)));
    }

    // Tab Menu: the parameters of the second row are off while submenus
    // drop down, and those of the drop-down while they show as a row; the
    // reason shows under each, and the values stay.
    void tabMenuParams_subMode_disablesTheOtherModesParameters()
    {
        const PageType &type = pageTypes().at(3);
        auto page = openTypePage(type, QStringLiteral("params.html"));
        const auto state = [&page](const QString &name) {
            return runJs(*page, QStringLiteral("(function(){var r=document.querySelector(%1);"
                                               "var c=r.querySelector('input, select');var w=r.querySelector('.why');"
                                               "return (c.disabled?'off':'on')+(w&&!w.hidden?' why':'')})()")
                                    .arg(js(rowSelector(name))));
        };
        const QStringList row{QStringLiteral("tabsSubAlign"), QStringLiteral("tabsSubHeight")};
        const QStringList dropDown{QStringLiteral("tabsSubOpenOn"), QStringLiteral("tabsSubShowDelay"),
                                   QStringLiteral("tabsSubHideDelay"), QStringLiteral("tabsSubShadow"),
                                   QStringLiteral("tabsSubWidth")};
        for (const QString &name : row)
            QCOMPARE(state(name), QStringLiteral("on"));
        for (const QString &name : dropDown)
            QCOMPARE(state(name), QStringLiteral("off why"));
        // Box colours serve both ways.
        QCOMPARE(state(QStringLiteral("tabsSubBackColor")), QStringLiteral("on"));

        typeInto(*page, QStringLiteral("tabsSubMode"), QStringLiteral("dropdown"));
        for (const QString &name : row)
            QCOMPARE(state(name), QStringLiteral("off why"));
        for (const QString &name : dropDown)
            QCOMPARE(state(name), QStringLiteral("on"));
        QCOMPARE(declared(*page, QStringLiteral("tabsSubHeight")), QStringLiteral("\"30px\""));

        // A data file's values set the state as the user's choice does.
        page->callText(QStringLiteral("qrn_loadValues"), {QStringLiteral("{\"tabsSubMode\":\"row\"}")});
        QCOMPARE(state(QStringLiteral("tabsSubHeight")), QStringLiteral("on"));
        QCOMPARE(state(QStringLiteral("tabsSubWidth")), QStringLiteral("off why"));
    }

    // The engines' tests write their data files with the pages' format
    // helpers: the program's writer must write every item as they do.
    void itemElements_programWritesThemAsThePagesFormatDoes()
    {
        const PageType &type = pageTypes().at(0);
        auto params = openTypePage(type, QStringLiteral("params.html"));
        const QStringList texts = {QStringLiteral("say \"hi\" <b>&</b>"), QStringLiteral("qrn_init() QRN_tabsInit"),
                                   QStringLiteral("\u00DCber \u20AC \U0001F600"), QStringLiteral("line\r\nbreak\ttab"),
                                   QStringLiteral("back\\slash"), QString(), QStringLiteral("|pipe"),
                                   QStringLiteral("a,b"), QStringLiteral("\x7F\x01"), QStringLiteral("'single'"),
                                   QStringLiteral("x_qrn_y")};
        Project project;
        TItem parent;
        parent.Params[0] = QStringLiteral("Parent");
        TItem child;
        for (int i = 0; i < TItem::kParamCount; ++i)
            child.Params[static_cast<size_t>(i)] = texts.at(i);
        project.items().append(project.items().append({}, parent), child);
        const QString text = BuildDataText(project, *params, *params);
        QStringList items;
        for (const QString &t : texts)
            items << js(t);
        const QString element = runJs(*params, QStringLiteral("Plivex.itemElement(1, [%1])").arg(items.join(QLatin1Char(','))));
        QVERIFY2(element.startsWith(QLatin1String("[\"|say \\x22hi")), qPrintable(element));
        QVERIFY2(text.contains(QStringLiteral("\r\n") + element + QStringLiteral(",\r\n")), qPrintable(text));
    }

    void stylePages_contractFunctions_answerAsSpecified_data()
    {
        QTest::addColumn<PageType>("type");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("param");
        for (const PageType &t : pageTypes()) {
            QTest::addRow("%s item", qPrintable(t.folder)) << t << "itemstyles.html" << t.fontParam;
            if (!t.smStyleArray.isEmpty())
                QTest::addRow("%s submenu", qPrintable(t.folder)) << t << "smstyles.html" << t.smParam;
        }
    }
    void stylePages_contractFunctions_answerAsSpecified()
    {
        QFETCH(PageType, type);
        QFETCH(QString, file);
        QFETCH(QString, param);
        auto page = openTypePage(type, file);
        page->callText(QStringLiteral("qrn_resetParams"), {kOmitted});
        // A style that overrides nothing still has an entry, so it keeps its place.
        const QString empty = page->callText(QStringLiteral("qrn_getStylesArray"), {QString()});
        QCOMPARE(empty, QStringLiteral("[\"inherit=all\"]"));

        page->callText(QStringLiteral("qrn_loadParams"), {QStringLiteral("var %1=\"a,b\";var unknownName=\"1\";").arg(param)});
        QCOMPARE(page->callText(QStringLiteral("qrn_getStylesArray"), {QString()}), "[\"" + param + "=a,b\"]");
        const QString list = page->callText(QStringLiteral("qrn_getParamsList"), {QString()});
        QCOMPARE(list, styleParamsToDeclarations("\"" + param + "=a,b\""));

        // A load replaces the previous style; a reset clears it.
        page->callText(QStringLiteral("qrn_loadParams"), {QString()});
        QCOMPARE(page->callText(QStringLiteral("qrn_getStylesArray"), {QString()}), empty);
        page->callText(QStringLiteral("qrn_loadParams"), {list});
        page->callText(QStringLiteral("qrn_resetParams"), {kOmitted});
        QCOMPARE(page->callText(QStringLiteral("qrn_getStylesArray"), {QString()}), empty);
    }

    void toolbar_buttons_sendProjectCommands()
    {
        auto page = harness::openPage(harness::runtimeDir() + QStringLiteral("data/toolbar/toolbar.html"));
        QSignalSpy status(page.get(), &Page::statusTextChanged);
        const QStringList commands{"newProject", "openProject", "saveProject", "saveProjectAs",
                                   "undo",       "redo",        "menuType",    "help"};
        for (const QString &c : commands)
            runJs(*page, QStringLiteral("document.querySelector('[data-command=%1]').click(),''").arg(c));
        QTRY_COMPARE(status.count(), commands.size());
        for (int i = 0; i < commands.size(); ++i)
            QCOMPARE(status.at(i).at(0).toString(), "@command:" + commands[i]);
        page->callText(QStringLiteral("qrn_setValue"), {QString()});
        QCOMPARE(runJs(*page, QStringLiteral("document.querySelectorAll('button').length")), QStringLiteral("8"));
    }

    void toolbar_narrowWindow_labelsOnOneLineAndEveryButtonOnTheBand()
    {
        auto page = harness::openPage(harness::runtimeDir() + QStringLiteral("data/toolbar/toolbar.html"));
        // Each button: inside the band, its label (if shown) on one line and
        // not cut.
        const QString misfits = QStringLiteral(
            "Array.prototype.map.call(document.querySelectorAll('button'),function(b){"
            "var r=b.getBoundingClientRect(),s=b.querySelector('span'),bad=[];"
            "if(r.left<0||r.right>window.innerWidth||r.bottom>window.innerHeight)bad.push('outside');"
            "if(s&&s.offsetWidth>0){if(s.getClientRects().length!==1||s.offsetHeight>20)bad.push('wraps');"
            "if(s.scrollWidth>s.clientWidth||s.getBoundingClientRect().right>r.right)bad.push('cut');}"
            "return bad.length?b.getAttribute('data-command')+':'+bad.join('+'):'';}).join('')");
        for (const int width : {800, 575, 480, 460, 400}) {
            page->view()->resize(width, 49);
            QVERIFY(harness::waitUntil([&] { return runJs(*page, QStringLiteral("window.innerWidth")).toInt() == width; }));
            QCOMPARE(runJs(*page, misfits), QString());
        }
        // The narrowest band shows the icons alone; the buttons keep their
        // names in their titles.
        QCOMPARE(runJs(*page, QStringLiteral("document.querySelector('[data-command=help] span').offsetWidth")),
                 QStringLiteral("0"));
        QCOMPARE(runJs(*page, QStringLiteral("document.querySelector('[data-command=help]').title")),
                 QStringLiteral("Help (F1)"));
    }

    void paramsPage_controls_sendCommandsAndShowAnswers_data() { addTypeRows(); }
    void paramsPage_controls_sendCommandsAndShowAnswers()
    {
        QFETCH(PageType, type);
        auto page = openTypePage(type, QStringLiteral("params.html"));
        QSignalSpy status(page.get(), &Page::statusTextChanged);
        const QString prefix = type.fontParam.left(type.fontParam.indexOf(QStringLiteral("Item")));
        const QString colour = prefix + QStringLiteral("BorderColor");
        const QString image = prefix + QStringLiteral("BackImage");

        // Each request and report in turn; a value the page takes from an
        // answer is reported as a change of that parameter, as typing is.
        int seen = 0;
        const auto next = [&] {
            if (!QTest::qWaitFor([&] { return status.count() > seen; }))
                return QStringLiteral("(nothing sent)");
            return status.at(seen++).at(0).toString();
        };
        // Colour swatch: asks with the current value, shows the answer.
        const QString before = declared(*page, colour);
        clickButton(*page, colour);
        QCOMPARE(next(), "@color:" + before.mid(1, 7));
        page->callText(QStringLiteral("qrn_setValue"), {QStringLiteral("#12AB56")});
        QCOMPARE(declared(*page, colour), QStringLiteral("\"#12AB56\""));
        QCOMPARE(runJs(*page, QStringLiteral("getComputedStyle(document.querySelector(%1)).backgroundColor")
                                  .arg(js(rowSelector(colour) + QStringLiteral(" .swatch")))),
                 QStringLiteral("rgb(18, 171, 86)"));
        QCOMPARE(next(), "@modified:" + colour);

        // Font: the answer replaces the value; a cancelled dialog's answer
        // (the value exactly as sent) leaves the value as it was.
        clickButton(*page, type.fontParam);
        QVERIFY(next().startsWith(QStringLiteral("@font:")));
        page->callText(QStringLiteral("qrn_setValue"), {QStringLiteral("bold 14px Georgia")});
        QCOMPARE(declared(*page, type.fontParam), QStringLiteral("\"bold 14px Georgia\""));
        QCOMPARE(next(), "@modified:" + type.fontParam);
        typeInto(*page, type.fontParam, QStringLiteral("12px F@nt"));
        QCOMPARE(next(), "@modified:" + type.fontParam);
        clickButton(*page, type.fontParam);
        QCOMPARE(next(), QStringLiteral("@font:12px F@nt"));
        page->callText(QStringLiteral("qrn_setValue"), {QStringLiteral("12px F@nt")});
        QCOMPARE(declared(*page, type.fontParam), QStringLiteral("\"12px F@nt\""));

        // Picture; the cancelled font above reported nothing.
        clickButton(*page, image);
        QCOMPARE(next(), QStringLiteral("@image:"));
        page->callText(QStringLiteral("qrn_setValue"), {QStringLiteral("images/back.png")});
        QCOMPARE(declared(*page, image), QStringLiteral("\"images/back.png\""));
        QCOMPARE(next(), "@modified:" + image);

        // Other edits report "modified"; the answer "@modified" changes nothing.
        const QString list = page->callText(QStringLiteral("qrn_getParamsList"), {QString()});
        typeInto(*page, prefix + QStringLiteral("Position"), QStringLiteral("absolute"));
        QCOMPARE(next(), "@modified:" + prefix + QStringLiteral("Position"));
        page->callText(QStringLiteral("qrn_setValue"), {QStringLiteral("@modified")});
        QCOMPARE(declared(*page, prefix + QStringLiteral("Position")), QStringLiteral("\"absolute\""));
        QVERIFY(page->callText(QStringLiteral("qrn_getParamsList"), {QString()}) != list);
        QCOMPARE(status.count(), seen);
    }

    void colourSwatch_emptyField_takesTheColourItOpensAtAndOnlyTheSentValueCancels()
    {
        const PageType &type = pageTypes().at(0);
        auto page = openTypePage(type, QStringLiteral("params.html"));
        const QString prefix = type.fontParam.left(type.fontParam.indexOf(QStringLiteral("Item")));
        const QString colour = prefix + QStringLiteral("BorderColor");
        QSignalSpy status(page.get(), &Page::statusTextChanged);
        typeInto(*page, colour, QString());
        QTRY_COMPARE(status.count(), 1);
        QCOMPARE(declared(*page, colour), QStringLiteral("\"\""));

        // Cancelled: the dialog answers exactly what was sent.
        clickButton(*page, colour);
        QTRY_COMPARE(status.count(), 2);
        const QString sent = status.at(1).at(0).toString().mid(QStringLiteral("@color:").size());
        QVERIFY2(QColor::isValidColorName(sent), qPrintable(sent));
        page->callText(QStringLiteral("qrn_setValue"), {sent});
        QCOMPARE(declared(*page, colour), QStringLiteral("\"\""));

        // Confirmed at the colour it opened at (white for a field without a
        // default): the dialog answers it in upper case, and it is taken.
        clickButton(*page, colour);
        QTRY_COMPARE(status.count(), 3);
        page->callText(QStringLiteral("qrn_setValue"), {sent.toUpper()});
        QCOMPARE(declared(*page, colour), '"' + sent.toUpper() + '"');
        // Only the value taken is reported, after the cancel's silence.
        QTRY_COMPARE(status.count(), 4);
        QCOMPARE(status.at(3).at(0).toString(), "@modified:" + colour);
    }

    void itemPage_controls_sendItemCommands_data() { addTypeRows(); }
    void itemPage_controls_sendItemCommands()
    {
        QFETCH(PageType, type);
        auto page = openTypePage(type, QStringLiteral("itemparams.html"));
        page->callText(QStringLiteral("qrn_setIndividualStyles"), {0, QStringLiteral("One\rTwo")});
        page->callText(QStringLiteral("qrn_setItemParams"), PageArgs(11, QString()));
        QSignalSpy status(page.get(), &Page::statusTextChanged);

        typeInto(*page, QStringLiteral("text"), QStringLiteral("Products"));
        QTRY_COMPARE(status.count(), 1);
        QCOMPARE(status.at(0).at(0).toString(), QStringLiteral("@item0:"));
        QCOMPARE(page->callText(QStringLiteral("qrn_getItemParam"), {0}), QStringLiteral("Products"));

        typeInto(*page, QStringLiteral("itemStyle"), QStringLiteral("1"));
        QTRY_COMPARE(status.count(), 2);
        QCOMPARE(status.at(1).at(0).toString(), QStringLiteral("@item%1:").arg(type.itemStyleField));
        QCOMPARE(page->callText(QStringLiteral("qrn_getItemParam"), {type.itemStyleField}), QStringLiteral("1"));

        // Link: asks for a page, shows the answer, then hands it to the items.
        typeInto(*page, QStringLiteral("link"), QStringLiteral("mailto:me@example.com"));
        QTRY_COMPARE(status.count(), 3);
        clickButton(*page, QStringLiteral("link"));
        QTRY_COMPARE(status.count(), 4);
        QCOMPARE(status.at(3).at(0).toString(), QStringLiteral("@url:mailto:me@example.com"));
        page->callText(QStringLiteral("qrn_setValue"), {QStringLiteral("mailto:me@example.com")});
        QCOMPARE(page->callText(QStringLiteral("qrn_getItemParam"), {1}), QStringLiteral("mailto:me@example.com"));
        clickButton(*page, QStringLiteral("link"));
        QTRY_COMPARE(status.count(), 5);
        page->callText(QStringLiteral("qrn_setValue"), {QStringLiteral("pages/a.html")});
        QCOMPARE(page->callText(QStringLiteral("qrn_getItemParam"), {1}), QStringLiteral("pages/a.html"));
        QTRY_COMPARE(status.count(), 6);
        QCOMPARE(status.at(5).at(0).toString(), QStringLiteral("@item1:"));

        clickButton(*page, QStringLiteral("icon"));
        QTRY_COMPARE(status.count(), 7);
        QCOMPARE(status.at(6).at(0).toString(), QStringLiteral("@image:"));
        page->callText(QStringLiteral("qrn_setValue"), {QStringLiteral("icons/home.png")});
        QTRY_COMPARE(status.count(), 8);
        QCOMPARE(status.at(7).at(0).toString(), QStringLiteral("@item4:"));
        QCOMPARE(page->callText(QStringLiteral("qrn_getItemParam"), {4}), QStringLiteral("icons/home.png"));
    }

    void helpPage_listsEveryParameterAndItemFieldOfEveryType()
    {
        auto help = harness::openPage(harness::runtimeDir() + QStringLiteral("help/data-format.html"));
        QStringList expected;
        for (const PageType &t : pageTypes()) {
            auto params = openTypePage(t, QStringLiteral("params.html"));
            const QString list = params->callText(QStringLiteral("qrn_getParamsList"), {QString()});
            for (const QString &line : list.split(QStringLiteral("\r\n")))
                expected << line.section(QLatin1Char('='), 0, 0).mid(4);
        }
        const QString listed = runJs(*help, QStringLiteral(
            "Array.prototype.map.call(document.querySelectorAll('#paramtables tr td:first-child code'),"
            "function(c){return c.textContent}).join(' ')"));
        QStringList got = listed.split(QLatin1Char(' '));
        got.sort();
        expected.sort();
        QCOMPARE(got, expected);
        QCOMPARE(runJs(*help, QStringLiteral("document.querySelectorAll('#itemtables tr').length")),
                 QString::number(pageTypes().size() * 12));
    }

    void stylePage_controls_sendCommandsAndClearOverrides()
    {
        const PageType &type = pageTypes().at(0);
        auto page = openTypePage(type, QStringLiteral("itemstyles.html"));
        QSignalSpy status(page.get(), &Page::statusTextChanged);
        // Until a style is shown there is nothing to keep a value in.
        QCOMPARE(runJs(*page, QStringLiteral("document.querySelector('fieldset').disabled")), QStringLiteral("true"));
        page->callText(QStringLiteral("qrn_loadParams"), {QString()});
        QCOMPARE(runJs(*page, QStringLiteral("document.querySelector('fieldset').disabled")), QStringLiteral("false"));
        clickButton(*page, QStringLiteral("menuItemTextColor"));
        QTRY_COMPARE(status.count(), 1);
        // An unset colour asks with the menu's value, and a cancelled
        // dialog's answer leaves the style without an override.
        QCOMPARE(status.at(0).at(0).toString(), QStringLiteral("@color:#1f2d3d"));
        page->callText(QStringLiteral("qrn_setValue"), {QStringLiteral("#1f2d3d")});
        QCOMPARE(page->callText(QStringLiteral("qrn_getStylesArray"), {QString()}), QStringLiteral("[\"inherit=all\"]"));
        clickButton(*page, QStringLiteral("menuItemTextColor"));
        QTRY_COMPARE(status.count(), 2);
        page->callText(QStringLiteral("qrn_setValue"), {QStringLiteral("#FF0000")});
        QCOMPARE(page->callText(QStringLiteral("qrn_getStylesArray"), {QString()}),
                 QStringLiteral("[\"menuItemTextColor=#FF0000\"]"));
        QTRY_COMPARE(status.count(), 3);
        QCOMPARE(status.at(2).at(0).toString(), QStringLiteral("@modified:menuItemTextColor"));
        // The last button of a row clears its override.
        runJs(*page, QStringLiteral("document.querySelector(%1).click(),''")
                         .arg(js(rowSelector(QStringLiteral("menuItemTextColor")) + QStringLiteral(" button.clear"))));
        QTRY_COMPARE(status.count(), 4);
        QCOMPARE(status.at(3).at(0).toString(), QStringLiteral("@modified:menuItemTextColor"));
        page->callText(QStringLiteral("qrn_resetParams"), {kOmitted});
        QCOMPARE(runJs(*page, QStringLiteral("document.querySelector('fieldset').disabled")), QStringLiteral("true"));
        QCOMPARE(page->callText(QStringLiteral("qrn_getStylesArray"), {QString()}), QStringLiteral("[\"inherit=all\"]"));
    }
};

PLIVEX_TEST_MAIN(PagesContractTest)
#include "pages_contract_test.moc"
