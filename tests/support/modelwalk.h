#pragma once

#include "support/walktree.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QRandomGenerator64>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class AppFixture;

// A walk of random user commands through the program's real windows and
// pages. Every step is a line of text ("moveUp", "field link p12.html",
// "undo"), chosen from what the walk expects the project to be, so that a
// failing walk can be run again step by step. After each step the item
// tree, the item parameters page and the data text the program would write
// must agree with what the walk expects; every "round" step writes the file
// through the program's own Save, undoes every change back to the file the
// round began with and redoes them all, comparing the written files byte
// for byte, and opens the file again to begin the next round.
class ModelWalk
{
public:
    // The fixture's windows are made and hold the default project of
    // their type. `file`: where the walk keeps its project.
    ModelWalk(AppFixture &app, const QString &file, quint64 seed);

    // Writes the project to the walk's file and opens it: the first round.
    bool start();
    // The next step at random; a round is closed every `roundLength` steps.
    QString choose();
    // Runs one step and checks the program afterwards; false with
    // failure() said.
    bool run(const QString &step);
    // choose() and run() `count` times, then a last round.
    bool walk(int count, int roundLength);
    bool replay(const QStringList &steps);

    QString failure() const { return m_failure; }
    const QStringList &steps() const { return m_steps; }
    // What to run again: the seed, the steps, the failure.
    QString report() const;
    // How often each kind of step ran, and how many changed the project.
    const QMap<QString, int> &counts() const { return m_counts; }
    int changes() const { return m_changes; }
    qint64 checkMs() const { return m_checkMs; }
    // Milliseconds each kind of step took in all, its checks included.
    const QMap<QString, qint64> &msByKind() const { return m_msByKind; }

private:
    struct Snapshot
    {
        WalkTree tree;
        QString text;
        QList<ItemPath> selectedBefore, selectedAfter;
        ItemPath currentBefore, currentAfter;
    };

    // What a step may do to the data text.
    enum class Change { None, May, Must };

    bool fail(const QString &why);
    bool runCommand(const QString &name, const QString &rest);
    // Checks the program against the walk's tree and selection, and the
    // data text against the tree; a changed text is a new state.
    bool check(Change change);
    bool checkTree();
    bool checkSelection();
    bool checkItemPage();
    bool checkText(const QString &text);
    bool checkHistory();
    bool round();
    bool save(QByteArray &bytes);
    bool open();

    bool selectPath(const ItemPath &path);
    bool addItem(bool subitem);
    bool deleteSelected();
    bool rename(const QString &text);
    bool typeItemField(const QString &name, const QString &value);
    bool changeParameter(const QString &name);
    bool addStyle();
    bool editStyle(int row, const QString &name);
    bool deleteStyle(int row);
    bool applyTheme(const QString &name);
    bool importNavigation(const QString &place, const QString &items);
    bool undoOrRedo(bool undo);
    // Waits until the project was marked changed `after` times in all.
    bool waitForMark(int after, const QString &what);

    QStringList itemFieldRows() const;
    QStringList parameterRows() const;
    QStringList styleRows() const;
    // A value the row does not hold; none for a list without another.
    std::optional<QString> randomItemFieldValue(const QString &row);
    QString fresh(const QString &prefix);
    // References to the styles of `kind` rewritten by `map` (a number to
    // another, or -1 for none), as the program keeps them right.
    void rewriteStyleRefs(int kind, const std::function<int(int)> &map);

    QString dataText() const;
    QList<ItemPath> programSelection() const;
    ItemPath programCurrent() const;

    AppFixture &m_app;
    QString m_file;
    quint64 m_seed;
    QRandomGenerator64 m_random;
    WalkTree m_tree;
    QList<ItemPath> m_selected;
    ItemPath m_current;
    // The selection as the step began.
    QList<ItemPath> m_stepSelected;
    ItemPath m_stepCurrent;
    QList<Snapshot> m_history;
    qsizetype m_cursor = 0;
    bool m_dropped = false;   // the history lost its oldest states this round
    QByteArray m_roundFile;   // the file the round began with
    QSet<QString> m_addedTexts;
    // The item field that refers to a style of each kind, as the item page's
    // type description says; -1: none.
    int m_styleField[2] = {-1, -1};
    QString m_checkedText;
    int m_marks = 0;
    int m_serial = 0;
    int m_sinceRound = 0;
    int m_roundLength = 50;
    QStringList m_steps;
    QString m_failure;
    // What a step that runs several commands was doing ("Undo Move Items").
    QString m_doing;
    // A part of the message the step must show; empty: none.
    QString m_expectedMessage;
    QMap<QString, int> m_counts;
    int m_changes = 0;
    qint64 m_checkMs = 0;
    QMap<QString, qint64> m_msByKind;
};
