// The tab framework over a small fixture PPD: loading, handing values to the
// model, greying and moving off blocked choices, marks, wiring, collecting.

#include "MessageRecorder.h"
#include "TabFixture.h"

#include "TestMain.h"
#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "tabs/Tab.h"
#include "tabs/TabOptionCollector.h"
#include "widgets/ComboBoxEx.h"
#include "widgets/TolButtonGroup.h"
#include "widgets/TolCheckBoxButton.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QtTest>

namespace {

const QString errorImage = QStringLiteral("<img src=':/icons/error'>");

// A combo box whose receivers can be counted; only used to check wiring.
class ProbeCombo : public ComboBoxEx
{
public:
    using QObject::receivers;
};

class KitTab : public Tab
{
    Q_OBJECT
public:
    explicit KitTab(QWidget *owner)
        : Tab(owner)
    {
        buildUi();
        connectOptionWidgets();
    }

    bool hasOptions() override { return AppState::optionModel != nullptr; }

    // The extra map repeats a key; the collector must keep both values.
    OptionHash extraSettings() override
    {
        OptionHash extras;
        extras.insert(QStringLiteral("TkNote"), QStringLiteral("first"));
        extras.insert(QStringLiteral("TkNote"), QStringLiteral("second"));
        return extras;
    }

    ComboBoxEx *media = nullptr;
    ProbeCombo *probe = nullptr; // no option: only its wiring is looked at
    QLabel *mediaLabel = nullptr;
    TolButtonGroup *edge = nullptr;
    QCheckBox *seal = nullptr;
    TolCheckBoxButton *gloss = nullptr;
    QLabel *glossLabel = nullptr;
    ComboBoxEx *glossLevel = nullptr;
    ComboBoxEx *glossSide = nullptr;

    using Tab::applyAllWidgets;
    using Tab::optionValues;

protected:
    void initTabName() override
    {
        tabName = QStringLiteral("Kit");
        getTabName();
    }

    void buildUi() override
    {
        mediaLabel = new QLabel(QStringLiteral("Media:"), this);
        media = new ComboBoxEx(this);
        probe = new ProbeCombo;
        probe->setParent(this);
        edge = new TolButtonGroup(this, QStringLiteral("Edge"));
        edge->addButton(QStringLiteral("Off"), QStringLiteral(":/icons/tk-off"));
        edge->addButton(QStringLiteral("Left"), QStringLiteral(":/icons/tk-left"));
        edge->addButton(QStringLiteral("Top"), QStringLiteral(":/icons/tk-top"));
        seal = new QCheckBox(this);
        gloss = new TolCheckBoxButton(this, QStringLiteral("Gloss"), QIcon());
        glossLabel = new QLabel(QStringLiteral("Level:"), this);
        glossLevel = new ComboBoxEx(this);
        glossSide = new ComboBoxEx(this);
        gloss->addDependent(glossLabel, QStringLiteral("no_default"));
        gloss->addDependent(glossLevel, QStringLiteral("Off"));
        gloss->addDependent(glossSide, QStringLiteral("no_default"));

        addOptionWidget(QStringLiteral("TkMedia"), media);
        addOptionWidget(QStringLiteral("TkEdge"), edge);
        addOptionWidget(QStringLiteral("TkSeal"), seal);
        addOptionWidget(QStringLiteral("TkGloss"), gloss);
        addOptionWidget(QStringLiteral("TkGlossLevel"), glossLevel);
        addOptionWidget(QStringLiteral("TkGlossSide"), glossSide);
        addOptionWidget(QStringLiteral("TkProbe"), probe);
        addLabelWidget(QStringLiteral("TkMedia"), mediaLabel);
        addLabelWidget(QStringLiteral("TkEdge"), edge);
        addCheckButton(gloss);
    }
};

void setMode(const QString &mode)
{
    tOption *option = AppState::optionModel->option(QStringLiteral("TkMode"));
    option->setCurrentChoice(option->findChoice(mode));
}

Qt::ItemFlags itemFlags(QComboBox *combo, int index)
{
    return static_cast<QStandardItemModel *>(combo->model())->item(index)->flags();
}

// Its values are installable options, which the collector leaves out.
class PrinterTab : public KitTab
{
    Q_OBJECT
public:
    using KitTab::KitTab;
};

} // namespace

class TestTab : public QObject, TabFixture<KitTab>
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { tearDownTab(); }

    void reloadLoadsSavedValuesAndTellsTheModel();
    void reloadFallsBackToPpdDefaults();
    void comboMovesToFirstFreeChoiceInPpdOrder();
    void comboWithEveryChoiceBlockedStaysPutAndModelIsNotTold();
    void buttonGroupWithAtMostOneFreeChoiceIsDisabled_data();
    void buttonGroupWithAtMostOneFreeChoiceIsDisabled();
    void checkBoxIsTiedByKeywordNotPosition();
    void checkBoxButtonWithTrueBlockedTurnsOff();
    void uncheckedDependentsCollectTheirRegisteredChoice();
    void errorMarks();
    void connectionsAreUnique();
    void collectorSkipsPrinterTabAndKeepsRepeatedExtras();
    void missingTabNameIsReported();

private:
    [[nodiscard]] bool writeSettings(const QByteArray &text)
    {
        return writeSettingsFile(QStringLiteral("Kit.cfg"), text);
    }
    void reloadTab();
};

void TestTab::init()
{
    setUpTab();
    QVERIFY(useFixtureModel(model, "tabkit-basic.ppd"));
}

// As the main window does on a printer or profile change.
void TestTab::reloadTab()
{
    model->resetConstraints();
    tab->reload();
}

void TestTab::reloadLoadsSavedValuesAndTellsTheModel()
{
    QVERIFY(writeSettings("TkMedia=Film;Plain\n"
                          "TkEdge=Sideways;None\n" // no such choice: the default shows
                          "TkSeal=True;False\n"
                          "TkGloss=True;False\n"
                          "TkGlossLevel=High;Off\n"));
    QSignalSpy edgeClicks(tab->edge, SIGNAL(buttonClicked(int)));
    reloadTab();

    QCOMPARE(owner->passes, 0); // signals were blocked throughout
    QCOMPARE(edgeClicks.count(), 0);

    QCOMPARE(tab->media->currentText(), QStringLiteral("Clear film"));
    QCOMPARE(tab->edge->checkedButtonName(), QStringLiteral("Off"));
    QVERIFY(tab->seal->isChecked());
    QVERIFY(tab->gloss->isChecked());
    QCOMPARE(tab->glossLevel->currentText(), QStringLiteral("High"));
    // The "unchecked" item of a dependent is not offered.
    QCOMPARE(tab->glossLevel->findText(QStringLiteral("Off")), -1);
    QCOMPARE(tab->mediaLabel->text(), QStringLiteral("Sheet Kind:"));

    QCOMPARE(current("TkMedia"), QStringLiteral("Film"));
    QCOMPARE(current("TkEdge"), QStringLiteral("None"));
    QCOMPARE(current("TkSeal"), QStringLiteral("True"));
    QCOMPARE(current("TkGloss"), QStringLiteral("True"));
    QCOMPARE(current("TkGlossLevel"), QStringLiteral("High"));
}

void TestTab::reloadFallsBackToPpdDefaults()
{
    reloadTab();

    QCOMPARE(tab->media->currentText(), QStringLiteral("Plain paper"));
    QCOMPARE(tab->edge->checkedButtonName(), QStringLiteral("Off"));
    QVERIFY(!tab->seal->isChecked());
    QVERIFY(!tab->gloss->isChecked());
    QVERIFY(!tab->glossLevel->isEnabled());
    QVERIFY(!tab->glossLabel->isEnabled());

    QCOMPARE(current("TkSeal"), QStringLiteral("False"));
    QCOMPARE(current("TkGloss"), QStringLiteral("False"));
    // The unchecked button puts its dependent on the registered choice.
    QCOMPARE(current("TkGlossLevel"), QStringLiteral("Off"));
}

void TestTab::comboMovesToFirstFreeChoiceInPpdOrder()
{
    reloadTab();
    tab->media->setCurrentIndex(tab->media->findText(QStringLiteral("Label sheets")));
    QCOMPARE(current("TkMedia"), QStringLiteral("Label"));

    setMode(QStringLiteral("Fast")); // blocks Thick and Label
    QVERIFY(tab->enableOptionsForComboBox(tab->media, model->option(QStringLiteral("TkMedia"))));
    QCOMPARE(tab->media->currentText(), QStringLiteral("Plain paper"));
    QCOMPARE(current("TkMedia"), QStringLiteral("Plain"));
    QVERIFY(!(itemFlags(tab->media, 1) & Qt::ItemIsEnabled));
    QVERIFY(!(itemFlags(tab->media, 3) & Qt::ItemIsSelectable));
    QVERIFY(tab->media->itemData(1, Qt::ForegroundRole).isValid());

    setMode(QStringLiteral("Normal"));
    QVERIFY(!tab->enableOptions());
    for (int i = 0; i < tab->media->count(); ++i) {
        QCOMPARE(itemFlags(tab->media, i), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        QVERIFY(!tab->media->itemData(i, Qt::ForegroundRole).isValid());
    }
}

void TestTab::comboWithEveryChoiceBlockedStaysPutAndModelIsNotTold()
{
    reloadTab();
    tab->media->setCurrentIndex(2);
    QCOMPARE(current("TkMedia"), QStringLiteral("Film"));

    setMode(QStringLiteral("Strict"));
    QVERIFY(!tab->enableOptionsForComboBox(tab->media, model->option(QStringLiteral("TkMedia"))));
    QCOMPARE(tab->media->currentIndex(), 0);
    for (int i = 0; i < tab->media->count(); ++i)
        QVERIFY(!(itemFlags(tab->media, i) & (Qt::ItemIsSelectable | Qt::ItemIsEnabled)));
    QCOMPARE(current("TkMedia"), QStringLiteral("Film"));

    // A disabled combo box is left alone.
    setMode(QStringLiteral("Normal"));
    tab->media->setEnabled(false);
    tab->enableOptions();
    QVERIFY(!(itemFlags(tab->media, 0) & Qt::ItemIsEnabled));
}

void TestTab::buttonGroupWithAtMostOneFreeChoiceIsDisabled_data()
{
    QTest::addColumn<QString>("mode");
    QTest::newRow("two of three edges blocked") << "Bind";
    QTest::newRow("every edge blocked") << "Strict";
}

void TestTab::buttonGroupWithAtMostOneFreeChoiceIsDisabled()
{
    QFETCH(QString, mode);

    reloadTab();
    const QColor normal = tab->edge->titleLabel()->palette().color(QPalette::WindowText);
    tab->edge->pushButton(1)->click();
    QCOMPARE(current("TkEdge"), QStringLiteral("Left"));

    setMode(mode);
    QVERIFY(tab->enableOptionsForButtonGroup(tab->edge, model->option(QStringLiteral("TkEdge"))));
    QVERIFY(!tab->edge->isEnabled());
    QCOMPARE(tab->edge->titleLabel()->palette().color(QPalette::WindowText), normal);
    // Off the blocked "Left", onto the first button, without a click.
    QCOMPARE(current("TkEdge"), QStringLiteral("None"));
    QCOMPARE(tab->edge->checkedButtonName(), QStringLiteral("Off"));
}

void TestTab::checkBoxIsTiedByKeywordNotPosition()
{
    // TkSeal lists "True" first; a positional tie would force the blocked choice.
    reloadTab();
    QVERIFY(!tab->seal->isChecked());

    setMode(QStringLiteral("Dry")); // "False" blocked
    QVERIFY(tab->enableOptionsForCheckBox(tab->seal, model->option(QStringLiteral("TkSeal"))));
    QVERIFY(tab->seal->isChecked());
    QVERIFY(!tab->seal->isEnabled());
    QCOMPARE(current("TkSeal"), QStringLiteral("True"));

    setMode(QStringLiteral("Wet")); // "True" blocked
    QVERIFY(tab->enableOptionsForCheckBox(tab->seal, model->option(QStringLiteral("TkSeal"))));
    QVERIFY(!tab->seal->isChecked());
    QVERIFY(!tab->seal->isEnabled());
    QCOMPARE(current("TkSeal"), QStringLiteral("False"));

    // Already off: disabled, but no move is reported.
    QVERIFY(!tab->enableOptionsForCheckBox(tab->seal, model->option(QStringLiteral("TkSeal"))));

    setMode(QStringLiteral("Normal"));
    QVERIFY(!tab->enableOptionsForCheckBox(tab->seal, model->option(QStringLiteral("TkSeal"))));
    QVERIFY(tab->seal->isEnabled());
}

void TestTab::checkBoxButtonWithTrueBlockedTurnsOff()
{
    QVERIFY(writeSettings("TkGloss=True;False\n"));
    reloadTab();
    QVERIFY(tab->glossLevel->isEnabled());

    setMode(QStringLiteral("Matte"));
    QVERIFY(tab->enableOptions());
    QVERIFY(!tab->gloss->isChecked());
    QVERIFY(!tab->gloss->isEnabled());
    QVERIFY(!tab->glossLevel->isEnabled());
    QCOMPARE(current("TkGloss"), QStringLiteral("False"));
    QCOMPARE(current("TkGlossLevel"), QStringLiteral("Off"));
}

void TestTab::uncheckedDependentsCollectTheirRegisteredChoice()
{
    QVERIFY(writeSettings("TkGloss=True;False\nTkGlossLevel=High;Off\nTkGlossSide=Back;Front\n"));
    reloadTab();
    QHash<QString, QString> values = tab->collectOptionValues();
    QCOMPARE(values.value("TkGlossLevel"), QStringLiteral("High"));
    QCOMPARE(values.value("TkMedia"), QStringLiteral("Plain"));
    QCOMPARE(values.value("TkGloss"), QStringLiteral("True"));

    QTest::mouseClick(tab->gloss->iconButton(), Qt::LeftButton);
    QVERIFY(!tab->gloss->isChecked());
    values = tab->collectOptionValues();
    QCOMPARE(values.value("TkGloss"), QStringLiteral("False"));
    // "Off" stands for the unchecked state; the model was told the same.
    QCOMPARE(values.value("TkGlossLevel"), QStringLiteral("Off"));
    QCOMPARE(current("TkGlossLevel"), QStringLiteral("Off"));
    // Registered with "no_default": the widget's own value stays.
    QCOMPARE(values.value("TkGlossSide"), QStringLiteral("Back"));
    QCOMPARE(current("TkGlossSide"), QStringLiteral("Back"));
    QVERIFY(!values.values().contains(QStringLiteral("no_default")));
}

void TestTab::errorMarks()
{
    reloadTab();
    tab->flagOptionError(QStringLiteral("TkMedia"), QString());
    tab->flagOptionError(QStringLiteral("TkMedia"), QString());
    QCOMPARE(tab->mediaLabel->text().count(errorImage), 1);
    QVERIFY(tab->isConstraintMarked());

    tab->flagOptionError(QStringLiteral("TkEdge"), QString());
    QCOMPARE(tab->edge->titleLabel()->text().count(errorImage), 1);

    tab->clearErrorMarks();
    QCOMPARE(tab->mediaLabel->text(), QStringLiteral("Sheet Kind:"));
    QVERIFY(!tab->edge->titleLabel()->text().contains(errorImage));

    tab->setConstraintMarked(false);
    tab->markCustomConstraints();
    QVERIFY(!tab->isConstraintMarked());

    tab->addExtraMarkedWidget(tab->glossLevel, tab->glossLabel);
    tab->markCustomConstraints();
    tab->markCustomConstraints();
    QVERIFY(tab->isConstraintMarked());
    QCOMPARE(tab->glossLabel->text().count(errorImage), 1);

    tab->markWidget(tab->mediaLabel, QStringLiteral("Too thick"), true);
    QCOMPARE(tab->mediaLabel->toolTip(), QStringLiteral("Too thick"));
    tab->markWidget(tab->mediaLabel, QString(), false);
    QVERIFY(tab->mediaLabel->toolTip().isEmpty());

    // A reload forgets the page's own marks.
    tab->setConstraintMarked(false);
    reloadTab();
    tab->markCustomConstraints();
    QVERIFY(!tab->isConstraintMarked());
}

void TestTab::connectionsAreUnique()
{
    tab->connectOptionWidgets();
    tab->connectOptionWidgets();
    QCOMPARE(tab->probe->receivers(SIGNAL(currentIndexChanged(int))), 2); // page, then window

    reloadTab();
    tab->media->setCurrentIndex(3);
    QCOMPARE(owner->passes, 1);
    QCOMPARE(current("TkMedia"), QStringLiteral("Label"));

    owner->passes = 0;
    tab->edge->pushButton(2)->click();
    QCOMPARE(owner->passes, 1);
    QCOMPARE(current("TkEdge"), QStringLiteral("Top"));

    // The check-box button reaches the window once for its own option and
    // once for its dependents.
    owner->passes = 0;
    tab->gloss->setChecked(true);
    QCOMPARE(owner->passes, 2);
    QCOMPARE(current("TkGloss"), QStringLiteral("True"));
}

void TestTab::collectorSkipsPrinterTabAndKeepsRepeatedExtras()
{
    reloadTab();
    auto *printerTab = new PrinterTab(owner);
    QCOMPARE(printerTab->metaObject()->className(), "PrinterTab");
    printerTab->reload();
    printerTab->media->setCurrentIndex(2);
    QList<Tab *> tabs {printerTab, tab};
    const TabOptionCollector collector(&tabs);
    const OptionHash options = collector.collectTabOptions();
    QCOMPARE(options.value("TkMedia"), QStringLiteral("Plain"));
    QCOMPARE(options.values("TkMedia").size(), 1);
    // The printer tab's repeated note is left out too.
    const QStringList notes = options.values("TkNote");
    QCOMPARE(notes, (QStringList {"second", "first"}));
}

void TestTab::missingTabNameIsReported()
{
    MessageRecorder boxes;
    auto *unnamed = new KitTab(owner);
    QCOMPARE(unnamed->getTabName(), QStringLiteral("ERROR"));
    QCOMPARE(boxes.count(QStringLiteral("ERROR: tabName not init'd!")), 1);
    unnamed->reload();
    QCOMPARE(unnamed->getTabName(), QStringLiteral("Kit"));
    QCOMPARE(boxes.boxes.size(), 1);
}

VM_TEST_MAIN(TestTab)
#include "tst_tab.moc"
