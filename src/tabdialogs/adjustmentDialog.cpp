#include "tabdialogs/adjustmentDialog.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/PerUserFiles.h"
#include "widgets/ComboBoxEx.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegExpValidator>
#include <QSlider>

#include <cmath>

namespace {

enum RowKind { MasterRow, HueRow, ToneRow, BalanceRow };

struct ValueRow
{
    const char *key;
    RowKind kind;
    const char *text;      // row label, or the first colour of a pair
    const char *otherText; // second colour of a balance pair
};

// The 13 values, in the order they are stored, synchronised and written.
const ValueRow valueRows[] = {
    {"CaHueMaster", MasterRow, QT_TRANSLATE_NOOP("adjustmentDialog", "Master"), nullptr},
    {"CaHr", HueRow, QT_TRANSLATE_NOOP("adjustmentDialog", "Red"), nullptr},
    {"CaHy", HueRow, QT_TRANSLATE_NOOP("adjustmentDialog", "Yellow"), nullptr},
    {"CaHg", HueRow, QT_TRANSLATE_NOOP("adjustmentDialog", "Green"), nullptr},
    {"CaHc", HueRow, QT_TRANSLATE_NOOP("adjustmentDialog", "Cyan"), nullptr},
    {"CaHb", HueRow, QT_TRANSLATE_NOOP("adjustmentDialog", "Blue"), nullptr},
    {"CaHm", HueRow, QT_TRANSLATE_NOOP("adjustmentDialog", "Magenta"), nullptr},
    {"Cast", ToneRow, QT_TRANSLATE_NOOP("adjustmentDialog", "Saturation"), nullptr},
    {"Cabt", ToneRow, QT_TRANSLATE_NOOP("adjustmentDialog", "Lightness"), nullptr},
    {"Cact", ToneRow, QT_TRANSLATE_NOOP("adjustmentDialog", "Contrast"), nullptr},
    {"CaCR", BalanceRow, QT_TRANSLATE_NOOP("adjustmentDialog", "Cyan"),
     QT_TRANSLATE_NOOP("adjustmentDialog", "Red")},
    {"CaMG", BalanceRow, QT_TRANSLATE_NOOP("adjustmentDialog", "Magenta"),
     QT_TRANSLATE_NOOP("adjustmentDialog", "Green")},
    {"CaYB", BalanceRow, QT_TRANSLATE_NOOP("adjustmentDialog", "Yellow"),
     QT_TRANSLATE_NOOP("adjustmentDialog", "Blue")},
};

const QString masterKey = QStringLiteral("CaHueMaster");
// The six per-colour hues, in the order they are cleared.
const char *const colourHueKeys[] = {"CaHr", "CaHy", "CaHg", "CaHc", "CaHb", "CaHm"};
// What clearHSLSettings zeroes, in this order.
const char *const hslKeys[] = {"CaHueMaster", "CaHr", "CaHy", "CaHg", "CaHb",
                               "CaHc",        "CaHm", "Cast", "Cabt", "Cact"};
const char *const balanceKeys[] = {"CaCR", "CaMG", "CaYB"};

// A special value of a number field that stands for "cleared".
const double clearedValue = 999;
const int sliderWidth = 250;

// A number as a slider position in the given unit. Rounded, not truncated:
// 0.29 * 100 is a hair under 29 in binary, and a saved 0.29 must come back
// as 29, not drift down a step at every reload.
int toSlider(double value, int unit, const QSlider *slider)
{
    const double bounded = qBound<double>(slider->minimum(), value * unit, slider->maximum());
    return static_cast<int>(std::lround(bounded));
}

} // namespace

adjustmentDialog::adjustmentDialog(QWidget *parent)
    : AdjustmentDialogBase(parent, QStringLiteral("Cadj"))
{
    buildUi();
    connectSignals();
    buildLayout();
}

// ---------------------------------------------------------------------------
// Building

void adjustmentDialog::buildUi()
{
    setWindowTitle(tr("Adjustment Settings"));

    const QString colon = QStringLiteral(":");
    iconLabel = new QLabel(this);
    iconLabel->setPixmap(QPixmap(QStringLiteral(":/icons/adjustment")));
    customCheck = new QCheckBox(tr("Custom"), this);
    hslRadio = new QRadioButton(tr("HSL(hue, saturation and lightness)"), this);
    balanceRadio = new QRadioButton(tr("Color balance"), this);
    hueGroup = new QGroupBox(tr("Hue Adjustment"), this);
    modifyLabel = new QLabel(tr("Modify") + colon, hueGroup);
    hueCombo = new ComboBoxEx(hueGroup);
    levelsGroup = new QGroupBox(tr("Color levels") + colon, this);

    const QRegExp masterPattern(QStringLiteral("-?(([0-9]|[0-9][0-9]|1[0-7][0-9])?)|180|-180"),
                                Qt::CaseSensitive, QRegExp::RegExp);
    const QRegExp valuePattern(QStringLiteral("-?([0-9])?(\\.([0-9]|[0-9][0-9]))?|10|-10"),
                               Qt::CaseSensitive, QRegExp::RegExp);

    for (const ValueRow &row : valueRows) {
        const QString key = QLatin1String(row.key);
        QWidget *owner = row.kind == BalanceRow ? levelsGroup : hueGroup;
        const bool master = row.kind == MasterRow;

        auto *label =
            new QLabel(tr(row.text) + (row.kind == BalanceRow ? QString() : colon), owner);
        auto *edit = new QLineEdit(owner);
        edit->setMaxLength(master ? 7 : 6);
        edit->setMaximumWidth(45);
        edit->setValidator(new QRegExpValidator(master ? masterPattern : valuePattern, this));
        auto *slider = new QSlider(Qt::Horizontal, owner);
        if (master)
            slider->setRange(-180, 180);
        else
            slider->setRange(-10 * scale, 10 * scale);
        slider->setFixedWidth(sliderWidth);

        firstLabels.insert(key, label);
        if (row.otherText)
            secondLabels.insert(key, new QLabel(tr(row.otherText), owner));
        sliderMap.insert(key, slider);
        editMap.insert(key, edit);
        if (row.kind == MasterRow || row.kind == HueRow)
            hueLabelMap.insert(key, label);
        blockable << slider << edit;
    }
    blockable << hslRadio << balanceRadio;

    addButtons();

    // Until a printer's state arrives: no custom adjustment, HSL shown with
    // the master hue row.
    hslRadio->setChecked(true);
    levelsGroup->hide();
    for (const char *key : colourHueKeys) {
        hueLabelMap.value(QLatin1String(key))->hide();
        editMap.value(QLatin1String(key))->hide();
        sliderMap.value(QLatin1String(key))->hide();
    }
    for (QWidget *widget :
         std::initializer_list<QWidget *> {hslRadio, hueGroup, balanceRadio, levelsGroup})
        widget->setEnabled(false);
}

void adjustmentDialog::connectSignals()
{
    connect(hslRadio, &QRadioButton::toggled, hueGroup, &QGroupBox::show);
    connect(hslRadio, &QRadioButton::toggled, levelsGroup, &QGroupBox::hide);
    connect(hslRadio, &QRadioButton::toggled, this, &adjustmentDialog::markCaColorSpace);
    connect(hslRadio, &QRadioButton::toggled, this, &adjustmentDialog::clearColorBalanceSettings);
    connect(balanceRadio, &QRadioButton::toggled, hueGroup, &QGroupBox::hide);
    connect(balanceRadio, &QRadioButton::toggled, levelsGroup, &QGroupBox::show);
    connect(balanceRadio, &QRadioButton::toggled, this, &adjustmentDialog::markCaColorSpace);
    connect(balanceRadio, &QRadioButton::toggled, this, &adjustmentDialog::clearHSLSettings);
    for (QWidget *widget :
         std::initializer_list<QWidget *> {hslRadio, hueGroup, balanceRadio, levelsGroup})
        connect(customCheck, &QCheckBox::toggled, widget, &QWidget::setEnabled);
    connect(customCheck, &QCheckBox::toggled, this, &adjustmentDialog::markCaColorSpace);
    // The text form of currentIndexChanged is deprecated; for a list that is
    // not editable this signal fires at the same moments.
    connect(hueCombo, &QComboBox::currentTextChanged, this, &adjustmentDialog::hueSelectedChanged);

    for (const ValueRow &row : valueRows) {
        const QString key = QLatin1String(row.key);
        QSlider *slider = sliderMap.value(key);
        connect(slider, &QSlider::valueChanged, this, &adjustmentDialog::setLineEditText);
        if (row.kind == MasterRow)
            connect(slider, &QSlider::valueChanged, this,
                    &adjustmentDialog::clearOtherSliderValues);
        else if (row.kind == HueRow)
            connect(slider, &QSlider::valueChanged, this,
                    &adjustmentDialog::clearMasterSliderValue);
    }
    for (const ValueRow &row : valueRows) {
        QLineEdit *edit = editMap.value(QLatin1String(row.key));
        connect(edit, &QLineEdit::textChanged, this, &adjustmentDialog::setSliderValue);
        if (row.kind == MasterRow)
            connect(edit, &QLineEdit::textChanged, this, &adjustmentDialog::clearOtherSliderValues);
        else if (row.kind == HueRow)
            connect(edit, &QLineEdit::textChanged, this, &adjustmentDialog::clearMasterSliderValue);
    }
}

void adjustmentDialog::buildLayout()
{
    auto *hueGrid = new QGridLayout(hueGroup);
    hueGrid->addWidget(modifyLabel, 0, 0);
    hueGrid->addWidget(hueCombo, 1, 0, 1, 2, Qt::AlignLeft);
    auto *levelsGrid = new QGridLayout(levelsGroup);

    int toneRow = 4;
    int balanceRow = 0;
    for (const ValueRow &row : valueRows) {
        const QString key = QLatin1String(row.key);
        QLabel *label = firstLabels.value(key);
        QLineEdit *edit = editMap.value(key);
        QSlider *slider = sliderMap.value(key);
        if (row.kind == BalanceRow) {
            levelsGrid->addWidget(label, balanceRow, 0, Qt::AlignLeft);
            levelsGrid->addWidget(edit, balanceRow, 1, Qt::AlignHCenter);
            levelsGrid->addWidget(secondLabels.value(key), balanceRow, 2, Qt::AlignRight);
            levelsGrid->addWidget(slider, balanceRow + 1, 0, 1, 3);
            balanceRow += 2;
            continue;
        }
        // The seven hue rows share one place; only the chosen one shows.
        int at = 2;
        if (row.kind == ToneRow) {
            at = toneRow;
            toneRow += 2;
        }
        hueGrid->addWidget(label, at, 0, Qt::AlignLeft);
        hueGrid->addWidget(edit, at, 0, 1, 3, Qt::AlignHCenter);
        hueGrid->addWidget(slider, at + 1, 0, 1, 2);
    }
    hueGrid->setRowStretch(9, 1);

    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(customCheck, 0, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(iconLabel, 1, 0, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(hslRadio, 1, 1, Qt::AlignLeft);
    grid->addWidget(balanceRadio, 2, 1);
    grid->addWidget(hueGroup, 3, 1);
    grid->addWidget(levelsGroup, 3, 1);
    grid->addWidget(buttonBox, 4, 1);
}

// ---------------------------------------------------------------------------
// Sliders and number fields

void adjustmentDialog::blockValueSignals(bool block)
{
    if (block) {
        blockedBefore.clear();
        for (QObject *object : qAsConst(blockable))
            blockedBefore.append(object->blockSignals(true));
        return;
    }
    for (int i = 0; i < blockable.size(); ++i)
        blockable[i]->blockSignals(blockedBefore.value(i, false));
}

void adjustmentDialog::setLineEditText(int value)
{
    const QString key = sliderMap.key(qobject_cast<QSlider *>(sender()));
    QLineEdit *edit = editMap.value(key);
    if (!edit)
        return;
    blockValueSignals(true);
    if (key == masterKey)
        showFromStart(edit, QString::number(value));
    else
        showFromStart(edit, QString::number(value / static_cast<double>(scale), 'g', 6));
    blockValueSignals(false);
}

void adjustmentDialog::setSliderValue()
{
    const QString key = editMap.key(qobject_cast<QLineEdit *>(sender()));
    QSlider *slider = sliderMap.value(key);
    if (!slider)
        return;
    QLineEdit *edit = editMap.value(key);
    blockValueSignals(true);
    const double value = edit->text().toDouble();
    if (value == clearedValue) {
        slider->setValue(0);
        edit->setText(QStringLiteral("0"));
    } else if (key == masterKey) {
        slider->setValue(static_cast<int>(qBound(-180.0, value, 180.0)));
    } else {
        slider->setValue(toSlider(value, scale, slider));
    }
    blockValueSignals(false);
}

void adjustmentDialog::clearMasterSliderValue()
{
    for (const char *key : colourHueKeys) {
        if (sliderMap.value(QLatin1String(key))->value() != 0) {
            sliderMap.value(masterKey)->setValue(0);
            return;
        }
    }
}

void adjustmentDialog::clearOtherSliderValues()
{
    if (sliderMap.value(masterKey)->value() == 0)
        return;
    for (const char *key : colourHueKeys)
        sliderMap.value(QLatin1String(key))->setValue(0);
}

void adjustmentDialog::clearHSLSettings()
{
    for (const char *key : hslKeys)
        sliderMap.value(QLatin1String(key))->setValue(0);
    hueIndex = 0;
    hueCombo->setCurrentIndex(0);
}

void adjustmentDialog::clearColorBalanceSettings()
{
    for (const char *key : balanceKeys)
        sliderMap.value(QLatin1String(key))->setValue(0);
}

void adjustmentDialog::markCaColorSpace()
{
    if (customCheck->isChecked())
        return;
    clearHSLSettings();
    clearColorBalanceSettings();
    hslRadio->setChecked(true);
}

void adjustmentDialog::hueSelectedChanged(const QString &hue)
{
    if (hue.isEmpty())
        return;
    for (auto it = hueLabelMap.cbegin(); it != hueLabelMap.cend(); ++it) {
        it.value()->hide();
        editMap.value(it.key())->hide();
        sliderMap.value(it.key())->hide();
    }
    const QString key = hueKeyByText.value(hue);
    if (QSlider *slider = sliderMap.value(key))
        slider->show();
    if (QLineEdit *edit = editMap.value(key))
        edit->show();
    if (QWidget *label = hueLabelMap.value(key))
        label->show();
}

void adjustmentDialog::checkAdjustmentSettings()
{
    const bool custom = customCheck->isChecked();
    for (QWidget *widget :
         std::initializer_list<QWidget *> {hslRadio, hueGroup, balanceRadio, levelsGroup})
        widget->setEnabled(custom);
    const tOption *colorSpace = AppState::currentOption(QStringLiteral("CaColorSpace"));
    if (!colorSpace)
        return;
    const tChoice *current = colorSpace->currentChoice();
    if (current && current->keyword() == QLatin1String("1"))
        balanceRadio->setChecked(true);
    else
        hslRadio->setChecked(true);
}

// ---------------------------------------------------------------------------
// State

void adjustmentDialog::syncFromModel()
{
    hueKeyByText.clear();
    hueCombo->clear();
    // Switching the radios clears the other mode and with it the hue row;
    // the row to restore is the stored one.
    const int wantedHue = hueIndex;

    if (syncCustomFromModel()) {
        const bool on = customCheck->isChecked();
        hslRadio->setEnabled(on);
        hueGroup->setEnabled(on);
        balanceRadio->setEnabled(on);
    }

    if (const tOption *colorSpace = AppState::currentOption(QStringLiteral("CaColorSpace"))) {
        const QList<tChoice *> choices = colorSpace->choices();
        // With fewer choices the radios keep their own texts.
        if (choices.size() >= 3) {
            hslRadio->setText(choices[1]->text());
            balanceRadio->setText(choices[2]->text());
        }
        QString space =
            colorSpace->currentChoice() ? colorSpace->currentChoice()->keyword() : QString();
        if (space.isEmpty() && colorSpace->defaultChoice())
            space = colorSpace->defaultChoice()->keyword();
        if (space == QLatin1String("0")) {
            hslRadio->setChecked(true);
            hueGroup->show();
            levelsGroup->hide();
        } else if (space == QLatin1String("1")) {
            balanceRadio->setChecked(true);
            hueGroup->hide();
            levelsGroup->show();
        }
    }
    hueIndex = wantedHue;

    for (const auto &pair : qAsConst(values)) {
        const tOption *option = AppState::currentOption(pair.first);
        if (!option)
            continue;
        if (pair.first.contains(QLatin1String("CaH"))) {
            hueKeyByText.insert(option->text(), pair.first);
            hueCombo->addItem(option->text());
        }
        QSlider *slider = sliderMap.value(pair.first);
        slider->setValue(toSlider(pair.second, pair.first == masterKey ? 10 : scale, slider));
        showFromStart(editMap.value(pair.first), QString::number(pair.second, 'g', 6));
    }

    // A stored row the list no longer has (another PPD) falls back to the first.
    hueCombo->setCurrentIndex(hueIndex < hueCombo->count() ? hueIndex : 0);
    hueSelectedChanged(hueCombo->currentText());
}

void adjustmentDialog::keepValues(Source source)
{
    // Cleared, the hue row stays the one last chosen.
    QString space = QStringLiteral("-1");
    if (source == Source::SettingsFile) {
        const QString saved = readCfgValue(QStringLiteral("CaColorSpace"));
        if (!saved.isEmpty())
            space = saved;
        hueIndex = qMax(0, readCfgValue(QStringLiteral("HueIndex")).toInt());
    } else if (source == Source::Widgets) {
        space = colorSpaceValue();
        hueIndex = qMax(0, hueCombo->currentIndex());
    }
    AppState::setCurrentChoice(QStringLiteral("CaColorSpace"), space);

    values.clear();
    for (const ValueRow &row : valueRows) {
        const QString key = QLatin1String(row.key);
        // Nothing saved, or no number, counts as 0.
        double value = 0.0;
        if (source == Source::SettingsFile)
            value = readCfgValue(QStringLiteral("f") + key).toDouble();
        else if (source == Source::Widgets)
            value = editMap.value(key)->text().toDouble();
        values.append(qMakePair(key, value));
    }
}

QString adjustmentDialog::colorSpaceValue() const
{
    if (!customCheck->isChecked())
        return QStringLiteral("-1");
    return hslRadio->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
}

QList<QPair<QString, QString>> adjustmentDialog::valueOptions() const
{
    const QString space = colorSpaceValue();
    QList<QPair<QString, QString>> result;
    result.append(qMakePair(QStringLiteral("CaColorSpace"), space));
    result.append(qMakePair(QStringLiteral("HueIndex"),
                            space == QLatin1String("0")
                                ? QString::number(qMax(0, hueCombo->currentIndex()))
                                : QStringLiteral("0")));

    // What the printer receives: whole tens of degrees, whole units.
    for (const ValueRow &row : valueRows) {
        const int position = sliderMap.value(QLatin1String(row.key))->value();
        const QString text = row.kind == MasterRow
                                 ? QString::number(position / 10) + QLatin1Char('0')
                                 : QString::number(position / scale) + QStringLiteral(".0");
        result.append(qMakePair(QString::fromLatin1(row.key), text));
    }
    // The exact positions, which reload() reads back.
    for (const ValueRow &row : valueRows) {
        const int position = sliderMap.value(QLatin1String(row.key))->value();
        const double exact =
            row.kind == MasterRow
                ? static_cast<double>(position)
                : static_cast<double>(static_cast<float>(position) / static_cast<float>(scale));
        result.append(qMakePair(QStringLiteral("f") + QLatin1String(row.key),
                                QString::number(exact, 'g', 6)));
    }
    return result;
}
