#pragma once

#include "widgets/ChoiceKey.h"

#include <QColor>
#include <QFrame>
#include <QList>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;
class QGridLayout;
class QLabel;
class QPushButton;

// A titled row of checkable icon buttons standing for one option with a few
// choices. Each button's accessible name is the text the user reads; the tab
// machinery finds a button's choice by its key first, and by that name only
// when the key names no choice of the option. The checked button shows its
// icon path with "-selected" appended, and the title reads "title:name".
class TolButtonGroup : public QFrame
{
    Q_OBJECT

public:
    TolButtonGroup(QWidget *parent, const QString &title);
    ~TolButtonGroup() override;

    // Style of the icon buttons, with their focus frame; the check-box
    // button uses it too.
    static const char *const focusFrameStyle;

    // Hides QWidget::setEnabled: the title is greyed along with the frame.
    virtual void setEnabled(bool enabled);

    void addButton(const QString &name, const QString &iconPath,
                   const ChoiceKey &key = ChoiceKey());
    // The key of the button at that position; empty for any other position.
    ChoiceKey buttonKey(int index) const;
    // Empties the group so that buttons can be added afresh.
    void removeAllButtons();

    // Selects the button named `name` (the first button when none has that
    // name), updates every icon and the title. Emits nothing.
    void updateButtonIcons(const QString &name);
    // Leaves no button checked and shows the bare title: the group then
    // stands for none of its buttons' choices.
    void uncheckAll();

    void setLabelColour(bool enabled);

    QString checkedButtonName() const;
    QStringList buttonNames() const;
    int checkedIndex() const;
    int checkedPushButtonIndex() const;
    QPushButton *pushButton(int index) const;
    int count() const;

    // Error mark in the title: setError adds the mark with a tool tip,
    // clearError removes both, showError only adds or removes the mark.
    void setError(const QString &toolTip);
    void clearError();
    void showError(bool show);

    // Takes effect at the next rebuild of the title.
    void setTitle(const QString &title);
    QString title() const;
    QLabel *titleLabel() const;

signals:
    void buttonClicked(int index);
    void buttonClicked(QAbstractButton *button);

public slots:
    virtual void setButton(int button_index);
    virtual void setButton(QAbstractButton *button);
    void enableButton(QAbstractButton *button, bool enabled);
    void enableButton(int index, bool enabled);
    void constructLabel();
    void emit_buttonClicked(QAbstractButton *button);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QGridLayout *layout;
    QButtonGroup *group;
    QList<QAbstractButton *> buttons;
    QList<QString> iconPaths;
    QList<ChoiceKey> keys;
    QLabel *label;
    QString titleText;
    int nextColumn = 0;
    QColor labelColour;
};
