#include "model/tOptionModel.h"

#include "model/tChoice.h"
#include "model/tOption.h"

#include <algorithm>

// Options written by the root PPD tool, in the order the printer tab shows them.
static const char *const kInstallableKeywords[] = {
    "Option17", "Option8",  "Option18", "Option19", "Option20", "Option01", "Option21",
    "Option22", "Option23", "Option24", "Option25", "Option26", "Option27", "Option28",
};

tOptionModel::tOptionModel() = default;

tOptionModel::~tOptionModel()
{
    qDeleteAll(m_owned);
}

tOption *tOptionModel::option(const QString &keyword) const
{
    return m_options.value(keyword, nullptr);
}

QList<tOption *> tOptionModel::options() const
{
    return m_order;
}

void tOptionModel::addOption(tOption *option)
{
    if (!option)
        return;
    const QString keyword = option->keyword();
    tOption *held = m_options.value(keyword, nullptr);
    if (held == option)
        return;

    if (m_owned.contains(option)) {
        // Added before under another keyword: move it rather than list it twice.
        const QString oldKeyword = m_options.key(option);
        m_options.remove(oldKeyword);
        m_order.removeOne(option);
    } else {
        m_owned.append(option);
    }

    if (held) {
        // The replaced option's current choice must not keep blocking
        // choices of options that are still in the model.
        for (tChoice *choice : held->choices())
            choice->releaseConflicts();
        m_order[m_order.indexOf(held)] = option;
    } else {
        m_order.append(option);
    }
    m_options.insert(keyword, option);
}

void tOptionModel::setCurrentChoice(const QString &keyword, const QString &choiceKeyword)
{
    tOption *opt = option(keyword);
    if (!opt)
        return;
    tChoice *choice = opt->findChoice(choiceKeyword);
    if (choice)
        opt->setCurrentChoice(choice);
}

void tOptionModel::addConstraint(const QString &keyword1, const QString &choice1,
                                 const QString &keyword2, const QString &choice2)
{
    tOption *option1 = option(keyword1);
    tOption *option2 = option(keyword2);
    if (!option1 || !option2)
        return;
    tChoice *c1 = option1->findChoice(choice1);
    tChoice *c2 = option2->findChoice(choice2);
    if (!c1 || !c2)
        return;
    c1->addConflict(option2, c2);
    c2->addConflict(option1, c1);
}

void tOptionModel::addGroupConstraint(const QList<QPair<QString, QString>> &members)
{
    ChoiceGroup group;
    for (const QPair<QString, QString> &member : members) {
        tOption *opt = option(member.first);
        tChoice *choice = opt ? opt->findChoice(member.second) : nullptr;
        if (!choice)
            return;
        group.append(OptionChoicePair(opt, choice));
    }
    if (group.size() != 3)
        return;

    // The member with the greatest number is the one the group blocks.
    std::stable_sort(group.begin(), group.end(),
                     [](const OptionChoicePair &a, const OptionChoicePair &b) {
                         return a.first->precedence() < b.first->precedence();
                     });
    for (const OptionChoicePair &member : qAsConst(group))
        member.second->addGroupConflict(group);
}

void tOptionModel::resetConstraints()
{
    for (tOption *opt : qAsConst(m_owned)) {
        for (tChoice *choice : opt->choices())
            choice->releaseConflicts();
    }
    // A group whose members all name the same choice, or a conflict with a
    // choice outside the model, would otherwise outlive the reset.
    for (tOption *opt : qAsConst(m_owned)) {
        for (tChoice *choice : opt->choices()) {
            choice->m_blockers.clear();
            choice->m_groupBlockers.clear();
        }
    }
}

QList<tOption *> tOptionModel::installableOptions() const
{
    QList<tOption *> found;
    for (const char *keyword : kInstallableKeywords) {
        if (tOption *opt = option(QLatin1String(keyword)))
            found.append(opt);
    }
    return found;
}

void tOptionModel::insertDefaultChoice(const QString &keyword, const QString &choiceKeyword)
{
    m_defaults.insert(keyword, choiceKeyword);
}

void tOptionModel::setPrecedence(const QString &keyword, int level)
{
    if (tOption *opt = option(keyword))
        opt->setPrecedence(level);
}
