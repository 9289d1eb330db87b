#include "model/tOption.h"

#include "model/tChoice.h"

tOption::tOption()
    : m_keyword(QStringLiteral("TNULL"))
    , m_text(QStringLiteral("TNULL"))
{}

tOption::tOption(const QString &keyword, const QString &text)
    : m_keyword(keyword)
    , m_text(text)
{}

tOption::~tOption()
{
    qDeleteAll(m_choices);
}

bool tOption::isValid() const
{
    return !(m_keyword == QLatin1String("TNULL") && m_text == QLatin1String("TNULL"));
}

tChoice *tOption::addChoice(const QString &keyword, const QString &text)
{
    tChoice *choice = new tChoice(this, keyword, text);
    appendChoice(choice);
    return choice;
}

void tOption::appendChoice(tChoice *choice)
{
    // A choice of another option would be deleted twice and would block on
    // behalf of the wrong option.
    if (!choice || (choice->m_option && choice->m_option != this) || m_choices.contains(choice))
        return;
    choice->m_option = this;
    m_choices.append(choice);
    if (!m_choiceByKeyword.contains(choice->keyword()))
        m_choiceByKeyword.insert(choice->keyword(), choice);
}

tChoice *tOption::findChoice(const QString &keyword) const
{
    return m_choiceByKeyword.value(keyword, nullptr);
}

tChoice *tOption::findChoiceByText(const QString &text) const
{
    for (tChoice *choice : m_choices) {
        if (choice->text() == text)
            return choice;
    }
    return nullptr;
}

bool tOption::hasChoice(const QString &keyword) const
{
    return m_choiceByKeyword.contains(keyword);
}

bool tOption::ownsChoice(const tChoice *choice) const
{
    // The owner test rules out almost every foreign choice without a search.
    return choice && choice->option() == this && m_choices.contains(const_cast<tChoice *>(choice));
}

void tOption::setCurrentChoice(tChoice *choice)
{
    if (m_current)
        m_current->releaseConflicts();
    if (ownsChoice(choice)) {
        m_current = choice;
        m_current->blockConflicts();
    }
}

void tOption::setDefaultChoice(tChoice *choice)
{
    if (ownsChoice(choice))
        m_default = choice;
}

QString tOption::defaultValueString() const
{
    return m_default ? m_default->keyword() : m_keyword + QLatin1String("NULL");
}
