#pragma once

#include "model/OptionHash.h"

#include <QHash>
#include <QIcon>
#include <QList>
#include <QString>
#include <QWidget>

struct ChoiceButton;
struct ChoiceKey;
class ComboBoxEx;
class QCheckBox;
class QComboBox;
class QSlider;
class TabOwner;
class TolButtonGroup;
class TolCheckBoxButton;
class tChoice;
class tOption;

// Base of every option page of the main window. A page builds its widgets in
// buildUi() and registers them by PPD keyword; the base then loads them from
// the saved settings or the PPD defaults, hands their values to the current
// option model, greys the choices the model blocks, moves a widget off a
// blocked choice, marks conflicts and collects the values to save.
//
// The main window drives a page only through the public operations, in this
// order: construction (page buildUi, connectOptionWidgets); getTabName,
// tabIcon, hasOptions; on a printer or profile change reload() (or
// resetDisabledTab() when the page is disabled); on every user change the
// connections run markOption (the model takes the value) and then the main
// window's setConstraints(), whose pass calls setConstraintMarked(false),
// enableOptions(), updateCustomConstraints(), clearErrorMarks(),
// markCustomConstraints() and isConstraintMarked(); for saving
// collectOptionValues() and extraSettings().
//
// Every generic operation works on AppState::optionModel and does nothing
// useful without one; the main window calls them only while a printer is
// selected.
class Tab : public QWidget
{
    Q_OBJECT

public:
    // `parent` is the main window: every option widget is also connected to
    // its setConstraints() slot.
    explicit Tab(QWidget *parent);
    ~Tab() override;

    // The translated title; when a page forgot to set one, a box says so and
    // the result is "ERROR".
    QString getTabName();

    virtual QIcon tabIcon();
    virtual QIcon tabConstraintIcon();
    // Whether the page is enabled for the current printer.
    virtual bool hasOptions() = 0;

    // Blocks the option widgets' signals, then: initTabName, forget the own
    // marks, addTabConstraints, clearErrorMarks, refreshOptionLabels,
    // loadOptionValues, applyAllWidgets, finishLoad, enableOptions, unblock.
    virtual void reload();
    // Called instead of reload() for a page that is disabled.
    virtual void resetDisabledTab();
    virtual void retranslateUi();

    // PPD keyword -> choice keyword of every widget whose option exists.
    virtual QHash<QString, QString> collectOptionValues();
    // Settings that are no PPD options, saved beside them; keys may repeat.
    virtual OptionHash extraSettings();

    // Constraint marks (see also enableOptions below).
    virtual void flagOptionError(const QString &keyword, const QString &choice);
    virtual void clearErrorMarks();
    virtual void updateCustomConstraints();
    virtual void markCustomConstraints();
    virtual bool isConstraintMarked();
    void setConstraintMarked(bool marked);

    // Error mark with tool tip on a QLabel or TolButtonGroup, independent of
    // the constraint-marked flag. Unmarking a label only clears its tool tip;
    // the image goes with the next clearErrorMarks().
    virtual void markWidget(QWidget *widget, const QString &toolTip, bool mark);

    // Page-specific marks, shown by markCustomConstraints(): `key` is what
    // the page marks (often the editing widget), `marked` the widget that
    // shows the image. Emptied at every reload.
    void addExtraMarkedWidget(QWidget *key, QWidget *marked);
    void removeExtraMarkedWidget(QWidget *key);

    // Wires every registered widget: first to this page's markOption (or
    // CheckBoxMarkConstraints), then to the main window's setConstraints().
    // Unique connections, so calling it again adds nothing.
    void connectOptionWidgets();
    void setOptionSignalsBlocked(bool blocked);

    QHash<QString, QWidget *> optionWidgetMap() const;
    // The keyword a widget is registered under; empty when none.
    QString keywordOf(QWidget *widget) const;

    // Greys (or frees) one item of a combo box.
    static void setComboItemBlocked(int index, QComboBox *combo, bool blocked);

    // Appends a button made from a table row, its text translated in
    // `context`; its key is the row's keywords and untranslated text.
    static void addChoiceButton(TolButtonGroup *group, const ChoiceButton &row,
                                const char *context);
    // The group shows the button that stands for `choice`, and none when no
    // button does: a group never claims a choice the model does not hold.
    static void showChoice(TolButtonGroup *group, tOption *option, const tChoice *choice);

public slots:
    // The model takes the sending widget's value.
    virtual void markOption(bool value);
    virtual void markOption(int value);

    // Greys every blocked choice and moves widgets off blocked choices;
    // true when any widget was moved (the main window then runs another
    // pass). Each variant returns whether its widget was moved.
    virtual bool enableOptions();
    virtual bool enableOptionsForComboBox(ComboBoxEx *combo_box, tOption *option);
    virtual bool enableOptionsForCheckBox(QCheckBox *check_box, tOption *option);
    virtual bool enableOptionsForCheckBoxButton(TolCheckBoxButton *checkbox_button,
                                                tOption *option);
    virtual bool enableOptionsForButtonGroup(TolButtonGroup *button_group, tOption *option);

    // The dependents of a check-box button take their values: checked, each
    // dependent combo box's own choice; unchecked, the choice whose text is
    // the dependent's registered value.
    void CheckBoxMarkConstraints();
    void CheckBoxMarkConstraintsWithSender(TolCheckBoxButton *check_button);

protected:
    // A page sets tabName to its translated title, then calls getTabName().
    virtual void initTabName() = 0;
    // Creates the widgets and registers them (addOptionWidget and friends).
    virtual void buildUi() = 0;

    // Registration, for buildUi. A widget edits one keyword only: registering
    // it again moves it to the new keyword.
    void addOptionWidget(const QString &keyword, QWidget *editor);
    // The widget that carries the option's title and error mark: a QLabel, a
    // QCheckBox whose own text is the title, or a TolButtonGroup.
    void addLabelWidget(const QString &keyword, QWidget *title);
    // Enabled exactly when the current model has the option.
    void addCompanionWidget(const QString &keyword, QWidget *widget);
    // A check-box button that has dependents, in the order they are handled.
    void addCheckButton(TolCheckBoxButton *button);
    // As the static one, in the page's own context.
    void addChoiceButton(TolButtonGroup *group, const ChoiceButton &row);

    // Whether the current model has an option for any registered keyword;
    // false without a model. What most pages answer in hasOptions().
    bool modelHasAnyRegisteredOption() const;

    // Loading, called by reload().
    virtual void loadOptionValues();
    virtual void setupComboBox(ComboBoxEx *combo, tOption *option);
    virtual void fillComboBox(ComboBoxEx *combo, tOption *option);
    virtual void finishLoad();
    virtual void addTabConstraints();
    void refreshOptionLabels();
    void selectComboValue(ComboBoxEx *combo, tOption *option);
    void loadCheckBox(QCheckBox *check_box, tOption *option);
    void loadButtonGroup(TolButtonGroup *button_group, tOption *option);
    void loadCheckBoxButton(TolCheckBoxButton *checkbox_button, tOption *option);

    // Handing values to the model. The widget's exact class decides how its
    // value is read; a subclass of a kit or Qt widget is not handled.
    virtual void applyWidgetToOption(int value, QWidget *widget);
    virtual void applyAllWidgets();

    // Reading values as choice keywords.
    QString widgetValue(QWidget *widget, tOption *option);
    static QString choiceKeywordForText(tOption *option, const QString &text);
    // The choice a list item stands for: the one its item data names, and
    // only for an item without item data the first choice with its text.
    static tChoice *comboChoice(const QComboBox *combo, int index, tOption *option);

    // The option a registered keyword's editor offers: the current model's
    // option, but none for a check box whose option lacks "True" or "False",
    // since a box can write nothing else. Null without a model.
    tOption *offeredOption(const QString &keyword) const;

    // What is matched must not depend on the interface language: a choice is
    // found by the key's keywords, then its untranslated text, and only then
    // by the translated text the user sees. Null when nothing matches.
    static tChoice *matchChoice(tOption *option, const ChoiceKey &key, const QString &shownText);
    // The choice a group's button stands for; null for no button.
    static tChoice *buttonChoice(const TolButtonGroup *group, int index, tOption *option);
    // The first button that stands for `choice`; -1 when none does.
    static int buttonIndexOf(const TolButtonGroup *group, tOption *option, const tChoice *choice);
    // The choice a check-box button's dependent stands for while unchecked.
    static tChoice *dependentChoice(const TolCheckBoxButton *button, QWidget *dependent,
                                    tOption *option);
    // The display text of the option's choice that the key names, else
    // `shownText`: what a list holding the PPD's texts shows for it.
    static QString choiceText(const QString &keyword, const ChoiceKey &key,
                              const QString &shownText);

    virtual void connectComboBox(ComboBoxEx *combo);
    virtual void connectCheckBox(QCheckBox *check_box);
    virtual void connectSlider(QSlider *slider);
    virtual void connectButtonGroup(TolButtonGroup *button_group);

    // The parent when it is the tabs' owner, else null: a page on a bare
    // widget connects nothing to an owner.
    TabOwner *dialog;
    QString tabName;
    bool constraintMarked = false;
    QHash<QWidget *, QWidget *> extraMarkedWidgets;
    QHash<QString, QWidget *> optionWidgets;
    QHash<QString, QWidget *> labelWidgets;
    QHash<QString, QWidget *> companionWidgets;
    QList<TolCheckBoxButton *> checkButtons;
    QHash<QString, QString> optionValues;

private:
    // The choice a widget shows after loading: the saved one when it names a
    // choice, else the default (null when there is neither).
    static tChoice *savedOrDefaultChoice(const QString &keyword, tOption *option);
    // page slot first, then the main window's setConstraints().
    template<typename Sender, typename Signal, typename PageSlot>
    void connectToPageAndDialog(const Sender *sender, Signal signal, PageSlot pageSlot);
    static void markTitle(QWidget *title);
};
