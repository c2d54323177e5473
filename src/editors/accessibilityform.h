#pragma once

#include <QDialog>
#include <functional>

class Page;
class Project;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QTimer;

// The accessibility list of the project being edited: the values the menu
// cannot use and the colour pairs under their contrast minimum, kept up to
// date while the user edits. Activating a finding selects the item it names,
// or else puts the focus in its parameter.
class TfrmAccessibility : public QDialog
{
    Q_OBJECT

public:
    // Selects the item at a place in file order (from 0).
    using SelectItem = std::function<void(int number)>;
    // Shows a menu-wide parameter in the parameter page and focuses it.
    using FocusParam = std::function<void(const QString &name)>;

    TfrmAccessibility(Project &project, Page &params, SelectItem selectItem, FocusParam focusParam,
                      QWidget *parent = nullptr);

    QLabel *lblSummary = nullptr;
    QListWidget *lbFindings = nullptr;

    // Measures the project again and fills the list.
    void refresh();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void activate(QListWidgetItem *item);

    Project &m_project;
    Page &m_params;
    SelectItem m_selectItem;
    FocusParam m_focusParam;
    QTimer *m_later = nullptr;
};
