#include "controls/flataccessible.h"

#include "controls/newspd.h"
#include "controls/spdcheckbox.h"

#include <QAccessibleWidget>

namespace {

class FlatControlAccessible : public QAccessibleWidget
{
public:
    FlatControlAccessible(QWidget *w, QAccessible::Role role)
        : QAccessibleWidget(w, role)
    {
    }

    // A box drawn as an option button is one to screen readers too.
    QAccessible::Role role() const override
    {
        if (const auto *box = qobject_cast<const TSpdCheckBox *>(widget()); box && box->Round)
            return QAccessible::RadioButton;
        return QAccessibleWidget::role();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (const auto *spd = qobject_cast<const TnewSpd *>(widget()))
            s.pressed = spd->isDown();
        if (const auto *box = qobject_cast<const TSpdCheckBox *>(widget())) {
            s.checkable = true;
            s.checked = box->isChecked();
        }
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{qobject_cast<const TSpdCheckBox *>(widget()) ? toggleAction() : pressAction()} +
               QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction() || name == toggleAction()) {
            if (auto *spd = qobject_cast<TnewSpd *>(widget()))
                spd->click();
            else if (auto *box = qobject_cast<TSpdCheckBox *>(widget()))
                box->click();
            return;
        }
        QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface *flatFactory(const QString &className, QObject *object)
{
    auto *w = qobject_cast<QWidget *>(object);
    if (!w)
        return nullptr;
    if (className == QLatin1String("TnewSpd"))
        return new FlatControlAccessible(w, QAccessible::Button);
    if (className == QLatin1String("TSpdCheckBox"))
        return new FlatControlAccessible(w, QAccessible::CheckBox);
    return nullptr;
}

} // namespace

void installFlatAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(flatFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
