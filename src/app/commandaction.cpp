#include "app/commandaction.h"

#include "project/model/commandtable.h"

#include <QAction>
#include <QCoreApplication>

QAction *createCommandAction(const Command &command, QObject *parent, bool anywhere, std::function<void()> run)
{
    auto *a = new QAction(QCoreApplication::translate("Command", command.text), parent);
    a->setObjectName(command.id);
    a->setShortcuts(command.keys);
    a->setShortcutContext(anywhere ? Qt::ApplicationShortcut : Qt::WidgetWithChildrenShortcut);
    a->setCheckable(command.checkable);
    a->setChecked(command.checkable);
    if (run)
        QObject::connect(a, &QAction::triggered, parent, std::move(run));
    return a;
}
