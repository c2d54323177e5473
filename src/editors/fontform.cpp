#include "editors/fontform.h"

#include "controls/backgroundtile.h"
#include "controls/flatlook.h"
#include "controls/newedit.h"
#include "controls/newpanel.h"
#include "controls/newspd.h"
#include "controls/spdschemes.h"
#include "page/resourcetext.h"
#include "page/webpage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPaintEvent>
#include <QRegularExpression>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

namespace {

// Control characters and spaces at both ends do not count.
bool blank(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() > u' ')
            return false;
    return true;
}

// The part as written, or an empty text when the value has none.
QString rawPart(const QString &value, int part)
{
    const qsizetype first = value.indexOf(QLatin1Char(' '));
    if (part == 0)
        return first < 0 ? value : value.left(first);
    if (first < 0)
        return {};
    const qsizetype second = value.indexOf(QLatin1Char(' '), first + 1);
    if (part == 1)
        return second < 0 ? value.mid(first + 1) : value.mid(first + 1, second - first - 1);
    return second < 0 ? QString() : value.mid(second + 1);
}

// Names that CSS reads as keywords, not as families, when unquoted.
bool isCssKeyword(const QString &word, bool wholeName)
{
    static const QStringList cssWide = {QStringLiteral("inherit"), QStringLiteral("initial"),
                                        QStringLiteral("unset"),   QStringLiteral("default"),
                                        QStringLiteral("revert"),  QStringLiteral("revert-layer")};
    static const QStringList generic = {
        QStringLiteral("serif"),        QStringLiteral("sans-serif"),  QStringLiteral("monospace"),
        QStringLiteral("cursive"),      QStringLiteral("fantasy"),     QStringLiteral("system-ui"),
        QStringLiteral("emoji"),        QStringLiteral("math"),        QStringLiteral("fangsong"),
        QStringLiteral("ui-serif"),     QStringLiteral("ui-sans-serif"), QStringLiteral("ui-monospace"),
        QStringLiteral("ui-rounded")};
    const QString lower = word.toLower();
    return cssWide.contains(lower) || (wholeName && generic.contains(lower));
}

// Font stacks offered above the installed families: each ends in a generic
// family, so the menu keeps its character where the first choices are missing.
struct FontStack
{
    const char *name; // shown in the list, translated there
    const char *css;
};
// untranslated: each stack's CSS goes into the font value as it is
constexpr FontStack kFontStacks[] = {
    {QT_TRANSLATE_NOOP("TfrmFont", "System UI (stack)"),
     "system-ui, \"Segoe UI\", Roboto, \"Helvetica Neue\", Arial, sans-serif"},
    {QT_TRANSLATE_NOOP("TfrmFont", "Humanist sans (stack)"), "Verdana, Geneva, \"DejaVu Sans\", sans-serif"},
    {QT_TRANSLATE_NOOP("TfrmFont", "Serif (stack)"), "Georgia, \"Times New Roman\", \"DejaVu Serif\", serif"},
    {QT_TRANSLATE_NOOP("TfrmFont", "Monospace (stack)"), "ui-monospace, Consolas, \"DejaVu Sans Mono\", monospace"},
};
// The role that holds a stack's CSS; a kept, uninstalled family uses UserRole.
constexpr int kStackRole = Qt::UserRole + 1;

} // namespace

QString FontValuePart(const QString &value, int part)
{
    const QString raw = rawPart(value, part);
    if (part == 0)
        return blank(raw) ? QStringLiteral("normal") : raw;
    if (part == 1)
        return blank(raw) || LeadingDigits(raw).isEmpty() ? QStringLiteral("8px") : raw;
    return blank(raw) ? QStringLiteral("nofont") : raw;
}

QString LeadingDigits(const QString &text)
{
    qsizetype n = 0;
    while (n < text.size() && text[n] >= QLatin1Char('0') && text[n] <= QLatin1Char('9'))
        ++n;
    return text.left(n);
}

QString CssFamilyName(const QString &family)
{
    static const QRegularExpression ident(QStringLiteral("^-?[A-Za-z_\\x{80}-\\x{10FFFF}][A-Za-z0-9_\\-\\x{80}-\\x{10FFFF}]*$"));
    const QStringList words = family.split(QLatin1Char(' '));
    bool plain = !family.isEmpty();
    for (const QString &w : words)
        plain = plain && ident.match(w).hasMatch() && !w.startsWith(QLatin1String("--")) &&
                !isCssKeyword(w, words.size() == 1);
    if (plain)
        return family;
    QString escaped = family;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

bool EndsInGenericFamily(const QString &value)
{
    // A quoted "serif" names a font of that name, not the generic family.
    const QString last = rawPart(value, 2).section(QLatin1Char(','), -1).trimmed();
    return !last.isEmpty() && last == last.toLower() && isCssKeyword(last, true) && last != QLatin1String("emoji");
}

QString GenericFamilyFor(const QString &family)
{
    const QString name = FamilyFromCss(family.section(QLatin1Char(','), 0, 0).trimmed());
    if (QFontDatabase::isFixedPitch(name) || name.contains(QLatin1String("Mono"), Qt::CaseInsensitive) ||
        name.contains(QLatin1String("Courier"), Qt::CaseInsensitive))
        return QStringLiteral("monospace");
    // untranslated: family names as their makers spell them
    static const QRegularExpression serif(QStringLiteral("(^|[^-])Serif|Times|Georgia|Garamond|Roman|Book Antiqua|Palatino"),
                                          QRegularExpression::CaseInsensitiveOption);
    return serif.match(name).hasMatch() ? QStringLiteral("serif") : QStringLiteral("sans-serif");
}

QString FamilyFromCss(const QString &css)
{
    const QString t = css.trimmed();
    if (t.size() < 2 || (t.front() != QLatin1Char('"') && t.front() != QLatin1Char('\'')) || t.back() != t.front())
        return css;
    QString out;
    for (qsizetype i = 1; i < t.size() - 1; ++i) {
        if (t[i] == QLatin1Char('\\') && i + 1 < t.size() - 1)
            ++i;
        out += t[i];
    }
    return out;
}

TfrmFont::TfrmFont(PageGate &gate, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Font"));
    setMinimumSize(360, 490);
    resize(360, 490);

    setFlatColor(this, Qt::white);
    auto *layout = new QVBoxLayout(this);
    newPanel1 = new TnewPanel(this);
    newPanel1->setBevelBorder(bbBottom);
    newPanel1->setColors(QColor(0xEF, 0xEF, 0xEF), QColor(0xC0, 0xC0, 0xC0));
    auto *band = new QVBoxLayout(newPanel1);
    band->setContentsMargins(6, 4, 6, 5);
    auto *help = new QLabel(tr("To change font style select parameters and click on 'Assign font' button. "
                               "Also you can change font manually using edit at the bottom."),
                            newPanel1);
    help->setWordWrap(true);
    band->addWidget(help);
    layout->addWidget(newPanel1);

    auto *lists = new QGridLayout;
    lbFont = new QListWidget(this);
    lbSize = new QListWidget(this);
    lbStyle = new QListWidget(this);
    const QStringList captions = {tr("Font"), tr("Size"), tr("Style")};
    const QList<QListWidget *> boxes = {lbFont, lbSize, lbStyle};
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(captions[i], this);
        label->setBuddy(boxes[i]);
        lists->addWidget(label, 0, i);
        lists->addWidget(boxes[i], 1, i);
        boxes[i]->setSelectionMode(QAbstractItemView::SingleSelection);
        connect(boxes[i], &QListWidget::currentRowChanged, this, &TfrmFont::listClicked);
    }
    lists->setColumnStretch(0, 3);
    lists->setColumnStretch(1, 1);
    lists->setColumnStretch(2, 1);
    layout->addLayout(lists, 1);

    QStringList families = QFontDatabase::families();
    families.removeDuplicates();
    std::sort(families.begin(), families.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    // untranslated: the word is written into the font value as it is, and
    // recognised there when read back
    lbFont->addItem(QStringLiteral("Default"));
    for (const FontStack &stack : kFontStacks) {
        auto *item = new QListWidgetItem(QCoreApplication::translate("TfrmFont", stack.name), lbFont);
        item->setData(kStackRole, QString::fromLatin1(stack.css));
        item->setToolTip(QString::fromLatin1(stack.css));
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
    }
    lbFont->addItems(families);
    for (int size = 1; size <= 100; ++size)
        lbSize->addItem(QString::number(size));
    // untranslated: CSS font weights, which go into the font value as they are
    lbStyle->addItems({QStringLiteral("normal"), QStringLiteral("bold"), QStringLiteral("bolder"),
                       QStringLiteral("lighter"), QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("300"),
                       QStringLiteral("400"), QStringLiteral("500"), QStringLiteral("600"), QStringLiteral("700"),
                       QStringLiteral("800"), QStringLiteral("900")});

    auto *units = new QHBoxLayout;
    units->setSpacing(1);
    // untranslated: CSS units, which go into the font value as they are
    for (const char *unit : {"pt", "px", "%", "in", "cm", "mm", "pc"}) {
        auto *b = new TnewSpd(QString::fromLatin1(unit), this);
        applyScheme(b, SpdScheme::Blue);
        b->setFixedWidth(26);
        connect(b, &TnewSpd::clicked, this, [this, unit] { unitClick(QString::fromLatin1(unit)); });
        units->addWidget(b);
        unitButtons << b;
    }
    lblUnits = new QLabel(CurrentUnit, this);
    // Set apart from the unit buttons beside it.
    QFont bold = lblUnits->font();
    bold.setBold(true);
    lblUnits->setFont(bold);
    units->addSpacing(6);
    units->addWidget(lblUnits);
    units->addStretch();
    cbAssign = new QCheckBox(tr("Auto"), this);
    cbAssign->setChecked(true);
    units->addWidget(cbAssign);
    spdAssign = new TnewSpd(tr("Assign font"), this);
    applyScheme(spdAssign, SpdScheme::Blue);
    TMainParams assignLook = spdAssign->mainParams();
    assignLook.Color_Left_Bottom_Normal = QColor(0xE5, 0xE5, 0xE5);
    spdAssign->setMainParams(assignLook);
    spdAssign->setFixedWidth(72);
    connect(spdAssign, &TnewSpd::clicked, this, &TfrmFont::spdAssignClick);
    units->addWidget(spdAssign);
    layout->addLayout(units);

    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFixedHeight(70);
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    auto *sample = new WebPage(gate, frame);
    sample->setContextMenuEnabled(false);
    sample->setRefreshAllowed(false);
    // The sample only shows; the keys stay with the chooser.
    sample->widget()->setFocusPolicy(Qt::NoFocus);
    frameLayout->addWidget(sample->widget());
    wbFont = sample;
    layout->addWidget(frame);

    auto *values = new QGridLayout;
    eOldValue = new TnewEdit(this);
    eOldValue->setReadOnly(true);
    eOldValue->setColor(Qt::white);
    eOldValue->setBorderColor(QColor(0xC0, 0xC0, 0xC0));
    QPalette grey = eOldValue->palette();
    grey.setColor(QPalette::Text, Qt::gray);
    eOldValue->setPalette(grey);
    eNewValue = new TnewEdit(this);
    eNewValue->setColor(Qt::white);
    eNewValue->setBorderColor(QColor(0x80, 0x80, 0x80));
    auto *oldLabel = new QLabel(tr("Old value:"), this);
    auto *newLabel = new QLabel(tr("New value:"), this);
    oldLabel->setBuddy(eOldValue);
    newLabel->setBuddy(eNewValue);
    values->addWidget(oldLabel, 0, 0);
    values->addWidget(eOldValue, 0, 1);
    values->addWidget(newLabel, 1, 0);
    values->addWidget(eNewValue, 1, 1);
    layout->addLayout(values);
    auto *generic = new QHBoxLayout;
    lblGeneric = new QLabel(this);
    lblGeneric->setWordWrap(true);
    spdAddGeneric = new TnewSpd(tr("Add"), this);
    applyScheme(spdAddGeneric, SpdScheme::Blue);
    spdAddGeneric->setFixedWidth(50);
    connect(spdAddGeneric, &TnewSpd::clicked, this, &TfrmFont::spdAddGenericClick);
    generic->addWidget(lblGeneric, 1);
    generic->addWidget(spdAddGeneric);
    layout->addLayout(generic);
    connect(eNewValue, &QLineEdit::textChanged, this, &TfrmFont::showGenericSuggestion);
    connect(eNewValue, &QLineEdit::textChanged, this, [this] { UpdateSample(); });
    connect(eNewValue, &QLineEdit::textEdited, this, &TfrmFont::newValueEdited);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    spdApply = new TnewSpd(tr("Ok"), this);
    spdCancel = new TnewSpd(tr("Cancel"), this);
    applyScheme(spdApply, SpdScheme::Blue);
    applyScheme(spdCancel, SpdScheme::Orange);
    for (TnewSpd *b : {spdApply, spdCancel}) {
        b->setFixedWidth(75);
        buttons->addWidget(b);
    }
    connect(spdApply, &TnewSpd::clicked, this, &TfrmFont::spdApplyClick);
    connect(spdCancel, &TnewSpd::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);

    // The chooser sees Enter and Escape before any of its controls.
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
}

std::optional<QString> TfrmFont::choose(const QString &value)
{
    centerOnScreen(this);
    eOldValue->setText(value);
    eNewValue->setText(value);
    SelectFontParts();
    UpdateSample();
    showGenericSuggestion();
    eNewValue->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return eNewValue->text();
}

void TfrmFont::SelectFontParts()
{
    m_selecting = true;
    const QString value = eNewValue->text();
    auto select = [](QListWidget *list, const QString &text) {
        if (list->count() == 0)
            return;
        const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        list->setCurrentItem(found.isEmpty() ? list->item(0) : found.first());
    };
    select(lbStyle, FontValuePart(value, 0));
    select(lbSize, LeadingDigits(FontValuePart(value, 1)));

    // A family that is not installed (a web font, a typing in progress) is
    // kept as an entry of its own, so that composing does not replace it.
    for (int row = lbFont->count() - 1; row >= 0; --row)
        if (lbFont->item(row)->data(Qt::UserRole).isValid())
            delete lbFont->takeItem(row);
    const QString css = rawPart(value, 2);
    const QString family = FamilyFromCss(css);
    for (int row = 0; row < lbFont->count(); ++row)
        if (lbFont->item(row)->data(kStackRole).toString() == css.trimmed()) {
            lbFont->setCurrentRow(row);
            m_selecting = false;
            return;
        }
    if (!blank(css) && lbFont->findItems(family, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty()) {
        auto *kept = new QListWidgetItem(family);
        kept->setData(Qt::UserRole, css);
        QFont italic = kept->font();
        italic.setItalic(true);
        kept->setFont(italic);
        lbFont->insertItem(1, kept);
    }
    select(lbFont, family);
    m_selecting = false;
}

bool TfrmFont::UpdateSample()
{
    const QString value = eNewValue->text();
    const QString font = FontValuePart(value, 0) + QLatin1Char(' ') + FontValuePart(value, 1) + QLatin1Char(' ') +
                         FontValuePart(value, 2);
    // The sample page is loaded when it is first needed, not with the other
    // windows at start-up: many sessions never choose a font.
    if (!std::exchange(m_sampleLoaded, true))
        wbFont->loadHtml(resourceText(QStringLiteral(":/editors/fontsample.html")), QUrl(QStringLiteral("about:blank")));
    return wbFont->call(QStringLiteral("qrn_setFont"), {font}).toBool();
}

void TfrmFont::spdAssignClick()
{
    auto selected = [](QListWidget *list) {
        const QListWidgetItem *item = list->currentItem();
        return item ? item->text() : QString();
    };
    QString family;
    if (const QListWidgetItem *item = lbFont->currentItem())
        family = item->data(kStackRole).isValid() ? item->data(kStackRole).toString()
                 : item->data(Qt::UserRole).isValid() ? item->data(Qt::UserRole).toString()
                                                      : CssFamilyName(item->text());
    eNewValue->setText(selected(lbStyle) + QLatin1Char(' ') + selected(lbSize) + CurrentUnit + QLatin1Char(' ') +
                       family);
}

void TfrmFont::spdApplyClick()
{
    accept();
}

void TfrmFont::showGenericSuggestion()
{
    const QString value = eNewValue->text();
    const QString families = rawPart(value, 2).trimmed();
    // "Default" leaves the family to the page; nothing to fall back from.
    const bool missing = !blank(families) && families != QLatin1String("Default") && !EndsInGenericFamily(value);
    lblGeneric->setVisible(missing);
    spdAddGeneric->setVisible(missing);
    if (missing)
        lblGeneric->setText(tr("Without the font, browsers show their own. Add \"%1\" at the end?")
                                .arg(GenericFamilyFor(families)));
}

void TfrmFont::spdAddGenericClick()
{
    const QString value = eNewValue->text().trimmed();
    eNewValue->setText(value + QStringLiteral(", ") + GenericFamilyFor(rawPart(value, 2)));
    SelectFontParts();
}

void TfrmFont::unitClick(const QString &unit)
{
    CurrentUnit = unit;
    lblUnits->setText(unit);
    if (cbAssign->isChecked())
        spdAssignClick();
}

void TfrmFont::listClicked()
{
    if (!m_selecting && cbAssign->isChecked())
        spdAssignClick();
}

void TfrmFont::newValueEdited()
{
    // The lists follow what is typed, so that a later click composes from it.
    SelectFontParts();
}

bool TfrmFont::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && isVisible()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            spdApplyClick();
            return true;
        }
        if (key == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmFont::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    paintBackgroundTile(p, event->rect());
}
