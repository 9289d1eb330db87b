#include "tabs/WatermarkTab.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/PerUserFiles.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/IconCache.h"
#include "widgets/SeparatorLine.h"
#include "widgets/TolCheckBoxButton.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegExp>
#include <QRegExpValidator>

namespace {

const QString noDefault = QStringLiteral("no_default");
const int keywordRole = Qt::UserRole;
const Qt::MatchFlags exactText = Qt::MatchExactly | Qt::MatchCaseSensitive;

// Positions in the PPD's choice lists that stand for the usual watermark:
// the largest common size, the diagonal angle, and blue where colours exist.
const int defaultSizePosition = 8;
const int defaultColourPosition = 3;
const int defaultAnglePosition = 23;

// Conflicts the tab adds to every model: a grey page cannot carry a red,
// green or blue watermark.
const struct
{
    const char *keyword1, *choice1, *keyword2, *choice2;
} tabConstraints[] = {
    {"ColorModel", "Gray", "Wclr", "Red"},
    {"ColorModel", "Gray", "Wclr", "Green"},
    {"ColorModel", "Gray", "Wclr", "Blue"},
};

// Characters the print system's option parser would take as syntax, and
// their escaped form inside the quoted custom text. Backslash and double
// quote come first so the escapes added later are not escaped again.
const struct
{
    const char *plain, *escaped;
} quotedTextEscapes[] = {
    {"\\", "\\\\"}, {"\"", "\\\""}, {" ", "\\ "}, {"!", "\\!"},
    {"#", "\\#"},   {"$", "\\$"},   {"@", "\\@"},
};

bool hasOption(const char *keyword)
{
    return AppState::currentOption(keyword) != nullptr;
}

QString quotedCustomText(QString text)
{
    for (const auto &escape : quotedTextEscapes)
        text.replace(QLatin1String(escape.plain), QLatin1String(escape.escaped));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

WatermarkTab::WatermarkTab(QWidget *parent)
    : Tab(parent)
{
    buildUi();
    connectOptionWidgets();
    buildLayout();
    // The switch starts off, and its dependents must say so before the first
    // reload (which only touches them when the state changes).
    chkButWatermark->set_enabled(chkButWatermark->isChecked());
}

void WatermarkTab::initTabName()
{
    tabName = tr("Watermark");
    tabName = getTabName();
}

void WatermarkTab::buildUi()
{
    tabName = tr("Watermark");
    const QString colon = QStringLiteral(":");

    butNewCustomWatermark = new QPushButton(tr("New"), this);
    butSaveCustomWatermark = new QPushButton(tr("Save"), this);
    butDeleteCustomWatermark = new QPushButton(tr("Delete"), this);
    lblWtxt = new QLabel(tr("Text") + colon, this);
    cmbBxWtxt = new ComboBoxEx(this);
    lblWFnt = new QLabel(tr("Font") + colon, this);
    cmbBxWFnt = new ComboBoxEx(this);
    lblWSze = new QLabel(tr("Size") + colon, this);
    cmbBxWsze = new ComboBoxEx(this);
    lblWClr = new QLabel(tr("Color") + colon, this);
    cmbBxClr = new ComboBoxEx(this);
    lblWang = new QLabel(tr("Angle") + colon, this);
    cmbBxWang = new ComboBoxEx(this);
    lblWtrans = new QLabel(tr("Style") + colon, this);
    cmbBxWtrans = new ComboBoxEx(this);
    lblWtyp = new QLabel(tr("Fill") + colon, this);
    cmbBxWtyp = new ComboBoxEx(this);
    lblCustomWatermark = new QLabel(tr("Custom watermark:"), this);
    lnEditCustomWatermark = new QLineEdit(this);
    lnEditCustomWatermark->setMaxLength(32);
    // No control characters either: the name is saved as part of a line of
    // the settings file and sent to the printer as the watermark text.
    lnEditCustomWatermark->setValidator(new QRegExpValidator(
        QRegExp(QStringLiteral("[^\\s\\x0000-\\x001f\\x007f][^#\\x0000-\\x001f\\x007f]*"),
                Qt::CaseSensitive),
        lnEditCustomWatermark));
    chkBxWFlg = new QCheckBox(tr("Repeat watermark"), this);
    chkButWatermark = new TolCheckBoxButton(this, QString(),
                                            IconCache::icon(QStringLiteral(":/icons/watermark")));
    lblWatermark = new QLabel(tr("Watermark/Stamp"), this);
    chkButSuperWatermark = new TolCheckBoxButton(
        this, QString(), IconCache::icon(QStringLiteral(":/icons/super-watermark")));
    lblSuperWatermark = new QLabel(tr("Super watermark") + colon, this);
    cmbBxSuperWatermark = new ComboBoxEx(this);

    const struct
    {
        QWidget *widget;
        const char *name;
    } accessibleNames[] = {
        {butNewCustomWatermark, "butNewCustomWatermark"},
        {butSaveCustomWatermark, "butSaveCustomWatermark"},
        {butDeleteCustomWatermark, "butDeleteCustomWatermark"},
        {lblWtxt, "lblWtxt"},
        {lblWFnt, "lblWFnt"},
        {cmbBxWFnt, "cmbBxWFnt"},
        {lblWSze, "lblWSze"},
        {cmbBxWsze, "cmbBxWsze"},
        {lblWClr, "lblWClr"},
        {cmbBxClr, "cmbBxClr"},
        {lblWang, "lblWang"},
        {cmbBxWang, "cmbBxWang"},
        {lblWtrans, "lblWtrans"},
        {cmbBxWtrans, "cmbBxWtrans"},
        {lblWtyp, "lblWtyp"},
        {cmbBxWtyp, "cmbBxWtyp"},
        {lblCustomWatermark, "lblCustomWatermark"},
        {lnEditCustomWatermark, "lnEditCustomWatermark"},
        {chkBxWFlg, "chkBxWFlg"},
        {chkButWatermark, "chkButWatermark"},
        {lblWatermark, "lblWatermark"},
        {chkButSuperWatermark, "chkButSuperWatermark"},
        {lblSuperWatermark, "lblSuperWatermark"},
        {cmbBxSuperWatermark, "cmbBxSuperWatermark"},
    };
    for (const auto &entry : accessibleNames)
        entry.widget->setAccessibleName(QLatin1String(entry.name));

    QWidget *const watermarkDependents[] = {
        butNewCustomWatermark,
        butSaveCustomWatermark,
        butDeleteCustomWatermark,
        lblWtxt,
        cmbBxWtxt,
        lblWFnt,
        cmbBxWFnt,
        lblWSze,
        cmbBxWsze,
        lblWClr,
        cmbBxClr,
        lblWang,
        cmbBxWang,
        lblWtrans,
        cmbBxWtrans,
        lblWtyp,
        cmbBxWtyp,
        lblCustomWatermark,
        lnEditCustomWatermark,
        chkBxWFlg,
    };
    for (QWidget *dependent : watermarkDependents)
        chkButWatermark->addDependent(dependent, noDefault);
    chkButSuperWatermark->addDependent(lblSuperWatermark, noDefault);
    chkButSuperWatermark->addDependent(cmbBxSuperWatermark, tr("None"),
                                       {{QStringLiteral("None")}, QStringLiteral("None")});
    // The watermark switch handles its own dependents' values; only the
    // super watermark's list falls back to a choice while it is off.
    addCheckButton(chkButSuperWatermark);

    const struct
    {
        const char *keyword;
        QWidget *editor;
        QWidget *title;
    } bindings[] = {
        {"Wren", chkButWatermark, chkButWatermark},
        {"Wtxt", cmbBxWtxt, lblWtxt},
        {"Wfnt", cmbBxWFnt, lblWFnt},
        {"Wsze", cmbBxWsze, lblWSze},
        {"Wclr", cmbBxClr, lblWClr},
        {"Wang", cmbBxWang, lblWang},
        {"Wtrans", cmbBxWtrans, lblWtrans},
        {"Wtyp", cmbBxWtyp, lblWtyp},
        {"Wflg", chkBxWFlg, chkBxWFlg},
        {"cSuper", chkButSuperWatermark, nullptr},
        {"cCustom", lnEditCustomWatermark, nullptr},
        {"TCSuperWatermark", cmbBxSuperWatermark, lblSuperWatermark},
    };
    for (const auto &binding : bindings) {
        addOptionWidget(QLatin1String(binding.keyword), binding.editor);
        if (binding.title)
            addLabelWidget(QLatin1String(binding.keyword), binding.title);
    }

    connect(lnEditCustomWatermark, &QLineEdit::textChanged, this,
            &WatermarkTab::handleCustomWatermarkTextEdit);
    connect(butNewCustomWatermark, &QPushButton::clicked, this,
            &WatermarkTab::createNewCustomWatermark);
    connect(butDeleteCustomWatermark, &QPushButton::clicked, this,
            &WatermarkTab::deleteCustomWatermark);
    connect(butSaveCustomWatermark, &QPushButton::clicked, this,
            &WatermarkTab::editCustomWatermark);
    connect(cmbBxWtxt, ComboBoxEx::currentIndexTextChanged(), this,
            &WatermarkTab::handleWatermarkSelection);
    const auto toggled = qOverload<bool>(&TolCheckBoxButton::toggled);
    connect(chkButWatermark, toggled, this, &WatermarkTab::toggleWatermarkSection);
    connect(chkButSuperWatermark, toggled, this, &WatermarkTab::toggleSuperWatermark);
}

void WatermarkTab::buildLayout()
{
    auto *grid = new QGridLayout(this);

    auto *attributes = new QGridLayout;
    attributes->addWidget(lblWFnt, 0, 0);
    attributes->addWidget(cmbBxWFnt, 1, 0);
    attributes->addWidget(lblWSze, 0, 1);
    attributes->addWidget(cmbBxWsze, 1, 1);
    attributes->addWidget(lblWClr, 2, 0);
    attributes->addWidget(cmbBxClr, 3, 0);
    attributes->addWidget(lblWang, 2, 1);
    attributes->addWidget(cmbBxWang, 3, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(butNewCustomWatermark);
    buttons->addWidget(butDeleteCustomWatermark);
    buttons->addWidget(butSaveCustomWatermark);

    QFrame *line = separatorLine(this, QFrame::HLine);

    const Qt::Alignment leftBottom = Qt::AlignLeft | Qt::AlignBottom;
    const Qt::Alignment leftTop = Qt::AlignLeft | Qt::AlignTop;
    grid->addWidget(lblWatermark, 0, 0, 1, 2);
    grid->addWidget(chkButWatermark, 1, 0, 2, 1);
    grid->addWidget(lblWtxt, 1, 1, 1, 2, leftBottom);
    grid->addWidget(cmbBxWtxt, 2, 1, 1, 2, leftTop);
    grid->addLayout(attributes, 3, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(lblWtrans, 4, 1, 1, 1, leftBottom);
    grid->addWidget(cmbBxWtrans, 5, 1, 1, 1, leftTop);
    grid->addWidget(lblWtyp, 6, 1, 1, 1, leftBottom);
    grid->addWidget(cmbBxWtyp, 7, 1, 1, 1, leftTop);
    grid->addWidget(lblCustomWatermark, 8, 1, 1, 2, leftBottom);
    grid->addWidget(lnEditCustomWatermark, 9, 1, 1, 2, leftTop);
    grid->addWidget(chkBxWFlg, 10, 1, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addLayout(buttons, 11, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(line, 12, 0, 1, 3);
    grid->addWidget(chkButSuperWatermark, 13, 0, 2, 1);
    grid->addWidget(lblSuperWatermark, 13, 1, 1, 1);
    grid->addWidget(cmbBxSuperWatermark, 14, 1, 1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(17, 1);
}

QIcon WatermarkTab::tabIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-watermark"));
}

QIcon WatermarkTab::tabConstraintIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-watermark-constraint"));
}

bool WatermarkTab::hasOptions()
{
    return modelHasAnyRegisteredOption();
}

void WatermarkTab::retranslateUi()
{
    initTabName();
    lblCustomWatermark->setText(tr("Custom watermark:"));
    butNewCustomWatermark->setText(tr("New"));
    butSaveCustomWatermark->setText(tr("Save"));
    butDeleteCustomWatermark->setText(tr("Delete"));
}

void WatermarkTab::addTabConstraints()
{
    tOption *colorModel = AppState::currentOption("ColorModel");
    tOption *colour = AppState::currentOption("Wclr");
    if (!colorModel || !colour || !colorModel->isValid() || !colour->isValid())
        return;
    for (const auto &row : tabConstraints) {
        AppState::optionModel->addConstraint(
            QLatin1String(row.keyword1), QLatin1String(row.choice1), QLatin1String(row.keyword2),
            QLatin1String(row.choice2));
    }
}

// Not the base order: the custom watermarks and the section's enabled states
// are settled here, and the constraint pass that follows greys choices.
void WatermarkTab::reload()
{
    setOptionSignalsBlocked(true);
    addTabConstraints();
    extraMarkedWidgets.clear();
    initSuperWatermark();
    initTabName();
    refreshOptionLabels();
    const bool superWatermarkSaved = chkButSuperWatermark->isChecked();
    loadOptionValues();
    // Settings without the switch's own value (written by hand or by an older
    // version) still carry the pattern, which then decides.
    if (superWatermarkSaved && readCfgValue(QStringLiteral("cSuper")).isEmpty()
        && chkButSuperWatermark->isEnabled())
        chkButSuperWatermark->setChecked(true);
    // The base loads the switch only from an option, so a printer without
    // one must not keep the previous printer's state.
    const bool switchable = hasOption("Wren");
    if (!switchable)
        chkButWatermark->setChecked(false);
    chkButWatermark->setEnabled(switchable);
    lnEditCustomWatermark->clear();
    customWatermarks.clear();
    removeCustomItem();
    addBlackColourItem();
    loadCustomWatermarks();
    handleWatermarkSelection(cmbBxWtxt->currentText());
    applyAllWidgets();
    toggleWatermarkSection(chkButWatermark->isChecked());
    setOptionSignalsBlocked(false);
}

void WatermarkTab::initSuperWatermark()
{
    if (!hasOption("TCSuperWatermark")) {
        chkButSuperWatermark->setChecked(false);
        chkButSuperWatermark->setEnabled(false);
        return;
    }
    chkButSuperWatermark->setEnabled(true);
    const QString saved = readCfgValue(QStringLiteral("TCSuperWatermark"));
    chkButSuperWatermark->setChecked(saved.contains(QLatin1String("UF"))
                                     || saved.contains(QLatin1String("SF")));
}

void WatermarkTab::fillComboBox(ComboBoxEx *combo, tOption *option)
{
    Tab::fillComboBox(combo, option);
    const QList<tChoice *> choices = option->choices();
    for (int i = 0; i < choices.size() && i < combo->count(); ++i)
        combo->setItemData(i, choices.at(i)->keyword(), keywordRole);
}

QString WatermarkTab::itemKeyword(const ComboBoxEx *combo, int index)
{
    return index >= 0 && index < combo->count() ? combo->itemData(index, keywordRole).toString()
                                                : QString();
}

void WatermarkTab::applyWidgetToOption(int value, QWidget *widget)
{
    auto *combo = qobject_cast<ComboBoxEx *>(widget);
    const QString keyword = combo ? itemKeyword(combo, combo->currentIndex()) : QString();
    tOption *option = keyword.isEmpty() ? nullptr : AppState::currentOption(keywordOf(widget));
    tChoice *choice = option ? option->findChoice(keyword) : nullptr;
    if (choice)
        option->setCurrentChoice(choice);
    else
        Tab::applyWidgetToOption(value, widget);
}

void WatermarkTab::removeCustomItem()
{
    // The PPD's entry for a text of one's own, whatever its wording; libcups
    // renames the choice "Custom" to "_Custom".
    for (int i = cmbBxWtxt->count() - 1; i >= 0; --i) {
        const QString keyword = itemKeyword(cmbBxWtxt, i);
        if (keyword == QLatin1String("Custom") || keyword == QLatin1String("_Custom"))
            cmbBxWtxt->removeItem(i);
    }
}

void WatermarkTab::addBlackColourItem()
{
    if (!hasOption("Wren"))
        return;
    const tOption *colour = AppState::currentOption("Wclr");
    if (colour && colour->choiceCount() != 1)
        return;
    // It stands for the printer's own black where there is one.
    const tChoice *black = colour ? colour->findChoice(QStringLiteral("Black")) : nullptr;
    cmbBxClr->addItem(tr("Black"), black ? black->keyword() : QVariant());
}

void WatermarkTab::resetWatermarkFields()
{
    lnEditCustomWatermark->clear();
    chkBxWFlg->setChecked(false);
    cmbBxWtxt->setCurrentIndex(0);
    cmbBxWFnt->setCurrentIndex(0);
    cmbBxWsze->setCurrentIndex(defaultSizePosition);
    cmbBxClr->setCurrentIndex(defaultColourPosition);
    cmbBxWang->setCurrentIndex(defaultAnglePosition);
    cmbBxWtrans->setCurrentIndex(0);
    cmbBxWtyp->setCurrentIndex(0);
}

int WatermarkTab::blackColourItem() const
{
    return cmbBxClr->findData(QStringLiteral("Black"), keywordRole, exactText);
}

void WatermarkTab::toggleWatermarkSection(bool checked)
{
    if (!checked)
        resetWatermarkFields();
    if (AppState::optionModel)
        AppState::optionModel->setCurrentChoice(
            QStringLiteral("Wren"), checked ? QStringLiteral("True") : QStringLiteral("False"));

    for (QWidget *widget : {static_cast<QWidget *>(lblWtxt), static_cast<QWidget *>(cmbBxWtxt),
                            static_cast<QWidget *>(lblWFnt), static_cast<QWidget *>(cmbBxWFnt),
                            static_cast<QWidget *>(lblWSze), static_cast<QWidget *>(cmbBxWsze)})
        widget->setEnabled(checked);

    if (hasOption("ColorModel")) {
        cmbBxClr->setEnabled(checked);
        lblWClr->setEnabled(checked);
    } else {
        // A printer without colour always prints the watermark in black.
        cmbBxClr->setEnabled(false);
        lblWClr->setEnabled(false);
        int black = blackColourItem();
        if (black < 0)
            black = cmbBxClr->findText(tr("Black"), exactText);
        cmbBxClr->setCurrentIndex(black);
    }

    if (checked) {
        handleCustomWatermarkTextEdit();
        handleWatermarkSelection(cmbBxWtxt->currentText());
    } else {
        cmbBxWtxt->setCurrentIndex(0);
    }

    for (QWidget *widget :
         {static_cast<QWidget *>(lblWang), static_cast<QWidget *>(cmbBxWang),
          static_cast<QWidget *>(lblWtrans), static_cast<QWidget *>(cmbBxWtrans),
          static_cast<QWidget *>(lblWtyp), static_cast<QWidget *>(cmbBxWtyp),
          static_cast<QWidget *>(lblCustomWatermark), static_cast<QWidget *>(lnEditCustomWatermark),
          static_cast<QWidget *>(chkBxWFlg)})
        widget->setEnabled(checked);
}

// The selection is taken from the list itself: a choice of the PPD is found
// under its record name, which need not be the text shown.
void WatermarkTab::handleWatermarkSelection(const QString &selection)
{
    Q_UNUSED(selection)
    const QString name = selectedRecordName();
    if (customWatermarks.contains(name) && !isPrinterText(name))
        lnEditCustomWatermark->setText(name);
    else
        lnEditCustomWatermark->clear();

    const auto record = customWatermarks.constFind(name);
    if (record != customWatermarks.cend()) {
        cmbBxWFnt->setCurrentIndex(record->value(QStringLiteral("font")));
        cmbBxWsze->setCurrentIndex(record->value(QStringLiteral("size")));
        // A position beyond this printer's colour list would leave the list
        // without a colour; the first one is the safe fallback.
        const int colour = record->value(QStringLiteral("color"), -1);
        cmbBxClr->setCurrentIndex(colour >= 0 && colour < cmbBxClr->count() ? colour : 0);
        cmbBxWang->setCurrentIndex(record->value(QStringLiteral("angle")));
        cmbBxWtrans->setCurrentIndex(record->value(QStringLiteral("style")));
        cmbBxWtyp->setCurrentIndex(record->value(QStringLiteral("fill")));
        chkBxWFlg->setChecked(record->value(QStringLiteral("repeat")) != 0);
    } else {
        if (hasOption("Wfnt"))
            cmbBxWFnt->setCurrentIndex(0);
        if (hasOption("Wsze"))
            cmbBxWsze->setCurrentIndex(defaultSizePosition);
        if (hasOption("Wang"))
            cmbBxWang->setCurrentIndex(defaultAnglePosition);
        if (hasOption("Wtrans"))
            cmbBxWtrans->setCurrentIndex(0);
        if (hasOption("Wtyp"))
            cmbBxWtyp->setCurrentIndex(0);
        if (hasOption("Wflg"))
            chkBxWFlg->setChecked(false);
        const tOption *colour = AppState::currentOption("Wclr");
        cmbBxClr->setCurrentIndex(colour && colour->choiceCount() > 1 ? defaultColourPosition : 0);
    }
    // Without colour modes the mark is the PPD's black, whatever a record or
    // the usual position says; found by its keyword, since the PPD may word
    // it in any language.
    if (!hasOption("ColorModel") && blackColourItem() >= 0)
        cmbBxClr->setCurrentIndex(blackColourItem());
    handleCustomWatermarkTextEdit();
}

void WatermarkTab::toggleSuperWatermark(bool checked)
{
    if (hasOption("TCSuperWatermark") && !checked)
        cmbBxSuperWatermark->setCurrentIndex(0);
}

QHash<QString, QString> WatermarkTab::collectOptionValues()
{
    // The settings are stored (and the stored name selected) before they are
    // read, so the text sent to the printer is the one saved and shown.
    storeShownWatermark();
    optionValues.clear();
    for (auto it = optionWidgets.cbegin(); it != optionWidgets.cend(); ++it) {
        tOption *option = AppState::currentOption(it.key());
        if (!option)
            continue;
        if (option->keyword() == QLatin1String("TCSuperWatermark")
            && chkButSuperWatermark->isEnabled() && !chkButSuperWatermark->isChecked()) {
            optionValues.insert(QStringLiteral("TCSuperWatermark"), QStringLiteral("None"));
            continue;
        }
        auto *combo = qobject_cast<ComboBoxEx *>(it.value());
        const QString keyword = combo ? itemKeyword(combo, combo->currentIndex()) : QString();
        const QString value =
            option->findChoice(keyword) ? keyword : widgetValue(it.value(), option);
        if (!value.isEmpty())
            optionValues.insert(it.key(), value);
    }

    // The driver takes a custom text in place of a choice keyword.
    const QString name = selectedRecordName();
    if (customWatermarks.contains(name) && !isPrinterText(name))
        optionValues.insert(QStringLiteral("Wtxt"), quotedCustomText(name));
    return optionValues;
}
