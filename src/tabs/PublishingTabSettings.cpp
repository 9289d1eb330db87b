// The Publishing tab's own saved settings (beside its option values) and
// the check of its page-insert list.

#include "tabs/PublishingTab.h"

#include "system/PerUserFiles.h"
#include "tabs/PageInsertList.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/ErrorMark.h"
#include "widgets/TolCheckBoxButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const QString trueText = QStringLiteral("True");
const QString falseText = QStringLiteral("False");

// Bits of the saved cover mode; a cover printed on neither side is saved as
// the mode alone.
enum CoverModeBits {
    FrontOutside = 1,
    FrontInside = 2,
    BackOutside = 4,
    BackInside = 8,
    FrontOnly = 16,
    FrontAndBack = 32,
};

// Bits of the saved page-insert print-onto value.
enum PageInsertBits {
    PrintOntoFront = 1,
    PrintOntoBack = 2,
};

QString trueOrFalse(bool value)
{
    return value ? trueText : falseText;
}

} // namespace

// ---------------------------------------------------------------------------
// Reading back

void PublishingTab::loadSavedStates()
{
    loadCoverSettings();
    loadPageInsertSettings();
    loadInterleaveSettings();
}

void PublishingTab::loadCoverSettings()
{
    chkButCvr->setChecked(readCfgValue(QStringLiteral("TvCoverModeEnabled")) == trueText);
    if (readCfgValue(QStringLiteral("TvCovermodeRadioButtonState")) == QLatin1String("2"))
        rdButCvrFrontBack->setChecked(true);
    else
        rdButCvrFront->setChecked(true);

    const int mode = readCfgValue(QStringLiteral("TvCoverModeValue")).toInt();
    chkBxCvrFrontOut->setChecked(mode & FrontOutside);
    chkBxCvrFrontIn->setChecked(mode & FrontInside);
    chkBxCvrBackOut->setChecked(mode & BackOutside);
    chkBxCvrBackIn->setChecked(mode & BackInside);
    coverRadioButtonSelectionChanged();
}

void PublishingTab::loadPageInsertSettings()
{
    chkButPins->setChecked(readCfgValue(QStringLiteral("TvPageInsertEnabled")) == trueText);
    const QString pages = readCfgValue(QStringLiteral("TvPageinsertNums"));
    if (!pages.isEmpty()) {
        lnEditPinsPage->setText(pages);
        checkPageInsertInputText();
    }
    const int printOnto = readCfgValue(QStringLiteral("TvPageinsertValue")).toInt();
    chkBxPinsPrintOntoFront->setChecked(printOnto > 0 && (printOnto & PrintOntoFront));
    chkBxPinsPrintOntoBack->setChecked(printOnto > 0 && (printOnto & PrintOntoBack));
}

void PublishingTab::loadInterleaveSettings()
{
    chkButTint->setChecked(readCfgValue(QStringLiteral("TvIntLvEnabled")) == trueText);
    chkBxTintPrintOnto->setChecked(readCfgValue(QStringLiteral("TvIntLvValue"))
                                   == QLatin1String("2"));
}

// ---------------------------------------------------------------------------
// Saved settings

int PublishingTab::coverModeValue() const
{
    int value = 0;
    if (chkBxCvrFrontOut->isChecked())
        value |= FrontOutside;
    if (chkBxCvrFrontIn->isChecked())
        value |= FrontInside;
    if (chkBxCvrBackOut->isChecked())
        value |= BackOutside;
    if (chkBxCvrBackIn->isChecked())
        value |= BackInside;
    if (value == 0 && rdButCvrFront->isChecked())
        value = FrontOnly;
    else if (value == 0 && rdButCvrFrontBack->isChecked())
        value = FrontAndBack;
    return value;
}

OptionHash PublishingTab::extraSettings()
{
    OptionHash settings;

    const bool cover = chkButCvr->isChecked();
    settings.replace(QStringLiteral("TvCoverModeEnabled"), trueOrFalse(cover));
    if (cover) {
        QString radioState = QStringLiteral("-1");
        if (rdButCvrFront->isChecked())
            radioState = QStringLiteral("1");
        else if (rdButCvrFrontBack->isChecked())
            radioState = QStringLiteral("2");
        settings.replace(QStringLiteral("TvCoverModeValue"), QString::number(coverModeValue()));
        settings.replace(QStringLiteral("TvCovermodeRadioButtonState"), radioState);
        settings.replace(QStringLiteral("TVCoverMedia"), cmbBxCvrM->currentText());
        settings.replace(QStringLiteral("TVCoverMedia2"), cmbBxBackCvrM->currentText());
    }

    const bool insert = chkButPins->isChecked();
    settings.replace(QStringLiteral("TvPageInsertEnabled"), trueOrFalse(insert));
    settings.replace(QStringLiteral("Pins"), insert ? QStringLiteral("On") : QStringLiteral("Off"));
    int printOnto = -1;
    if (insert) {
        printOnto = 0;
        if (chkBxPinsPrintOntoFront->isChecked())
            printOnto |= PrintOntoFront;
        if (chkBxPinsPrintOntoBack->isChecked())
            printOnto |= PrintOntoBack;
    }
    settings.replace(QStringLiteral("TvPageinsertValue"), QString::number(printOnto));
    if (insert) {
        settings.replace(QStringLiteral("TvPageinsertNums"), pageList);
        settings.replace(QStringLiteral("TVPageinsertMedia"), cmbBxPMed->currentText());
    }

    const bool interleave = chkButTint->isChecked();
    settings.replace(QStringLiteral("TvIntLvEnabled"), trueOrFalse(interleave));
    QString interleaveValue = QStringLiteral("0");
    if (interleave)
        interleaveValue =
            chkBxTintPrintOnto->isChecked() ? QStringLiteral("2") : QStringLiteral("1");
    settings.replace(QStringLiteral("TvIntLvValue"), interleaveValue);
    if (interleave)
        settings.replace(QStringLiteral("TVTransparencyinterleavingMedia"),
                         cmbBxTMed->currentText());

    return settings;
}

// ---------------------------------------------------------------------------
// Page list

void PublishingTab::checkPageInsertInputText()
{
    if (!chkButPins->isChecked())
        return;

    pageList.clear();
    pageListInvalid = true;
    const bool frontPrintedBothSides =
        chkBxCvrFrontIn->isChecked() && chkBxCvrFrontOut->isChecked();
    const PageInsertList::Result result =
        PageInsertList::check(lnEditPinsPage->text(), frontPrintedBothSides);

    switch (result.outcome) {
    case PageInsertList::Outcome::Refused:
        markWidget(lblPins, tr(result.message), true);
        break;
    case PageInsertList::Outcome::NoPages:
        unmarkPageList();
        break;
    case PageInsertList::Outcome::Unfinished:
        // Still being typed: neither accepted nor refused, earlier mark stays.
        break;
    case PageInsertList::Outcome::Accepted:
        pageList = result.pageList;
        pageListInvalid = false;
        unmarkPageList();
        break;
    }
}

void PublishingTab::unmarkPageList()
{
    markWidget(lblPins, QString(), false);
    // The label also shows the conflict with interleaving; that mark stays.
    if (!extraMarkedWidgets.contains(chkButPins))
        ErrorMark::removeFrom(lblPins);
}
