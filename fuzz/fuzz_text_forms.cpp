// Texts the user types or the files hold in a form of their own: the
// page-insert list, the custom watermark record, the escaping of stored
// values and descriptions, and the job e-mail address check.

#include "FuzzSupport.h"

#include "model/tOptionModel.h"
#include "system/MakerPpdModel.h"
#include "system/PerUserFiles.h"
#include "system/ProfileFiles.h"
#include "tabs/JobTab.h"
#include "tabs/PageInsertList.h"
#include "tabs/WatermarkTab.h"
#include "widgets/TolCheckBoxButton.h"

#include <QLabel>
#include <QLineEdit>

#include <memory>

namespace {

template<class W>
W *named(QWidget *parent, const char *name)
{
    for (W *widget : parent->findChildren<W *>()) {
        if (widget->accessibleName() == QLatin1String(name))
            return widget;
    }
    fuzz::fail("widget not found");
}

void checkPageList(const QString &text, bool coverBothSides)
{
    const PageInsertList::Result result = PageInsertList::check(text, coverBothSides);
    if (result.outcome == PageInsertList::Outcome::Refused && !result.message)
        fuzz::fail("a page list refused without a message");
    if (result.outcome != PageInsertList::Outcome::Accepted)
        return;
    const int first = coverBothSides ? PageInsertList::firstPageAfterPrintedCover
                                     : PageInsertList::firstAllowedPage;
    const QStringList pages = result.pageList.split(QLatin1Char(','));
    if (pages.size() > PageInsertList::maxPages)
        fuzz::fail("more pages accepted than allowed");
    int previous = 0;
    for (const QString &page : pages) {
        bool number = false;
        const int value = page.toInt(&number);
        if (!number || value <= previous || value < first
            || value > PageInsertList::lastAllowedPage)
            fuzz::fail("normal form is not a sorted list of allowed pages");
        previous = value;
    }
    const PageInsertList::Result again = PageInsertList::check(result.pageList, coverBothSides);
    if (again.outcome != PageInsertList::Outcome::Accepted || again.pageList != result.pageList)
        fuzz::fail("normal form is not accepted as itself");
}

void checkWatermarkRecord(const QString &text, const uint8_t *data, size_t size)
{
    QString name;
    WatermarkTab::Record record;
    WatermarkTab::parseStoredRecord(text, &name, &record);

    // Any name with any numbers comes back from the stored line as it went.
    WatermarkTab::Record numbers;
    int i = 0;
    for (const char *key : {"font", "size", "color", "angle", "style", "fill", "repeat"}) {
        int value = 0;
        for (size_t k = 0; k < 4; ++k, ++i)
            value = (value << 8) | (size_t(i) < size ? data[i] : 0);
        numbers.insert(QLatin1String(key), value);
    }
    const QString key = QStringLiteral("CustomWatermarkStore");
    const QString stored = escapeCfgValue(key, WatermarkTab::storedRecord(text, numbers));
    WatermarkTab::parseStoredRecord(unescapeBackslashes(stored), &name, &record);
    if (name != text || record != numbers)
        fuzz::fail("a watermark record did not survive storing");
}

void checkEscaping(const QString &text)
{
    for (const char *key : {"CustomWatermarkSet", "CustomWatermarkStore", "CustomJobName"}) {
        if (unescapeBackslashes(escapeCfgValue(QLatin1String(key), text)) != text)
            fuzz::fail("a stored value did not survive escaping");
    }
    if (escapeCfgValue(QStringLiteral("Duplex"), text) != text)
        fuzz::fail("a value of a plain key was escaped");

    const QString description = escapeDescription(text);
    if (description.contains(QLatin1Char('\n')))
        fuzz::fail("an escaped description spans lines");
    // Backslash and "n" typed as such is the one text the form cannot tell
    // from a line break.
    if (!text.contains(QLatin1String("\\n")) && unescapeDescription(description) != text)
        fuzz::fail("a description did not survive escaping");
}

void checkEmail(const QString &text)
{
    static JobTab *tab = [] {
        fuzz::startApplication();
        static const std::unique_ptr<tOptionModel> model = fuzz::fixtureModel("jobtab-full.ppd");
        AppState::optionModel = model.get();
        AppState::settingsFile.clear();
        auto *made = new JobTab(new QWidget);
        made->reload();
        named<TolCheckBoxButton>(made, "chkButJobEmail")->setChecked(true);
        return made;
    }();
    static QLineEdit *edit = named<QLineEdit>(tab, "lnEditJobEmail");
    static QLabel *label = named<QLabel>(tab, "lblJobEmail");
    edit->setText(text);
    const bool accepted = label->toolTip().isEmpty();
    if (accepted && (text.count(QLatin1Char('@')) != 1 || text.contains(QLatin1Char(' '))))
        fuzz::fail("a malformed address was accepted");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    checkPageList(text, false);
    checkPageList(text, true);
    checkWatermarkRecord(text, data, size);
    checkEscaping(text);
    checkEmail(text);
    return 0;
}
