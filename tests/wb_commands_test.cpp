#include "editors/itemparamsform.h"
#include "editors/pagecommandchannel.h"
#include "editors/wb_commands.h"
#include "project/model/itemedits.h"
#include "project/model/project.h"
#include "support/fakepage.h"
#include "support/scripteddialogs.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QItemSelectionModel>
#include <QSignalSpy>

namespace {

// A dialog seam that runs a step of the test while a colour dialog is open.
class DialogsWithHook : public ScriptedDialogs
{
public:
    std::function<void()> whileColorDialogOpen;
    std::optional<QColor> chooseColor(const QColor &initial) override
    {
        if (whileColorDialogOpen)
            whileColorDialogOpen();
        return ScriptedDialogs::chooseColor(initial);
    }
};

// A project, a page that answers "qrn_setValue", and the channel aimed at them.
struct Channel
{
    Channel()
    {
        project.linkFolders.choose({}, QStringLiteral("/site/"));
        page.completeLoad();
        page.setAnswer(QStringLiteral("qrn_setValue"), QString());
        channel.setProjectCommandRunner([this](const QString &name) { projectCommands << name; });
    }

    // What the page was answered, in order.
    QStringList answers() const
    {
        QStringList out;
        for (const FakePage::Call &c : page.callsTo(QStringLiteral("qrn_setValue")))
            out << std::get<QString>(c.args.value(0));
        return out;
    }

    DialogsWithHook dialogs;
    Project project;
    PageCommandChannel channel{project};
    FakePage page;
    QStringList projectCommands;
    QString slot = QStringLiteral("untouched");
};

QModelIndex addItem(Project &project, const QString &text)
{
    TItem record;
    record.Params[0] = text;
    return project.items().append({}, record);
}

// The item parameters window over a substitute page that answers field
// values with "New", wired to the channel with a selection of the items.
struct ItemChannel : Channel
{
    ItemChannel()
    {
        itemPage.completeLoad();
        itemPage.setAnswer(QStringLiteral("qrn_setValue"), QString());
        itemPage.setAnswer(QStringLiteral("qrn_getItemParam"), QStringLiteral("New"));
        window.wbItemParams = &itemPage;
    }
    void select(const QModelIndex &item) { selection.select(item, QItemSelectionModel::Select | QItemSelectionModel::Rows); }

    QItemSelectionModel selection{&project.items()};
    ItemEdits edits{project, selection};
    TfrmItemParams window{harness::gate(), project, channel, edits};
    FakePage itemPage;
};

} // namespace

class WbCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void splitPageCommand_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("colour") << "@color:#ff0000" << "color" << "#ff0000";
        QTest::newRow("empty value") << "@modified:" << "modified" << "";
        QTest::newRow("further colons belong to the value") << "@url:http://x/a:b" << "url" << "http://x/a:b";
        QTest::newRow("an @ in the value is kept") << "@url:mailto:info@example.com" << "url"
                                                   << "mailto:info@example.com";
        QTest::newRow("only the leading @ marks the command") << "@@url:file@name.htm" << "@url" << "file@name.htm";
        QTest::newRow("no colon: no name, no value") << "@colorff0000" << "" << "";
        QTest::newRow("only the marker") << "@" << "" << "";
        QTest::newRow("names keep their case") << "@Color:x" << "Color" << "x";
    }
    void splitPageCommand()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(QString, value);
        const PageCommand c = SplitPageCommand(text);
        QCOMPARE(c.name, name);
        QCOMPARE(c.value, value);
    }

    void isPageCommand_needsMarkerAndDocument()
    {
        FakePage page;
        QVERIFY(!IsPageCommand(&page, QStringLiteral("@modified:")));
        page.completeLoad();
        QVERIFY(IsPageCommand(&page, QStringLiteral("@modified:")));
        QVERIFY(IsPageCommand(&page, QStringLiteral("@")));
        QVERIFY(!IsPageCommand(&page, QString()));
        QVERIFY(!IsPageCommand(&page, QStringLiteral("Done")));
        QVERIFY(!IsPageCommand(&page, QStringLiteral(" @color:#000000")));
        QVERIFY(!IsPageCommand(nullptr, QStringLiteral("@modified:")));
    }

    void hexToColor_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::newRow("red") << "ff0000" << QColor(255, 0, 0);
        QTest::newRow("order red green blue") << "123456" << QColor(0x12, 0x34, 0x56);
        QTest::newRow("first six of seven") << "1234567" << QColor(0x12, 0x34, 0x56);
        QTest::newRow("short: zeros in front, no shorthand") << "abc" << QColor(0x00, 0x0a, 0xbc);
        QTest::newRow("empty: black") << "" << QColor(0, 0, 0);
        QTest::newRow("not hexadecimal counts 0") << "zz80z1" << QColor(0, 0x80, 0x01);
        QTest::newRow("lower and upper case") << "aBcDeF" << QColor(0xab, 0xcd, 0xef);
    }
    void hexToColor()
    {
        QFETCH(QString, text);
        QFETCH(QColor, color);
        QCOMPARE(HexToColor(text), color);
    }

    void colorToHex_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("hex");
        QTest::newRow("red") << QColor(255, 0, 0) << "FF0000";
        QTest::newRow("blue") << QColor(0, 0, 255) << "0000FF";
        QTest::newRow("two digits each, upper case") << QColor(1, 0xab, 0x0c) << "01AB0C";
        QTest::newRow("white") << QColor(Qt::white) << "FFFFFF";
    }
    void colorToHex()
    {
        QFETCH(QColor, color);
        QFETCH(QString, hex);
        QCOMPARE(ColorToHex(color), hex);
        QCOMPARE(HexToColor(hex), color);
    }

    void color_confirmedOrCancelled_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QColor>("opensAt");
        QTest::addColumn<QString>("answer");
        QTest::newRow("same colour, other case counts as changed")
            << "@color:#ff0000" << true << QColor(255, 0, 0) << "#FF0000";
        QTest::newRow("cancelled answers the value as sent") << "@color:#ff0000" << false << QColor(255, 0, 0)
                                                             << "#ff0000";
        QTest::newRow("seven digits use the first six") << "@color:#1234567" << false << QColor(0x12, 0x34, 0x56)
                                                        << "#1234567";
        QTest::newRow("empty opens at black") << "@color:" << false << QColor(0, 0, 0) << "";
        QTest::newRow("white picked for an empty field") << "@color:" << true << QColor(0, 0, 0) << "#FFFFFF";
    }
    void color_confirmedOrCancelled()
    {
        QFETCH(QString, text);
        QFETCH(bool, confirm);
        QFETCH(QColor, opensAt);
        QFETCH(QString, answer);
        Channel ch;
        const QColor picked = answer == QLatin1String("#FFFFFF") ? QColor(Qt::white) : opensAt;
        ch.dialogs.colors.enqueue(confirm ? std::optional<QColor>(picked) : std::nullopt);
        const bool changed = ch.channel.dispatch(&ch.page, text, ch.slot);
        QCOMPARE(ch.dialogs.colorRequests, QList<QColor>{opensAt});
        QCOMPARE(ch.answers(), QStringList{answer});
        QCOMPARE(ch.slot, answer);
        QCOMPARE(changed, confirm);
        // The page reports the value it takes as a change of its own.
        QVERIFY(!ch.project.Modified());
        QCOMPARE(ch.page.statusesSet, QStringList{QString()});
        QVERIFY(ch.channel.idle());
    }

    void pickFile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("filter");
        const QString images = QStringLiteral("GIF, JPEG Files (*.gif;*.jpg;*.jpeg)|*.gif;*.jpg;*.jpeg|"
                                              "PNG Files (*.png)|*.png|All Files (*.*)|*.*");
        const QString pages = QStringLiteral("HTML Files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*");
        QTest::newRow("image inside the project") << "@image:old.gif" << "/site/images/a.gif" << "images/a.gif"
                                                  << images;
        QTest::newRow("image outside goes up") << "@image:" << "/pics/a.gif" << "../pics/a.gif" << images;
        QTest::newRow("folder name inside another path")
            << "@image:" << "/backup/site/a.gif" << "../backup/site/a.gif" << images;
        QTest::newRow("cancelled keeps an @ of the value") << "@url:mailto:info@example.com" << ""
                                                           << "mailto:info@example.com" << pages;
        QTest::newRow("link") << "@url:" << "/site/about us.html" << "about us.html" << pages;
        QTest::newRow("folder case matters") << "@url:" << "/Site/a.html" << "../Site/a.html" << pages;
    }
    void pickFile()
    {
        QFETCH(QString, text);
        QFETCH(QString, picked);
        QFETCH(QString, answer);
        QFETCH(QString, filter);
        Channel ch;
        ch.dialogs.files.enqueue(picked);
        const bool changed = ch.channel.dispatch(&ch.page, text, ch.slot);
        QCOMPARE(ch.dialogs.fileRequests.size(), 1);
        QCOMPARE(ch.dialogs.fileRequests.at(0).title, QStringLiteral("Select file..."));
        QCOMPARE(ch.dialogs.fileRequests.at(0).filter, filter);
        QCOMPARE(ch.answers(), QStringList{answer});
        QCOMPARE(changed, answer != SplitPageCommand(text).value);
        QVERIFY(!ch.project.Modified());
    }

    void pickFile_relativeToTheDataFilesFolder_orFullWithoutOne()
    {
        Channel ch;
        ch.project.CurrentFileName = QStringLiteral("/site/menu/data.js");
        ch.dialogs.files.enqueue(QStringLiteral("/site/img/a.gif"));
        ch.channel.dispatch(&ch.page, QStringLiteral("@image:"), ch.slot);
        QCOMPARE(ch.dialogs.fileRequests.at(0).startPath, QStringLiteral("/site/menu/"));

        Channel untitled;
        untitled.project.linkFolders.setEntries({});
        untitled.dialogs.files.enqueue(QStringLiteral("/site/img/a.gif"));
        untitled.channel.dispatch(&untitled.page, QStringLiteral("@image:"), untitled.slot);
        // No folder to be relative to yet: saving will warn about it.
        QCOMPARE(untitled.dialogs.fileRequests.at(0).startPath, QString());
        QCOMPARE(ch.answers() + untitled.answers(),
                 (QStringList{QStringLiteral("../img/a.gif"), QStringLiteral("/site/img/a.gif")}));
    }

    void pickFile_opensAtTheFilePickedLast()
    {
        Channel ch;
        ch.dialogs.files << QStringLiteral("/site/img/a.gif") << QString() << QStringLiteral("/site/b.html");
        ch.channel.dispatch(&ch.page, QStringLiteral("@image:"), ch.slot);
        ch.channel.dispatch(&ch.page, QStringLiteral("@image:"), ch.slot);
        ch.channel.dispatch(&ch.page, QStringLiteral("@url:"), ch.slot);
        QCOMPARE(ch.dialogs.fileRequests.size(), 3);
        QCOMPARE(ch.dialogs.fileRequests.at(0).startPath, QStringLiteral("/site/"));
        QCOMPARE(ch.dialogs.fileRequests.at(1).startPath, QStringLiteral("/site/img/a.gif"));
        // A cancelled picker leaves it where it was.
        QCOMPARE(ch.dialogs.fileRequests.at(2).startPath, QStringLiteral("/site/img/a.gif"));
    }

    void modified_answersAndMarks()
    {
        Channel ch;
        QSignalSpy marked(&ch.project, &Project::marked);
        QVERIFY(ch.channel.dispatch(&ch.page, QStringLiteral("@modified:"), ch.slot));
        QCOMPARE(ch.answers(), QStringList{QStringLiteral("@modified")});
        QCOMPARE(marked.count(), 1);
        QVERIFY(ch.project.Modified());
        QVERIFY(ch.dialogs.asked.isEmpty());
    }

    void showHint_showsTextAndAnswersNothing()
    {
        Channel ch;
        QVERIFY(!ch.channel.dispatch(&ch.page, QStringLiteral("@showHint:Hello: world"), ch.slot));
        QCOMPARE(ch.dialogs.textsOf(QStringLiteral("message")), QStringList{QStringLiteral("Hello: world")});
        QVERIFY(ch.answers().isEmpty());
        QCOMPARE(ch.slot, QStringLiteral("untouched"));
        QVERIFY(!ch.project.Modified());
        QVERIFY(ch.channel.idle());
    }

    void command_runsKnownProjectCommandsOnly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("runs");
        for (const char *n : {"newProject", "openProject", "saveProject", "saveProjectAs", "undo", "redo", "menuType", "help"})
            QTest::newRow(n) << n << true;
        QTest::newRow("unknown") << "format" << false;
        QTest::newRow("other case") << "SaveProject" << false;
        QTest::newRow("empty") << "" << false;
    }
    void command_runsKnownProjectCommandsOnly()
    {
        QFETCH(QString, name);
        QFETCH(bool, runs);
        Channel ch;
        bool idleWhileRunning = false;
        ch.channel.setProjectCommandRunner([&](const QString &n) {
            idleWhileRunning = ch.channel.idle();
            ch.projectCommands << n;
        });
        QVERIFY(!ch.channel.dispatch(&ch.page, QStringLiteral("@command:") + name, ch.slot));
        QCOMPARE(ch.projectCommands, runs ? QStringList{name} : QStringList());
        // The windows a project command opens may send commands of their own.
        QCOMPARE(idleWhileRunning, runs);
        QVERIFY(ch.answers().isEmpty());
        QVERIFY(ch.dialogs.asked.isEmpty());
    }

    void unsupported_reportsNameAndAnswersValueAsSent_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reported");
        QTest::addColumn<QString>("answer");
        QTest::newRow("unknown name") << "@bogus:value" << "bogus" << "value";
        QTest::newRow("no colon") << "@bogus" << "" << "";
        QTest::newRow("names keep their case") << "@Modified:" << "Modified" << "";
    }
    void unsupported_reportsNameAndAnswersValueAsSent()
    {
        QFETCH(QString, text);
        QFETCH(QString, reported);
        QFETCH(QString, answer);
        Channel ch;
        QVERIFY(!ch.channel.dispatch(&ch.page, text, ch.slot));
        QCOMPARE(ch.dialogs.textsOf(QStringLiteral("error")),
                 QStringList{QStringLiteral("The command isn't supported:\r") + reported});
        QCOMPARE(ch.answers(), QStringList{answer});
        QVERIFY(!ch.project.Modified());
    }

    void channelBusy_dropsStatusTextsUntilTheCommandEnds()
    {
        ItemChannel ch;
        bool idleInDialog = true;
        ch.dialogs.whileColorDialogOpen = [&] {
            idleInDialog = ch.channel.idle();
            // A swatch of the item page clicked while the dialog is open.
            ch.window.wbItemParamsStatusTextChange(QStringLiteral("@color:#00ff00"));
        };
        ch.channel.dispatch(&ch.page, QStringLiteral("@color:#ff0000"), ch.slot);
        QVERIFY(!idleInDialog);
        QCOMPARE(ch.dialogs.colorRequests.size(), 1);
        QVERIFY(ch.itemPage.calls.isEmpty());
        QVERIFY(ch.channel.idle());

        // Once idle, the same text is handled.
        ch.dialogs.whileColorDialogOpen = nullptr;
        ch.window.wbItemParamsStatusTextChange(QStringLiteral("@color:#00ff00"));
        QCOMPARE(ch.dialogs.colorRequests.size(), 2);
        QCOMPARE(ch.itemPage.callsTo(QStringLiteral("qrn_setValue")).size(), 1);
        QCOMPARE(ch.window.CommandSlot, QStringLiteral("#00ff00"));
    }

    void registeredHandler_answersItsValueUntilRemoved()
    {
        Channel ch;
        QStringList seen;
        ch.channel.addHandler(QStringLiteral("font"), [&](PageCommandCall &call) {
            seen << call.name + QLatin1Char('=') + call.value;
            QVERIFY(!ch.channel.idle());
            call.value = QStringLiteral("bold 9px serif");
        });
        QVERIFY(ch.channel.dispatch(&ch.page, QStringLiteral("@font:normal 8px Arial"), ch.slot));
        QCOMPARE(seen, QStringList{QStringLiteral("font=normal 8px Arial")});
        QCOMPARE(ch.answers(), QStringList{QStringLiteral("bold 9px serif")});
        QCOMPARE(ch.channel.currentValue(), QStringLiteral("bold 9px serif"));

        ch.channel.removeHandler(QStringLiteral("font"));
        QVERIFY(!ch.channel.dispatch(&ch.page, QStringLiteral("@font:x"), ch.slot));
        QCOMPARE(seen.size(), 1);
        QCOMPARE(ch.dialogs.textsOf(QStringLiteral("error")),
                 QStringList{QStringLiteral("The command isn't supported:\rfont")});
    }

    void prefixHandler_takesNamesWithoutAHandlerOfTheirOwn()
    {
        Channel ch;
        QStringList byPrefix, byName;
        ch.channel.addPrefixHandler(QStringLiteral("item"), [&](PageCommandCall &call) { byPrefix << call.name; });
        ch.channel.addHandler(QStringLiteral("itemX"), [&](PageCommandCall &call) { byName << call.name; });
        for (const char *text : {"@item3:a", "@itemX:b", "@item:c", "@Item3:d"})
            ch.channel.statusTextChanged(&ch.page, QString::fromLatin1(text), ch.slot);
        QCOMPARE(byPrefix, (QStringList{QStringLiteral("item3"), QStringLiteral("item")}));
        QCOMPARE(byName, QStringList{QStringLiteral("itemX")});
        // Names keep their case: "Item3" is no item command.
        QCOMPARE(ch.dialogs.textsOf(QStringLiteral("error")),
                 QStringList{QStringLiteral("The command isn't supported:\rItem3")});
    }

    void handlerThatThrows_leavesChannelIdle()
    {
        Channel ch;
        ch.channel.addHandler(QStringLiteral("boom"),
                              [](PageCommandCall &) { throw PageError(QStringLiteral("qrn_boom"), QStringLiteral("test"), QStringLiteral("The page went away.")); });
        QVERIFY_THROWS_EXCEPTION(PageError, ch.channel.dispatch(&ch.page, QStringLiteral("@boom:"), ch.slot));
        QVERIFY(ch.channel.idle());
        QVERIFY(ch.channel.statusTextChanged(&ch.page, QStringLiteral("@modified:"), ch.slot));
    }

    void failingAnswer_leavesChannelIdle()
    {
        Channel ch;
        ch.page.setFailure(QStringLiteral("qrn_setValue"), QStringLiteral("The page has no function qrn_setValue."));
        QVERIFY_THROWS_EXCEPTION(PageError, ch.channel.dispatch(&ch.page, QStringLiteral("@modified:"), ch.slot));
        QVERIFY(ch.channel.idle());
    }

    void itemCommand_writesEverySelectedItem_data()
    {
        QTest::addColumn<int>("field");
        for (int n : {0, 3, 10})
            QTest::addRow("item%d", n) << n;
    }
    void itemCommand_writesEverySelectedItem()
    {
        QFETCH(int, field);
        ItemChannel ch;

        const QModelIndex a = addItem(ch.project, QStringLiteral("A"));
        const QModelIndex b = addItem(ch.project, QStringLiteral("B"));
        TItem sub;
        sub.Params[0] = QStringLiteral("Sub");
        const QModelIndex c = ch.project.items().append(b, sub);
        const QModelIndex d = addItem(ch.project, QStringLiteral("D"));
        for (const QModelIndex &i : {a, c, d})
            ch.select(i);
        QSignalSpy repainted(&ch.project.items(), &QAbstractItemModel::dataChanged);
        QSignalSpy marked(&ch.project, &Project::marked);

        ch.window.wbItemParamsStatusTextChange(QStringLiteral("@item%1:").arg(field));

        QCOMPARE(ch.itemPage.callsTo(QStringLiteral("qrn_getItemParam")).size(), 1);
        QCOMPARE(ch.itemPage.callsTo(QStringLiteral("qrn_getItemParam")).at(0).args, PageArgs{field});
        const auto n = static_cast<size_t>(field);
        for (const QModelIndex &i : {a, c, d})
            QCOMPARE(ch.project.items().record(i)->Params[n], QStringLiteral("New"));
        QCOMPARE(ch.project.items().record(b)->Params[n], field == 0 ? QStringLiteral("B") : QString());
        QCOMPARE(repainted.count(), field == 0 ? 3 : 0);
        if (field == 0)
            QCOMPARE(ch.project.items().data(d).toString(), QStringLiteral("New"));
        QCOMPARE(marked.count(), 1);
        // Answered with the value as sent.
        QCOMPARE(ch.itemPage.callsTo(QStringLiteral("qrn_setValue")).size(), 1);
        QCOMPARE(ch.itemPage.callsTo(QStringLiteral("qrn_setValue")).at(0).args, PageArgs{QString()});
    }

    // A page that still shows an item no longer selected (a late report) is
    // shown no item again: nothing is marked changed that did not change.
    void itemCommand_noSelection_changesNothingAndEmptiesThePage()
    {
        ItemChannel ch;
        ch.itemPage.setAnswer(QStringLiteral("qrn_setItemParams"), QString());
        ch.edits.setItemParamsPage(&ch.itemPage);
        const QModelIndex a = addItem(ch.project, QStringLiteral("A"));
        QSignalSpy marked(&ch.project, &Project::marked);
        ch.window.wbItemParamsStatusTextChange(QStringLiteral("@item0:"));
        QCOMPARE(ch.project.items().record(a)->Params[0], QStringLiteral("A"));
        QCOMPARE(marked.count(), 0);
        QVERIFY(!ch.project.Modified());
        const auto shown = ch.itemPage.callsTo(QStringLiteral("qrn_setItemParams"));
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown.last().args, PageArgs(TItem::kParamCount, kOmitted));
    }

    // The same value again (the page showed the item anew) is no change.
    void itemCommand_sameValue_marksNothing()
    {
        ItemChannel ch;
        const QModelIndex a = addItem(ch.project, QStringLiteral("A"));
        ch.select(a);
        QSignalSpy marked(&ch.project, &Project::marked);
        ch.itemPage.setAnswer(QStringLiteral("qrn_getItemParam"), QStringLiteral("A"));
        ch.window.wbItemParamsStatusTextChange(QStringLiteral("@item0:"));
        QCOMPARE(marked.count(), 0);
        QVERIFY(!ch.project.Modified());
    }

    void itemCommand_badFieldNumber_isRefusedAndChannelGoesOn_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *n : {"item", "item11", "item-1", "itemx", "item 3", "item+3", "item3x", "item99999999999"})
            QTest::newRow(n) << n;
    }
    void itemCommand_badFieldNumber_isRefusedAndChannelGoesOn()
    {
        QFETCH(QString, name);
        ItemChannel ch;
        const QModelIndex a = addItem(ch.project, QStringLiteral("A"));
        ch.select(a);

        ch.window.wbItemParamsStatusTextChange(QLatin1Char('@') + name + QStringLiteral(":v"));

        QCOMPARE(ch.dialogs.textsOf(QStringLiteral("error")),
                 QStringList{QStringLiteral("The command isn't supported:\r") + name});
        QVERIFY(ch.itemPage.callsTo(QStringLiteral("qrn_getItemParam")).isEmpty());
        QCOMPARE(*ch.project.items().record(a), TItem{{QStringLiteral("A")}});
        QCOMPARE(ch.itemPage.callsTo(QStringLiteral("qrn_setValue")).at(0).args, PageArgs{QStringLiteral("v")});
        QVERIFY(ch.channel.idle());

        // The next command is handled.
        ch.window.wbItemParamsStatusTextChange(QStringLiteral("@item0:"));
        QCOMPARE(ch.project.items().record(a)->Params[0], QStringLiteral("New"));
    }
};

PLIVEX_TEST_MAIN(WbCommandsTest)
#include "wb_commands_test.moc"
