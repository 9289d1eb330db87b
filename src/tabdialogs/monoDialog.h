#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSlider;

// Brightness and contrast of black-and-white printing. The custom switch
// lives in the model's "Madj"; the two numbers (slider positions, tenths of
// the printer's unit) are kept here and saved through the Imaging tab under
// "fMalt" and "fMact", which only this dialog reads back.
class monoDialog : public QDialog
{
    Q_OBJECT

public:
    explicit monoDialog(QWidget *parent);
    ~monoDialog() override;

    // Restores the numbers from the current settings file; the custom
    // switch goes into the model.
    void reload();
    // ("Madj", "Malt", "Mact", "fMalt", "fMact") as the widgets show them.
    QList<QPair<QString, QString>> options() const;

public slots:
    int exec() override;
    void saveSettings();
    void resetStates();
    void setLineEditText(int value);
    void setSliderValue();
    void toggleAdjustment(bool enabled);

private:
    void buildUi();
    void connectSignals();
    void syncFromModel();
    void blockWidgetSignals(bool block);

    QCheckBox *customCheck = nullptr;
    QLabel *brightnessLabel = nullptr;
    QLineEdit *brightnessEdit = nullptr;
    QSlider *brightnessSlider = nullptr;
    QLabel *contrastLabel = nullptr;
    QLineEdit *contrastEdit = nullptr;
    QSlider *contrastSlider = nullptr;
    QDialogButtonBox *buttonBox = nullptr;
    QList<QPair<QString, int>> storedValues;
};
