// The menu type table is kept twice: in the program and in each type's
// schema.js, which the pages, the help and the default projects are built
// from. The two must agree.

#include "project/model/menutypes.h"
#include "support/testmain.h"
#include "support/webharness.h"

#include <QDir>
#include <QFileInfo>

class MenuTypesTest : public QObject
{
    Q_OBJECT

private slots:
    void table_agreesWithEveryTypesSchema()
    {
        for (int i = 0; i < kMenuTypeCount; ++i) {
            const MenuType &ours = menuTypes().at(size_t(i));
            auto params = harness::openPage(harness::runtimeDir() + pagePath(i, QStringLiteral("params.html")));
            const QString theirs = params->callText(
                QStringLiteral("eval"),
                {QStringLiteral("(function(t){return [t.index,t.id,t.name,t.names.items,t.names.init,t.names.styles,"
                                "t.names.submenuStyles,t.maxLevels,t.prefix+'Type'].join('|')})(Plivex.types['%1'])")
                     .arg(ours.folder)});
            const QString expected = QStringList{QString::number(i), ours.folder, ours.name, ours.itemArrayName,
                                                 ours.initFunctionName, ours.styleArrayName,
                                                 ours.submenuStyleArrayName, QString::number(ours.maxLevels),
                                                 ours.typeVariableName}
                                         .join(QLatin1Char('|'));
            QCOMPARE(theirs, expected);
            QCOMPARE(ours.hasSubmenuStyles, !ours.submenuStyleArrayName.isEmpty());
            // The item fields that hold style numbers, by kind.
            const QString refs = params->callText(
                QStringLiteral("eval"),
                {QStringLiteral("(function(f){return [0,1].map(function(k){for(var i=0;i<f.length;i++)"
                                "if(f[i].kind==='style'&&f[i].styleKind===k)return i;return -1}).join('|')})"
                                "(Plivex.types['%1'].itemFields)")
                     .arg(ours.folder)});
            QCOMPARE(refs, QStringLiteral("%1|%2").arg(ours.styleRefParam[0]).arg(ours.styleRefParam[1]));
            const QString state = params->callText(
                QStringLiteral("eval"),
                {QStringLiteral("Plivex.types['%1'].itemFields.map(function(f){return f.key}).indexOf('state')")
                     .arg(ours.folder)});
            QCOMPARE(state, QString::number(ours.stateParam));
            const QString contentId = params->callText(
                QStringLiteral("eval"),
                {QStringLiteral("Plivex.types['%1'].itemFields.map(function(f){return f.key}).indexOf('contentId')")
                     .arg(ours.folder)});
            QCOMPARE(contentId, QString::number(ours.contentIdParam));
            QCOMPARE(QFileInfo::exists(harness::runtimeDir() + pagePath(i, QStringLiteral("smstyles.html"))),
                     ours.hasSubmenuStyles);
        }
    }

    void engineFiles_areTheEnginesTheBuildMakes()
    {
        QStringList ours;
        for (const MenuType &type : menuTypes())
            ours << type.engineFiles;
        ours.removeDuplicates();
        ours.sort();
        QCOMPARE(QDir(harness::runtimeDir()).entryList({QStringLiteral("qrn*.js")}, QDir::Files, QDir::Name), ours);
    }

    void menuTypeFromText_numbersAndFolders()
    {
        QCOMPARE(menuTypeFromText(QStringLiteral("3")), 3);
        QCOMPARE(menuTypeFromText(QStringLiteral("tree-menu")), 1);
        QCOMPARE(menuTypeFromText(QStringLiteral("4")), -1);
        QCOMPARE(menuTypeFromText(QStringLiteral("Tabs")), -1);
    }
};

PLIVEX_TEST_MAIN(MenuTypesTest)
#include "menutypes_test.moc"
