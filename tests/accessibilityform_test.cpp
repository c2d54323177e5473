// The accessibility list of the window: what it finds in the project being
// edited, how it follows the edits, and where a finding leads.

#include "controls/newspd.h"
#include "editors/accessibilityform.h"
#include "pages_common.h"
#include "preview/menuaudit.h"
#include "project/datafile/dataopen.h"
#include "project/datafile/datasave.h"
#include "project/model/project.h"
#include "support/testfiles.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>

namespace {

struct Editor
{
    Project project;
    std::unique_ptr<WebPage> params = pagestest::openTypePage(pagestest::pageTypes().at(0), QStringLiteral("params.html"));
    std::unique_ptr<WebPage> itemParams =
        pagestest::openTypePage(pagestest::pageTypes().at(0), QStringLiteral("itemparams.html"));
    QList<int> selected;
    QStringList focused;
    // The audit the window runs: the real one unless a test answers itself.
    std::function<void(AuditDone)> audit;
    int audits = 0;
    RunAudit realAudit = projectAuditRunner(&project, harness::gate(), project, [this] { return BuildDataText(project, *params, *itemParams); });
    TfrmAccessibility form{harness::gate(), project, *params, [this](int n) { selected << n; },
                           [this](const QString &name) { focused << name; }, [this](AuditDone done) {
                               ++audits;
                               (audit ? audit : realAudit)(std::move(done));
                           }};

    // The default Ostrel Menu with `changes` (from, to, ...) made to its text.
    bool open(const QByteArrayList &changes)
    {
        QByteArray text = readTestFile(harness::runtimeDir() + QStringLiteral("default_scripts/ostrel-menu/default.js"));
        for (qsizetype i = 0; i + 1 < changes.size(); i += 2) {
            if (!text.contains(changes.at(i)))
                return false;
            text.replace(changes.at(i), changes.at(i + 1));
        }
        const QString path = dir.filePath(QStringLiteral("menu.js"));
        project.ProgramFolder = harness::runtimeDir();
        return writeTestFile(path, text) && ReadDataFile(project, *params, *itemParams, path);
    }
    QStringList entries() const
    {
        QStringList out;
        for (int i = 0; i < form.lbFindings->count(); ++i)
            out << form.lbFindings->item(i)->text();
        return out;
    }

    QTemporaryDir dir;
};

} // namespace

class AccessibilityFormTest : public QObject
{
    Q_OBJECT

private slots:
    // The window renders the menu being edited and audits it as --audit
    // does; a finding on an item leads to it.
    void audit_ofTheEditedMenu_listsAFindingThatLeadsToItsItem()
    {
        Editor e;
        QVERIFY(e.open({"\"menuItemBackColor=#B5500F\"", "\"menuItemBackColor=#FFFF00\""}));
        e.form.refresh();
        QCOMPARE(e.form.lbFindings->count(), 1); // the bar's white on yellow, measured live
        e.form.runAudit();
        QVERIFY2(e.form.auditRunning(), qPrintable(e.form.lblAudit->text()));
        QVERIFY(harness::waitUntil([&] { return !e.form.auditRunning(); }, 120000));
        QVERIFY2(e.form.lblAudit->text().contains(QStringLiteral("found 1 problem")), qPrintable(e.form.lblAudit->text()));
        const QStringList entries = e.entries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(1), QStringLiteral("Audit: color-contrast: item 17 \"Shop\": #FFFFFF on #FFFF00, contrast 1.07:1, needs 4.5:1"));
        emit e.form.lbFindings->itemActivated(e.form.lbFindings->item(1));
        QCOMPARE(e.selected, QList<int>{17});
    }

    // Opening the window audits once; typing does not, "Run Again" does,
    // and a failed audit says so without losing the live findings.
    void audit_runsOnOpeningAndOnRequest_notOnEdits()
    {
        Editor e;
        QVERIFY(e.open({}));
        QList<AuditReport> answers{{QString(), {{QStringLiteral("region"), -1, QStringLiteral("nav"), QStringLiteral("outside")}}},
                                   {QStringLiteral("it did not finish in time"), {}}};
        e.audit = [&](AuditDone done) { done(answers.takeFirst()); };
        e.form.show();
        QVERIFY(harness::waitUntil([&] { return e.audits == 1; }));
        QCOMPARE(e.entries(), QStringList{QStringLiteral("Audit: region: nav: outside")});
        // A finding on no item leads nowhere.
        emit e.form.lbFindings->itemActivated(e.form.lbFindings->item(0));
        QVERIFY(e.selected.isEmpty() && e.focused.isEmpty());

        e.params->callText(QStringLiteral("eval"), {QStringLiteral("Plivex.page.byName.menuItemTextColor.set('banana'),''")});
        e.project.MarkModified();
        QVERIFY(harness::waitUntil([&] { return e.entries().size() == 2; }, 5000));
        QCOMPARE(e.audits, 1);

        QTest::mouseClick(e.form.spdRunAudit, Qt::LeftButton);
        QCOMPARE(e.audits, 2);
        QVERIFY2(e.form.lblAudit->text().contains(QStringLiteral("audit of the rendered menu stopped: it did not finish in time")),
                 qPrintable(e.form.lblAudit->text()));
        QCOMPARE(e.entries().size(), 1);
        QVERIFY(e.entries().at(0).startsWith(QStringLiteral("Value: menuItemTextColor")));

        // The window closes from its own button, and opening it again audits again.
        QTest::mouseClick(e.form.spdClose, Qt::LeftButton);
        QVERIFY(!e.form.isVisible());
        answers << AuditReport{};
        e.form.show();
        QVERIFY(harness::waitUntil([&] { return e.audits == 3; }));
        e.form.hide();
    }

    void defaultProject_hasNoFindings()
    {
        Editor e;
        QVERIFY(e.open({}));
        e.form.refresh();
        QCOMPARE(e.entries(), QStringList());
        QVERIFY(e.form.lblSummary->text().startsWith(QStringLiteral("No value or contrast findings")));
    }

    void findings_leadToTheirItemOrParameter()
    {
        Editor e;
        QVERIFY(e.open({"var menuItemTextColor=\"#1F2D3D\";", "var menuItemTextColor=\"banana\";",
                        "\"menuItemHoverBackColor=#8F3F0C\"", "\"menuItemHoverBackColor=#FFCC99\""}));
        e.form.refresh();
        const QStringList entries = e.entries();
        QCOMPARE(entries.size(), 2);
        QVERIFY2(entries.at(0).startsWith(QStringLiteral("Value: menuItemTextColor = \"banana\": not a colour")), qPrintable(entries.at(0)));
        QVERIFY2(entries.at(1).startsWith(QStringLiteral("Contrast: item style 0 \"Call to action\" of item 17 \"Shop\": "
                                                         "menuItemHoverTextColor (Items under the mouse): #FFFFFF on #FFCC99")),
                 qPrintable(entries.at(1)));

        emit e.form.lbFindings->itemActivated(e.form.lbFindings->item(0));
        QCOMPARE(e.focused, QStringList{QStringLiteral("menuItemTextColor")});
        emit e.form.lbFindings->itemActivated(e.form.lbFindings->item(1));
        QCOMPARE(e.selected, QList<int>{17});
    }

    // A change of the project measures again while the list is shown.
    void list_followsTheEdits()
    {
        Editor e;
        QVERIFY(e.open({}));
        e.audit = [](AuditDone done) { done({}); };
        e.form.show();
        QCOMPARE(e.entries(), QStringList());
        e.params->callText(QStringLiteral("eval"), {QStringLiteral("Plivex.page.byName.menuItemCurrentTextColor.set('#D0D8E0'),''")});
        e.project.MarkModified();
        // On the bar and in the submenus.
        QVERIFY(harness::waitUntil([&] { return e.entries().size() == 2; }, 5000));
        QVERIFY2(e.entries().at(0).contains(QStringLiteral("parameter: menuItemCurrentTextColor (Current page item): #D0D8E0 on #DCE8F7")),
                 qPrintable(e.entries().at(0)));
        e.form.hide();
    }
};

PLIVEX_TEST_MAIN(AccessibilityFormTest)
#include "accessibilityform_test.moc"
