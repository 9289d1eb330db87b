#pragma once

#include "tabs/Tab.h"

class ComboBoxEx;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class TolCheckBoxButton;

// The "Publishing" tab: cover mode (front, or front and back covers, each
// optionally printed outside and inside), page insert (sheets inserted before
// a list of pages) and transparency interleaving, each switched on by its
// check-box button, with the paper sources they feed from. Beside the option
// values the tab saves its own settings (extraSettings) and reads them back
// on reload. Interleaving cannot be combined with the other two, and page
// insert needs an accepted page list; both keep the tab constraint-marked.
class PublishingTab : public Tab
{
    Q_OBJECT

public:
    // `parent` is the main window: the cover paper-source lists are also
    // connected to its togglePublishingFronAndBackLabel() slot.
    explicit PublishingTab(QWidget *parent);

    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    // True when the printer has any option the tab shows.
    bool hasOptions() override;
    void reload() override;
    OptionHash extraSettings() override;
    void clearErrorMarks() override;
    void updateCustomConstraints() override;
    bool isConstraintMarked() override;
    void retranslateUi() override;
    void markCustomConstraints() override;

    // What the main window's tray-label coupling reads and changes.
    TolCheckBoxButton *coverModeButton() const { return chkButCvr; }
    ComboBoxEx *frontCoverSourceCombo() const { return cmbBxCvrM; }
    ComboBoxEx *backCoverSourceCombo() const { return cmbBxBackCvrM; }
    QLabel *frontCoverSideLabel() const { return lblCvrFront; }
    QLabel *backCoverSideLabel() const { return lblCvrBack; }

    // Greys the "Front"/"Back" print-onto label of a cover fed from an
    // inserter tray, which cannot print.
    void updateCoverSideLabels();

    // The page list last accepted, as saved ("3,7,8,9"); empty when none.
    QString acceptedPageList() const { return pageList; }
    bool isPageListInvalid() const { return pageListInvalid; }

public slots:
    void checkPageInsertInputText();
    void BlockAllSignals(bool block);
    void coverRadioButtonSelectionChanged();
    void coverModeToggled(bool toggleState);
    void pageInsertToggled(bool toggleState);
    void interleaveToggled(bool toggleState);

protected:
    void initTabName() override;
    void buildUi() override;

private:
    void setTexts();
    void buildLayout();
    void connectSignals();

    // Shows the back-cover source only for printers that have one.
    void updateBackCoverSourceWidgets();
    int coverModeValue() const;
    void unmarkPageList();

    void loadSavedStates();
    void loadCoverSettings();
    void loadPageInsertSettings();
    void loadInterleaveSettings();

    QString pageList;
    bool pageListInvalid = false;

    QLabel *lblCvrMode = nullptr;
    QRadioButton *rdButCvrFront = nullptr;
    QRadioButton *rdButCvrFrontBack = nullptr;
    QLabel *lblCvrPrintOnto = nullptr;
    QLabel *lblCvrFront = nullptr;
    QCheckBox *chkBxCvrFrontOut = nullptr;
    QCheckBox *chkBxCvrFrontIn = nullptr;
    QLabel *lblCvrBack = nullptr;
    QCheckBox *chkBxCvrBackOut = nullptr;
    QCheckBox *chkBxCvrBackIn = nullptr;
    QLabel *lblCvrM = nullptr;
    ComboBoxEx *cmbBxCvrM = nullptr;
    QLabel *lblBackCvrM = nullptr;
    ComboBoxEx *cmbBxBackCvrM = nullptr;
    TolCheckBoxButton *chkButCvr = nullptr;

    QLabel *lblPins = nullptr;
    QCheckBox *chkBxPinsPrintOntoFront = nullptr;
    QCheckBox *chkBxPinsPrintOntoBack = nullptr;
    QLabel *lblPinsPage = nullptr;
    QLineEdit *lnEditPinsPage = nullptr;
    QLabel *lblPMed = nullptr;
    ComboBoxEx *cmbBxPMed = nullptr;
    TolCheckBoxButton *chkButPins = nullptr;

    QLabel *lblTint = nullptr;
    QCheckBox *chkBxTintPrintOnto = nullptr;
    QLabel *lblTMed = nullptr;
    ComboBoxEx *cmbBxTMed = nullptr;
    TolCheckBoxButton *chkButTint = nullptr;
};
