// The "Basic" and "Layout" tabs over fixture PPDs: when they are shown,
// loading from the PPD and from a settings file, the model following the
// widgets, the colour and duplex fallbacks, and the values they save; the
// colour mode's rules through both pages that show it, Basic and Imaging.

#include "TabFixture.h"

#include "TestMain.h"
#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "tabs/BookletTab.h"
#include "tabs/GeneralTab.h"
#include "tabs/ImagingTab.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/TolButtonGroup.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

using Values = QHash<QString, QString>;

const QColor greyedTitle("#9f9e9e");

void click(TolButtonGroup *group, const QString &name)
{
    const int index = group->buttonNames().indexOf(name);
    QVERIFY2(index >= 0, qPrintable(name));
    group->pushButton(index)->click();
}

bool titleGreyed(TolButtonGroup *group)
{
    const QLabel *title = group->titleLabel();
    return title->palette().color(title->foregroundRole()) == greyedTitle;
}

Values pageSizeEverywhere(const QString &size)
{
    Values values;
    for (const char *key :
         {"PageSize", "PageRegion", "ImageableArea", "PaperDimension", "MediaSize"})
        values.insert(QLatin1String(key), size);
    return values;
}

// The first and last column of the picture with pixels of the colour's hue;
// -1 for none.
QPair<int, int> inkColumns(const QImage &picture, Qt::GlobalColor colour)
{
    const QColor ink(colour);
    QPair<int, int> columns(-1, -1);
    for (int x = 0; x < picture.width(); ++x) {
        for (int y = 0; y < picture.height(); ++y) {
            const QColor pixel = picture.pixelColor(x, y);
            const int hues = qAbs(pixel.hsvHue() - ink.hsvHue());
            if (pixel.hsvSaturation() > 60 && qMin(hues, 360 - hues) < 10) {
                if (columns.first < 0)
                    columns.first = x;
                columns.second = x;
                break;
            }
        }
    }
    return columns;
}

} // namespace

class TestGeneralTab : public QObject, TabFixture<GeneralTab>
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { tearDownTab(); }

    void hasOptions_data();
    void hasOptions();
    void reloadFromPpdDefaults();
    void reloadFromSettingsFile();
    void modelFollowsWidgetsAndCouplingsRun();
    void blockedDuplexIsLeft();
    void colourAndDuplexFallbacks_data();
    void colourAndDuplexFallbacks();
    void colourMarkIsCleared();
    void colourRulesOnBothPages_data();
    void colourRulesOnBothPages();
    void otherWordingsMatchByKeyword_data();
    void otherWordingsMatchByKeyword();
    void longChoiceShowsWholeOrElided_data();
    void longChoiceShowsWholeOrElided();
    void bookletTabFollowsModel();
    void bookletTabWithFoldOnly();

private:
    BookletTab *booklet = nullptr;

    [[nodiscard]] bool select(const QString &fixture);
};

void TestGeneralTab::init()
{
    setUpTab();
    booklet = new BookletTab(owner);
}

// As a printer change does: a fresh model, then every tab reloads.
bool TestGeneralTab::select(const QString &fixture)
{
    if (!TabFixture::select(fixture))
        return false;
    if (booklet->hasOptions())
        booklet->reload();
    return true;
}

void TestGeneralTab::hasOptions_data()
{
    hasOptionsColumns(); // shown: the "Basic" tab
    QTest::addColumn<bool>("layout");
    QTest::newRow("no printer") << QString() << false << false;
    QTest::newRow("both booklet options") << "generaltab-full.ppd" << true << true;
    QTest::newRow("fold without binding") << "generaltab-mono.ppd" << true << true;
    QTest::newRow("no booklet option") << "generaltab-bare.ppd" << true << false;
}

void TestGeneralTab::hasOptions()
{
    QVERIFY(checkHasOptions());
    QFETCH(bool, layout);
    QCOMPARE(booklet->hasOptions(), layout);
}

void TestGeneralTab::reloadFromPpdDefaults()
{
    QVERIFY(select("generaltab-full.ppd"));
    QCOMPARE(tab->getTabName(), QString("Basic"));
    QCOMPARE(booklet->getTabName(), QString("Layout"));
    // Loading reaches neither the constraint pass nor the couplings.
    QCOMPARE(owner->passes, 0);
    QCOMPARE(owner->colourCouplings, 0);
    QCOMPARE(owner->publishingCouplings, 0);

    auto *pageSize = named<ComboBoxEx>(tab, "cmbBxPageSize");
    auto *inputSlot = named<ComboBoxEx>(tab, "cmbBxInputSlot");
    // The custom size and custom sheet need values these lists cannot take.
    QCOMPARE(items(pageSize), QStringList({"A4", "Letter", "A5"}));
    QCOMPARE(items(named<ComboBoxEx>(tab, "cmbBxMediaType")),
             QStringList({"Plain", "Card stock", "Overhead film"}));
    QCOMPARE(items(inputSlot), QStringList({"Automatic", "Tray 1", "Bypass tray"}));
    QCOMPARE(pageSize->currentText(), QString("A4"));
    QCOMPARE(named<ComboBoxEx>(tab, "cmbBxMediaType")->currentText(), QString("Plain"));
    QCOMPARE(inputSlot->currentText(), QString("Automatic"));
    QCOMPARE(named<ComboBoxEx>(tab, "cmbBxOutputBin")->currentText(), QString("Face down"));

    QCOMPARE(named<QLabel>(tab, "lblPageSize")->text(), QString("Print size:"));
    QCOMPARE(named<QLabel>(tab, "lblMediaType")->text(), QString("Sheet Type:"));
    QCOMPARE(named<QLabel>(tab, "lblInputSlot")->text(), QString("Source:"));
    QCOMPARE(named<QLabel>(tab, "lblOutputBin")->text(), QString("Destination:"));

    QCOMPARE(named<TolButtonGroup>(tab, "butGroupCol")->checkedButtonName(), QString("On"));
    QCOMPARE(named<TolButtonGroup>(tab, "butGroupDuplex")->checkedButtonName(), QString("Off"));
    auto *colour = named<TolButtonGroup>(tab, "butGroupColorModelGeneral");
    QCOMPARE(colour->checkedButtonName(), QString("Full color"));
    QVERIFY(colour->isEnabled());
    QCOMPARE(current("Coll"), QString("True"));
    QCOMPARE(current("ColorModel"), QString("CMYK"));

    Values expected = pageSizeEverywhere("A4");
    expected.insert("MediaType", "Plain");
    expected.insert("InputSlot", "Auto");
    expected.insert("OutputBin", "FaceDown");
    expected.insert("Coll", "True");
    expected.insert("Duplex", "None");
    expected.insert("ColorModel", "CMYK");
    QCOMPARE(tab->collectOptionValues(), expected);
}

void TestGeneralTab::reloadFromSettingsFile()
{
    QVERIFY(useSettingsFile(
        dir.filePath("GT.cfg"),
        "PageSize=Letter;A4\nInputSlot=Bypass;Auto\nColl=False;True\n"
        "Duplex=DuplexTumble;None\nColorModel=Gray;CMYK\nTCBooklet=Right;None\nFold=True;False\n"));

    QVERIFY(select("generaltab-full.ppd"));
    QCOMPARE(named<ComboBoxEx>(tab, "cmbBxPageSize")->currentText(), QString("Letter"));
    QCOMPARE(named<ComboBoxEx>(tab, "cmbBxInputSlot")->currentText(), QString("Bypass tray"));
    QCOMPARE(named<TolButtonGroup>(tab, "butGroupCol")->checkedButtonName(), QString("Off"));
    QCOMPARE(named<TolButtonGroup>(tab, "butGroupDuplex")->checkedButtonName(),
             QString("Short edge"));
    QCOMPARE(named<TolButtonGroup>(tab, "butGroupColorModelGeneral")->checkedButtonName(),
             QString("Black & white"));
    for (const char *keyword : {"PageSize", "InputSlot", "Coll", "Duplex", "ColorModel"})
        QCOMPARE(current(keyword), tab->collectOptionValues().value(keyword));
    QCOMPARE(current("Duplex"), QString("DuplexTumble"));

    const Values values = tab->collectOptionValues();
    const Values letter = pageSizeEverywhere("Letter");
    for (auto it = letter.cbegin(); it != letter.cend(); ++it)
        QCOMPARE(values.value(it.key()), it.value());

    QCOMPARE(named<TolButtonGroup>(booklet, "butGroupTCBooklet")->checkedButtonName(),
             QString("Right edge binding"));
    QVERIFY(named<QCheckBox>(booklet, "chkBxFold")->isChecked());
    QCOMPARE(booklet->collectOptionValues(), Values({{"TCBooklet", "Right"}, {"Fold", "True"}}));
}

void TestGeneralTab::modelFollowsWidgetsAndCouplingsRun()
{
    QVERIFY(select("generaltab-full.ppd"));

    auto *mediaType = named<ComboBoxEx>(tab, "cmbBxMediaType");
    mediaType->setCurrentIndex(mediaType->findText("Card stock"));
    QCOMPARE(current("MediaType"), QString("Card"));
    QCOMPARE(owner->publishingCouplings, 1);
    QCOMPARE(owner->passes, 1);

    auto *pageSize = named<ComboBoxEx>(tab, "cmbBxPageSize");
    pageSize->setCurrentIndex(pageSize->findText("A5"));
    QCOMPARE(current("PageSize"), QString("A5"));
    QCOMPARE(owner->publishingCouplings, 1);

    click(named<TolButtonGroup>(tab, "butGroupDuplex"), "Long edge");
    QCOMPARE(current("Duplex"), QString("DuplexNoTumble"));
    QCOMPARE(owner->colourCouplings, 0);

    click(named<TolButtonGroup>(tab, "butGroupColorModelGeneral"), "Black & white");
    QCOMPARE(current("ColorModel"), QString("Gray"));
    QCOMPARE(owner->colourCouplings, 1);
    QCOMPARE(owner->passes, 4);

    const Values values = tab->collectOptionValues();
    QCOMPARE(values.value("MediaSize"), QString("A5"));
    QCOMPARE(values.value("ColorModel"), QString("Gray"));
}

void TestGeneralTab::blockedDuplexIsLeft()
{
    QVERIFY(select("generaltab-full.ppd"));
    auto *duplex = named<TolButtonGroup>(tab, "butGroupDuplex");
    click(duplex, "Long edge");

    auto *mediaType = named<ComboBoxEx>(tab, "cmbBxMediaType");
    mediaType->setCurrentIndex(mediaType->findText("Overhead film"));
    QVERIFY(tab->enableOptions());
    QCOMPARE(duplex->checkedButtonName(), QString("Off"));
    QCOMPARE(current("Duplex"), QString("None"));
    QVERIFY(!duplex->pushButton(1)->isEnabled());
    QVERIFY(!duplex->pushButton(2)->isEnabled());
    QVERIFY(!tab->enableOptions());
}

void TestGeneralTab::colourAndDuplexFallbacks_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("savedColour");
    QTest::newRow("single colour choice") << "generaltab-mono.ppd"
                                          << "Gray";
    QTest::newRow("no colour option") << "generaltab-bare.ppd" << QString();
}

void TestGeneralTab::colourAndDuplexFallbacks()
{
    QFETCH(QString, fixture);
    QFETCH(QString, savedColour);
    QVERIFY(select(fixture));

    auto *colour = named<TolButtonGroup>(tab, "butGroupColorModelGeneral");
    auto *duplex = named<TolButtonGroup>(tab, "butGroupDuplex");
    QCOMPARE(colour->checkedButtonName(), QString("Black & white"));
    QVERIFY(!titleGreyed(colour));
    QCOMPARE(duplex->checkedButtonName(), QString("Off"));
    QVERIFY(!titleGreyed(duplex));

    // A constraint pass must not free the fixed colour.
    tab->enableOptions();
    QVERIFY(!colour->isEnabled());
    QCOMPARE(colour->checkedButtonName(), QString("Black & white"));
    QVERIFY(!titleGreyed(colour));

    const Values values = tab->collectOptionValues();
    QVERIFY(!values.contains("Duplex"));
    QCOMPARE(values.value("ColorModel"), savedColour);
    QCOMPARE(values.contains("ColorModel"), !savedColour.isEmpty());
}

void TestGeneralTab::colourMarkIsCleared()
{
    QVERIFY(select("generaltab-full.ppd"));
    auto *colour = named<TolButtonGroup>(tab, "butGroupColorModelGeneral");
    colour->showError(true);
    QVERIFY(colour->titleLabel()->text().contains("<img"));
    tab->clearErrorMarks();
    QVERIFY(!colour->titleLabel()->text().contains("<img"));
}

// The colour mode's rules, each row run on both pages that show it: after
// loading and a constraint pass, then a step and another pass, the button
// shown ("" for none), whether the group is fixed, its greyed buttons, the
// model's choice ("" without the option) and the value written.
void TestGeneralTab::colourRulesOnBothPages_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("step"); // "click N", "model X" (another page moved it), "policy"
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<QStringList>("greyed");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("written");
    const QString colour("Full color");
    const QString mono("Black & white");
    const QStringList none;

    QTest::newRow("colour PPD") << "generaltab-full.ppd" << QByteArray() << "" << colour << false
                                << none << "CMYK"
                                << "CMYK";
    QTest::newRow("saved gray") << "generaltab-full.ppd" << QByteArray("ColorModel=Gray;CMYK\n")
                                << "" << mono << false << none << "Gray"
                                << "Gray";
    QTest::newRow("black and white clicked")
        << "generaltab-full.ppd" << QByteArray() << "click 1" << mono << false << none << "Gray"
        << "Gray";
    QTest::newRow("RGB beside CMYK stays RGB")
        << "ppdshapes-colour-rgb.ppd" << QByteArray() << "" << colour << false << none << "RGB"
        << "RGB";
    QTest::newRow("AUTO kept, no button") << "ppdshapes-colour-auto.ppd" << QByteArray() << ""
                                          << "" << false << none << "AUTO"
                                          << "AUTO";
    QTest::newRow("AUTO, then colour clicked") << "ppdshapes-colour-auto.ppd" << QByteArray()
                                               << "click 0" << colour << false << none << "CMYK"
                                               << "CMYK";
    QTest::newRow("buttons for no choice greyed")
        << "ppdshapes-colour-grayscale.ppd" << QByteArray() << ""
        << "" << false << QStringList({colour, mono}) << "Color"
        << "Color";
    QTest::newRow("single choice fixed")
        << "generaltab-mono.ppd" << QByteArray() << "" << mono << true << none << "Gray"
        << "Gray";
    QTest::newRow("no colour option")
        << "generaltab-bare.ppd" << QByteArray() << "" << mono << true << none << ""
        << "";
    QTest::newRow("another page moved the model")
        << "generaltab-full.ppd" << QByteArray() << "model Gray" << mono << false << none << "Gray"
        << "Gray";
    QTest::newRow("policy forbids colour")
        << "generaltab-full.ppd" << QByteArray() << "policy" << mono << true << none << "Gray"
        << "Gray";
}

void TestGeneralTab::colourRulesOnBothPages()
{
    QFETCH(QString, fixture);
    QFETCH(QByteArray, settings);
    QFETCH(QString, step);
    QFETCH(QString, shown);
    QFETCH(bool, fixed);
    QFETCH(QStringList, greyed);
    QFETCH(QString, choice);
    QFETCH(QString, written);

    auto *imaging = new ImagingTab(owner);
    const QList<QPair<Tab *, TolButtonGroup *>> pages = {{tab, tab->colorModelGroup()},
                                                         {imaging, imaging->colorGroup()}};
    // One line per page, so that a difference names the page.
    QStringList seen;
    QStringList wanted;
    for (const auto &pair : pages) {
        Tab *const page = pair.first;
        TolButtonGroup *const colour = pair.second;
        QVERIFY(useModel(fixture));
        if (!settings.isEmpty())
            QVERIFY(writeSettingsFile("CM.cfg", settings));
        page->reload();
        page->enableOptions();
        if (step.startsWith("click "))
            colour->pushButton(step.mid(6).toInt())->click();
        else if (step.startsWith("model "))
            model->setCurrentChoice("ColorModel", step.mid(6));
        else if (step == QLatin1String("policy"))
            model->setCurrentChoice("SNTColorMode", "On");
        page->enableOptions();

        QStringList greyedNow;
        for (int i = 0; i < colour->count(); ++i) {
            if (colour->isEnabled() && !colour->pushButton(i)->isEnabled())
                greyedNow << colour->buttonNames().at(i);
        }
        const bool hasOption = model->option("ColorModel") != nullptr;
        // Without a colour option the Imaging page writes black and white.
        const QString writes = page == imaging && !hasOption ? QString("Gray") : written;
        const auto line = [&](const QString &button, bool isFixed, const QStringList &grey,
                              bool titleGrey, const QString &modelChoice, const QString &value) {
            return QStringLiteral("%1: shown '%2' fixed %3 greyed '%4' title greyed %5 model "
                                  "'%6' written '%7'")
                .arg(page->getTabName(), button)
                .arg(isFixed)
                .arg(grey.join(", "))
                .arg(titleGrey)
                .arg(modelChoice, value);
        };
        seen << line(colour->checkedButtonName(), !colour->isEnabled(), greyedNow,
                     titleGreyed(colour), hasOption ? current("ColorModel") : QString(),
                     page->collectOptionValues().value("ColorModel"));
        wanted << line(shown, fixed, fixed ? QStringList() : greyed, false, choice, writes);
    }
    QCOMPARE(seen.join(QStringLiteral(" | ")), wanted.join(QStringLiteral(" | ")));
}

// PPDs that word the choices otherwise than the buttons: the button stands
// for its choice keyword, on loading, on a click and when collected.
void TestGeneralTab::otherWordingsMatchByKeyword_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<int>("shownAfterLoad");
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("Color / Black and White") << "queue-tolvane.ppd"
                                             << "butGroupColorModelGeneral"
                                             << "ColorModel" << 0 << "CMYK" << 1 << "Gray";
    QTest::newRow("Color / Grayscale") << "watermarktab-full.ppd"
                                       << "butGroupColorModelGeneral"
                                       << "ColorModel" << 0 << "CMYK" << 1 << "Gray";
    QTest::newRow("Short Edge in capitals") << "queue-tolvane.ppd"
                                            << "butGroupDuplex"
                                            << "Duplex" << 0 << "None" << 2 << "DuplexTumble";
    // No button stands for the printer's own default: none is shown, and it
    // is kept until a click.
    QTest::newRow("Printer Default / Black and White")
        << "tabkit-oddshapes.ppd"
        << "butGroupColorModelGeneral"
        << "ColorModel" << -1 << "Default" << 1 << "Gray";
}

void TestGeneralTab::otherWordingsMatchByKeyword()
{
    QFETCH(QString, fixture);
    QFETCH(QString, group);
    QFETCH(QString, keyword);
    QFETCH(int, shownAfterLoad);
    QFETCH(QString, loaded);
    QFETCH(int, clicked);
    QFETCH(QString, chosen);

    QVERIFY(select(fixture));
    auto *buttons = named<TolButtonGroup>(tab, group);
    QVERIFY(buttons);
    QCOMPARE(buttons->checkedIndex(), shownAfterLoad);
    QCOMPARE(current(keyword), loaded);
    QCOMPARE(tab->collectOptionValues().value(keyword), loaded);

    buttons->pushButton(clicked)->click();
    QCOMPARE(buttons->checkedIndex(), clicked);
    QCOMPARE(current(keyword), chosen);
    QCOMPARE(tab->collectOptionValues().value(keyword), chosen);
}

void TestGeneralTab::longChoiceShowsWholeOrElided_data()
{
    QTest::addColumn<int>("pageWidth");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<bool>("icon"); // the choice has an icon before its text
    QTest::newRow("room on the page: whole") << 1200 << true << false;
    QTest::newRow("no room: elided, whole as tool tip") << 360 << false << false;
    QTest::newRow("no room, an icon: elided beside it") << 360 << false << true;
}

// The two bins differ only after 30 characters: a cut text would make them
// look alike.
void TestGeneralTab::longChoiceShowsWholeOrElided()
{
    QFETCH(int, pageWidth);
    QFETCH(bool, whole);
    QFETCH(bool, icon);
    QVERIFY(select("generaltab-longchoice.ppd"));
    tab->setGeometry(0, 0, pageWidth, 500);
    owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(owner));
    auto *bin = named<ComboBoxEx>(tab, "cmbBxOutputBin");
    if (icon) {
        QPixmap blue(bin->iconSize());
        blue.fill(Qt::blue);
        bin->setItemIcon(bin->currentIndex(), QIcon(blue));
    }
    const QString text("Mailbox 7 of the upper finisher (face up, last page on top)");
    QCOMPARE(bin->currentText(), text);
    QTRY_COMPARE(bin->toolTip(), whole ? QString() : text);
    const QString shown = bin->shownText();
    QVERIFY2(whole ? shown == text
                   : shown.endsWith(QChar(0x2026)) && text.startsWith(shown.chopped(1)),
             qPrintable(shown));
    if (!icon)
        return;
    // Drawn in red, the text stands right of the icon as wide as its ink:
    // nothing of it is cut off at the arrow.
    QPalette palette = bin->palette();
    palette.setColor(QPalette::Text, Qt::red);
    bin->setPalette(palette);
    const QImage box = bin->grab().toImage();
    const QPair<int, int> letters = inkColumns(box, Qt::red);
    QVERIFY(letters.first > inkColumns(box, Qt::blue).second);
    const int drawn = letters.second - letters.first + 1;
    const int ink = bin->fontMetrics().boundingRect(shown).width();
    QVERIFY2(qAbs(drawn - ink) <= 2, qPrintable(QStringLiteral("%1 of %2").arg(drawn).arg(ink)));
}

void TestGeneralTab::bookletTabFollowsModel()
{
    auto *fold = named<QCheckBox>(booklet, "chkBxFold");
    auto *binding = named<TolButtonGroup>(booklet, "butGroupTCBooklet");
    QCOMPARE(fold->text(), QString("Booklet fold"));
    QCOMPARE(binding->buttonNames(),
             QStringList({"Off", "Left edge binding", "Right edge binding"}));

    QVERIFY(select("generaltab-full.ppd"));
    QCOMPARE(fold->text(), QString("Fold the Booklet"));
    QCOMPARE(binding->titleLabel()->text(), QString("Booklet:Off"));

    click(binding, "Left edge binding");
    fold->setChecked(true);
    QCOMPARE(current("TCBooklet"), QString("Left"));
    QCOMPARE(current("Fold"), QString("True"));
    QCOMPARE(owner->passes, 2);
    QCOMPARE(booklet->collectOptionValues(), Values({{"TCBooklet", "Left"}, {"Fold", "True"}}));

    // A5 cannot be bound: the binding moves back to off.
    auto *pageSize = named<ComboBoxEx>(tab, "cmbBxPageSize");
    pageSize->setCurrentIndex(pageSize->findText("A5"));
    QVERIFY(booklet->enableOptions());
    QCOMPARE(binding->checkedButtonName(), QString("Off"));
    QCOMPARE(current("TCBooklet"), QString("None"));
}

void TestGeneralTab::bookletTabWithFoldOnly()
{
    QVERIFY(select("generaltab-mono.ppd"));
    auto *fold = named<QCheckBox>(booklet, "chkBxFold");
    QVERIFY(!named<TolButtonGroup>(booklet, "butGroupTCBooklet")->isEnabled());
    QVERIFY(fold->isEnabled());
    QVERIFY(fold->isChecked());
    fold->setChecked(false);
    QCOMPARE(current("Fold"), QString("False"));
    QCOMPARE(booklet->collectOptionValues(), Values({{"Fold", "False"}}));
}

VM_TEST_MAIN(TestGeneralTab)
#include "tst_generaltab.moc"
