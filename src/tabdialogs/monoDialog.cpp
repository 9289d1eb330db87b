#include "tabdialogs/monoDialog.h"

#include "system/PerUserFiles.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegExpValidator>
#include <QSlider>
#include <QSpacerItem>

namespace {

const QString brightnessKey = QStringLiteral("Malt");
const QString contrastKey = QStringLiteral("Mact");
const int sliderWidth = 250;

// A saved number (units of the printer) as a slider position, truncated
// toward zero. What options() saves, tenths with at most six digits, comes
// back whole: each such tenth times 10 rounds to the exact integer.
int savedToSlider(const QString &saved)
{
    if (saved.isEmpty())
        return 0;
    // Bounded first: the slider clamps anyway, and the cast must stay in range.
    return static_cast<int>(qBound(-1000.0, saved.toDouble() * 10.0, 1000.0));
}

QString printerValue(int slider)
{
    return QString::number(slider / 10) + QStringLiteral(".0");
}

} // namespace

monoDialog::monoDialog(QWidget *parent)
    : AdjustmentDialogBase(parent, QStringLiteral("Madj"))
{
    buildUi();
    connectSignals();

    auto *layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    brightnessSlider->setFixedWidth(sliderWidth);
    contrastSlider->setFixedWidth(sliderWidth);
    layout->addWidget(customCheck, 0, 0, 1, 2, Qt::AlignLeft);
    layout->addWidget(brightnessLabel, 1, 0, 1, 1, Qt::AlignLeft);
    layout->addWidget(brightnessEdit, 1, 0, 1, 3, Qt::AlignHCenter);
    layout->addWidget(brightnessSlider, 2, 0, 1, 2);
    layout->addWidget(contrastLabel, 3, 0, 1, 1, Qt::AlignLeft);
    layout->addWidget(contrastEdit, 3, 0, 1, 3, Qt::AlignHCenter);
    layout->addWidget(contrastSlider, 4, 0, 1, 2);
    layout->addItem(new QSpacerItem(25, 25, QSizePolicy::Expanding, QSizePolicy::Fixed), 5, 1);
    layout->addWidget(buttonBox, 6, 1, 2, 1, Qt::AlignBottom);
}

void monoDialog::buildUi()
{
    setWindowTitle(tr("Adjustment Settings"));

    const QRegExp pattern(QStringLiteral("-?([0-9]|[1-9][0-9]|100)?"), Qt::CaseSensitive,
                          QRegExp::RegExp);

    customCheck = new QCheckBox(tr("Custom"), this);
    brightnessLabel = new QLabel(tr("Brightness") + QLatin1Char(':'), this);
    brightnessEdit = new QLineEdit(this);
    brightnessSlider = new QSlider(Qt::Horizontal, this);
    contrastLabel = new QLabel(tr("Contrast") + QLatin1Char(':'), this);
    contrastEdit = new QLineEdit(this);
    contrastSlider = new QSlider(Qt::Horizontal, this);
    for (QLineEdit *edit : {brightnessEdit, contrastEdit}) {
        edit->setValidator(new QRegExpValidator(pattern, this));
        edit->setMaxLength(6);
        edit->setMaximumWidth(45);
    }
    for (QSlider *slider : {brightnessSlider, contrastSlider})
        slider->setRange(-100, 100);
    addButtons();
}

void monoDialog::connectSignals()
{
    connect(customCheck, &QCheckBox::toggled, this, &monoDialog::toggleAdjustment);
    connect(brightnessSlider, &QSlider::valueChanged, this, &monoDialog::setLineEditText);
    connect(contrastSlider, &QSlider::valueChanged, this, &monoDialog::setLineEditText);
    connect(brightnessEdit, &QLineEdit::textChanged, this, &monoDialog::setSliderValue);
    connect(contrastEdit, &QLineEdit::textChanged, this, &monoDialog::setSliderValue);
}

void monoDialog::blockWidgetSignals(bool block)
{
    brightnessSlider->blockSignals(block);
    contrastSlider->blockSignals(block);
}

void monoDialog::setLineEditText(int value)
{
    blockWidgetSignals(true);
    QLineEdit *edit = sender() == contrastSlider ? contrastEdit : brightnessEdit;
    showFromStart(edit, QString::number(value));
    blockWidgetSignals(false);
}

void monoDialog::setSliderValue()
{
    blockWidgetSignals(true);
    const bool contrast = sender() == contrastEdit;
    QSlider *slider = contrast ? contrastSlider : brightnessSlider;
    // "" and "-" are no number and count as 0.
    slider->setValue((contrast ? contrastEdit : brightnessEdit)->text().toInt());
    blockWidgetSignals(false);
}

void monoDialog::toggleAdjustment(bool enabled)
{
    for (QWidget *widget :
         std::initializer_list<QWidget *> {brightnessLabel, contrastLabel, brightnessEdit,
                                           contrastEdit, brightnessSlider, contrastSlider})
        widget->setEnabled(enabled);
    if (enabled)
        return;
    brightnessEdit->setText(QStringLiteral("0"));
    brightnessSlider->setValue(0);
    contrastEdit->setText(QStringLiteral("0"));
    contrastSlider->setValue(0);
}

void monoDialog::syncFromModel()
{
    syncCustomFromModel();

    for (const auto &pair : qAsConst(storedValues)) {
        const bool contrast = pair.first == contrastKey;
        showFromStart(contrast ? contrastEdit : brightnessEdit, QString::number(pair.second));
        (contrast ? contrastSlider : brightnessSlider)->setValue(pair.second);
    }
    if (storedValues.isEmpty()) {
        contrastEdit->setText(QStringLiteral("0"));
        contrastSlider->setValue(0);
        brightnessEdit->setText(QStringLiteral("0"));
        brightnessSlider->setValue(0);
    }
    toggleAdjustment(customCheck->isChecked());
}

void monoDialog::keepValues(Source source)
{
    // Only the last pair of each key counts, so older pairs need not be kept.
    storedValues.clear();
    if (source == Source::SettingsFile) {
        storedValues.append(
            qMakePair(brightnessKey, savedToSlider(readCfgValue(QStringLiteral("fMalt")))));
        storedValues.append(
            qMakePair(contrastKey, savedToSlider(readCfgValue(QStringLiteral("fMact")))));
    } else if (source == Source::Widgets) {
        storedValues.append(qMakePair(brightnessKey, brightnessEdit->text().toInt()));
        storedValues.append(qMakePair(contrastKey, contrastEdit->text().toInt()));
    }
}

QList<QPair<QString, QString>> monoDialog::valueOptions() const
{
    const int brightness = brightnessSlider->value();
    const int contrast = contrastSlider->value();
    return {
        {brightnessKey, printerValue(brightness)},
        {contrastKey, printerValue(contrast)},
        {QStringLiteral("fMalt"), QString::number(brightness / 10.0, 'g', 6)},
        {QStringLiteral("fMact"), QString::number(contrast / 10.0, 'g', 6)},
    };
}
