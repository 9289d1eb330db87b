// Pairwise blocking over a built model: precedence decides which side of a
// conflict gives way, a change releases before it blocks, a reset lifts all.
#include "ModelFixture.h"
#include "TestMain.h"
#include "model/tChoice.h"
#include "model/tOption.h"

#include <QtTest>

class BlockingTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<tOptionModel> m_model;

    tChoice *choice(const char *keyword, const char *choiceKeyword) const
    {
        tOption *option = m_model->option(keyword);
        return option ? option->findChoice(choiceKeyword) : nullptr;
    }
    bool blocked(const char *keyword, const char *choiceKeyword) const
    {
        tChoice *c = choice(keyword, choiceKeyword);
        return c && c->isBlocked();
    }
    int blockedCount() const
    {
        int count = 0;
        for (tOption *option : m_model->options())
            for (tChoice *c : option->choices())
                count += c->isBlocked();
        return count;
    }
    void setLevels(const QList<QPair<QString, int>> &levels)
    {
        for (const auto &level : levels)
            m_model->setPrecedence(level.first, level.second);
    }

private slots:
    void init()
    {
        m_model = buildModelFromFixture(VM_TEST_DATA "/model-blocking.ppd");
        QVERIFY(m_model);
    }

    void buildBlocksConflictingDefaultsBothWays()
    {
        // Defaults are made current while every option is still at 99.
        QCOMPARE(m_model->option("InputSlot")->currentChoice()->keyword(), QString("Auto"));
        QVERIFY(blocked("InputSlot", "Auto"));
        QVERIFY(blocked("MediaType", "Plain"));
        QCOMPARE(blockedCount(), 2);

        setLevels({{"InputSlot", 2}, {"MediaType", 3}});
        m_model->resetConstraints();
        QCOMPARE(blockedCount(), 0);
        m_model->setCurrentChoice("MediaType", "Plain");
        m_model->setCurrentChoice("InputSlot", "Auto");
        QVERIFY(!blocked("InputSlot", "Auto"));
        QVERIFY(blocked("MediaType", "Plain"));
    }

    void precedenceDecidesTheBlockedSide_data()
    {
        QTest::addColumn<int>("pageSizeLevel");
        QTest::addColumn<int>("duplexLevel");
        QTest::addColumn<bool>("a5BlocksTumble");
        QTest::addColumn<bool>("tumbleBlocksA5");

        QTest::newRow("A5 blocks short-edge duplex, never the reverse") << 3 << 5 << true << false;
        QTest::newRow("same level blocks both ways") << 5 << 5 << true << true;
        QTest::newRow("unlisted options block both ways") << 99 << 99 << true << true;
        QTest::newRow("duplex above page size") << 5 << 3 << false << true;
        QTest::newRow("levels compare as signed numbers") << -1 << 0 << true << false;
    }

    void precedenceDecidesTheBlockedSide()
    {
        QFETCH(int, pageSizeLevel);
        QFETCH(int, duplexLevel);
        QFETCH(bool, a5BlocksTumble);
        QFETCH(bool, tumbleBlocksA5);

        setLevels({{"PageSize", pageSizeLevel}, {"Duplex", duplexLevel}});
        m_model->resetConstraints();

        m_model->setCurrentChoice("PageSize", "A5");
        QCOMPARE(blocked("Duplex", "DuplexTumble"), a5BlocksTumble);
        QVERIFY(!blocked("Duplex", "DuplexNoTumble"));

        m_model->resetConstraints();
        m_model->setCurrentChoice("PageSize", "A4");
        m_model->setCurrentChoice("Duplex", "DuplexTumble");
        QCOMPARE(blocked("PageSize", "A5"), tumbleBlocksA5);

        // Selecting A5 while short-edge duplex is current.
        m_model->setCurrentChoice("PageSize", "A5");
        QCOMPARE(blocked("Duplex", "DuplexTumble"), a5BlocksTumble);
        QCOMPARE(blocked("PageSize", "A5"), tumbleBlocksA5);
    }

    void changeReleasesExactlyWhatTheOldChoiceBlocked()
    {
        setLevels({{"PageSize", 3}, {"Duplex", 5}, {"TolSurface", 5}, {"TolTray", 5}});
        m_model->resetConstraints();
        m_model->setCurrentChoice("PageSize", "A5");
        m_model->setCurrentChoice("TolSurface", "Glossy");
        QVERIFY(blocked("Duplex", "DuplexTumble"));   // by A5
        QVERIFY(blocked("Duplex", "DuplexNoTumble")); // by Glossy
        QVERIFY(blocked("TolTray", "Upper"));         // by A5 and by Glossy
        QCOMPARE(choice("TolTray", "Upper")->blockers().size(), 2);

        m_model->setCurrentChoice("TolSurface", "Rough");
        QVERIFY(blocked("Duplex", "DuplexTumble"));
        QVERIFY(!blocked("Duplex", "DuplexNoTumble"));
        QVERIFY(blocked("TolTray", "Upper"));
        QCOMPARE(
            choice("TolTray", "Upper")->blockers(),
            QList<OptionChoicePair>({{m_model->option("PageSize"), choice("PageSize", "A5")}}));
        QVERIFY(blocked("TolTray", "Lower")); // by Rough

        m_model->setCurrentChoice("PageSize", "Letter");
        QVERIFY(!blocked("Duplex", "DuplexTumble"));
        QVERIFY(!blocked("TolTray", "Upper"));
        QVERIFY(blocked("TolTray", "Lower"));
        QCOMPARE(blockedCount(), 1);
    }

    void settingTheCurrentChoiceAgainKeepsTheState()
    {
        setLevels({{"PageSize", 3}, {"Duplex", 5}});
        m_model->resetConstraints();
        m_model->setCurrentChoice("PageSize", "A5");
        m_model->setCurrentChoice("PageSize", "A5");
        QCOMPARE(choice("Duplex", "DuplexTumble")->blockers().size(), 1);
        QCOMPARE(blockedCount(), 2); // DuplexTumble and TolTray Upper
    }

    void nullChoiceReleasesAndKeepsCurrent()
    {
        setLevels({{"PageSize", 3}, {"Duplex", 5}});
        m_model->resetConstraints();
        m_model->setCurrentChoice("PageSize", "A5");
        tOption *pageSize = m_model->option("PageSize");

        pageSize->setCurrentChoice(nullptr);
        QCOMPARE(pageSize->currentChoice(), choice("PageSize", "A5"));
        QVERIFY(!blocked("Duplex", "DuplexTumble"));

        // A choice of another option counts as foreign: release only.
        m_model->setCurrentChoice("PageSize", "A5");
        pageSize->setCurrentChoice(choice("Duplex", "None"));
        QCOMPARE(pageSize->currentChoice(), choice("PageSize", "A5"));
        QVERIFY(!blocked("Duplex", "DuplexTumble"));
    }

    void unknownChoiceDoesNotRelease()
    {
        setLevels({{"PageSize", 3}, {"Duplex", 5}});
        m_model->resetConstraints();
        m_model->setCurrentChoice("PageSize", "A5");
        m_model->setCurrentChoice("PageSize", "Tabloid");
        m_model->setCurrentChoice("PageSize", QString());
        QVERIFY(blocked("Duplex", "DuplexTumble"));
        QCOMPARE(m_model->option("PageSize")->currentChoice()->keyword(), QString("A5"));
    }

    void resetLiftsBlocksAndKeepsCurrentChoices()
    {
        setLevels({{"PageSize", 3}, {"Duplex", 5}, {"TolSurface", 5}, {"TolTray", 5}});
        m_model->setCurrentChoice("PageSize", "A5");
        m_model->setCurrentChoice("TolSurface", "Glossy");
        m_model->setCurrentChoice("Duplex", "DuplexTumble");
        QVERIFY(blockedCount() > 0);

        QHash<QString, QString> before;
        for (tOption *option : m_model->options())
            before.insert(option->keyword(),
                          option->currentChoice() ? option->currentChoice()->keyword() : QString());
        const int precedence = m_model->option("PageSize")->precedence();
        const int conflicts = choice("PageSize", "A5")->conflicts().size();

        m_model->resetConstraints();
        QCOMPARE(blockedCount(), 0);
        for (tOption *option : m_model->options()) {
            QCOMPARE(option->currentChoice() ? option->currentChoice()->keyword() : QString(),
                     before.value(option->keyword()));
            for (tChoice *c : option->choices()) {
                QVERIFY(c->blockers().isEmpty());
                QVERIFY(c->groupBlockers().isEmpty());
            }
        }
        QCOMPARE(m_model->option("PageSize")->precedence(), precedence);
        QCOMPARE(choice("PageSize", "A5")->conflicts().size(), conflicts);

        m_model->setCurrentChoice("PageSize", "A5");
        QVERIFY(blocked("Duplex", "DuplexTumble"));
    }

    void everyConflictOfALongListBlocks_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("one") << 1;
        QTest::newRow("as many as are searched directly") << 16;
        QTest::newRow("one past them") << 17;
        QTest::newRow("two past them") << 18;
        QTest::newRow("many") << 40;
    }

    void everyConflictOfALongListBlocks()
    {
        QFETCH(int, count);
        tOption source("Src", "Source");
        tChoice *on = source.addChoice("On", "On");
        std::vector<std::unique_ptr<tOption>> targets;
        for (int i = 0; i < count; ++i) {
            targets.push_back(std::make_unique<tOption>(QString("T%1").arg(i), QString()));
            targets.back()->addChoice("X", "X");
        }
        // Each conflict twice: the list stays free of repeats on both sides of the switch to a set.
        for (int pass = 0; pass < 2; ++pass)
            for (const auto &target : targets)
                on->addConflict(target.get(), target->choices().first());
        QCOMPARE(on->conflicts().size(), count);

        on->blockConflicts();
        for (const auto &target : targets)
            QVERIFY2(target->choices().first()->isBlocked(), qPrintable(target->keyword()));
        on->releaseConflicts();
        for (const auto &target : targets)
            QVERIFY(!target->choices().first()->isBlocked());
    }
};

VM_TEST_GUILESS_MAIN(BlockingTest)
#include "tst_blocking.moc"
