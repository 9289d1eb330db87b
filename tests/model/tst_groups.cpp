// Groups of three: ordered once by precedence, they block their last member
// only while the other two are current.
#include "ModelFixture.h"
#include "TestMain.h"
#include "model/tChoice.h"
#include "model/tOption.h"

#include <QtTest>

using Members = QList<QPair<QString, QString>>;
Q_DECLARE_METATYPE(Members)

class GroupsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<tOptionModel> m_model;

    tChoice *choice(const QString &keyword, const QString &choiceKeyword) const
    {
        tOption *option = m_model->option(keyword);
        return option ? option->findChoice(choiceKeyword) : nullptr;
    }
    bool blocked(const QString &keyword, const QString &choiceKeyword) const
    {
        tChoice *c = choice(keyword, choiceKeyword);
        return c && c->isBlocked();
    }
    // The binding group of the fixture at levels 4, 1 and 6.
    void addBindingGroup()
    {
        m_model->setPrecedence("TolBind", 4);
        m_model->setPrecedence("TolEdge", 1);
        m_model->setPrecedence("TolClip", 6);
        m_model->addGroupConstraint(
            {{"TolBind", "Left"}, {"TolEdge", "True"}, {"TolClip", "True"}});
    }

private slots:
    void init()
    {
        m_model = buildModelFromFixture(VM_TEST_DATA "/model-blocking.ppd");
        QVERIFY(m_model);
        m_model->resetConstraints();
    }

    void membersOrderedByPrecedence()
    {
        addBindingGroup();
        const QList<ChoiceGroup> groups = choice("TolBind", "Left")->groupConflicts();
        QCOMPARE(groups.size(), 1);
        QStringList order;
        for (const OptionChoicePair &member : groups.first())
            order << member.first->keyword();
        QCOMPARE(order, QStringList({"TolEdge", "TolBind", "TolClip"}));
        QCOMPARE(choice("TolEdge", "True")->groupConflicts(), groups);
        QCOMPARE(choice("TolClip", "True")->groupConflicts(), groups);
    }

    void lastMemberBlockedWhileTheOthersAreCurrent_data()
    {
        QTest::addColumn<bool>("bindFirst");
        QTest::newRow("binding set first") << true;
        QTest::newRow("edge trim set first") << false;
    }

    void lastMemberBlockedWhileTheOthersAreCurrent()
    {
        QFETCH(bool, bindFirst);
        addBindingGroup();
        m_model->setCurrentChoice(bindFirst ? "TolBind" : "TolEdge", bindFirst ? "Left" : "True");
        QVERIFY(!blocked("TolClip", "True"));
        m_model->setCurrentChoice(bindFirst ? "TolEdge" : "TolBind", bindFirst ? "True" : "Left");
        QVERIFY(blocked("TolClip", "True"));
        QVERIFY(!blocked("TolBind", "Left"));
        QVERIFY(!blocked("TolEdge", "True"));
        QVERIFY(!blocked("TolClip", "False"));

        // The blocked member's own option moving does not lift the block.
        m_model->setCurrentChoice("TolClip", "True");
        m_model->setCurrentChoice("TolClip", "False");
        QVERIFY(blocked("TolClip", "True"));

        m_model->setCurrentChoice("TolBind", "Right");
        QVERIFY(!blocked("TolClip", "True"));
        m_model->setCurrentChoice("TolBind", "Left");
        QVERIFY(blocked("TolClip", "True"));
        m_model->setCurrentChoice("TolEdge", "False");
        QVERIFY(!blocked("TolClip", "True"));
    }

    void resetLiftsGroupBlocks()
    {
        addBindingGroup();
        m_model->setCurrentChoice("TolBind", "Left");
        m_model->setCurrentChoice("TolEdge", "True");
        QVERIFY(blocked("TolClip", "True"));
        m_model->resetConstraints();
        QVERIFY(!blocked("TolClip", "True"));
        QCOMPARE(m_model->option("TolBind")->currentChoice()->keyword(), QString("Left"));
    }

    void tiesKeepTheGivenOrder()
    {
        for (const char *keyword : {"TolBind", "TolEdge", "TolClip"})
            m_model->setPrecedence(keyword, 5);
        m_model->addGroupConstraint(
            {{"TolClip", "True"}, {"TolBind", "Left"}, {"TolEdge", "True"}});
        m_model->setCurrentChoice("TolClip", "True");
        m_model->setCurrentChoice("TolBind", "Left");
        QVERIFY(blocked("TolEdge", "True"));

        m_model->resetConstraints();
        m_model->setCurrentChoice("TolBind", "Left");
        m_model->setCurrentChoice("TolEdge", "True");
        QVERIFY(!blocked("TolClip", "True"));
    }

    void groupsOfOtherShapesAreIgnored_data()
    {
        QTest::addColumn<Members>("members");
        QTest::newRow("two members") << Members {{"TolBind", "Left"}, {"TolEdge", "True"}};
        QTest::newRow("four members") << Members {
            {"TolBind", "Left"}, {"TolEdge", "True"}, {"TolClip", "True"}, {"TolWrap", "True"}};
        QTest::newRow("unknown option")
            << Members {{"TolBind", "Left"}, {"TolMissing", "True"}, {"TolClip", "True"}};
        QTest::newRow("unknown choice")
            << Members {{"TolBind", "Left"}, {"TolEdge", "Maybe"}, {"TolClip", "True"}};
        QTest::newRow("empty choice")
            << Members {{"TolBind", "Left"}, {"TolEdge", ""}, {"TolClip", "True"}};
        QTest::newRow("no members") << Members {};
    }

    void groupsOfOtherShapesAreIgnored()
    {
        QFETCH(Members, members);
        m_model->addGroupConstraint(members);
        for (tOption *option : m_model->options())
            for (tChoice *c : option->choices())
                QVERIFY(c->groupConflicts().isEmpty());
    }

    void repeatedGroupAddsOneEntry()
    {
        addBindingGroup();
        addBindingGroup();
        QCOMPARE(choice("TolClip", "True")->groupConflicts().size(), 1);
        m_model->setCurrentChoice("TolBind", "Left");
        m_model->setCurrentChoice("TolEdge", "True");
        m_model->setCurrentChoice("TolEdge", "True");
        QCOMPARE(choice("TolClip", "True")->groupBlockers().size(), 1);
    }
};

VM_TEST_GUILESS_MAIN(GroupsTest)
#include "tst_groups.moc"
