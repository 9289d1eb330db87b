// The "Publishing" tab over fixture PPDs: when it is shown, loading from the
// PPD and from a settings file, the model following the widgets, the saved
// settings, the page-list check and the tab's own constraint marks.

#include "TabFixture.h"

#include "TestMain.h"
#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "tabs/PageInsertList.h"
#include "tabs/PublishingTab.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/TolCheckBoxButton.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

Q_DECLARE_METATYPE(PageInsertList::Outcome)

namespace {

using Outcome = PageInsertList::Outcome;
using Values = QHash<QString, QString>;

const QString errorImage = QStringLiteral("<img src=':/icons/error'>");

bool hasErrorImage(QLabel *label)
{
    return label->text().contains(errorImage);
}

} // namespace

class TestPublishingTab : public QObject, TabFixture<PublishingTab>
{
    Q_OBJECT

private slots:
    void init() { setUpTab(true); }
    void cleanup() { tearDownTab(); }

    void pageList_data();
    void pageList();
    void hasOptions_data();
    void hasOptions();
    void reloadFromPpdDefaults();
    void backCoverSourceFollowsPrinter();
    void reloadFromSettingsFile();
    void modelFollowsWidgetsAndSwitchingOffResets();
    void extraSettings_data();
    void extraSettings();
    void pageListMarksAndFrontCoverBoxes();
    void interleavingConflictMarks();
    void inserterTrayGreysSideLabel();
    void screenshot();

private:
    [[nodiscard]] bool select(const QString &fixture);
    [[nodiscard]] bool writeSettings(const QStringList &lines);
    template<class W>
    W *widget(const QString &name)
    {
        return named<W>(tab, name);
    }
};

// As a printer change does: a fresh model, the tab reloads, a pass follows.
bool TestPublishingTab::select(const QString &fixture)
{
    if (!useModel(fixture))
        return false;
    model->resetConstraints();
    tab->reload();
    owner->setConstraints();
    return true;
}

bool TestPublishingTab::writeSettings(const QStringList &lines)
{
    return writeSettingsFile(
        "printer.cfg",
        ("[Profile]\n[Tolvane Ledgerwick 610]\n" + lines.join('\n') + '\n').toUtf8());
}

void TestPublishingTab::pageList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("bothSides");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("result"); // the list, or the refusal's message

    const QString typeRange = "Please type a page range.";
    const QString badPages = "Please enter your specified pages.";
    const QString from2 = "You can only enter page numbers between 2 and 511";
    const QString from3 = "You can only enter page numbers between 3 and 511";

    QTest::newRow("empty") << "" << false << Outcome::Refused << typeRange;
    QTest::newRow("descending range and single")
        << "9-7, 3" << false << Outcome::Accepted << "3,7,8,9";
    QTest::newRow("duplicates") << "5,3,5" << false << Outcome::Accepted << "3,5";
    QTest::newRow("range between blanks") << " 4 - 6 " << false << Outcome::Accepted << "4,5,6";
    QTest::newRow("empty middle entry") << "3,,5" << false << Outcome::Refused << badPages;
    QTest::newRow("two numbers") << "1 2" << false << Outcome::Refused << badPages;
    QTest::newRow("double range") << "3-5-7" << false << Outcome::Refused << badPages;
    QTest::newRow("range without start") << "-5,3" << false << Outcome::Refused << badPages;
    QTest::newRow("letter") << "3,a" << false << Outcome::Refused << badPages;
    QTest::newRow("trailing comma") << "3," << false << Outcome::Unfinished << "";
    QTest::newRow("unfinished last range") << "3,5-" << false << Outcome::Accepted << "3";
    QTest::newRow("unfinished two-digit range") << "3,12-" << false << Outcome::Accepted << "3";
    QTest::newRow("only an unfinished range") << "12-" << false << Outcome::NoPages << "";
    QTest::newRow("unfinished from 1") << "3,1-" << false << Outcome::Refused << badPages;
    QTest::newRow("unfinished leading zero") << "3,05-" << false << Outcome::Refused << badPages;
    QTest::newRow("unfinished not last") << "5-,3" << false << Outcome::Refused << badPages;
    QTest::newRow("50 pages") << "2-51" << false << Outcome::Accepted
                              << PageInsertList::formatPageList([] {
                                     QList<int> pages;
                                     for (int page = 2; page <= 51; ++page)
                                         pages << page;
                                     return pages;
                                 }());
    QTest::newRow("51 pages") << "2-52" << false << Outcome::Refused
                              << "You can only insert up to 50 pages.";
    QTest::newRow("huge range stops early")
        << "2-2147483647" << false << Outcome::Refused << "You can only insert up to 50 pages.";
    QTest::newRow("range to the largest int")
        << "2147483640-2147483647" << false << Outcome::Refused << from2;
    QTest::newRow("page 1") << "1" << false << Outcome::Refused << from2;
    QTest::newRow("page 512") << "512" << false << Outcome::Refused << from2;
    QTest::newRow("page 511") << "511" << false << Outcome::Accepted << "511";
    QTest::newRow("page 2") << "2" << false << Outcome::Accepted << "2";
    QTest::newRow("page 2 after printed cover") << "2" << true << Outcome::Refused << from3;
    QTest::newRow("page 3 after printed cover") << "3" << true << Outcome::Accepted << "3";
    QTest::newRow("too high after printed cover") << "4,600" << true << Outcome::Refused << from2;
    QTest::newRow("refusal beats trailing comma") << "600," << false << Outcome::Refused << from2;
}

void TestPublishingTab::pageList()
{
    QFETCH(QString, text);
    QFETCH(bool, bothSides);
    QFETCH(Outcome, outcome);
    QFETCH(QString, result);

    const PageInsertList::Result check = PageInsertList::check(text, bothSides);
    QCOMPARE(int(check.outcome), int(outcome));
    if (outcome == Outcome::Refused)
        QCOMPARE(QString::fromLatin1(check.message), result);
    else
        QCOMPARE(check.pageList, result);
}

void TestPublishingTab::hasOptions_data()
{
    hasOptionsColumns();
    QTest::newRow("no printer") << QString() << false;
    QTest::newRow("all publishing options") << "publishingtab-full.ppd" << true;
    QTest::newRow("front cover source only") << "publishingtab-front.ppd" << true;
    QTest::newRow("none of them") << "publishingtab-none.ppd" << false;
}

void TestPublishingTab::hasOptions()
{
    QVERIFY(checkHasOptions());
    QCOMPARE(tab->isConstraintMarked(), false);
}

void TestPublishingTab::reloadFromPpdDefaults()
{
    QVERIFY(select("publishingtab-full.ppd"));
    QCOMPARE(tab->getTabName(), QString("Publishing"));
    QVERIFY(!tab->tabIcon().isNull());
    QVERIFY(!tab->tabConstraintIcon().isNull());

    for (const char *button : {"chkButCvr", "chkButPins", "chkButTint"})
        QVERIFY2(!widget<TolCheckBoxButton>(button)->isChecked(), button);
    QVERIFY(widget<QRadioButton>("rdButCvrFront")->isChecked());
    for (const char *box :
         {"chkBxCvrFrontOut", "chkBxCvrFrontIn", "chkBxCvrBackOut", "chkBxCvrBackIn",
          "chkBxPinsPrintOntoFront", "chkBxPinsPrintOntoBack", "chkBxTintPrintOnto"}) {
        QVERIFY2(!widget<QCheckBox>(box)->isChecked(), box);
        QVERIFY2(!widget<QCheckBox>(box)->isEnabled(), box);
    }
    QCOMPARE(widget<QLineEdit>("lnEditPinsPage")->text(), QString());
    QCOMPARE(widget<ComboBoxEx>("cmbBxCvrM")->currentText(), QString("Tray 1"));
    QCOMPARE(widget<ComboBoxEx>("cmbBxPMed")->count(), 2);
    QCOMPARE(widget<QLabel>("lblCvrM")->text(), QString("Front Cover Source:"));
    QCOMPARE(current("cCovBut"), QString("False"));
    QCOMPARE(current("CvrM"), QString("Tray1"));
    QVERIFY(!owner->marked);

    // Nothing saved but the switches' defaults.
    const Values options = tab->collectOptionValues();
    QCOMPARE(options.value("cCovBut"), QString("False"));
    QCOMPARE(options.value("CvrM"), QString("Tray1"));
    QCOMPARE(options.value("Tmed"), QString("Tray1"));
}

void TestPublishingTab::backCoverSourceFollowsPrinter()
{
    auto *button = widget<TolCheckBoxButton>("chkButCvr");
    auto *label = widget<QLabel>("lblBackCvrM");
    auto *combo = widget<ComboBoxEx>("cmbBxBackCvrM");

    QVERIFY(select("publishingtab-front.ppd"));
    QCOMPARE(button->dependents().size(), 11);
    QVERIFY(label->isHidden());
    QVERIFY(combo->isHidden());

    for (int round = 0; round < 2; ++round) {
        QVERIFY(select("publishingtab-full.ppd"));
        QCOMPARE(button->dependents().size(), 13);
        QCOMPARE(button->dependents().at(11), label);
        QCOMPARE(button->dependents().at(12), combo);
        QVERIFY(!label->isHidden());
        QVERIFY(!combo->isHidden());
    }
}

void TestPublishingTab::reloadFromSettingsFile()
{
    QVERIFY(writeSettings({
        "CvrM=Tray2;Tray1",
        "cCovBut=True",
        "cCovPOFO=True",
        "cCovPOBI=True",
        "cInsBut=True",
        "TvCoverModeEnabled=True",
        "TvCoverModeValue=9",
        "TvCovermodeRadioButtonState=2",
        "TvPageInsertEnabled=True",
        "TvPageinsertNums=9-7, 3",
        "TvPageinsertValue=2",
        "TvIntLvEnabled=False",
        "TvIntLvValue=2",
    }));
    QVERIFY(select("publishingtab-full.ppd"));

    QVERIFY(widget<TolCheckBoxButton>("chkButCvr")->isChecked());
    QVERIFY(widget<QRadioButton>("rdButCvrFrontBack")->isChecked());
    QVERIFY(!widget<QRadioButton>("rdButCvrFront")->isChecked());
    QVERIFY(widget<QCheckBox>("chkBxCvrFrontOut")->isChecked());
    QVERIFY(!widget<QCheckBox>("chkBxCvrFrontIn")->isChecked());
    QVERIFY(!widget<QCheckBox>("chkBxCvrBackOut")->isChecked());
    QVERIFY(widget<QCheckBox>("chkBxCvrBackIn")->isChecked());
    QVERIFY(widget<QLabel>("lblCvrBack")->isEnabled());
    QVERIFY(widget<ComboBoxEx>("cmbBxBackCvrM")->isEnabled());
    QCOMPARE(widget<ComboBoxEx>("cmbBxCvrM")->currentText(), QString("Tray 2"));
    QCOMPARE(current("cCovBRad"), QString("True"));
    QCOMPARE(current("cCovTRad"), QString("False"));

    QVERIFY(widget<TolCheckBoxButton>("chkButPins")->isChecked());
    QCOMPARE(widget<QLineEdit>("lnEditPinsPage")->text(), QString("9-7, 3"));
    QCOMPARE(tab->acceptedPageList(), QString("3,7,8,9"));
    QVERIFY(!tab->isPageListInvalid());
    QVERIFY(!widget<QCheckBox>("chkBxPinsPrintOntoFront")->isChecked());
    QVERIFY(widget<QCheckBox>("chkBxPinsPrintOntoBack")->isChecked());

    QVERIFY(!widget<TolCheckBoxButton>("chkButTint")->isChecked());
    // Loaded as saved, then the pass takes it off: interleaving is off.
    QVERIFY(!widget<QCheckBox>("chkBxTintPrintOnto")->isChecked());
    QCOMPARE(current("cIntPrn"), QString("False"));
    QVERIFY(!owner->marked);

    // A saved list that no longer passes is shown, marked, not rejected.
    QVERIFY(
        writeSettings({"TvPageInsertEnabled=True", "TvPageinsertNums=1,3", "TvCoverModeValue=32"}));
    QVERIFY(select("publishingtab-full.ppd"));
    QCOMPARE(widget<QLineEdit>("lnEditPinsPage")->text(), QString("1,3"));
    QVERIFY(tab->isPageListInvalid());
    QVERIFY(hasErrorImage(widget<QLabel>("lblPins")));
    QCOMPARE(widget<QLabel>("lblPins")->toolTip(),
             QString("You can only enter page numbers between 2 and 511"));
    QVERIFY(owner->marked);
    QVERIFY(widget<QRadioButton>("rdButCvrFront")->isChecked());
    for (const char *box :
         {"chkBxCvrFrontOut", "chkBxCvrFrontIn", "chkBxCvrBackOut", "chkBxCvrBackIn"})
        QVERIFY2(!widget<QCheckBox>(box)->isChecked(), box);
}

void TestPublishingTab::modelFollowsWidgetsAndSwitchingOffResets()
{
    QVERIFY(select("publishingtab-full.ppd"));
    auto *cover = widget<TolCheckBoxButton>("chkButCvr");
    auto *frontBack = widget<QRadioButton>("rdButCvrFrontBack");
    auto *backIn = widget<QCheckBox>("chkBxCvrBackIn");
    auto *source = widget<ComboBoxEx>("cmbBxCvrM");

    cover->setChecked(true);
    QCOMPARE(current("cCovBut"), QString("True"));
    frontBack->click();
    QCOMPARE(current("cCovBRad"), QString("True"));
    QCOMPARE(current("cCovTRad"), QString("False"));
    QVERIFY(widget<ComboBoxEx>("cmbBxBackCvrM")->isEnabled());
    backIn->click();
    QCOMPARE(current("cCovPOBI"), QString("True"));
    source->setCurrentIndex(1);
    QCOMPARE(current("CvrM"), QString("Tray2"));
    QVERIFY(owner->publishingCouplings > 0);

    // Back to "Front": the back cover's source goes back to its first item
    // and its sides cannot be printed.
    widget<QRadioButton>("rdButCvrFront")->click();
    QCOMPARE(current("cCovBRad"), QString("False"));
    QVERIFY(!widget<ComboBoxEx>("cmbBxBackCvrM")->isEnabled());
    QVERIFY(!widget<QLabel>("lblCvrBack")->isEnabled());
    QVERIFY(!backIn->isChecked());
    QCOMPARE(current("cCovPOBI"), QString("False"));

    frontBack->click();
    widget<QCheckBox>("chkBxCvrFrontIn")->click();
    cover->setChecked(false);
    QVERIFY(widget<QRadioButton>("rdButCvrFront")->isChecked());
    QVERIFY(!widget<QCheckBox>("chkBxCvrFrontIn")->isChecked());
    QCOMPARE(source->currentIndex(), 0);
    QCOMPARE(current("cCovBut"), QString("False"));
    QCOMPARE(current("cCovPOFI"), QString("False"));
    QCOMPARE(current("CvrM"), QString("Tray1"));

    auto *pins = widget<TolCheckBoxButton>("chkButPins");
    auto *pages = widget<QLineEdit>("lnEditPinsPage");
    pins->setChecked(true);
    QTest::keyClicks(pages, "4,5");
    widget<QCheckBox>("chkBxPinsPrintOntoBack")->click();
    QCOMPARE(current("cInsPrnB"), QString("True"));
    widget<QCheckBox>("chkBxPinsPrintOntoBack")->click();
    widget<ComboBoxEx>("cmbBxPMed")->setCurrentIndex(1);
    QCOMPARE(current("Pmed"), QString("Inserter1"));
    // An inserter tray cannot print onto the inserted sheet.
    QVERIFY(!widget<QCheckBox>("chkBxPinsPrintOntoFront")->isEnabled());
    pins->setChecked(false);
    QCOMPARE(pages->text(), QString());
    QCOMPARE(widget<ComboBoxEx>("cmbBxPMed")->currentIndex(), 0);
    QCOMPARE(current("Pmed"), QString("Tray1"));

    auto *tint = widget<TolCheckBoxButton>("chkButTint");
    tint->setChecked(true);
    widget<QCheckBox>("chkBxTintPrintOnto")->click();
    widget<ComboBoxEx>("cmbBxTMed")->setCurrentIndex(1);
    QCOMPARE(current("cIntPrn"), QString("True"));
    tint->setChecked(false);
    QVERIFY(!widget<QCheckBox>("chkBxTintPrintOnto")->isChecked());
    QCOMPARE(current("cIntPrn"), QString("False"));
    QCOMPARE(current("Tmed"), QString("Tray1"));
}

void TestPublishingTab::extraSettings_data()
{
    QTest::addColumn<QStringList>("clicks"); // accessible names, in order
    QTest::addColumn<QString>("pageText");
    QTest::addColumn<Values>("expected");

    const Values allOff = {
        {"TvCoverModeEnabled", "False"}, {"TvPageInsertEnabled", "False"}, {"Pins", "Off"},
        {"TvPageinsertValue", "-1"},     {"TvIntLvEnabled", "False"},      {"TvIntLvValue", "0"}};
    QTest::newRow("all off") << QStringList() << QString() << allOff;

    auto coverOn = [&](const QString &mode, const QString &radio) {
        Values values = allOff;
        values.insert({{"TvCoverModeEnabled", "True"},
                       {"TvCoverModeValue", mode},
                       {"TvCovermodeRadioButtonState", radio},
                       {"TVCoverMedia", "Tray 1"},
                       {"TVCoverMedia2", "Tray 1"}});
        return values;
    };
    QTest::newRow("front cover, nothing printed")
        << QStringList {"chkButCvr"} << QString() << coverOn("16", "1");
    QTest::newRow("front and back, nothing printed")
        << QStringList {"chkButCvr", "rdButCvrFrontBack"} << QString() << coverOn("32", "2");
    QTest::newRow("front outside, back inside")
        << QStringList {"chkButCvr", "rdButCvrFrontBack", "chkBxCvrFrontOut", "chkBxCvrBackIn"}
        << QString() << coverOn("9", "2");

    Values insert = allOff;
    insert.insert({{"TvPageInsertEnabled", "True"},
                   {"Pins", "On"},
                   {"TvPageinsertValue", "3"},
                   {"TvPageinsertNums", "3,7,8"},
                   {"TVPageinsertMedia", "Tray 1"}});
    QTest::newRow("page insert printed both sides")
        << QStringList {"chkButPins", "chkBxPinsPrintOntoFront", "chkBxPinsPrintOntoBack"}
        << "8-7,3" << insert;

    Values interleave = allOff;
    interleave.insert({{"TvIntLvEnabled", "True"},
                       {"TvIntLvValue", "2"},
                       {"TVTransparencyinterleavingMedia", "Tray 1"}});
    QTest::newRow("interleaving printed")
        << QStringList {"chkButTint", "chkBxTintPrintOnto"} << QString() << interleave;
}

void TestPublishingTab::extraSettings()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, pageText);
    QFETCH(Values, expected);

    QVERIFY(select("publishingtab-full.ppd"));
    for (const QString &name : clicks) {
        if (auto *button = widget<TolCheckBoxButton>(name))
            button->setChecked(true);
        else if (auto *other = widget<QAbstractButton>(name))
            other->click();
        else
            QFAIL(qPrintable(name));
    }
    if (!pageText.isEmpty())
        QTest::keyClicks(widget<QLineEdit>("lnEditPinsPage"), pageText);

    const OptionHash settings = tab->extraSettings();
    QCOMPARE(settings.size(), expected.size()); // one value per key
    QCOMPARE(Values(settings), expected);
}

void TestPublishingTab::pageListMarksAndFrontCoverBoxes()
{
    QVERIFY(select("publishingtab-full.ppd"));
    auto *pins = widget<TolCheckBoxButton>("chkButPins");
    auto *pages = widget<QLineEdit>("lnEditPinsPage");
    auto *title = widget<QLabel>("lblPins");

    // Off: nothing is checked.
    QTest::keyClicks(pages, "1");
    QVERIFY(!hasErrorImage(title));

    pages->clear();
    pins->setChecked(true);
    QVERIFY(owner->marked); // on, but no page yet
    QVERIFY(hasErrorImage(title));
    QCOMPARE(title->toolTip(), QString("Please type a page range."));

    QTest::keyClicks(pages, "2,");
    QVERIFY(owner->marked);
    QTest::keyClicks(pages, "5");
    QVERIFY(!owner->marked);
    QVERIFY(!hasErrorImage(title));
    QCOMPARE(title->toolTip(), QString());
    QCOMPARE(tab->acceptedPageList(), QString("2,5"));

    // Printing the front cover on both sides moves the first allowed page.
    widget<TolCheckBoxButton>("chkButCvr")->setChecked(true);
    widget<QCheckBox>("chkBxCvrFrontOut")->click();
    QVERIFY(!owner->marked);
    widget<QCheckBox>("chkBxCvrFrontIn")->click();
    QVERIFY(owner->marked);
    QCOMPARE(title->toolTip(), QString("You can only enter page numbers between 3 and 511"));
    QCOMPARE(tab->acceptedPageList(), QString());
    widget<QCheckBox>("chkBxCvrFrontIn")->click();
    QVERIFY(!owner->marked);
    QCOMPARE(tab->acceptedPageList(), QString("2,5"));

    // Switched off while refused: the mark and its message go.
    QTest::keyClicks(pages, "12"); // "2,512"
    QVERIFY(hasErrorImage(title));
    pins->setChecked(false);
    QVERIFY(!owner->marked);
    QVERIFY(!hasErrorImage(title));
    QCOMPARE(title->toolTip(), QString());
}

void TestPublishingTab::interleavingConflictMarks()
{
    QVERIFY(select("publishingtab-full.ppd"));
    auto *pins = widget<TolCheckBoxButton>("chkButPins");
    auto *tint = widget<TolCheckBoxButton>("chkButTint");
    pins->setChecked(true);
    QTest::keyClicks(widget<QLineEdit>("lnEditPinsPage"), "4");
    QVERIFY(!owner->marked);

    // The model blocks the pair, so put both on behind its back to see the
    // marks the tab draws for it.
    tab->BlockAllSignals(true);
    tint->setChecked(true);
    tab->BlockAllSignals(false);
    tab->setConstraintMarked(false);
    tab->updateCustomConstraints();
    tab->clearErrorMarks();
    tab->markCustomConstraints();
    QVERIFY(tab->isConstraintMarked());
    QVERIFY(hasErrorImage(widget<QLabel>("lblTint")));
    // An accepted page list leaves the conflict's mark on the title.
    QVERIFY(hasErrorImage(widget<QLabel>("lblPins")));
    QVERIFY(!hasErrorImage(widget<QLabel>("lblCvrMode")));

    tab->BlockAllSignals(true);
    pins->setChecked(false);
    tab->BlockAllSignals(false);
    tab->setConstraintMarked(false);
    tab->updateCustomConstraints();
    tab->clearErrorMarks();
    tab->markCustomConstraints();
    QVERIFY(!tab->isConstraintMarked());
    for (const char *label : {"lblTint", "lblPins", "lblCvrMode"})
        QVERIFY2(!hasErrorImage(widget<QLabel>(label)), label);
}

void TestPublishingTab::inserterTrayGreysSideLabel()
{
    QVERIFY(select("publishingtab-full.ppd"));
    auto *front = widget<QLabel>("lblCvrFront");
    auto *source = widget<ComboBoxEx>("cmbBxCvrM");
    QCOMPARE(tab->coverModeButton(), widget<TolCheckBoxButton>("chkButCvr"));
    QCOMPARE(tab->frontCoverSourceCombo(), source);
    QCOMPARE(tab->backCoverSourceCombo(), widget<ComboBoxEx>("cmbBxBackCvrM"));
    QCOMPARE(tab->frontCoverSideLabel(), front);
    QCOMPARE(tab->backCoverSideLabel(), widget<QLabel>("lblCvrBack"));

    tab->coverModeButton()->setChecked(true);
    source->setCurrentText("Inserter tray 2");
    tab->updateCoverSideLabels();
    QVERIFY(!front->isEnabled());
    source->setCurrentText("Tray 2");
    tab->updateCoverSideLabels();
    QVERIFY(front->isEnabled());

    // Reloaded with an inserter tray saved: greyed at once.
    QVERIFY(writeSettings({"CvrM=Inserter1;Tray1", "TvCoverModeEnabled=True"}));
    QVERIFY(select("publishingtab-full.ppd"));
    QCOMPARE(source->currentText(), QString("Inserter tray 1"));
    QVERIFY(!front->isEnabled());
}

void TestPublishingTab::screenshot()
{
    QVERIFY(writeSettings({"TvCoverModeEnabled=True", "TvCovermodeRadioButtonState=2",
                           "TvCoverModeValue=1", "TvPageInsertEnabled=True", "TvPageinsertNums=1,4",
                           "cCovBut=True"}));
    QVERIFY(select("publishingtab-full.ppd"));
    owner->resize(620, 735);
    tab->resize(620, 735);
    owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(owner));
    const QString path = QDir::tempPath() + "/vellumark-publishingtab.png";
    QVERIFY(tab->grab().save(path));
}

VM_TEST_MAIN(TestPublishingTab)
#include "tst_publishingtab.moc"
