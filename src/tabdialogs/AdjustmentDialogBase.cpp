#include "tabdialogs/AdjustmentDialogBase.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "system/AppState.h"
#include "system/PerUserFiles.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

AdjustmentDialogBase::AdjustmentDialogBase(QWidget *parent, const QString &customKey)
    : QDialog(parent)
    , customKey(customKey)
{
    setWindowFlags(windowFlags()
                   & ~(Qt::WindowContextHelpButtonHint | Qt::WindowMinimizeButtonHint
                       | Qt::WindowMaximizeButtonHint));
}

void AdjustmentDialogBase::addButtons()
{
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = buttonBox->button(QDialogButtonBox::Ok);
    connect(ok, &QPushButton::clicked, this, &AdjustmentDialogBase::saveSettings);
    connect(ok, &QPushButton::clicked, this, &AdjustmentDialogBase::close);
    connect(buttonBox->button(QDialogButtonBox::Cancel), &QPushButton::clicked, this,
            &AdjustmentDialogBase::close);
}

int AdjustmentDialogBase::exec()
{
    syncFromModel();
    return QDialog::exec();
}

QString AdjustmentDialogBase::customChoice() const
{
    return customCheck->isChecked() ? QStringLiteral("True") : QStringLiteral("False");
}

void AdjustmentDialogBase::reload()
{
    const QString custom = readCfgValue(customKey);
    AppState::setCurrentChoice(customKey, custom.isEmpty() ? QStringLiteral("False") : custom);
    keepValues(Source::SettingsFile);
    syncFromModel();
}

QList<QPair<QString, QString>> AdjustmentDialogBase::options() const
{
    return QList<QPair<QString, QString>> {{customKey, customChoice()}} + valueOptions();
}

void AdjustmentDialogBase::saveSettings()
{
    AppState::setCurrentChoice(customKey, customChoice());
    keepValues(Source::Widgets);
}

void AdjustmentDialogBase::resetStates()
{
    AppState::setCurrentChoice(customKey, QStringLiteral("False"));
    keepValues(Source::Nothing);
    syncFromModel();
}

bool AdjustmentDialogBase::syncCustomFromModel()
{
    const tOption *option = AppState::currentOption(customKey);
    if (!option)
        return false;
    const tChoice *current = option->currentChoice();
    customCheck->setChecked(current && current->keyword() == QLatin1String("True"));
    return true;
}

void AdjustmentDialogBase::showFromStart(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
    edit->setCursorPosition(0);
}
