#pragma once

#include "tabdialogs/AdjustmentDialogBase.h"

#include <QHash>

class ComboBoxEx;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;

// Colour adjustment of colour printing: either HSL (a master hue or six
// per-colour hues, saturation, lightness, contrast) or colour balance
// (three opposite-colour pairs). The model gets only the switches "Cadj"
// and "CaColorSpace"; the numbers reach the printer through the Imaging
// tab's values. The exact slider positions are saved under the keys with a
// leading "f" (and the chosen hue row under "HueIndex"), which only this
// dialog reads back.
class adjustmentDialog : public AdjustmentDialogBase
{
    Q_OBJECT

public:
    explicit adjustmentDialog(QWidget *parent);

public slots:
    void checkAdjustmentSettings();
    void hueSelectedChanged(const QString &hue);
    void setLineEditText(int value);
    void setSliderValue();
    void markCaColorSpace();
    void clearMasterSliderValue();
    void clearOtherSliderValues();
    void clearHSLSettings();
    void clearColorBalanceSettings();

private:
    void buildUi();
    void connectSignals();
    void buildLayout();
    void keepValues(Source source) override;
    QList<QPair<QString, QString>> valueOptions() const override;
    void syncFromModel() override;
    // Blocks (or restores) the sliders, edits and radio buttons.
    void blockValueSignals(bool block);
    QString colorSpaceValue() const;

    const int scale = 100;
    int hueIndex = 0;
    QHash<QString, QSlider *> sliderMap;
    QHash<QString, QLineEdit *> editMap;
    QHash<QString, QString> hueKeyByText;
    QHash<QString, QWidget *> hueLabelMap;
    QList<QPair<QString, double>> values;

    QLabel *iconLabel = nullptr;
    QRadioButton *hslRadio = nullptr;
    QRadioButton *balanceRadio = nullptr;
    QGroupBox *hueGroup = nullptr;
    QLabel *modifyLabel = nullptr;
    ComboBoxEx *hueCombo = nullptr;
    QGroupBox *levelsGroup = nullptr;
    // Per key, in key order: the row's label(s).
    QHash<QString, QLabel *> firstLabels;
    QHash<QString, QLabel *> secondLabels;
    QList<QObject *> blockable;
    QList<bool> blockedBefore;
};
