// The detail view of ProfileDialog: what the selected row would set, each
// stored value shown as the text the PPD of the profile's printer gives it.

#include "dialogs/ProfileDialog.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/MakerPpdModel.h"
#include "system/PerUserFiles.h"
#include "system/ProfileFiles.h"
#include "system/SharedRoutines.h"

#include <QRegularExpression>
#include <QTextStream>
#include <QTreeWidget>

#include <memory>

namespace {

struct DetailRow
{
    const char *key;
    // Null for the rotation row, whose label is chosen in code.
    const char *label;
};

enum class Shown { WhenAnyKey, Always };

struct DetailSection
{
    const char *title;
    bool translated;
    bool skippedForTpsl;
    bool skippedForGeneric;
    Shown shown;
    const DetailRow *rows;
    int rowCount;
};

const DetailRow descriptionRows[] = {
    {"ProfileDescription", QT_TRANSLATE_NOOP("ProfileDialog", "Description")}};

const DetailRow basicRows[] = {
    {"PageSize", QT_TRANSLATE_NOOP("ProfileDialog", "Print size")},
    {"MediaType", QT_TRANSLATE_NOOP("ProfileDialog", "Media type")},
    {"InputSlot", QT_TRANSLATE_NOOP("ProfileDialog", "Source")},
    {"OutputBin", QT_TRANSLATE_NOOP("ProfileDialog", "Destination")},
    {"Coll", QT_TRANSLATE_NOOP("ProfileDialog", "Collate")},
    {"Duplex", QT_TRANSLATE_NOOP("ProfileDialog", "Duplex")},
};

const DetailRow layoutRows[] = {{"TCBooklet", QT_TRANSLATE_NOOP("ProfileDialog", "Booklet")}};

const DetailRow finishingRows[] = {
    {"Sep", QT_TRANSLATE_NOOP("ProfileDialog", "Separation")},
    {"FldA", QT_TRANSLATE_NOOP("ProfileDialog", "Folding mode")},
    {"FldB", QT_TRANSLATE_NOOP("ProfileDialog", "Folding side")},
    {"FldC", QT_TRANSLATE_NOOP("ProfileDialog", "Folding direction")},
    {"FldD", QT_TRANSLATE_NOOP("ProfileDialog", "Folding method")},
    {"ZFldC", QT_TRANSLATE_NOOP("ProfileDialog", "Z-Folding direction")},
    {"ZFldD", QT_TRANSLATE_NOOP("ProfileDialog", "Z-Folding method")},
    {"BiFldB", QT_TRANSLATE_NOOP("ProfileDialog", "Bi-Folding side")},
    {"BFpS", QT_TRANSLATE_NOOP("ProfileDialog", "Bi-Fold folding method")},
    {"Stpl", QT_TRANSLATE_NOOP("ProfileDialog", "Staple")},
    {"Scnt", QT_TRANSLATE_NOOP("ProfileDialog", "Staple method")},
    {"Pnch", QT_TRANSLATE_NOOP("ProfileDialog", "Punch")},
    {"Rotate", nullptr},
};

const DetailRow imagingRows[] = {
    {"Trap", QT_TRANSLATE_NOOP("ProfileDialog", "Trapping")},
    {"TCGlossmode", QT_TRANSLATE_NOOP("ProfileDialog", "Gloss mode")},
    {"CIE", QT_TRANSLATE_NOOP("ProfileDialog", "CIE optimization")},
    {"TSCREENMODE", QT_TRANSLATE_NOOP("ProfileDialog", "Halftone screen")},
    {"Resolution", QT_TRANSLATE_NOOP("ProfileDialog", "Resolution")},
    {"Tnlt", QT_TRANSLATE_NOOP("ProfileDialog", "Tonerlite")},
    {"CaColorSpace", QT_TRANSLATE_NOOP("ProfileDialog", "HSL/Color Balance")},
    {"Cadj", QT_TRANSLATE_NOOP("ProfileDialog", "Color adjustment")},
    {"Madj", QT_TRANSLATE_NOOP("ProfileDialog", "Monochrome adjustment")},
    {"ColorModel", QT_TRANSLATE_NOOP("ProfileDialog", "Color mode")},
    {"Crep", QT_TRANSLATE_NOOP("ProfileDialog", "Color reproduction")},
    {"RCM", QT_TRANSLATE_NOOP("ProfileDialog", "Color conversion")},
    {"Smoothing", QT_TRANSLATE_NOOP("ProfileDialog", "TIR")},
    {"GBTn", QT_TRANSLATE_NOOP("ProfileDialog", "Print grays with black toner")},
    {"TMoirePrevention", QT_TRANSLATE_NOOP("ProfileDialog", "Moire Prevention")},
};

const DetailRow publishingRows[] = {
    {"TvCoverModeEnabled", QT_TRANSLATE_NOOP("ProfileDialog", "Cover mode")},
    {"TvPageInsertEnabled", QT_TRANSLATE_NOOP("ProfileDialog", "Page insert")},
    {"TvIntLvEnabled", QT_TRANSLATE_NOOP("ProfileDialog", "Transparency interleaving")},
};

const DetailRow jobRows[] = {
    {"TCCollate1", QT_TRANSLATE_NOOP("ProfileDialog", "Job settings")},
    {"TvManagment", QT_TRANSLATE_NOOP("ProfileDialog", "Job accounting")},
    {"CustomJobName", QT_TRANSLATE_NOOP("ProfileDialog", "Job name")},
    {"EMailNotification", QT_TRANSLATE_NOOP("ProfileDialog", "Job e-mail notification")},
    {"UserLogin", QT_TRANSLATE_NOOP("ProfileDialog", "User login")},
};

const DetailRow watermarkRows[] = {{"Wren", QT_TRANSLATE_NOOP("ProfileDialog", "Watermark")},
                                   {"Wtxt", QT_TRANSLATE_NOOP("ProfileDialog", "Text")}};

const DetailRow sentrelRows[] = {{"SNT_enabled", "Sentrel"}};

#define ROWS(array) array, int(sizeof array / sizeof array[0])

//   title, translated, skipped for TPSL, skipped for Generic, shown when, rows
const DetailSection detailSections[] = {
    {QT_TRANSLATE_NOOP("ProfileDialog", "Profiles"), true, false, false, Shown::WhenAnyKey,
     ROWS(descriptionRows)},
    {QT_TRANSLATE_NOOP("ProfileDialog", "Basic"), true, false, false, Shown::WhenAnyKey,
     ROWS(basicRows)},
    {QT_TRANSLATE_NOOP("ProfileDialog", "Layout"), true, true, false, Shown::WhenAnyKey,
     ROWS(layoutRows)},
    {QT_TRANSLATE_NOOP("ProfileDialog", "Finishing"), true, true, false, Shown::WhenAnyKey,
     ROWS(finishingRows)},
    {QT_TRANSLATE_NOOP("ProfileDialog", "Imaging"), true, false, false, Shown::WhenAnyKey,
     ROWS(imagingRows)},
    {QT_TRANSLATE_NOOP("ProfileDialog", "Publishing"), true, true, true, Shown::WhenAnyKey,
     ROWS(publishingRows)},
    {QT_TRANSLATE_NOOP("ProfileDialog", "Job"), true, true, false, Shown::WhenAnyKey,
     ROWS(jobRows)},
    {QT_TRANSLATE_NOOP("ProfileDialog", "Watermark"), true, true, false, Shown::WhenAnyKey,
     ROWS(watermarkRows)},
    {"Sentrel", false, true, false, Shown::Always, ROWS(sentrelRows)},
};

#undef ROWS

// Own settings that are no option of the model, and the text each value gives.
const char *const onOffKeys[] = {"TvCoverModeEnabled", "TvPageInsertEnabled", "TvIntLvEnabled",
                                 "UserLogin"};

const QString generic = QStringLiteral("Generic");
const QString tpsl = QStringLiteral("TPSL");
const QString marked = QStringLiteral("True");

} // namespace

void ProfileDialog::createDetailTree()
{
    detailTree = new QTreeWidget(this);
    detailTree->setColumnCount(2);
    detailTree->setHeaderLabels({tr("Item"), tr("Detail")});
    detailTree->setColumnWidth(0, 190);
    detailTree->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    detailTree->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void ProfileDialog::showDetails(int row)
{
    detailTree->clear();
    buildDetailTree(row == 0 ? factoryDefaultValues()
                             : parseProfileFile(profilePath(profileName(row))));
}

ProfileDialog::DisplayTable ProfileDialog::parseProfileFile(const QString &path)
{
    static const QRegularExpression modelLinePattern(
        QStringLiteral("^\\[Tolvane.*\\]$|^\\[RB.*\\]$|^\\[Carrowen.*\\]$"));

    DisplayTable table;
    ppdFound = false;
    QByteArray bytes;
    if (!readPerUserFile(path, &bytes))
        return table;
    QTextStream in(bytes, QIODevice::ReadOnly);
    in.setCodec("UTF-8");
    std::unique_ptr<tOptionModel> model;

    QString line;
    while (in.readLineInto(&line)) {
        if (modelLinePattern.match(line).hasMatch() && !line.contains(QLatin1String("Profile"))) {
            std::unique_ptr<tOptionModel> found = buildModelFromMakerPpd(line);
            ppdFound = found != nullptr;
            if (found)
                model = std::move(found);
            if (line.contains(generic))
                table.insert(generic, marked);
            if (line.contains(tpsl))
                table.insert(tpsl, marked);
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString key = line.left(equals);
        const QString value = line.mid(equals + 1);
        const bool oneEquals = line.count(QLatin1Char('=')) == 1;
        if ((!key.isEmpty() && !value.isEmpty()) || oneEquals)
            table.insert(key, optionDisplayText(key, value, model.get()));
    }
    return table;
}

QString ProfileDialog::optionDisplayText(const QString &key, const QString &value,
                                         const tOptionModel *model) const
{
    static const QString error1 = QStringLiteral("ERROR 1");
    if (!ppdFound || !model)
        return QStringLiteral("ERROR 3");

    if (const tOption *option = model->option(key)) {
        if (const tChoice *choice = option->findChoice(value))
            return choice->text();
        if (key == QLatin1String("TCCollate1")) {
            if (value == QLatin1String("Custom1"))
                return tr("Private print");
            if (value == QLatin1String("Custom2"))
                return tr("Custom box");
        }
        if (key == QLatin1String("TvManagment"))
            return value == QLatin1String("Default") ? error1 : tr("On");
        if (key == QLatin1String("JobName"))
            return value == QLatin1String("off") ? error1 : tr("On");
        if (key == QLatin1String("Wtxt"))
            return tr("Custom watermark");
        return error1;
    }

    for (const char *onOff : onOffKeys) {
        if (key == QLatin1String(onOff))
            return value == QLatin1String("True") ? tr("On") : tr("Off");
    }
    if (key == QLatin1String("ProfileDescription"))
        return value;
    if (key == QLatin1String("EMailNotification"))
        return value == QLatin1String("off") ? tr("Off") : value;
    if (key == QLatin1String("CustomJobName"))
        return tr("On");
    if (key == QLatin1String("SNT_enabled"))
        return value == QLatin1String("ON") ? tr("On") : tr("Off");
    if (key == QLatin1String("ColorModel"))
        return tr("Black & white");
    return QStringLiteral("ERROR 2");
}

ProfileDialog::DisplayTable ProfileDialog::factoryDefaultValues() const
{
    DisplayTable table;
    const tOptionModel *model = AppState::optionModel;
    if (!model)
        return table;
    const QList<tOption *> options = model->options();
    for (const tOption *option : options) {
        // An option without a default has nothing to show.
        if (option->isFromPpd() && option->defaultChoice())
            table.insert(option->keyword(), option->defaultChoice()->text());
    }
    if (model->hasRasterOrPdfFilter())
        table.insert(generic, marked);
    if (model->hasTpslFilter())
        table.insert(tpsl, marked);
    for (const char *onOff : onOffKeys)
        table.insert(QLatin1String(onOff), tr("Off"));
    return table;
}

void ProfileDialog::buildDetailTree(const DisplayTable &table)
{
    const bool isTpsl = table.contains(tpsl);
    const bool isGeneric = table.contains(generic);
    for (const DetailSection &section : detailSections) {
        if ((section.skippedForTpsl && isTpsl) || (section.skippedForGeneric && isGeneric))
            continue;
        bool anyKey = false;
        for (int i = 0; i < section.rowCount && !anyKey; ++i)
            anyKey = table.contains(QLatin1String(section.rows[i].key));
        if (section.shown == Shown::WhenAnyKey && !anyKey)
            continue;

        auto *sectionItem = new QTreeWidgetItem(detailTree);
        sectionItem->setText(0, section.translated ? tr(section.title)
                                                   : QString::fromLatin1(section.title));
        for (int i = 0; i < section.rowCount; ++i) {
            const DetailRow &row = section.rows[i];
            const QString key = QLatin1String(row.key);
            const bool present = table.contains(key);
            if (!present && section.shown == Shown::WhenAnyKey)
                continue;
            QString label;
            if (!row.label)
                label = rotate180Label();
            else
                label = section.translated ? tr(row.label) : QString::fromLatin1(row.label);
            QString value = present ? table.value(key) : tr("Off");
            if (key == QLatin1String("ProfileDescription"))
                value = unescapeDescription(value);
            addDetailItem(label, value, sectionItem);
        }
    }
}

void ProfileDialog::addDetailItem(const QString &label, const QString &value,
                                  QTreeWidgetItem *section)
{
    auto *item = new QTreeWidgetItem(section);
    item->setText(0, label);
    item->setText(1, value);
}
