#pragma once

#include "tabs/Tab.h"

class ColourModeGroup;
class ComboBoxEx;
class QCheckBox;
class QLabel;
class QPushButton;
class TolButtonGroup;
class adjustmentDialog;
class monoDialog;

// The "Imaging" tab: print quality (trapping, gloss, CIE, halftone,
// resolution), toner saving, colour mode with its adjustment dialogs, colour
// reproduction and conversion, smoothing, grey with black toner and moire
// prevention. Toner saving is driven by the tab itself: an on/off group plus
// a level list that together stand for the one option "Tnlt". The colour
// adjustment of one mode is cleared when the other mode is chosen.
class ImagingTab : public Tab
{
    Q_OBJECT

public:
    // `parent` is the main window; its toggleColorMode() slot is connected.
    explicit ImagingTab(QWidget *parent);

    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    bool hasOptions() override;
    void reload() override;
    QHash<QString, QString> collectOptionValues() override;
    OptionHash extraSettings() override;
    void clearErrorMarks() override;
    void retranslateUi() override;

    // For the main window's colour coupling: colour at index 0, black and
    // white at 1, as on the Basic tab.
    TolButtonGroup *colorGroup() const;

public slots:
    void tonerliteButtonToggled();
    void tonerliteComboBoxChanged();
    void showAdjustmentDialog();
    bool enableOptions() override;
    bool enableOptionsForButtonGroup(TolButtonGroup *button_group, tOption *option) override;
    // 0 clears the black-and-white adjustment, anything else the colour one.
    void clearDialogSettings(int selection);
    // Clears the adjustment of the mode that is not selected.
    void clearDialogSettings();

protected:
    void initTabName() override;
    void buildUi() override;

private:
    void buildLayout();
    void updateAdjustmentButton();
    void initTonerlite();
    void updateResolutionCombo();
    tOption *tonerliteOption() const;

    adjustmentDialog *colorAdjustment = nullptr;
    monoDialog *monoAdjustment = nullptr;

    QLabel *qualityIcon = nullptr;
    QLabel *qualityHeading = nullptr;
    QLabel *trapLabel = nullptr;
    ComboBoxEx *trapCombo = nullptr;
    QCheckBox *glossCheck = nullptr;
    QLabel *cieLabel = nullptr;
    ComboBoxEx *cieCombo = nullptr;
    QLabel *screenLabel = nullptr;
    ComboBoxEx *screenCombo = nullptr;
    QLabel *resolutionLabel = nullptr;
    ComboBoxEx *resolutionCombo = nullptr;
    TolButtonGroup *tonerliteGroup = nullptr;
    ComboBoxEx *tonerliteCombo = nullptr;
    ColourModeGroup *colour = nullptr;
    TolButtonGroup *colorButtons = nullptr;
    QLabel *adjustmentLabel = nullptr;
    QLabel *adjustmentIcon = nullptr;
    QPushButton *adjustmentButton = nullptr;
    QLabel *crepLabel = nullptr;
    ComboBoxEx *crepCombo = nullptr;
    QLabel *rcmLabel = nullptr;
    ComboBoxEx *rcmCombo = nullptr;
    QCheckBox *smoothingCheck = nullptr;
    QCheckBox *greyCheck = nullptr;
    QCheckBox *moireCheck = nullptr;
};
