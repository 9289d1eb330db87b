#include "StepsFixture.h"
#include "TestMain.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

namespace {

const char *const printManagementKeywords[] = {"SNTToggle", "SNTDuplex", "SNTTonerlite",
                                               "SNTColorMode"};

QString uiOption(const QString &keyword, const QStringList &choices)
{
    QString text =
        QStringLiteral("*OpenUI *%1/%1: PickOne\n*Default%1: %2\n").arg(keyword, choices.first());
    for (const QString &choice : choices)
        text += QStringLiteral("*%1 %2/%2: \"\"\n").arg(keyword, choice);
    return text + QStringLiteral("*CloseUI: *%1\n").arg(keyword);
}

// Options the program made, leaving out the four that every model has.
QStringList programToggles(const tOptionModel *model)
{
    QStringList keywords;
    for (const tOption *option : model->options()) {
        if (!option->isFromPpd() && !option->keyword().startsWith(QLatin1String("SNT")))
            keywords.append(option->keyword());
    }
    keywords.sort();
    return keywords;
}

const QStringList publishingToggles = {
    "cCovBRad", "cCovBut", "cCovPOBI", "cCovPOBO", "cCovPOFI", "cCovPOFO",
    "cCovTRad", "cInsBut", "cInsPrnB", "cInsPrnF", "cIntBut",  "cIntPrn",
};

class GermanWords : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (qstrcmp(context, "QObject") != 0)
            return QString();
        if (qstrcmp(sourceText, "Off") == 0)
            return QStringLiteral("Aus");
        if (qstrcmp(sourceText, "On") == 0)
            return QStringLiteral("Ein");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_ProgramOptions : public QObject
{
    Q_OBJECT

private slots:
    void printManagementOptionsInEveryModel();
    void togglesExistWhen_data();
    void togglesExistWhen();
    void toggleTextsAndChoices_data();
    void toggleTextsAndChoices();
    void printManagementChoicesTranslated();
};

void tst_ProgramOptions::printManagementOptionsInEveryModel()
{
    auto model = steps::build(QStringLiteral("steps-bare.ppd"));
    QVERIFY(model);
    QCOMPARE(model->options().size(), 4);

    const QStringList texts = {"Sentrel", "Sentrel Duplex", "Sentrel Tonerlite",
                               "Sentrel Color Mode"};
    int i = 0;
    for (const char *keyword : printManagementKeywords) {
        const tOption *option = model->option(QLatin1String(keyword));
        QVERIFY2(option, keyword);
        QCOMPARE(option->text(), texts.at(i++));
        QVERIFY(!option->isFromPpd());
        QCOMPARE(option->choiceCount(), 2);
        QCOMPARE(option->choices().at(0)->keyword(), QStringLiteral("Off"));
        QCOMPARE(option->choices().at(0)->text(), QStringLiteral("Off"));
        QCOMPARE(option->choices().at(1)->keyword(), QStringLiteral("On"));
        QCOMPARE(option->choices().at(1)->text(), QStringLiteral("On"));
        QVERIFY(!option->currentChoice());
        QVERIFY(!option->defaultChoice());
        QCOMPARE(option->defaultValueString(), QLatin1String(keyword) + QStringLiteral("NULL"));
    }
    QVERIFY(model->defaultChoices().isEmpty());
}

void tst_ProgramOptions::togglesExistWhen_data()
{
    QTest::addColumn<QString>("ppdLines");
    QTest::addColumn<QStringList>("toggles");

    const QStringList boolean = {"False", "True"};

    QTest::newRow("nothing to toggle") << QString() << QStringList();
    QTest::newRow("private print True")
        << "*SupportsPrivatePrint: True" << QStringList {"cPrivatePrint"};
    QTest::newRow("private print False") << "*SupportsPrivatePrint: False" << QStringList();
    QTest::newRow("private print empty")
        << "*SupportsPrivatePrint: \"\"" << QStringList {"ePrivatePrint"};
    QTest::newRow("private print true")
        << "*SupportsPrivatePrint: true" << QStringList {"ePrivatePrint"};
    QTest::newRow("private print Yes")
        << "*SupportsPrivatePrint: Yes" << QStringList {"ePrivatePrint"};
    QTest::newRow("user login False") << "*SupportsUserLogin: False" << QStringList {"cUserLogin"};
    QTest::newRow("finish notice False") << "*JobFinishNotice: False" << QStringList {"cEmail"};
    QTest::newRow("custom job name") << "*SupportsCustomJobName: True" << QStringList {"cJobName"};
    QTest::newRow("custom box") << "*SupportsCustomBox: False" << QStringList {"cCustomBox"};
    QTest::newRow("job storage") << uiOption("TCCollate1", {"None", "Hold"})
                                 << QStringList {"cJobStore"};
    QTest::newRow("job accounting")
        << uiOption("TvManagment", boolean) << QStringList {"cJobAccount"};
    QTest::newRow("job accounting spelled right")
        << uiOption("TvManagement", boolean) << QStringList();
    QTest::newRow("job accounting and login")
        << uiOption("TvManagment", boolean) + "*SupportsUserLogin: True"
        << QStringList {"cJobAccount", "cUserLogin"};
    QTest::newRow("super watermark")
        << uiOption("TCSuperWatermark", boolean) << QStringList {"cSuper"};
    QTest::newRow("fold without fold unit")
        << uiOption("FldA", {"None", "Bifold"}) << QStringList {"cBiFld", "cTriFld"};
    QTest::newRow("fold unit without fold") << uiOption("Option24", boolean) << QStringList();
    QTest::newRow("fold with fold unit")
        << uiOption("FldA", {"None", "Bifold"}) + uiOption("Option24", boolean)
        << QStringList {"cBiFld", "cEngrFld", "cTriFld", "cTriFldZ"};
    QTest::newRow("punch") << uiOption("Pnch", {"None", "H2"}) << QStringList {"cHole"};
    QTest::newRow("staple") << uiOption("Stpl", {"None", "Front"}) << QStringList {"cStpl"};
    QTest::newRow("cover source") << uiOption("CvrM", {"None", "Tray1"}) << publishingToggles;
    QTest::newRow("inserter without cover source")
        << uiOption("Option28", boolean) << QStringList();
    QTest::newRow("cover source and inserter")
        << uiOption("CvrM", {"None"}) + uiOption("Option28", boolean) << publishingToggles;
}

void tst_ProgramOptions::togglesExistWhen()
{
    QFETCH(QString, ppdLines);
    QFETCH(QStringList, toggles);

    auto model = steps::build(QStringLiteral("steps-bare.ppd"), ppdLines);
    QVERIFY(model);
    QCOMPARE(programToggles(model.get()), toggles);
    for (const char *keyword : printManagementKeywords)
        QVERIFY(model->option(QLatin1String(keyword)));
}

void tst_ProgramOptions::toggleTextsAndChoices_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("text");

    const QString finisher = QStringLiteral("steps-finisher.ppd");
    const QString publisher = QStringLiteral("steps-publisher.ppd");
    QTest::newRow("cBiFld") << finisher << "cBiFld"
                            << "Bi-fold Mode";
    QTest::newRow("cTriFld") << finisher << "cTriFld"
                             << "Tri-fold Mode";
    QTest::newRow("cTriFldZ") << finisher << "cTriFldZ"
                              << "Z-fold Mode";
    QTest::newRow("cEngrFld") << finisher << "cEngrFld"
                              << "Engineering-fold Mode";
    QTest::newRow("cHole") << finisher << "cHole"
                           << "Punch Mode";
    QTest::newRow("cStpl") << finisher << "cStpl"
                           << "Staple Mode";
    QTest::newRow("cCovBut") << publisher << "cCovBut"
                             << "Cover mode";
    QTest::newRow("cCovTRad") << publisher << "cCovTRad"
                              << "Cover mode front";
    QTest::newRow("cCovBRad") << publisher << "cCovBRad"
                              << "Cover mode front and back";
    QTest::newRow("cCovPOFO") << publisher << "cCovPOFO"
                              << "Cover mode front outside";
    QTest::newRow("cCovPOFI") << publisher << "cCovPOFI"
                              << "Cover mode front inside";
    QTest::newRow("cCovPOBO") << publisher << "cCovPOBO"
                              << "Cover mode back outside";
    QTest::newRow("cCovPOBI") << publisher << "cCovPOBI"
                              << "Cover mode back inside";
    QTest::newRow("cInsBut") << publisher << "cInsBut"
                             << "Page insert mode";
    QTest::newRow("cInsPrnF") << publisher << "cInsPrnF"
                              << "Page insert print onto front";
    QTest::newRow("cInsPrnB") << publisher << "cInsPrnB"
                              << "Page insert print onto back";
    QTest::newRow("cIntBut") << publisher << "cIntBut"
                             << "Transparency interleaving mode";
    QTest::newRow("cIntPrn") << publisher << "cIntPrn"
                             << "Transparency print onto backing";
    QTest::newRow("cJobStore") << publisher << "cJobStore"
                               << "Job storage";
    QTest::newRow("cJobAccount") << publisher << "cJobAccount"
                                 << "Job accounting";
    QTest::newRow("cUserLogin") << publisher << "cUserLogin"
                                << "User login";
    QTest::newRow("cEmail") << publisher << "cEmail"
                            << "Email notification";
    QTest::newRow("cJobName") << publisher << "cJobName"
                              << "Custom job name";
    QTest::newRow("cPrivatePrint") << publisher << "cPrivatePrint"
                                   << "Private print";
    QTest::newRow("cCustomBox") << publisher << "cCustomBox"
                                << "Custom box";
    QTest::newRow("cSuper") << publisher << "cSuper"
                            << "Super Watermark";
}

void tst_ProgramOptions::toggleTextsAndChoices()
{
    QFETCH(QString, fixture);
    QFETCH(QString, keyword);
    QFETCH(QString, text);

    auto model = steps::build(fixture);
    QVERIFY(model);
    const tOption *option = model->option(keyword);
    QVERIFY(option);
    QCOMPARE(option->text(), text);
    QVERIFY(!option->isFromPpd());
    QCOMPARE(option->choiceCount(), 2);
    QCOMPARE(option->choices().at(0)->keyword(), QStringLiteral("False"));
    QCOMPARE(option->choices().at(0)->text(), QStringLiteral("False"));
    QCOMPARE(option->choices().at(1)->keyword(), QStringLiteral("True"));
    QCOMPARE(option->choices().at(1)->text(), QStringLiteral("True"));
    QCOMPARE(option->choices().at(1)->option(), option);
    QVERIFY(!option->currentChoice());
    QVERIFY(!option->defaultChoice());
    QCOMPARE(option->defaultValueString(), keyword + QStringLiteral("NULL"));
    QVERIFY(!model->defaultChoices().contains(keyword));
}

void tst_ProgramOptions::printManagementChoicesTranslated()
{
    GermanWords german;
    QCoreApplication::installTranslator(&german);
    auto model = steps::build(QStringLiteral("steps-bare.ppd"));
    QCoreApplication::removeTranslator(&german);
    QVERIFY(model);

    for (const char *keyword : printManagementKeywords) {
        const tOption *option = model->option(QLatin1String(keyword));
        QVERIFY2(option, keyword);
        QCOMPARE(option->findChoice(QStringLiteral("Off"))->text(), QStringLiteral("Aus"));
        QCOMPARE(option->findChoice(QStringLiteral("On"))->text(), QStringLiteral("Ein"));
    }
    QCOMPARE(model->option(QStringLiteral("SNTDuplex"))->text(), QStringLiteral("Sentrel Duplex"));
}

VM_TEST_GUILESS_MAIN(tst_ProgramOptions)
#include "tst_programoptions.moc"
