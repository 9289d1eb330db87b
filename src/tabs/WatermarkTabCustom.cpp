// The custom watermarks of the "Watermark" tab: the records, the New, Save
// and Delete buttons, the custom part of the text list, and the stored form.

#include "tabs/WatermarkTab.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/PerUserFiles.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/TolCheckBoxButton.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <algorithm>
#include <climits>
#include <iterator>

namespace {

const Qt::MatchFlags exactText = Qt::MatchExactly | Qt::MatchCaseSensitive;

// Display texts and choice keywords of the printer's own watermark texts.
const char *const builtinTexts[] = {
    "CONFIDENTIAL", "ORIGINAL", "COPY", "DO NOT PHOTOCOPY", "DRAFT", "FINAL", "PROOF",
};
const char *const builtinKeywords[] = {
    "Confidential", "Original", "Copy", "DoNotPhotoCopy", "Draft", "Final", "Proof",
};

// A custom default text in the PPD reads "Custom." followed by the text;
// libcups hands such a choice keyword on with "_" before it.
const QLatin1String customDefaultPrefixes[] = {QLatin1String("Custom."), QLatin1String("_Custom.")};

// The record's settings in stored order.
const char *const recordKeys[] = {"font", "size", "color", "angle", "style", "fill", "repeat"};

bool isBuiltinKeyword(const QString &keyword)
{
    return std::any_of(
        std::begin(builtinKeywords), std::end(builtinKeywords),
        [&keyword](const char *builtin) { return keyword == QLatin1String(builtin); });
}

// Leading decimal digits with an optional sign, as C's atoi reads them
// (no digits: 0), clamped to int.
int leadingInt(const QByteArray &piece)
{
    int i = 0;
    bool negative = false;
    if (i < piece.size() && (piece[i] == '-' || piece[i] == '+')) {
        negative = piece[i] == '-';
        ++i;
    }
    qint64 value = 0;
    for (; i < piece.size() && piece[i] >= '0' && piece[i] <= '9'; ++i) {
        value = value * 10 + (piece[i] - '0');
        if (value > qint64(INT_MAX) + 1)
            value = qint64(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    return int(qBound(qint64(INT_MIN), value, qint64(INT_MAX)));
}

// The text of a custom PPD default ("Custom.TEXT"); empty for any other
// default, a missing one included.
QString customDefaultName(const QString &ppdDefault)
{
    for (const QLatin1String &prefix : customDefaultPrefixes) {
        if (ppdDefault.startsWith(prefix))
            return ppdDefault.mid(prefix.size());
    }
    return QString();
}

} // namespace

bool WatermarkTab::isBuiltinText(const QString &text)
{
    return std::any_of(std::begin(builtinTexts), std::end(builtinTexts),
                       [&text](const char *builtin) { return text == QLatin1String(builtin); });
}

QString WatermarkTab::builtinTextOf(const QString &keyword)
{
    for (int i = 0; i < int(std::size(builtinKeywords)); ++i) {
        if (keyword == QLatin1String(builtinKeywords[i]))
            return QLatin1String(builtinTexts[i]);
    }
    return QString();
}

// A record's name must not depend on the language the list is shown in, so
// that one settings file gives the same options in every language. A choice
// of the PPD is named by what every language shares: the English text for a
// built-in keyword, else its keyword. A custom watermark is named by its own
// text, which no language changes.
QString WatermarkTab::recordNameOf(int index) const
{
    const QString keyword = itemKeyword(cmbBxWtxt, index);
    if (!keyword.isEmpty()) {
        const QString builtin = builtinTextOf(keyword);
        return builtin.isEmpty() ? keyword : builtin;
    }
    return index >= 0 && index < cmbBxWtxt->count() ? cmbBxWtxt->itemText(index) : QString();
}

QString WatermarkTab::selectedRecordName() const
{
    return recordNameOf(cmbBxWtxt->currentIndex());
}

// Only language-independent names reach a choice of the PPD. Any other
// name is a custom watermark, even one that reads like a choice's text in
// this language ("COPIE" beside a French "COPIE"), or one an older version
// stored under a translated text: matching such names against the texts
// shown would give the same file other options in another language.
int WatermarkTab::recordItem(const QString &name) const
{
    for (int i = 0; i < cmbBxWtxt->count(); ++i) {
        if (!itemKeyword(cmbBxWtxt, i).isEmpty() && recordNameOf(i) == name)
            return i;
    }
    for (int i = 0; i < cmbBxWtxt->count(); ++i) {
        if (itemKeyword(cmbBxWtxt, i).isEmpty() && cmbBxWtxt->itemText(i) == name)
            return i;
    }
    return -1;
}

bool WatermarkTab::isPrinterText(const QString &name) const
{
    if (isBuiltinText(name))
        return true;
    for (int i = 0; i < cmbBxWtxt->count(); ++i) {
        if (!itemKeyword(cmbBxWtxt, i).isEmpty() && recordNameOf(i) == name)
            return true;
    }
    return false;
}

// Everything before the last "=" is the name, so a name may hold "=" itself.
// Missing or non-numeric numbers read as 0; numbers beyond the seventh are
// ignored.
void WatermarkTab::parseStoredRecord(const QString &stored, QString *name, Record *record)
{
    const int separator = stored.lastIndexOf(QLatin1Char('='));
    *name = separator < 0 ? stored : stored.left(separator);
    const QString rest = separator < 0 ? stored : stored.mid(separator + 1);

    const QList<QByteArray> pieces = rest.toUtf8().split(' ');
    QList<QByteArray> numbers;
    for (const QByteArray &piece : pieces) {
        if (!piece.isEmpty())
            numbers.append(piece);
    }
    record->clear();
    for (int i = 0; i < int(std::size(recordKeys)); ++i)
        record->insert(QLatin1String(recordKeys[i]),
                       i < numbers.size() ? leadingInt(numbers[i]) : 0);
}

QString WatermarkTab::storedRecord(const QString &name, const Record &record)
{
    // Built by concatenation: a name may hold "%1" and the like.
    QString stored = name + QLatin1Char('=');
    for (int i = 0; i < int(std::size(recordKeys)); ++i) {
        if (i > 0)
            stored += QLatin1Char(' ');
        stored += QString::number(record.value(QLatin1String(recordKeys[i])));
    }
    return stored;
}

WatermarkTab::Record WatermarkTab::recordFromWidgets() const
{
    return Record {
        {QStringLiteral("font"), cmbBxWFnt->currentIndex()},
        {QStringLiteral("size"), cmbBxWsze->currentIndex()},
        {QStringLiteral("color"), cmbBxClr->currentIndex()},
        {QStringLiteral("angle"), cmbBxWang->currentIndex()},
        {QStringLiteral("style"), cmbBxWtrans->currentIndex()},
        {QStringLiteral("fill"), cmbBxWtyp->currentIndex()},
        {QStringLiteral("repeat"), chkBxWFlg->isChecked() ? 1 : 0},
    };
}

void WatermarkTab::selectRecordItem(const QString &name)
{
    const int index = recordItem(name);
    if (index >= 0)
        cmbBxWtxt->setCurrentIndex(index);
}

void WatermarkTab::createNewCustomWatermark()
{
    const QString name = lnEditCustomWatermark->text();
    customWatermarks.insert(name, recordFromWidgets());
    rebuildTextCombo();
    handleCustomWatermarkTextEdit();
    selectRecordItem(name);
}

// Save: with a name typed, the selected watermark is stored under that name
// (a rename for a custom one); with none, the selection keeps its name. A
// printer's own text is never renamed: its record stays as it was.
void WatermarkTab::editCustomWatermark()
{
    const QString typed = lnEditCustomWatermark->text();
    const QString selected = selectedRecordName();
    const QString name = typed.isEmpty() ? selected : typed;
    const Record record = recordFromWidgets();
    if (isCustomItemSelected())
        customWatermarks.remove(selected);
    customWatermarks.insert(name, record);
    rebuildTextCombo();
    handleCustomWatermarkTextEdit();
    selectRecordItem(name);
}

bool WatermarkTab::isCustomItemSelected() const
{
    // The custom names follow the separator, the one item without a text.
    for (int p = 1; p < cmbBxWtxt->count(); ++p) {
        if (cmbBxWtxt->itemText(p).isEmpty())
            return cmbBxWtxt->currentIndex() > p;
    }
    return false;
}

void WatermarkTab::deleteCustomWatermark()
{
    customWatermarks.remove(lnEditCustomWatermark->text());
    rebuildTextCombo();
    handleCustomWatermarkTextEdit();
    cmbBxWtxt->setCurrentIndex(0);
}

void WatermarkTab::handleCustomWatermarkTextEdit()
{
    // The buttons belong to the watermark section: nothing is offered while
    // the watermark is off.
    const bool on = chkButWatermark->isChecked();
    const QString name = lnEditCustomWatermark->text();
    const bool canCreate = on && !name.isEmpty() && cmbBxWtxt->findText(name, exactText) < 0;
    const bool canDelete = on && customWatermarks.contains(name);
    butNewCustomWatermark->setEnabled(canCreate);
    butSaveCustomWatermark->setEnabled(on);
    butDeleteCustomWatermark->setEnabled(canDelete);

    QList<QWidget *> order {lnEditCustomWatermark};
    if (canCreate && !canDelete) {
        order << butNewCustomWatermark;
        if (on)
            order << butSaveCustomWatermark;
    } else if (!canCreate && on && canDelete) {
        order << butDeleteCustomWatermark << butSaveCustomWatermark;
    }
    order << chkBxWFlg;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void WatermarkTab::rebuildTextCombo()
{
    // Drop the custom part: everything from the separator on.
    for (int p = cmbBxWtxt->count() - 1; p >= 1; --p) {
        if (p < cmbBxWtxt->count() && cmbBxWtxt->itemText(p).isEmpty()) {
            while (cmbBxWtxt->count() > p)
                cmbBxWtxt->removeItem(cmbBxWtxt->count() - 1);
        }
    }

    if (!customWatermarks.isEmpty()) {
        cmbBxWtxt->insertSeparator(cmbBxWtxt->count());
        QStringList names = customWatermarks.keys();
        std::sort(names.begin(), names.end());
        for (const QString &name : qAsConst(names)) {
            if (!isPrinterText(name))
                cmbBxWtxt->addItem(name);
        }
    }

    const tOption *text = AppState::currentOption(QStringLiteral("Wtxt"));
    if (!text)
        return;
    const QString ppdDefault = text->defaultValueString();
    const QString savedSet = readCfgValue(QStringLiteral("CustomWatermarkSet"));
    if (!savedSet.isEmpty()) {
        cmbBxWtxt->setCurrentIndex(recordItem(savedSet));
    } else if (!isBuiltinKeyword(ppdDefault) && readCfgValue(QStringLiteral("Wtxt")).isEmpty()) {
        const QString name = customDefaultName(ppdDefault);
        if (!name.isEmpty())
            selectRecordItem(name);
    }
}

void WatermarkTab::loadCustomWatermarks()
{
    if (!customWatermarks.isEmpty()) {
        rebuildTextCombo();
        handleCustomWatermarkTextEdit();
        return;
    }

    const QStringList stored = readCfgValues(QStringLiteral("CustomWatermarkStore"));
    if (stored.isEmpty()) {
        // Nothing saved yet: a custom default text of the PPD becomes a
        // record with the PPD's default settings.
        const tOption *text = AppState::currentOption(QStringLiteral("Wtxt"));
        if (!text)
            return;
        const QString name = customDefaultName(text->defaultValueString());
        if (!name.isEmpty()) {
            const struct
            {
                const char *keyword;
                const char *key;
                ComboBoxEx *combo;
            } attributes[] = {
                {"Wfnt", "font", cmbBxWFnt},      {"Wsze", "size", cmbBxWsze},
                {"Wclr", "color", cmbBxClr},      {"Wang", "angle", cmbBxWang},
                {"Wtrans", "style", cmbBxWtrans}, {"Wtyp", "fill", cmbBxWtyp},
            };
            Record record;
            for (const auto &attribute : attributes) {
                const tOption *option =
                    AppState::optionModel->option(QLatin1String(attribute.keyword));
                if (!option)
                    continue;
                const tChoice *choice = option->defaultChoice();
                record.insert(QLatin1String(attribute.key),
                              choice ? attribute.combo->findText(choice->text(), exactText) : -1);
            }
            const tOption *repeat = AppState::optionModel->option(QStringLiteral("Wflg"));
            const bool noRepeat = repeat && repeat->defaultValueString() == QLatin1String("False");
            record.insert(QStringLiteral("repeat"), noRepeat ? 0 : 1);
            customWatermarks.insert(name, record);
        }
    } else {
        for (const QString &value : stored) {
            QString name;
            Record record;
            // The file keeps this key's backslashes doubled.
            parseStoredRecord(unescapeBackslashes(value), &name, &record);
            customWatermarks.insert(name, record);
        }
    }
    rebuildTextCombo();
    handleCustomWatermarkTextEdit();
}

void WatermarkTab::storeShownWatermark()
{
    if (!chkButWatermark->isChecked() || !AppState::currentOption(QStringLiteral("Wtxt")))
        return;
    // Storing the current settings rebuilds the list, which moves the
    // selection for a moment. Those passing states must not reach the model
    // or the main window while it collects, so the widgets are quiet and the
    // model takes the settled state afterwards.
    setOptionSignalsBlocked(true);
    editCustomWatermark();
    handleWatermarkSelection(cmbBxWtxt->currentText());
    applyAllWidgets();
    setOptionSignalsBlocked(false);
}

OptionHash WatermarkTab::extraSettings()
{
    OptionHash settings;
    if (!AppState::optionModel || !AppState::optionModel->option(QStringLiteral("Wtxt")))
        return settings;

    storeShownWatermark();
    for (auto it = customWatermarks.cbegin(); it != customWatermarks.cend(); ++it)
        settings.insert(QStringLiteral("CustomWatermarkStore"), storedRecord(it.key(), it.value()));
    const QString shown = selectedRecordName();
    if (customWatermarks.contains(shown))
        settings.insert(QStringLiteral("CustomWatermarkSet"), shown);
    return settings;
}
