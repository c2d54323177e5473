#pragma once

#include "project/model/itemtree.h"
#include "project/site/linkfolders.h"
#include "project/model/menutypes.h"
#include "project/site/sitechoices.h"
#include "project/model/style.h"

#include <QList>
#include <QObject>
#include <QString>

// The one project being edited: its menu type, file, state flags, the item
// tree and the two style lists. The windows share it; it knows no widget.
class Project : public QObject
{
    Q_OBJECT

public:
    explicit Project(QObject *parent = nullptr);

    // The current menu type, 0 to 3; 0 at start-up, held only in memory.
    int MenuType = 0;
    const ::MenuType &menuType() const;

    QString ProgramFolder; // ends with "/"
    QString ProjectFolder; // ends with "/"
    QString CurrentFileName;
    // How CurrentFileName was read: whole, in part (damage, a script error,
    // a page that failed), or as no menu at all (a script that defines no
    // item list). Only a file read whole is written over without a question.
    enum class FileRead { Whole, Incomplete, NotAMenu };
    FileRead currentFileRead = FileRead::Whole;
    // The folder picked links and pictures are made relative to, per data
    // file; the settings file keeps it between runs.
    LinkFolders linkFolders;
    // The current project's links folder, ending with "/"; empty while a
    // project without a file has none yet. A menu that reads its links
    // against its data file has no other: its own folder.
    QString linksFolder() const;
    // The menu reads relative links and pictures against its data file, not
    // against each page that shows it. The parameter page holds the value;
    // the controller keeps this copy of it current.
    bool linksFromDataFile() const { return m_linksFromDataFile; }
    void setLinksFromDataFile(bool fromDataFile);
    // The menu stands in the page flow where its data script is, not at its
    // X and Y; kept current by the controller as the link base is.
    bool menuInFlow() const { return m_menuInFlow; }
    void setMenuInFlow(bool inFlow) { m_menuInFlow = inFlow; }
    // The site folder and preview page chosen per data file.
    SiteChoices siteChoices;
    // The item fields of the menu type that hold a link or a picture, with
    // their labels; the controller reads them from the parameter page.
    const QList<QPair<int, QString>> &addressFields() const { return m_addressFields; }
    void setAddressFields(const QList<QPair<int, QString>> &fields);
    // The site folder of the project's file: the one chosen, else the one
    // found (see siteFolderOf); empty for a project without a file.
    QString siteFolder() const;
    // What is wrong with the item's links and pictures for a visitor, one
    // line per address ("Link: no such file: ..."); empty when nothing is.
    QString linkProblemsOf(const TItem &item) const;
    // The links folder, the site or the file changed: the marks of the
    // items are read again.
    void linksMoved();
    // True while a data file is read: its script errors are reported as the
    // file's, and page commands from the parameter page are dropped (a data
    // file must not open dialogs or save projects).
    bool LoadingData = false;
    int ItemCounter = 0;
    // The item whose parameters the item parameters page shows, or none. It
    // never refers to a deleted item.
    TItem *CurrentItem = nullptr;

    bool Modified() const { return m_modified; }
    void setModified(bool modified);
    // Every change of the project goes through here; `change` names it for
    // the undo history ("Move Items"). Unnamed changes are parameter edits.
    void MarkModified(const QString &change = {});
    // The name of the latest change since the last call, and forgets it.
    QString takeChange();
    // The same without forgetting it.
    QString pendingChange() const;
    // Called before a change of `subject` is made (one field of the selected
    // items): changes of one subject in a row make one undo step, a change
    // of another subject starts a step of its own.
    void beginChange(const QString &subject);

    ItemTree &items() { return m_items; }
    const ItemTree &items() const { return m_items; }

    QList<TStyle> ItemStyles;
    QList<TStyle> SubmenuStyles;
    // The list of a kind: 0 item styles, 1 submenu styles.
    QList<TStyle> &styles(int kind) { return kind == 0 ? ItemStyles : SubmenuStyles; }
    const QList<TStyle> &styles(int kind) const { return kind == 0 ? ItemStyles : SubmenuStyles; }

    // A new item's record: the counter goes up by one and names it
    // "Item <n>"; the new item becomes the current one.
    TItem newItemRecord();

signals:
    void modifiedChanged(bool modified);
    // MarkModified was called: the preview counts down again.
    void marked();
    // beginChange was called; the project is still as it was before.
    void changeBeginning(const QString &subject);
    // linksFromDataFile() changed.
    void linkBaseChanged();

private:
    void forgetRemovedCurrentItem(const QModelIndex &parent, int first, int last);

    bool m_modified = false;
    bool m_linksFromDataFile = false;
    bool m_menuInFlow = true;
    QList<QPair<int, QString>> m_addressFields;
    // siteFolder() for the file it was found for: found once, not per item.
    mutable QPair<QString, QString> m_siteOf;
    QString m_change;
    ItemTree m_items;
};
