#pragma once

#include "page/pagegate.h"
#include "page/webpage.h"
#include "project/lifecycle/projectcontroller.h"
#include "project/model/itemedits.h"
#include "project/model/project.h"

#include <QItemSelectionModel>
#include <QTemporaryDir>

// A project with the pages it is read into and written from, and its
// controller, without a window: the command line takes the same roads into
// and out of a project as the editor. The styles live in the project alone,
// and the recovery file in a folder of its own that goes with the object, so
// that a run leaves no project for the editor to offer back.
class HeadlessProject
{
public:
    // `reportHandlerError` takes what a handler of a page's signals throws.
    // Its pages and default projects come from `programFolder`.
    explicit HeadlessProject(const QString &programFolder, PageGate::ErrorReporter reportHandlerError = {});

    Project project;
    ProjectController &controller() { return m_controller; }
    WebPage &params() { return m_params; }
    WebPage &itemParams() { return m_itemParams; }
    PageGate &gate() { return m_gate; }

private:
    QTemporaryDir m_recoveryFolder;
    PageGate m_gate;
    WebPage m_params;
    WebPage m_itemParams;
    QItemSelectionModel m_selection;
    ItemEdits m_itemEdits;
    ProjectController m_controller;
};
