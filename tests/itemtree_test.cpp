#include "project/model/itemtree.h"
#include "project/model/outline.h"
#include "support/testmain.h"

#include <QAbstractItemModelTester>
#include <QMimeData>

namespace {

TItem named(const QString &text)
{
    TItem t;
    t.Params[0] = text;
    return t;
}

// Builds a tree from an outline: "A\n\tA1\nB" and so on.
void build(ItemTree &tree, const QString &outline)
{
    tree.insertLeveled({}, tree.rowCount(), readOutline(outline));
}

// The tree as an outline, to compare whole shapes at once.
QString shape(const ItemTree &tree)
{
    QList<LeveledItem> all;
    tree.walk([&all](const QModelIndex &, const TItem &item, int level) { all.append({level, item}); });
    return writeOutline(all);
}

QModelIndex find(const ItemTree &tree, const QString &text)
{
    QModelIndex found;
    tree.walk([&](const QModelIndex &i, const TItem &item, int) {
        if (item.Params[0] == text)
            found = i;
    });
    return found;
}

QModelIndexList findAll(const ItemTree &tree, const QStringList &texts)
{
    QModelIndexList out;
    for (const QString &t : texts)
        out << find(tree, t);
    return out;
}

QStringList texts(const QModelIndexList &indexes)
{
    QStringList out;
    for (const QModelIndex &i : indexes)
        out << i.data().toString();
    return out;
}

} // namespace

class ItemTreeTest : public QObject
{
    Q_OBJECT

private slots:
    void recordStream_emptyRecord_is44ZeroBytes()
    {
        QByteArray bytes;
        writeItemRecord(bytes, TItem());
        QCOMPARE(bytes, QByteArray(44, '\0'));
    }

    void recordStream_roundTripsTextsAndRefusesTruncation()
    {
        TItem item;
        item.Params[0] = QStringLiteral("Café \"quoted\"\r\nline");
        item.Params[3] = QStringLiteral("http://example.com/a?b=c");
        item.Params[10] = QStringLiteral("Ж");
        QByteArray bytes;
        writeItemRecord(bytes, item);
        QCOMPARE(bytes.size(), 44 + int(item.Params[0].toUtf8().size() + item.Params[3].size() + 2));

        qsizetype pos = 0;
        TItem back;
        QVERIFY(readItemRecord(bytes, pos, back));
        QCOMPARE(back, item);
        QCOMPARE(pos, bytes.size());

        for (qsizetype cut : {qsizetype(0), qsizetype(3), bytes.size() - 1}) {
            qsizetype p = 0;
            TItem t;
            QVERIFY2(!readItemRecord(bytes.left(cut), p, t), qPrintable(QString::number(cut)));
            QCOMPARE(p, qsizetype(0));
        }
        QByteArray negative(44, '\0');
        negative[0] = '\xff';
        negative[1] = '\xff';
        negative[2] = '\xff';
        negative[3] = '\xff';
        qsizetype p = 0;
        TItem t;
        QVERIFY(!readItemRecord(negative, p, t));
    }

    void model_passesQtsModelChecksThroughEveryKindOfChange()
    {
        ItemTree tree;
        QAbstractItemModelTester tester(&tree, QAbstractItemModelTester::FailureReportingMode::QtTest);
        build(tree, QStringLiteral("A\n\tA1\n\tA2\n\t\tA2x\nB\nC\n\tC1"));
        tree.move(findAll(tree, {"B", "A2"}), find(tree, "C1"), Placement::After);
        tree.copy(findAll(tree, {"A"}), find(tree, "C"), Placement::Into);
        tree.indent(findAll(tree, {"C"}));
        tree.outdent(findAll(tree, {"A1"}));
        tree.moveUp(findAll(tree, {"C"}));
        tree.moveDown(findAll(tree, {"A"}));
        tree.remove(findAll(tree, {"A2x", "C1"}));
        tree.setData(find(tree, "A"), QStringLiteral("Renamed"));
        tree.clear();
        QCOMPARE(tree.count(), 0);
    }

    void display_separatorShownButKeptAsDash()
    {
        ItemTree tree;
        const QModelIndex sep = tree.append({}, named(QStringLiteral("-")));
        QCOMPARE(sep.data(Qt::DisplayRole).toString(), QStringLiteral("<separator>"));
        QCOMPARE(tree.record(sep)->Params[0], QStringLiteral("-"));
        // Committing the shown text unchanged is no edit; the item stays a separator.
        QVERIFY(!tree.setData(sep, QStringLiteral("<separator>")));
        QCOMPARE(tree.record(sep)->Params[0], QStringLiteral("-"));
        QVERIFY(tree.setData(sep, QString()));
        QCOMPARE(tree.record(sep)->Params[0], QString());
    }

    void walk_displayOrderWithLevels_andCountsAllLevels()
    {
        ItemTree tree;
        build(tree, QStringLiteral("A\n\tA1\n\t\tA1a\n\tA2\nB"));
        QCOMPARE(tree.count(), 5);
        QCOMPARE(texts(tree.displayOrder()), QStringList({"A", "A1", "A1a", "A2", "B"}));
        QCOMPARE(tree.level(find(tree, "A1a")), 2);
        QCOMPARE(tree.height(find(tree, "A")), 2);
        QCOMPARE(texts(tree.topMost(findAll(tree, {"B", "A1a", "A", "A2"}))), QStringList({"A", "B"}));
    }

    void drop_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QStringList>("dragged");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("placement");
        QTest::addColumn<QString>("expected");
        const QString start = QStringLiteral("A\nB\nC\nD\n\tD1");
        QTest::newRow("two below an item keep their order")
            << start << QStringList{"A", "B"} << "D" << int(Placement::After) << "C\nD\n\tD1\nA\nB";
        QTest::newRow("two above an item keep their order")
            << start << QStringList{"C", "A"} << "B" << int(Placement::Before) << "A\nC\nB\nD\n\tD1";
        QTest::newRow("two onto an item become its last subitems in order")
            << start << QStringList{"A", "B"} << "D" << int(Placement::Into) << "C\nD\n\tD1\n\tA\n\tB";
        QTest::newRow("parent and its own subitem: the subitem travels inside")
            << start << QStringList{"D1", "D"} << "A" << int(Placement::Before) << "D\n\tD1\nA\nB\nC";
        QTest::newRow("into its own subitem is refused")
            << start << QStringList{"D"} << "D1" << int(Placement::Into) << start;
        QTest::newRow("onto itself is refused")
            << start << QStringList{"B"} << "B" << int(Placement::Into) << start;
        QTest::newRow("a refused step leaves the rest where they are")
            << "A\nD\n\tD1\nE" << QStringList{"D", "E"} << "D1" << int(Placement::After) << "A\nD\n\tD1\nE";
        QTest::newRow("nowhere changes nothing")
            << start << QStringList{"A"} << "C" << int(Placement::Nowhere) << start;
        QTest::newRow("below the item just before it")
            << start << QStringList{"B"} << "A" << int(Placement::After) << start;
    }
    void drop()
    {
        QFETCH(QString, tree);
        QFETCH(QStringList, dragged);
        QFETCH(QString, target);
        QFETCH(int, placement);
        QFETCH(QString, expected);
        ItemTree model;
        build(model, tree);
        const QModelIndexList placed = model.move(findAll(model, dragged), find(model, target), Placement(placement));
        QCOMPARE(shape(model), expected);
        for (const QModelIndex &i : placed)
            QVERIFY(i.isValid());
        QCOMPARE(model.count(), int(tree.count(QLatin1Char('\n')) + 1));
    }

    void copy_carriesEqualRecordsWithSubitems()
    {
        ItemTree tree;
        build(tree, QStringLiteral("A\n\tA1\n\tA2\nB"));
        TItem *original = tree.record(find(tree, "A1"));
        original->Params[4] = QStringLiteral("page.html");
        const QModelIndexList copies = tree.copy(findAll(tree, {"A"}), find(tree, "B"), Placement::Into);
        QCOMPARE(copies.size(), 1);
        QCOMPARE(tree.count(), 7);
        QCOMPARE(shape(tree), QStringLiteral("A\n\tA1\n\tA2\nB\n\tA\n\t\tA1\n\t\tA2"));
        const QModelIndex copiedA1 = tree.index(0, 0, copies.first());
        QCOMPARE(*tree.record(copiedA1), *original);
        QVERIFY(tree.record(copiedA1) != original);
        // A copy into itself copies the item as it was.
        tree.copy(findAll(tree, {"B"}), find(tree, "B"), Placement::Into);
        QCOMPARE(tree.count(), 11);
    }

    void levelLimits_refuseDropsAndIndentsTooDeep()
    {
        ItemTree tree;
        build(tree, QStringLiteral("A\n\tA1\nB"));
        // Two levels at most: B can go into A, but A with its subitem cannot go into B.
        QVERIFY(tree.move(findAll(tree, {"A"}), find(tree, "B"), Placement::Into, 2).isEmpty());
        QCOMPARE(shape(tree), QStringLiteral("A\n\tA1\nB"));
        tree.indent(findAll(tree, {"B"}), 2);
        QCOMPARE(shape(tree), QStringLiteral("A\n\tA1\n\tB"));
        tree.indent(findAll(tree, {"B"}), 2);
        QCOMPARE(shape(tree), QStringLiteral("A\n\tA1\n\tB"));
        QVERIFY(tree.copy(findAll(tree, {"A1"}), find(tree, "B"), Placement::Into, 2).isEmpty());
        QVERIFY(!tree.copy(findAll(tree, {"A1"}), find(tree, "B"), Placement::After, 2).isEmpty());
    }

    void keyboardMoves_data()
    {
        QTest::addColumn<QString>("op");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("expected");
        QTest::newRow("up") << "up" << QStringList{"C"} << "A\nC\nB\nD\n\tD1\n\tD2";
        QTest::newRow("up at the top stays") << "up" << QStringList{"A"} << "A\nB\nC\nD\n\tD1\n\tD2";
        QTest::newRow("up a block behind the top stays")
            << "up" << QStringList{"A", "B", "D"} << "A\nB\nD\n\tD1\n\tD2\nC";
        QTest::newRow("up two apart") << "up" << QStringList{"B", "D"} << "B\nA\nD\n\tD1\n\tD2\nC";
        QTest::newRow("down") << "down" << QStringList{"A"} << "B\nA\nC\nD\n\tD1\n\tD2";
        QTest::newRow("down a block at the end stays")
            << "down" << QStringList{"C", "D"} << "A\nB\nC\nD\n\tD1\n\tD2";
        QTest::newRow("down a subitem stays among its siblings")
            << "down" << QStringList{"D1"} << "A\nB\nC\nD\n\tD2\n\tD1";
        QTest::newRow("indent becomes the last subitem of the previous sibling")
            << "indent" << QStringList{"D"} << "A\nB\nC\n\tD\n\t\tD1\n\t\tD2";
        QTest::newRow("indent two siblings keeps them siblings")
            << "indent" << QStringList{"B", "C"} << "A\n\tB\n\tC\nD\n\tD1\n\tD2";
        QTest::newRow("indent the first item does nothing") << "indent" << QStringList{"A"}
                                                             << "A\nB\nC\nD\n\tD1\n\tD2";
        QTest::newRow("outdent becomes the parent's next sibling")
            << "outdent" << QStringList{"D1"} << "A\nB\nC\nD\n\tD2\nD1";
        QTest::newRow("outdent two keeps their order")
            << "outdent" << QStringList{"D1", "D2"} << "A\nB\nC\nD\nD1\nD2";
        QTest::newRow("outdent a top-level item does nothing")
            << "outdent" << QStringList{"A"} << "A\nB\nC\nD\n\tD1\n\tD2";
    }
    void keyboardMoves()
    {
        QFETCH(QString, op);
        QFETCH(QStringList, selected);
        QFETCH(QString, expected);
        ItemTree tree;
        build(tree, QStringLiteral("A\nB\nC\nD\n\tD1\n\tD2"));
        const QModelIndexList items = findAll(tree, selected);
        QModelIndexList moved;
        if (op == QLatin1String("up"))
            moved = tree.moveUp(items);
        else if (op == QLatin1String("down"))
            moved = tree.moveDown(items);
        else if (op == QLatin1String("indent"))
            moved = tree.indent(items);
        else
            moved = tree.outdent(items);
        QCOMPARE(shape(tree), expected);
        // The answer names the same items where they are now.
        QStringList sortedSelected = selected;
        QStringList movedTexts = texts(moved);
        std::sort(sortedSelected.begin(), sortedSelected.end());
        std::sort(movedTexts.begin(), movedTexts.end());
        QCOMPARE(movedTexts, sortedSelected);
    }

    void remove_countsSubitemsAndSkipsSelectedDescendants()
    {
        ItemTree tree;
        build(tree, QStringLiteral("A\n\tA1\n\tA2\nB\nC\nD"));
        QCOMPARE(tree.remove(findAll(tree, {"A1", "A", "C", "B"})), 5);
        QCOMPARE(shape(tree), QStringLiteral("D"));
        QCOMPARE(tree.count(), 1);
    }

    void outline_read_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // written back with tabs
        QTest::newRow("tabs") << "A\n\tB\n\t\tC\nD" << "A\n\tB\n\t\tC\nD";
        QTest::newRow("two spaces") << "A\n  B\n    C\n  D" << "A\n\tB\n\t\tC\n\tD";
        QTest::newRow("four spaces") << "A\n    B\n        C" << "A\n\tB\n\t\tC";
        QTest::newRow("blank lines and CR LF skipped") << "A\r\n\r\n  \r\n\tB\r\n" << "A\n\tB";
        QTest::newRow("shallowest line is level 0") << "\t\tA\n\t\t\tB\n\tC" << "\tA\n\t\tB\nC";
        QTest::newRow("texts keep inner spaces") << "Our  team\n\tWho we are " << "Our  team\n\tWho we are ";
    }
    void outline_read()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(writeOutline(readOutline(text)), expected);
    }

    void insertLeveled_clampsJumpsAndLimits_inOneUpdate()
    {
        ItemTree tree;
        build(tree, QStringLiteral("X"));
        int inserts = 0;
        connect(&tree, &QAbstractItemModel::rowsInserted, this, [&inserts] { ++inserts; });
        // A jump of three levels lands one below the line before.
        tree.insertLeveled({}, 0, readOutline(QStringLiteral("A\n\t\t\tB\n\tC")));
        QCOMPARE(shape(tree), QStringLiteral("A\n\tB\n\tC\nX"));
        QCOMPARE(inserts, 1);
        // Under X with two levels allowed, everything lands one level down.
        tree.insertLeveled(find(tree, "X"), 0, readOutline(QStringLiteral("P\n\tQ\n\t\tR")), 2);
        QCOMPARE(shape(tree), QStringLiteral("A\n\tB\n\tC\nX\n\tP\n\tQ\n\tR"));
    }

    void mimeData_carriesLevelsAndRecords()
    {
        ItemTree tree;
        build(tree, QStringLiteral("A\n\tA1\nB"));
        tree.record(find(tree, "A1"))->Params[2] = QStringLiteral("_blank");
        std::unique_ptr<QMimeData> mime(tree.mimeData(findAll(tree, {"A", "A1"})));
        const QByteArray bytes = mime->data(ItemTree::kMimeType);
        // Two items: level 0 then level 1, each a level word and a record.
        QCOMPARE(bytes.left(4), QByteArray("\0\0\0\0", 4));
        qsizetype pos = 4;
        TItem first;
        QVERIFY(readItemRecord(bytes, pos, first));
        QCOMPARE(first.Params[0], QStringLiteral("A"));
        QCOMPARE(bytes.mid(pos, 4), QByteArray("\1\0\0\0", 4));
        pos += 4;
        TItem second;
        QVERIFY(readItemRecord(bytes, pos, second));
        QCOMPARE(second.Params[2], QStringLiteral("_blank"));
        QCOMPARE(pos, bytes.size());
    }
};

PLIVEX_TEST_MAIN(ItemTreeTest)
#include "itemtree_test.moc"
