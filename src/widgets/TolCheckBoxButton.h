#pragma once

#include "widgets/ChoiceKey.h"

#include <QFrame>
#include <QList>
#include <QString>

class QCheckBox;
class QGridLayout;
class QIcon;
class QPushButton;

// An icon button with a check box over its lower left corner. It switches an
// option on or off and controls dependent widgets: they are enabled exactly
// while the box is checked. Each dependent carries the value that its option
// takes while the box is unchecked: a choice's display text, or "no_default"
// when there is no such choice, and optionally the key of that choice, which
// the tab machinery tries before the text.
class TolCheckBoxButton : public QFrame
{
    Q_OBJECT

public:
    // `name` is not shown; it only documents the caller's intent.
    TolCheckBoxButton(QWidget *parent, const QString &name, const QIcon &icon);
    ~TolCheckBoxButton() override;

    void setChecked(bool checked);
    bool isChecked() const;

    // Appends a dependent with the value it stands for while unchecked.
    void addDependent(QWidget *widget, const QString &value, const ChoiceKey &key = ChoiceKey());
    // Drops a dependent together with its value; no-op for a non-dependent.
    void removeDependent(QWidget *widget);
    QList<QWidget *> dependents() const;
    // The value registered for `widget`; empty for a widget that is no dependent.
    QString valueFor(QWidget *widget) const;
    ChoiceKey keyFor(QWidget *widget) const;
    // The item text under which a dependent list shows its value for the
    // current printer (the PPD's wording); until set, the value itself.
    void setValueText(QWidget *widget, const QString &text);

    // After loading: takes each dependent combo box's "unchecked" item out of
    // its list, disables and unchecks the whole button when a dependent combo
    // box had no items, and disables the dependents of an unchecked button.
    void applyToDependents();

    QPushButton *iconButton() const;
    QCheckBox *checkBox() const;

signals:
    void toggled(bool state);
    void toggled(int state);

public slots:
    void emit_toggled();
    void fire_signals();
    void set_enabled(bool toggle);

private:
    QPushButton *button;
    QCheckBox *check;
    QGridLayout *layout;
    QList<QWidget *> dependentWidgets;
    QList<QString> dependentValues;
    QList<ChoiceKey> dependentKeys;
    QList<QString> dependentValueTexts;
};
