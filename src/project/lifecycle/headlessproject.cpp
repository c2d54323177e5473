#include "project/lifecycle/headlessproject.h"


HeadlessProject::HeadlessProject(const QString &programFolder, PageGate::ErrorReporter reportHandlerError)
    : m_gate(std::move(reportHandlerError))
    , m_params(m_gate)
    , m_itemParams(m_gate)
    , m_selection(&project.items())
    , m_itemEdits(project, m_selection)
    , m_controller(project, {&m_params, &m_itemParams, nullptr, nullptr}, m_selection, m_itemEdits, {},
                   RecoveryFile(m_recoveryFolder.path()))
{
    project.ProgramFolder = programFolder;
    project.ProjectFolder = project.ProgramFolder;
    m_itemEdits.setItemParamsPage(&m_itemParams);
}
