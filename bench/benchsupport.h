#pragma once

#include "page/pagegate.h"
#include "page/webpage.h"
#include "project/platform/dialogs.h"
#include "project/model/itemtree.h"
#include "project/datafile/loadpage.h"
#include "project/model/menutypes.h"
#include "project/model/project.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QtGlobal>

#include <algorithm>
#include <functional>
#include <cstdio>
#include <cstdlib>
#include <vector>

// What every benchmark program shares: a headless web engine as the tests
// run it, the time of a run, its median, and the menus it works on.

inline void prepareHeadlessBench()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

// Waits in a real event loop until `done` answers true; false after `ms`.
inline bool waitFor(const std::function<bool()> &done, int ms = 30000)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// A bench runs unattended: any box would wait for a click nobody gives, so
// it ends the run with the box's text instead.
class FailingDialogs : public Dialogs
{
public:
    [[noreturn]] static void fail(const QString &text)
    {
        std::fprintf(stderr, "box: %s\n", qPrintable(QString(text).replace(QLatin1Char('\r'), QLatin1Char(' '))));
        std::_Exit(3);
    }
    Answer askYesNo(const QString &t) override { fail(t); }
    Answer askYesNoCancel(const QString &t) override { fail(t); }
    void showError(const QString &t) override { fail(t); }
    void showMessage(const QString &t) override { fail(t); }
    QString openFile(const FileRequest &r) override { fail(r.title); }
    QString saveFile(const FileRequest &r) override { fail(r.title); }
    std::optional<QColor> chooseColor(const QColor &) override { fail(QStringLiteral("colour")); }
};

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline double msSince(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// A nested menu: widths[0] top-level items ("Section 3"), widths[1] below
// each ("Page 3.4"), widths[2] below each of those ("Topic 3.4.5"); the
// first two levels link to their pages.
inline QList<LeveledItem> nestedMenu(const QList<int> &widths)
{
    QList<LeveledItem> items;
    const auto add = [&](auto &self, int level, const QString &path) -> void {
        static const char *const names[] = {"Section", "Page", "Topic"};
        for (int i = 0; i < widths.value(level); ++i) {
            const QString here = path.isEmpty() ? QString::number(i) : path + QLatin1Char('.') + QString::number(i);
            items.append(LeveledItem{level, TItem()});
            items.last().item.Params[0] = QLatin1String(names[std::min(level, 2)]) + QLatin1Char(' ') + here;
            if (level < 2)
                items.last().item.Params[1] = QString::fromLatin1(names[level]).toLower() + QString(here).replace(QLatin1Char('.'), QLatin1Char('-')) + QStringLiteral(".html");
            self(self, level + 1, here);
        }
    };
    add(add, 0, QString());
    return items;
}

// n items three levels deep: every tenth on the first level, the next four
// on the second, five on the third; each with a text and a link.
inline QList<LeveledItem> threeLevelMenu(int n)
{
    QList<LeveledItem> items;
    for (int i = 0; i < n; ++i) {
        LeveledItem li;
        li.level = i % 10 == 0 ? 0 : i % 10 < 5 ? 1 : 2;
        li.item.Params[0] = QStringLiteral("Item number %1").arg(i);
        li.item.Params[1] = QStringLiteral("pages/page%1.html").arg(i);
        items << li;
    }
    return items;
}

// An Ostrel Menu project in the staged program folder with its two
// parameter pages loaded (made once the application exists).
struct MenuBenchProject
{
    PageGate gate;
    Project project;
    WebPage params{gate};
    WebPage itemParams{gate};

    bool open(const QString &programFolder)
    {
        project.ProgramFolder = programFolder;
        project.ProjectFolder = programFolder;
        project.MenuType = 0;
        return LoadPage(&params, programFolder + pagePath(0, QStringLiteral("params.html"))) &&
               LoadPage(&itemParams, programFolder + pagePath(0, QStringLiteral("itemparams.html")));
    }
};
