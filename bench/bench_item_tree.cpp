// Item tree speed and memory on a 10,000-item menu of three levels, with the
// tree shown in its view as the editor shows it. Prints `name: value` lines.

#include "benchsupport.h"

#include "app/itemtreeview.h"
#include "project/platform/dialogs.h"
#include "project/model/itemedits.h"
#include "project/model/project.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QItemSelectionModel>
#include <QMimeData>
#include <cstdio>

namespace {

// Every question answered Yes, as a user deleting on purpose would.
class YesDialogs : public Dialogs
{
public:
    Answer askYesNo(const QString &) override { return Answer::Yes; }
    Answer askYesNoCancel(const QString &) override { return Answer::Yes; }
    void showError(const QString &) override {}
    void showMessage(const QString &) override {}
    QString openFile(const FileRequest &) override { return {}; }
    QString saveFile(const FileRequest &) override { return {}; }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }
};

long rssKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

void print(const char *name, double value)
{
    std::printf("%s: %.1f\n", name, value);
    std::fflush(stdout);
}


} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    YesDialogs yes;
    setDialogs(&yes);

    Project project;
    ItemTreeView view;
    view.resize(300, 600);
    view.setModel(&project.items());
    view.show();
    QItemSelectionModel &selection = *view.selectionModel();
    ItemEdits edits(project, selection);
    QApplication::processEvents();

    const QList<LeveledItem> menu = nestedMenu({100, 9, 10});
    const long before = rssKb();
    project.items().insertLeveled({}, 0, menu);
    QApplication::processEvents();
    print("rss_10000_items_kb", double(rssKb() - before));

    QElapsedTimer t;
    t.start();
    view.expandAll();
    view.viewport()->repaint();
    print("expand_all_ms", msSince(t));

    selection.setCurrentIndex(project.items().index(50, 0), QItemSelectionModel::ClearAndSelect);
    t.restart();
    edits.AddItem();
    view.viewport()->repaint();
    print("add_item_ms", msSince(t));

    // The first 50 sections: 5,000 items.
    selection.select(QItemSelection(project.items().index(0, 0), project.items().index(49, 0)),
                     QItemSelectionModel::ClearAndSelect);
    const int countBefore = project.items().count();
    t.restart();
    edits.DeleteSelected();
    view.viewport()->repaint();
    print("delete_5000_ms", msSince(t));
    if (countBefore - project.items().count() != 5000)
        std::fprintf(stderr, "deleted %d items, not 5000\n", countBefore - project.items().count());
    // 1,000 items from all over the tree, dropped below one item.
    QItemSelection scattered;
    int picked = 0;
    for (int a = 0; a < 50 && picked < 1000; ++a) {
        const QModelIndex section = project.items().index(a, 0);
        for (int b = 0; b < 9 && picked < 1000; ++b) {
            const QModelIndex page = project.items().index(b, 0, section);
            for (int c = 0; c < 10 && picked < 1000; c += 4, ++picked)
                scattered.select(project.items().index(c, 0, page), project.items().index(c, 0, page));
        }
    }
    selection.select(scattered, QItemSelectionModel::ClearAndSelect);
    const QModelIndex target = project.items().index(49, 0);
    t.restart();
    edits.Drop(target, Placement::After, false);
    view.viewport()->repaint();
    print("drop_move_1000_ms", msSince(t));

    QStringList lines;
    for (int i = 0; i < 5000; ++i)
        lines << QString(i % 3, QLatin1Char('\t')) + QStringLiteral("Pasted %1").arg(i);
    QMimeData text;
    text.setText(lines.join(QLatin1Char('\n')));
    selection.clear();
    t.restart();
    edits.Paste(&text);
    view.viewport()->repaint();
    print("paste_5000_lines_ms", msSince(t));

    return 0;
}
