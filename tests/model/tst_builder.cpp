// Building a model from fixture PPDs: defaults, filter flags, the PPD's own
// constraints with their exceptions, what libcups hands over, bad input.
#include "ModelFixture.h"
#include "TestMain.h"
#include "model/OptionModelBuilder.h"
#include "model/tChoice.h"
#include "model/tOption.h"

#include <cups/ppd.h>

#include <QtTest>

namespace {

// Choice keywords of `otherKeyword` that the given choice conflicts with.
QStringList conflictsWith(const tOptionModel &model, const QString &keyword,
                          const QString &choiceKeyword, const QString &otherKeyword)
{
    QStringList found;
    tOption *option = model.option(keyword);
    tChoice *choice = option ? option->findChoice(choiceKeyword) : nullptr;
    if (!choice)
        return {QStringLiteral("<no such choice>")};
    for (const OptionChoicePair &pair : choice->conflicts())
        if (pair.first->keyword() == otherKeyword)
            found << pair.second->keyword();
    return found;
}

struct PpdHandle
{
    explicit PpdHandle(const char *path)
    {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        ppd = ppdOpenFile(path);
    }
    ~PpdHandle()
    {
        ppdClose(ppd);
    }
#pragma GCC diagnostic pop
    ppd_file_t *ppd;
};

} // namespace

class BuilderTest : public QObject
{
    Q_OBJECT

private slots:
    void defaults_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("defaultChoice"); // empty: none
        QTest::addColumn<QString>("defaultValue");

        QTest::newRow("custom page size becomes Letter") << "PageSize"
                                                         << "Letter"
                                                         << "Letter";
        QTest::newRow("lower-case custom region") << "PageRegion"
                                                  << "Letter"
                                                  << "Letter";
        QTest::newRow("any keyword holding PageSize") << "BackPageSize"
                                                      << "Letter"
                                                      << "Letter";
        QTest::newRow("custom region without Letter") << "TolPageRegionAlt"
                                                      << ""
                                                      << "TolPageRegionAltNULL";
        // libcups renames a "Custom" choice of other options to "_Custom".
        QTest::newRow("custom paper source stays custom") << "InputSlot"
                                                          << "_Custom"
                                                          << "_Custom";
        QTest::newRow("default naming no choice") << "TolShade"
                                                  << ""
                                                  << "TolShadeNULL";
    }

    void defaults()
    {
        QFETCH(QString, keyword);
        QFETCH(QString, defaultChoice);
        QFETCH(QString, defaultValue);

        auto model = buildModelFromFixture(VM_TEST_DATA "/model-defaults.ppd");
        QVERIFY(model);
        tOption *option = model->option(keyword);
        QVERIFY(option);
        QVERIFY(option->isFromPpd());
        QCOMPARE(option->defaultValueString(), defaultValue);
        QCOMPARE(model->defaultChoices().value(keyword), defaultChoice);
        QCOMPARE(model->defaultChoices().contains(keyword), !defaultChoice.isEmpty());
        if (defaultChoice.isEmpty()) {
            QCOMPARE(option->defaultChoice(), nullptr);
            QCOMPARE(option->currentChoice(), nullptr);
        } else {
            QCOMPARE(option->defaultChoice(), option->findChoice(defaultChoice));
            QCOMPARE(option->currentChoice(), option->defaultChoice());
        }
    }

    void optionsChoicesAndTexts()
    {
        auto model = buildModelFromFixture(VM_TEST_DATA "/model-blocking.ppd");
        QVERIFY(model);
        QCOMPARE(model->modelName(), QString("Tolvane TX-4020"));
        tOption *duplex = model->option("Duplex");
        QVERIFY(duplex);
        QCOMPARE(duplex->text(), QString("Two-Sided"));
        QStringList keywords, texts;
        for (tChoice *choice : duplex->choices()) {
            keywords << choice->keyword();
            texts << choice->text();
            QCOMPARE(choice->option(), duplex);
        }
        QCOMPARE(keywords, QStringList({"None", "DuplexNoTumble", "DuplexTumble"}));
        QCOMPARE(texts, QStringList({"Off", "Long Edge", "Short Edge"}));

        // Options of later groups are taken too.
        QVERIFY(model->option("TolWrap"));
        QVERIFY(model->option("TolWrap")->isFromPpd());
    }

    void filterFlags_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<bool>("rasterOrPdf");
        QTest::addColumn<bool>("tpsl");

        QTest::newRow("raster MIME type") << "model-filter-raster.ppd" << true << false;
        QTest::newRow("PDF MIME type") << "model-filter-pdf.ppd" << true << false;
        QTest::newRow("TPSL filter") << "model-filter-tpsl.ppd" << false << true;
        QTest::newRow("capitals only") << "model-filter-capitals.ppd" << false << false;
        QTest::newRow("cupsFilter2 hides cupsFilter")
            << "model-filter-filter2.ppd" << false << true;
        QTest::newRow("no filter lines") << "model-filter-none.ppd" << false << false;
    }

    void filterFlags()
    {
        QFETCH(QString, fixture);
        QFETCH(bool, rasterOrPdf);
        QFETCH(bool, tpsl);
        auto model = buildModelFromFixture(QStringLiteral(VM_TEST_DATA "/") + fixture);
        QVERIFY(model);
        QCOMPARE(model->hasRasterOrPdfFilter(), rasterOrPdf);
        QCOMPARE(model->hasTpslFilter(), tpsl);
    }

    void constraintExceptions()
    {
        auto model = buildModelFromFixture(VM_TEST_DATA "/model-constraints.ppd");
        QVERIFY(model);
        const QStringList bothDuplex = {"DuplexNoTumble", "DuplexTumble"};

        // Collation pairs are left out, in either order.
        for (const char *choice : {"None", "Collate", "Group"})
            QVERIFY(conflictsWith(*model, "TCCollate1", choice, "Coll").isEmpty());

        QCOMPARE(conflictsWith(*model, "MediaType", "Transparency", "Duplex"),
                 QStringList({"DuplexNoTumble"}));
        QCOMPARE(conflictsWith(*model, "MediaType", "Labels", "Duplex"),
                 QStringList({"DuplexTumble"}));
        QVERIFY(!model->option("Tmed"));
        for (const char *media : {"CvrM", "Pmed", "BackCvrM"})
            QCOMPARE(conflictsWith(*model, media, "Transparency", "Duplex"), bothDuplex);
        QCOMPARE(conflictsWith(*model, "CvrM", "Labels", "Duplex"), bothDuplex);
        QCOMPARE(conflictsWith(*model, "BackCvrM", "Labels", "Duplex"), bothDuplex);
        QVERIFY(conflictsWith(*model, "CvrM", "Plain", "Duplex").isEmpty());

        // Other pairs with Coll are kept, and conflicts are mutual.
        QCOMPARE(conflictsWith(*model, "Coll", "False", "MediaType"), QStringList({"Labels"}));
        QCOMPARE(conflictsWith(*model, "MediaType", "Labels", "Coll"), QStringList({"False"}));
        QCOMPARE(conflictsWith(*model, "Duplex", "DuplexTumble", "CvrM"),
                 QStringList({"Transparency", "Labels"}));
    }

    // Facts about the libcups PPD reader the builder depends on.
    void libcupsFacts()
    {
        PpdHandle file(VM_TEST_DATA "/model-libcups.ppd");
        QVERIFY(file.ppd);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        QCOMPARE(file.ppd->num_filters, 1);
        QCOMPARE(QString(file.ppd->filters[0]),
                 QString("application/vnd.cups-postscript 0 tolfilter_H"));
        for (const char *name : {"TolEmptyQuoted", "TolEmptyBare"}) {
            ppd_attr_t *attr = ppdFindAttr(file.ppd, name, nullptr);
            QVERIFY(attr);
            QVERIFY(attr->value);
            QCOMPARE(QString(attr->value), QString());
        }
#pragma GCC diagnostic pop

        tOptionModel model;
        buildOptionModel(file.ppd, &model);
        QVERIFY(!model.hasRasterOrPdfFilter());
        QVERIFY(model.option("TolTrayMode")); // from a subgroup
        QCOMPARE(model.option("TolTrayMode")->currentChoice()->keyword(), QString("Auto"));
        QVERIFY(model.option("PageSize")->hasChoice("Custom"));
        QCOMPARE(model.option("PageSize")->choiceCount(), 3);
    }

    void refusedFileNeverReachesTheBuilder()
    {
        QVERIFY(!buildModelFromFixture(VM_TEST_DATA "/model-notappd.ppd"));
        QVERIFY(!buildModelFromFixture(VM_TEST_DATA "/model-does-not-exist.ppd"));

        tOptionModel model;
        buildOptionModel(nullptr, &model);
        QVERIFY(model.options().isEmpty());
        PpdHandle file(VM_TEST_DATA "/model-blocking.ppd");
        buildOptionModel(file.ppd, nullptr);
    }

    void fileWithoutOptions()
    {
        auto model = buildModelFromFixture(VM_TEST_DATA "/model-nooptions.ppd");
        QVERIFY(model);
        QCOMPARE(model->modelName(), QString("Tolvane TX-4050"));
        QVERIFY(model->defaultChoices().isEmpty());
        QVERIFY(!model->hasRasterOrPdfFilter());
        QVERIFY(!model->hasTpslFilter());
        for (tOption *option : model->options())
            QVERIFY(!option->isFromPpd());
        QVERIFY(model->option("SNTToggle"));
    }

    void defaultsThatNameNothing()
    {
        auto model = buildModelFromFixture(VM_TEST_DATA "/model-baddefaults.ppd");
        QVERIFY(model);
        QVERIFY(model->defaultChoices().isEmpty());
        for (const char *keyword : {"PageSize", "TolShade", "TolTone"}) {
            tOption *option = model->option(keyword);
            QVERIFY(option);
            QCOMPARE(option->defaultChoice(), nullptr);
            QCOMPARE(option->currentChoice(), nullptr);
            QCOMPARE(option->defaultValueString(), QString(keyword) + "NULL");
        }
        QCOMPARE(model->option("TolTone")->choiceCount(), 0);
    }

    void constraintsNamingNothing()
    {
        auto model = buildModelFromFixture(VM_TEST_DATA "/model-badconstraints.ppd");
        QVERIFY(model);
        for (const char *keyword : {"PageSize", "Duplex"})
            for (tChoice *choice : model->option(keyword)->choices())
                for (const OptionChoicePair &pair : choice->conflicts())
                    QVERIFY2(!pair.first->isFromPpd(),
                             qPrintable(choice->keyword() + " " + pair.first->keyword()));
        QVERIFY(!model->option("TolMissing"));
        QVERIFY(!model->option("MediaType"));
    }

    // Whatever the fixture, every list is free of duplicates and PPD conflicts are mutual.
    void listsHoldNoDuplicates_data()
    {
        QTest::addColumn<QString>("fixture");
        for (const char *name :
             {"model-blocking.ppd", "model-constraints.ppd", "model-defaults.ppd",
              "model-badconstraints.ppd", "model-libcups.ppd"})
            QTest::newRow(name) << QString(name);
    }

    void listsHoldNoDuplicates()
    {
        QFETCH(QString, fixture);
        auto model = buildModelFromFixture(QStringLiteral(VM_TEST_DATA "/") + fixture);
        QVERIFY(model);
        QSet<tOption *> seen;
        for (tOption *option : model->options()) {
            QVERIFY(!seen.contains(option));
            seen.insert(option);
            QCOMPARE(model->option(option->keyword()), option);
            for (tChoice *choice : option->choices()) {
                const auto conflicts = choice->conflicts();
                QCOMPARE(QSet<OptionChoicePair>(conflicts.begin(), conflicts.end()).size(),
                         conflicts.size());
                const auto blockers = choice->blockers();
                QCOMPARE(QSet<OptionChoicePair>(blockers.begin(), blockers.end()).size(),
                         blockers.size());
                const auto groups = choice->groupConflicts();
                for (int i = 0; i < groups.size(); ++i)
                    QCOMPARE(groups.lastIndexOf(groups.at(i)), i);
                for (const OptionChoicePair &pair : conflicts)
                    QVERIFY(pair.second->conflicts().contains({option, choice}));
            }
        }
    }
};

VM_TEST_GUILESS_MAIN(BuilderTest)
#include "tst_builder.moc"
