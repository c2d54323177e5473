#include "editors/accessibilityform.h"

#include "page/page.h"
#include "page/pageerror.h"
#include "project/contrastcheck.h"
#include "project/project.h"
#include "project/valuecheck.h"

#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// What an entry leads to when activated.
constexpr int kItemRole = Qt::UserRole;  // an item's place, or -1
constexpr int kParamRole = Qt::UserRole + 1;

// Typing goes on for a moment; measuring after every key would slow it.
constexpr int kRefreshDelayMs = 300;

} // namespace

TfrmAccessibility::TfrmAccessibility(Project &project, Page &params, SelectItem selectItem, FocusParam focusParam,
                                     QWidget *parent)
    : QDialog(parent)
    , m_project(project)
    , m_params(params)
    , m_selectItem(std::move(selectItem))
    , m_focusParam(std::move(focusParam))
{
    setWindowTitle(QStringLiteral("Check Accessibility"));
    setWindowFlag(Qt::Tool);
    resize(560, 320);
    auto *layout = new QVBoxLayout(this);
    lblSummary = new QLabel(this);
    lblSummary->setWordWrap(true);
    layout->addWidget(lblSummary);
    lbFindings = new QListWidget(this);
    lbFindings->setWordWrap(true);
    lbFindings->setAccessibleName(QStringLiteral("Findings"));
    layout->addWidget(lbFindings, 1);
    auto *hint = new QLabel(QStringLiteral("Double-click a finding, or press Enter on it, to go to its item or parameter. "
                                           "plivex --audit also checks the rendered menu."),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    connect(lbFindings, &QListWidget::itemActivated, this, &TfrmAccessibility::activate);
    m_later = new QTimer(this);
    m_later->setSingleShot(true);
    m_later->setInterval(kRefreshDelayMs);
    connect(m_later, &QTimer::timeout, this, [this] {
        if (isVisible())
            refresh();
    });
    connect(&m_project, &Project::marked, m_later, qOverload<>(&QTimer::start));
}

void TfrmAccessibility::refresh()
{
    QList<BadValue> bad;
    QList<ContrastFinding> low;
    try {
        bad = FindBadValues(m_project, m_params);
        low = FindLowContrast(m_project, m_params);
    } catch (const PageError &e) {
        // The page is being loaded again; the next change measures anew.
        lblSummary->setText(QStringLiteral("The parameter page could not be read: ") + e.message);
        return;
    }
    const int keep = lbFindings->currentRow();
    lbFindings->clear();
    for (const BadValue &b : bad) {
        auto *item = new QListWidgetItem(QStringLiteral("Value: ") + describeBadValue(b), lbFindings);
        item->setData(kItemRole, -1);
        item->setData(kParamRole, b.styleKind < 0 ? b.name : QString());
        if (b.styleKind == 0) {
            const QList<NamedItem> users = itemsWithStyle(m_project, b.style);
            if (!users.isEmpty())
                item->setData(kItemRole, users.first().number);
        }
    }
    for (const ContrastFinding &f : low) {
        auto *item = new QListWidgetItem(QStringLiteral("Contrast: ") + contrastFindingPlace(f) + QStringLiteral(": ") +
                                             describeContrastFinding(f),
                                         lbFindings);
        item->setData(kItemRole, f.items.isEmpty() ? -1 : f.items.first().number);
        item->setData(kParamRole, f.style < 0 ? f.param : QString());
    }
    lblSummary->setText(lbFindings->count() == 0
                            ? QStringLiteral("No findings: every value can be used and every colour pair reaches its contrast minimum.")
                            : QStringLiteral("%1 finding(s): values the menu cannot use, and colour pairs under their contrast "
                                             "minimum (4.5:1, or 3:1 for large text; disabled items are exempt).")
                                  .arg(lbFindings->count()));
    if (keep >= 0 && keep < lbFindings->count())
        lbFindings->setCurrentRow(keep);
}

void TfrmAccessibility::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    refresh();
}

void TfrmAccessibility::activate(QListWidgetItem *item)
{
    const int number = item->data(kItemRole).toInt();
    const QString param = item->data(kParamRole).toString();
    if (number >= 0 && m_selectItem)
        m_selectItem(number);
    else if (!param.isEmpty() && m_focusParam)
        m_focusParam(param);
}
