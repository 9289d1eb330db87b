#include "widgets/TolCheckBoxButton.h"

#include "widgets/ComboBoxEx.h"
#include "widgets/TolButtonGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QIcon>
#include <QPushButton>

TolCheckBoxButton::TolCheckBoxButton(QWidget *parent, const QString &name, const QIcon &icon)
    : QFrame(parent)
    , button(new QPushButton(this))
    , check(new QCheckBox(this))
    , layout(new QGridLayout(this))
{
    Q_UNUSED(name);

    button->setIcon(icon);
    button->setIconSize(QSize(50, 50));
    button->setStyleSheet(QLatin1String(TolButtonGroup::focusFrameStyle));
    check->setStyleSheet(QStringLiteral("margin: 0px"));

    // One cell for both, so the check box lies over the icon's corner.
    layout->addWidget(button, 0, 0, Qt::AlignBottom);
    layout->addWidget(check, 0, 0, Qt::AlignBottom | Qt::AlignLeft);
    layout->setContentsMargins(0, 0, 0, 0);
    setMinimumSize(50, 50);

    connect(button, &QPushButton::clicked, check, &QCheckBox::toggle);
    // Dependents follow the new state before anyone hears of it.
    connect(check, &QCheckBox::toggled, this, &TolCheckBoxButton::set_enabled,
            Qt::UniqueConnection);
    connect(check, &QCheckBox::toggled, this, &TolCheckBoxButton::emit_toggled,
            Qt::UniqueConnection);
    connect(check, &QCheckBox::toggled, this, &TolCheckBoxButton::fire_signals,
            Qt::UniqueConnection);
}

TolCheckBoxButton::~TolCheckBoxButton() = default;

void TolCheckBoxButton::setChecked(bool checked)
{
    check->setChecked(checked);
}

bool TolCheckBoxButton::isChecked() const
{
    return check->isChecked();
}

void TolCheckBoxButton::addDependent(QWidget *widget, const QString &value, const ChoiceKey &key)
{
    dependentWidgets.append(widget);
    dependentValues.append(value);
    dependentKeys.append(key);
    dependentValueTexts.append(value);
}

void TolCheckBoxButton::removeDependent(QWidget *widget)
{
    const int index = dependentWidgets.indexOf(widget);
    if (index < 0)
        return;
    dependentWidgets.removeAt(index);
    dependentValues.removeAt(index);
    dependentKeys.removeAt(index);
    dependentValueTexts.removeAt(index);
}

QList<QWidget *> TolCheckBoxButton::dependents() const
{
    return dependentWidgets;
}

QString TolCheckBoxButton::valueFor(QWidget *widget) const
{
    const int index = dependentWidgets.indexOf(widget);
    return index >= 0 ? dependentValues[index] : QString();
}

ChoiceKey TolCheckBoxButton::keyFor(QWidget *widget) const
{
    return dependentKeys.value(dependentWidgets.indexOf(widget));
}

void TolCheckBoxButton::setValueText(QWidget *widget, const QString &text)
{
    const int index = dependentWidgets.indexOf(widget);
    if (index >= 0)
        dependentValueTexts[index] = text;
}

void TolCheckBoxButton::applyToDependents()
{
    bool anyEmpty = false;
    for (int i = 0; i < dependentWidgets.size(); ++i) {
        auto *combo = qobject_cast<ComboBoxEx *>(dependentWidgets[i]);
        if (!combo)
            continue;
        if (combo->count() == 0)
            anyEmpty = true;
        const int index =
            combo->findText(dependentValueTexts[i], Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index >= 0)
            combo->removeItem(index);
    }

    if (anyEmpty) {
        setEnabled(false);
        setChecked(false);
    }
    if (!isChecked()) {
        for (QWidget *widget : qAsConst(dependentWidgets))
            widget->setEnabled(false);
    }
}

QPushButton *TolCheckBoxButton::iconButton() const
{
    return button;
}

QCheckBox *TolCheckBoxButton::checkBox() const
{
    return check;
}

void TolCheckBoxButton::emit_toggled()
{
    const bool state = check->isChecked();
    emit toggled(state);
    emit toggled(state ? 1 : 0);
}

void TolCheckBoxButton::fire_signals()
{
    for (QWidget *widget : qAsConst(dependentWidgets)) {
        if (auto *combo = qobject_cast<ComboBoxEx *>(widget))
            combo->setCurrentIndex(combo->currentIndex());
    }
}

void TolCheckBoxButton::set_enabled(bool toggle)
{
    for (QWidget *widget : qAsConst(dependentWidgets))
        widget->setEnabled(toggle);
}
