// The printer tab's installable options: one check box or labelled combo box
// per option, and the tracking of changes that need a root write.
#include "tabs/PrinterTab.h"

#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/CupsRequests.h"
#include "tabs/TabOwner.h"
#include "widgets/ComboBoxEx.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>

namespace {

const char *const optionWidgetStyle = "margin-bottom: 8px";

bool isTrueFalseOption(const tOption *option)
{
    return option->findChoice(QStringLiteral("True"))
           && option->findChoice(QStringLiteral("False"));
}

} // namespace

void PrinterTab::reload()
{
    setOptionSignalsBlocked(true);
    buildOptionWidgets();
    initTabName();
    extraMarkedWidgets.clear();
    clearErrorMarks();
    refreshOptionLabels();
    enableInstalledOptionsLabel();
    loadOptionValues();
    applyAllWidgets();
    connectOptionWidgets();
    takeOptionValues();
    enableOptions();
    setOptionSignalsBlocked(false);
}

void PrinterTab::reapplyOptions()
{
    setOptionSignalsBlocked(true);
    extraMarkedWidgets.clear();
    clearErrorMarks();
    applyAllWidgets();
    setOptionSignalsBlocked(false);
}

void PrinterTab::enableInstalledOptionsLabel()
{
    installedOptionsLabel->setEnabled(true);
    installedOptionsLabel->setText(tr("Installed options"));
}

void PrinterTab::removeOptionWidgets()
{
    QSet<QWidget *> widgets;
    for (QWidget *widget : qAsConst(optionWidgets))
        widgets.insert(widget);
    for (QWidget *widget : qAsConst(labelWidgets))
        widgets.insert(widget);
    for (QWidget *widget : qAsConst(widgets)) {
        widget->hide();
        optionsLayout->removeWidget(widget);
        // Later: this may run inside a signal of the very widget.
        widget->deleteLater();
    }
    optionWidgets.clear();
    labelWidgets.clear();
    nextOptionRow = 0;
}

void PrinterTab::buildOptionWidgets()
{
    if (!AppState::optionModel)
        return;
    removeOptionWidgets();

    const QList<tOption *> options = AppState::optionModel->installableOptions();
    for (const tOption *option : options) {
        const QString keyword = option->keyword();
        if (isTrueFalseOption(option)) {
            auto *checkBox = new QCheckBox(option->text());
            checkBox->setAccessibleName(QStringLiteral("chkBx") + keyword);
            checkBox->setStyleSheet(QLatin1String(optionWidgetStyle));
            addOptionWidget(keyword, checkBox);
            addLabelWidget(keyword, checkBox);
            optionsLayout->addWidget(checkBox, nextOptionRow++, 0, 1, 1, Qt::AlignLeft);
        } else {
            auto *label = new QLabel;
            label->setAccessibleName(QStringLiteral("lbl") + keyword);
            auto *combo = new ComboBoxEx;
            combo->setAccessibleName(QStringLiteral("cmbBx") + keyword);
            combo->setStyleSheet(QLatin1String(optionWidgetStyle));
            addOptionWidget(keyword, combo);
            addLabelWidget(keyword, label);
            optionsLayout->addWidget(label, nextOptionRow++, 0, 1, 1,
                                     Qt::AlignLeft | Qt::AlignBottom);
            optionsLayout->addWidget(combo, nextOptionRow++, 0, 1, 1, Qt::AlignLeft | Qt::AlignTop);
        }
    }
}

void PrinterTab::clearOptionWidgets()
{
    // A model still on its way belongs to the selection being undone.
    requests()->drop(CupsRequests::Selection);
    clearCurrentPrinter();
    removeOptionWidgets();
    printerTable->verticalScrollBar()->setValue(0);
    installedOptionsLabel->setEnabled(false);
}

void PrinterTab::connectComboBox(ComboBoxEx *combo)
{
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const auto changed = qOverload<int>(&QComboBox::currentIndexChanged);
    connect(combo, changed, this, qOverload<int>(&PrinterTab::markOption), Qt::UniqueConnection);
    connect(combo, changed, this, &PrinterTab::checkForChanges, Qt::UniqueConnection);
    connect(combo, changed, this, &PrinterTab::enableOptions, Qt::UniqueConnection);
    if (dialog)
        connect(combo, changed, dialog, &TabOwner::setConstraints, Qt::UniqueConnection);
}

void PrinterTab::connectCheckBox(QCheckBox *check_box)
{
    connect(check_box, &QCheckBox::stateChanged, this, qOverload<int>(&PrinterTab::markOption),
            Qt::UniqueConnection);
    connect(check_box, &QCheckBox::stateChanged, this, &PrinterTab::checkForChanges,
            Qt::UniqueConnection);
    connect(check_box, &QCheckBox::stateChanged, this, &PrinterTab::enableOptions,
            Qt::UniqueConnection);
    if (dialog)
        connect(check_box, &QCheckBox::stateChanged, dialog, &TabOwner::setConstraints,
                Qt::UniqueConnection);
}

QString PrinterTab::installableValue(QWidget *widget)
{
    if (auto *checkBox = qobject_cast<QCheckBox *>(widget))
        return checkBox->isChecked() ? QStringLiteral("True") : QStringLiteral("False");
    if (auto *combo = qobject_cast<ComboBoxEx *>(widget))
        return combo->currentText();
    return QString();
}

void PrinterTab::takeOptionValues()
{
    for (auto it = optionWidgets.cbegin(); it != optionWidgets.cend(); ++it)
        takenValues.insert(it.key(), installableValue(it.value()));
    installedOptionsChanged = false;
    rootWarningLabel->hide();
}

void PrinterTab::checkForChanges(int)
{
    installedOptionsChanged = false;
    for (auto it = optionWidgets.cbegin(); it != optionWidgets.cend(); ++it) {
        // A keyword not taken yet counts as empty.
        const QString taken = takenValues.value(it.key());
        if (!takenValues.contains(it.key()))
            takenValues.insert(it.key(), taken);
        if (installableValue(it.value()) != taken)
            installedOptionsChanged = true;
    }
    rootWarningLabel->setVisible(installedOptionsChanged);
}
