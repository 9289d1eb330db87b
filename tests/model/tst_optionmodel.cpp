// The model's own operations on hand-made options: lookups, ownership,
// defaults and the installable-option list.
#include "TestMain.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"

#include <QtTest>

namespace {

tOption *makeOption(const QString &keyword, const QStringList &choices)
{
    tOption *option = new tOption(keyword, keyword + QStringLiteral(" text"));
    for (const QString &choice : choices)
        option->addChoice(choice, choice + QStringLiteral(" text"));
    return option;
}

} // namespace

class OptionModelTest : public QObject
{
    Q_OBJECT

private slots:
    void emptyObjects()
    {
        tOptionModel model;
        QVERIFY(!model.hasRasterOrPdfFilter());
        QVERIFY(!model.hasTpslFilter());
        QVERIFY(model.printerName().isEmpty());
        QVERIFY(model.modelName().isEmpty());
        QVERIFY(model.options().isEmpty());
        QVERIFY(model.defaultChoices().isEmpty());
        QCOMPARE(model.option(QString()), nullptr);
        QCOMPARE(model.option("PageSize"), nullptr);

        tOption none;
        QVERIFY(!none.isValid());
        QCOMPARE(none.keyword(), QString("TNULL"));
        QCOMPARE(none.precedence(), 99);
        QVERIFY(!none.isFromPpd());
        QCOMPARE(none.currentChoice(), nullptr);
        QCOMPARE(none.defaultValueString(), QString("TNULLNULL"));
        QVERIFY(tOption("TNULL", "Something").isValid());
        QVERIFY(tOption("Something", "TNULL").isValid());

        tChoice choice;
        QCOMPARE(choice.keyword(), QString("TNULL"));
        QCOMPARE(choice.option(), nullptr);
        QVERIFY(!choice.isBlocked());
    }

    void lookupsAreExact()
    {
        tOptionModel model;
        model.addOption(makeOption("PageSize", {"A4", "A5"}));
        QVERIFY(model.option("PageSize"));
        QCOMPARE(model.option("pagesize"), nullptr);
        QCOMPARE(model.option("PageSize "), nullptr);
        QCOMPARE(model.option(""), nullptr);

        tOption *pageSize = model.option("PageSize");
        QVERIFY(pageSize->hasChoice("A5"));
        QVERIFY(!pageSize->hasChoice("a5"));
        QCOMPARE(pageSize->findChoice("a5"), nullptr);
        QCOMPARE(pageSize->findChoiceByText("A5 text"), pageSize->findChoice("A5"));
        QCOMPARE(pageSize->findChoiceByText("A5"), nullptr);
    }

    void choicesKeepOrderAndFirstKeywordWins()
    {
        tOption option("TolTray", "Tray");
        tChoice *first = option.addChoice("Upper", "Upper Tray");
        option.addChoice("Lower", "Lower Tray");
        tChoice *second = option.addChoice("Upper", "Upper Tray Again");
        QCOMPARE(option.choiceCount(), 3);
        QCOMPARE(option.choices().at(2), second);
        QCOMPARE(option.findChoice("Upper"), first);
        QCOMPARE(first->option(), &option);
    }

    void appendChoiceTakesOnlyOwnOrOwnerless()
    {
        tOption option("TolTray", "Tray");
        tOption other("TolBin", "Bin");
        tChoice *ownerless = new tChoice(nullptr, "Upper", "Upper");
        option.appendChoice(ownerless);
        option.appendChoice(ownerless);
        option.appendChoice(nullptr);
        option.appendChoice(other.addChoice("Face", "Face Down"));
        QCOMPARE(option.choiceCount(), 1);
        QCOMPARE(ownerless->option(), &option);
        QCOMPARE(other.choiceCount(), 1);
    }

    void defaultChoice()
    {
        tOption option("TolShade", "Shade");
        tChoice *light = option.addChoice("Light", "Light");
        tOption other("TolTone", "Tone");
        tChoice *foreign = other.addChoice("Light", "Light");

        QCOMPARE(option.defaultValueString(), QString("TolShadeNULL"));
        option.setDefaultChoice(foreign);
        QCOMPARE(option.defaultChoice(), nullptr);
        option.setDefaultChoice(light);
        QCOMPARE(option.defaultChoice(), light);
        QCOMPARE(option.defaultValueString(), QString("Light"));
        QCOMPARE(option.currentChoice(), nullptr);
    }

    void unknownKeywordsChangeNothing()
    {
        tOptionModel model;
        model.addOption(makeOption("PageSize", {"A4", "A5"}));
        model.addOption(makeOption("Duplex", {"None", "DuplexTumble"}));
        model.addConstraint("PageSize", "A5", "Duplex", "DuplexTumble");
        model.addConstraint("PageSize", "B9", "Duplex", "DuplexTumble");
        model.addConstraint("PageSize", "A5", "TolMissing", "On");
        model.setCurrentChoice("PageSize", "A5");

        tChoice *tumble = model.option("Duplex")->findChoice("DuplexTumble");
        QCOMPARE(tumble->conflicts().size(), 1);
        QVERIFY(tumble->isBlocked());
        model.setCurrentChoice("PageSize", "B9");
        model.setCurrentChoice("PageSize", "");
        model.setCurrentChoice("pagesize", "A4");
        model.setCurrentChoice("TolMissing", "A4");
        QCOMPARE(model.option("PageSize")->currentChoice()->keyword(), QString("A5"));
        QVERIFY(tumble->isBlocked());
        model.setPrecedence("TolMissing", 1);
        QCOMPARE(model.option("TolMissing"), nullptr);
    }

    void repeatedConstraintAddsOneEntry()
    {
        tOptionModel model;
        model.addOption(makeOption("PageSize", {"A4", "A5"}));
        model.addOption(makeOption("Duplex", {"None", "DuplexTumble"}));
        for (int i = 0; i < 3; ++i) {
            model.addConstraint("PageSize", "A5", "Duplex", "DuplexTumble");
            model.addConstraint("Duplex", "DuplexTumble", "PageSize", "A5");
        }
        tChoice *a5 = model.option("PageSize")->findChoice("A5");
        tChoice *tumble = model.option("Duplex")->findChoice("DuplexTumble");
        QCOMPARE(a5->conflicts(), QList<OptionChoicePair>({{model.option("Duplex"), tumble}}));
        QCOMPARE(tumble->conflicts(), QList<OptionChoicePair>({{model.option("PageSize"), a5}}));

        model.setCurrentChoice("PageSize", "A5");
        model.setCurrentChoice("PageSize", "A5");
        QCOMPARE(tumble->blockers().size(), 1);
    }

    void replacedOptionReleasesItsBlocks()
    {
        tOptionModel model;
        tOption *oldSize = makeOption("PageSize", {"A4", "A5"});
        model.addOption(oldSize);
        model.addOption(makeOption("Duplex", {"None", "DuplexTumble"}));
        model.addConstraint("PageSize", "A5", "Duplex", "DuplexTumble");
        model.setCurrentChoice("PageSize", "A5");
        tChoice *tumble = model.option("Duplex")->findChoice("DuplexTumble");
        QVERIFY(tumble->isBlocked());

        tOption *newSize = makeOption("PageSize", {"A4", "A5"});
        model.addOption(newSize);
        QCOMPARE(model.option("PageSize"), newSize);
        QCOMPARE(model.options().size(), 2);
        QVERIFY(model.options().contains(newSize));
        QVERIFY(!tumble->isBlocked());

        // The old option's choice is still a conflict partner; setting Duplex
        // must touch it safely (the model keeps it alive).
        model.setCurrentChoice("Duplex", "DuplexTumble");
        QVERIFY(oldSize->findChoice("A5")->isBlocked());
        model.resetConstraints();
        QVERIFY(!oldSize->findChoice("A5")->isBlocked());

        model.addOption(newSize);
        model.addOption(nullptr);
        QCOMPARE(model.options().size(), 2);
    }

    void installableOptionsInFixedOrder()
    {
        tOptionModel model;
        model.addOption(makeOption("Option28", {"False", "True"}));
        model.addOption(makeOption("PageSize", {"A4"}));
        model.addOption(makeOption("Option17", {"False", "True"}));
        model.addOption(makeOption("Option22", {"False", "True"}));
        QList<tOption *> installable = model.installableOptions();
        QCOMPARE(installable.size(), 3);
        QCOMPARE(installable.at(0)->keyword(), QString("Option17"));
        QCOMPARE(installable.at(1)->keyword(), QString("Option22"));
        QCOMPARE(installable.at(2)->keyword(), QString("Option28"));
    }
};

VM_TEST_GUILESS_MAIN(OptionModelTest)
#include "tst_optionmodel.moc"
