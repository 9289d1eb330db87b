#include "model/tChoice.h"

#include "model/tOption.h"

tChoice::tChoice()
    : m_keyword(QStringLiteral("TNULL"))
    , m_text(QStringLiteral("TNULL"))
{}

tChoice::tChoice(tOption *option, const QString &keyword, const QString &text)
    : m_keyword(keyword)
    , m_text(text)
    , m_option(option)
{}

// Short conflict lists are searched directly; a set pays off only beyond this.
static const int kLinearSearchLimit = 16;

void tChoice::addConflict(tOption *option, tChoice *choice)
{
    const OptionChoicePair pair(option, choice);
    const bool indexed = !m_conflictIndex.isEmpty();
    if (indexed ? m_conflictIndex.contains(pair) : m_conflicts.contains(pair))
        return;
    m_conflicts.append(pair);
    if (indexed)
        m_conflictIndex.insert(pair);
    else if (m_conflicts.size() > kLinearSearchLimit)
        m_conflictIndex = QSet<OptionChoicePair>(m_conflicts.cbegin(), m_conflicts.cend());
}

void tChoice::addBlocker(tChoice *choice)
{
    if (!choice)
        return;
    const OptionChoicePair pair(choice->option(), choice);
    if (!m_blockers.contains(pair))
        m_blockers.append(pair);
}

void tChoice::removeBlocker(tChoice *choice)
{
    if (!choice)
        return;
    const int index = m_blockers.indexOf(OptionChoicePair(choice->option(), choice));
    if (index >= 0)
        m_blockers.remove(index);
}

void tChoice::addGroupConflict(const ChoiceGroup &group)
{
    if (!m_groupConflicts.contains(group))
        m_groupConflicts.append(group);
}

void tChoice::addGroupBlocker(const ChoiceGroup &group)
{
    if (!m_groupBlockers.contains(group))
        m_groupBlockers.append(group);
}

void tChoice::removeGroupBlocker(const ChoiceGroup &group)
{
    const int index = m_groupBlockers.indexOf(group);
    if (index >= 0)
        m_groupBlockers.remove(index);
}

static bool isCurrentMember(const OptionChoicePair &member)
{
    const tChoice *current = member.first ? member.first->currentChoice() : nullptr;
    return current && member.second && current->keyword() == member.second->keyword();
}

void tChoice::blockConflicts()
{
    const int ownLevel = m_option ? m_option->precedence() : 99;
    for (const OptionChoicePair &conflict : qAsConst(m_conflicts)) {
        // A choice never blocks an option of higher precedence (lower number).
        if (conflict.first && conflict.second && conflict.first->precedence() >= ownLevel)
            conflict.second->addBlocker(this);
    }

    for (const ChoiceGroup &group : qAsConst(m_groupConflicts)) {
        if (group.isEmpty())
            continue;
        const OptionChoicePair &last = group.last();
        bool othersCurrent = true;
        for (const OptionChoicePair &member : group) {
            if (member == last)
                break;
            if (!isCurrentMember(member)) {
                othersCurrent = false;
                break;
            }
        }
        if (othersCurrent && last.second)
            last.second->addGroupBlocker(group);
    }
}

void tChoice::releaseConflicts()
{
    for (const OptionChoicePair &conflict : qAsConst(m_conflicts)) {
        if (conflict.second)
            conflict.second->removeBlocker(this);
    }

    // The last member's own change does not lift the block its partners impose.
    for (const ChoiceGroup &group : qAsConst(m_groupConflicts)) {
        if (group.isEmpty())
            continue;
        tChoice *blocked = group.last().second;
        if (blocked && blocked != this)
            blocked->removeGroupBlocker(group);
    }
}
