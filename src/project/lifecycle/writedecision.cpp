#include "project/lifecycle/writedecision.h"

#include "project/platform/dialogs.h"
#include "project/platform/programfolder.h"
#include "project/model/project.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

struct WriteDecisionText
{
    Q_DECLARE_TR_FUNCTIONS(WriteDecision)
};

// The same file by two names (a relative name, a link) is still the same file.
bool sameFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo x(a), y(b);
    if (x.absoluteFilePath() == y.absoluteFilePath())
        return true;
    const QString cx = x.canonicalFilePath();
    return !cx.isEmpty() && cx == y.canonicalFilePath();
}

} // namespace

WriteTarget writeTargetOf(const Project &project, const QString &path)
{
    const QFileInfo file(path);
    if (file.isDir())
        return WriteTarget::Folder;
    if (isShippedFile(file.absoluteFilePath(), project.ProgramFolder))
        return WriteTarget::ProgramFile;
    if (sameFile(path, project.CurrentFileName)) {
        switch (project.currentFileRead) {
        case Project::FileRead::Whole: return file.exists() ? WriteTarget::OwnFile : WriteTarget::NewFile;
        case Project::FileRead::Incomplete: return WriteTarget::OwnFileIncomplete;
        case Project::FileRead::NotAMenu: return WriteTarget::OwnFileNotAMenu;
        }
    }
    // A dangling link is a name in use too: writing would follow it.
    return file.exists() || file.isSymLink() ? WriteTarget::OtherFile : WriteTarget::NewFile;
}

WriteAnswer decideWrite(const Project &project, const QString &path, WriteRoad road)
{
    const QString name = QFileInfo(path).fileName();
    const QString anotherName =
        road == WriteRoad::Command ? WriteDecisionText::tr("\r(No: save it under another name.)") : QString();
    QString question;
    switch (writeTargetOf(project, path)) {
    case WriteTarget::NewFile:
    case WriteTarget::OwnFile: return WriteAnswer::Write;
    case WriteTarget::Folder:
        dialogs().showError(WriteDecisionText::tr("Can't write the file: \r%1\rIt is a folder.").arg(path));
        return WriteAnswer::Stop;
    case WriteTarget::ProgramFile:
        dialogs().showError(WriteDecisionText::tr("%1 belongs to the program and is not written over.\rSave the "
                                                  "project under another name.")
                                .arg(name));
        return road == WriteRoad::Command ? WriteAnswer::AnotherName : WriteAnswer::Stop;
    case WriteTarget::OwnFileIncomplete:
        question = WriteDecisionText::tr("The file %1 was read incompletely: saving over it keeps only what was "
                                         "read.\rOverwrite it anyway?")
                       .arg(name);
        break;
    case WriteTarget::OwnFileNotAMenu:
        question = WriteDecisionText::tr("The file %1 is not a menu data file: saving over it replaces the script "
                                         "with the menu.\rOverwrite it anyway?")
                       .arg(name);
        break;
    case WriteTarget::OtherFile:
        question = WriteDecisionText::tr("The file already exists:\r%1\rDo you want to overwrite it?").arg(path);
        break;
    }
    if (dialogs().askNoYes(question + anotherName) == Dialogs::Answer::Yes)
        return WriteAnswer::Write;
    return road == WriteRoad::Command ? WriteAnswer::AnotherName : WriteAnswer::Stop;
}

bool mayProposeCurrentFile(const Project &project)
{
    const WriteTarget target = writeTargetOf(project, project.CurrentFileName);
    return !project.CurrentFileName.isEmpty() &&
           (target == WriteTarget::OwnFile || target == WriteTarget::NewFile);
}
