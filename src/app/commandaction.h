#pragma once

#include <QString>
#include <functional>

class QAction;
class QObject;
struct Command;

// The action of one command of the command table: its text, keys and id
// (the action's object name), checkable as the table says. `anywhere`: its
// keys work in every window of the program, the tool windows and their pages
// included; otherwise only while the action's widget has the focus.
QAction *createCommandAction(const Command &command, QObject *parent, bool anywhere, std::function<void()> run);
