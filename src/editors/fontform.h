#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <optional>

class PageGate;

class Page;
class QCheckBox;
class QLabel;
class QListWidget;
class TnewEdit;
class TnewPanel;
class TnewSpd;

// Parts of a font value "weight size family" as the chooser reads them: 0
// weight ("normal" when empty), 1 size ("8px" when empty or not starting with
// a digit), 2 family, everything after the second space ("nofont" when empty).
QString FontValuePart(const QString &value, int part);
// The decimal digits at the start of a text.
QString LeadingDigits(const QString &text);
// A family name as CSS takes it in a font value: as it is when it is a row of
// plain identifiers, otherwise in double quotes with quotes and backslashes
// escaped.
QString CssFamilyName(const QString &family);
// The family name a CSS family text stands for: quotes taken off.
QString FamilyFromCss(const QString &css);
// Whether the family list of a font value ends in a generic family
// (sans-serif, serif, monospace, ...), which every browser has.
bool EndsInGenericFamily(const QString &value);
// The generic family closest to an installed family: monospace for a fixed
// pitch, serif for a name that says so, sans-serif otherwise.
QString GenericFamilyFor(const QString &family);

// The font chooser: builds one font value from a family, a size with its unit
// and a weight, or takes it as typed, with a sample of it. Opened modally by
// the "font" page command.
class TfrmFont : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmFont(PageGate &gate, QWidget *parent = nullptr);

    // Opens modally at `value`; the value composed or typed on Ok, nothing
    // when the user cancels.
    std::optional<QString> choose(const QString &value);

    QListWidget *lbFont = nullptr;
    QListWidget *lbSize = nullptr;
    QListWidget *lbStyle = nullptr;
    QList<TnewSpd *> unitButtons; // newSpd1, 2, 4, 5, 6, 7, 8
    QLabel *lblUnits = nullptr;
    QCheckBox *cbAssign = nullptr;
    TnewSpd *spdAssign = nullptr;
    Page *wbFont = nullptr;
    TnewEdit *eOldValue = nullptr;
    TnewEdit *eNewValue = nullptr;
    TnewSpd *spdApply = nullptr;
    TnewSpd *spdCancel = nullptr;
    TnewPanel *newPanel1 = nullptr; // the top band with the help text
    // Shown while the new value names no generic family to fall back on.
    QLabel *lblGeneric = nullptr;
    TnewSpd *spdAddGeneric = nullptr;

    // The unit of composed values; kept for the whole run.
    QString CurrentUnit = QStringLiteral("px");

    void spdAssignClick();
    void spdApplyClick();
    // Appends the suggested generic family to the new value.
    void spdAddGenericClick();
    void unitClick(const QString &unit);
    // Selects the list entries the text of eNewValue names.
    void SelectFontParts();
    // Shows eNewValue in the sample; answers whether the view took the font.
    bool UpdateSample();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void listClicked();
    void showGenericSuggestion();
    void newValueEdited();

    // Set while the program itself selects list entries, so that only the
    // user's choices compose a value.
    bool m_selecting = false;
    bool m_sampleLoaded = false;
};
