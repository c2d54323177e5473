// The accessibility list of the window: what it finds in the project being
// edited, how it follows the edits, and where a finding leads.

#include "editors/accessibilityform.h"
#include "pages_common.h"
#include "project/dataopen.h"
#include "project/project.h"
#include "support/testfiles.h"
#include "support/testmain.h"

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
    TfrmAccessibility form{project, *params, [this](int n) { selected << n; },
                           [this](const QString &name) { focused << name; }};

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
    void defaultProject_hasNoFindings()
    {
        Editor e;
        QVERIFY(e.open({}));
        e.form.refresh();
        QCOMPARE(e.entries(), QStringList());
        QVERIFY(e.form.lblSummary->text().startsWith(QStringLiteral("No findings")));
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
