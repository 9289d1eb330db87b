#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;

// What the colour and the black-and-white adjustment dialogs share: a custom
// switch kept in the model under one key, OK that saves and closes, Cancel
// that only closes, and a run that starts from what was last saved. Each
// step does the custom switch here and the dialog's own values through the
// dialog.
class AdjustmentDialogBase : public QDialog
{
    Q_OBJECT

public:
    // Restores the saved state from the current settings file.
    void reload();
    // Every key to save and write, as the widgets show them now: the custom
    // switch first.
    QList<QPair<QString, QString>> options() const;

public slots:
    // A cancelled run leaves its changes in the widgets; they go here.
    int exec() override;
    // What the widgets show becomes the state a run starts from.
    void saveSettings();
    // No adjustment: the switch off and the values cleared.
    void resetStates();

protected:
    // Where the values a step keeps come from.
    enum class Source { SettingsFile, Widgets, Nothing };

    AdjustmentDialogBase(QWidget *parent, const QString &customKey);

    // The dialog's own values, taken from the source; Nothing clears them.
    virtual void keepValues(Source source) = 0;
    // The dialog's own keys of options().
    virtual QList<QPair<QString, QString>> valueOptions() const = 0;
    // The widgets show the state kept.
    virtual void syncFromModel() = 0;
    // After the dialog's own widgets, so that the buttons come last.
    void addButtons();

    QString customChoice() const;
    // False when the printer has no such option; the box is then left as it is.
    bool syncCustomFromModel();

    // The fields are too narrow for "-0.25": left at its end, the text would
    // scroll its minus sign out of sight.
    static void showFromStart(QLineEdit *edit, const QString &text);

    QCheckBox *customCheck = nullptr;
    QDialogButtonBox *buttonBox = nullptr;

private:
    const QString customKey;
};
