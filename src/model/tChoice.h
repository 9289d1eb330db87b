#pragma once

#include <QList>
#include <QPair>
#include <QSet>
#include <QString>
#include <QVector>

class tOption;
class tChoice;

// An option and one of its choices. Neither pointer is owned.
using OptionChoicePair = QPair<tOption *, tChoice *>;

// Members of a group constraint, ordered so that the last one is the member
// the group blocks.
using ChoiceGroup = QList<OptionChoicePair>;

// One choice of an option, with the choices it conflicts with and those that
// block it at the moment. Every list is free of duplicates.
class tChoice
{
public:
    tChoice();
    tChoice(tOption *option, const QString &keyword, const QString &text);

    QString keyword() const { return m_keyword; }
    QString text() const { return m_text; }
    tOption *option() const { return m_option; }

    QList<OptionChoicePair> conflicts() const { return m_conflicts.toList(); }
    QList<ChoiceGroup> groupConflicts() const { return m_groupConflicts.toList(); }
    QList<OptionChoicePair> blockers() const { return m_blockers.toList(); }
    QList<ChoiceGroup> groupBlockers() const { return m_groupBlockers.toList(); }

    void addConflict(tOption *option, tChoice *choice);
    void addBlocker(tChoice *choice);
    void removeBlocker(tChoice *choice);
    void addGroupConflict(const ChoiceGroup &group);
    void addGroupBlocker(const ChoiceGroup &group);
    void removeGroupBlocker(const ChoiceGroup &group);

    // Called right after this choice became its option's current choice.
    void blockConflicts();
    // Lifts every block this choice imposes, whatever the precedence levels.
    void releaseConflicts();

    bool isBlocked() const { return !m_blockers.isEmpty() || !m_groupBlockers.isEmpty(); }

private:
    Q_DISABLE_COPY(tChoice)
    friend class tOption;      // adopts an ownerless choice in appendChoice
    friend class tOptionModel; // clears leftover blocks on reset

    QString m_keyword;
    QString m_text;
    tOption *m_option = nullptr;

    // Vectors, not QList: a QList would allocate every pair on its own.
    QVector<OptionChoicePair> m_conflicts;
    // Built once the conflict list grows long, so that adding stays cheap.
    QSet<OptionChoicePair> m_conflictIndex;
    QVector<OptionChoicePair> m_blockers;
    QVector<ChoiceGroup> m_groupConflicts;
    QVector<ChoiceGroup> m_groupBlockers;
};
