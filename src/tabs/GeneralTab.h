#pragma once

#include "tabs/Tab.h"

class ColourModeGroup;
class ComboBoxEx;
class QLabel;
class TolButtonGroup;

// The "Basic" tab: media size, media type, paper source and output bin as
// lists, collation, duplex and colour mode as icon buttons. "Custom" sizes
// and the like are never offered; the paper size is also saved under the
// keywords that must agree with it. The colour group and the media-type list
// drive the main window's couplings to the Imaging and Publishing tabs.
class GeneralTab : public Tab
{
    Q_OBJECT

public:
    // `parent` is the main window; its toggleColorMode() and
    // togglePublishingFronAndBackLabel() slots are connected here.
    explicit GeneralTab(QWidget *parent);

    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    // True whenever a printer is selected.
    bool hasOptions() override;
    void reload() override;
    QHash<QString, QString> collectOptionValues() override;
    void clearErrorMarks() override;

    // For the main window's colour coupling.
    TolButtonGroup *colorModelGroup() const;

public slots:
    bool enableOptionsForButtonGroup(TolButtonGroup *button_group, tOption *option) override;

protected:
    void initTabName() override;
    void fillComboBox(ComboBoxEx *combo, tOption *option) override;
    void buildUi() override;
    virtual void setLabelTexts();

    void checkDuplex();

private:
    void buildLayout();

    QLabel *pageSizeLabel = nullptr;
    ComboBoxEx *pageSizeCombo = nullptr;
    QLabel *mediaTypeLabel = nullptr;
    ComboBoxEx *mediaTypeCombo = nullptr;
    QLabel *inputSlotLabel = nullptr;
    ComboBoxEx *inputSlotCombo = nullptr;
    QLabel *outputBinLabel = nullptr;
    ComboBoxEx *outputBinCombo = nullptr;
    TolButtonGroup *collateGroup = nullptr;
    TolButtonGroup *duplexGroup = nullptr;
    ColourModeGroup *colour = nullptr;
};
