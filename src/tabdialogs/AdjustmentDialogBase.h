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
// that only closes, and a run that starts from what was last saved.
class AdjustmentDialogBase : public QDialog
{
    Q_OBJECT

public:
    // Restores the saved state from the current settings file.
    virtual void reload() = 0;
    // Every key to save and write, as the widgets show them now.
    virtual QList<QPair<QString, QString>> options() const = 0;

public slots:
    // A cancelled run leaves its changes in the widgets; they go here.
    int exec() override;
    virtual void saveSettings() = 0;
    virtual void resetStates() = 0;

protected:
    AdjustmentDialogBase(QWidget *parent, const QString &customKey);

    virtual void syncFromModel() = 0;
    // After the dialog's own widgets, so that the buttons come last.
    void addButtons();

    // The custom switch between the model, the settings file and the box.
    QString customChoice() const;
    void saveCustom();
    void reloadCustom();
    void resetCustom();
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
