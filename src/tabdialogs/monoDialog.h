#pragma once

#include "tabdialogs/AdjustmentDialogBase.h"

class QLabel;
class QLineEdit;
class QSlider;

// Brightness and contrast of black-and-white printing. The custom switch
// lives in the model's "Madj"; the two numbers (slider positions, tenths of
// the printer's unit) are kept here and saved through the Imaging tab under
// "fMalt" and "fMact", which only this dialog reads back.
class monoDialog : public AdjustmentDialogBase
{
    Q_OBJECT

public:
    explicit monoDialog(QWidget *parent);

public slots:
    void setLineEditText(int value);
    void setSliderValue();
    void toggleAdjustment(bool enabled);

private:
    void buildUi();
    void connectSignals();
    void keepValues(Source source) override;
    // ("Malt", "Mact", "fMalt", "fMact"), after the base's "Madj".
    QList<QPair<QString, QString>> valueOptions() const override;
    void syncFromModel() override;
    void blockWidgetSignals(bool block);

    QLabel *brightnessLabel = nullptr;
    QLineEdit *brightnessEdit = nullptr;
    QSlider *brightnessSlider = nullptr;
    QLabel *contrastLabel = nullptr;
    QLineEdit *contrastEdit = nullptr;
    QSlider *contrastSlider = nullptr;
    QList<QPair<QString, int>> storedValues;
};
