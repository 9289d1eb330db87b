#pragma once

#include <QHash>
#include <QList>
#include <QString>

class tChoice;

// One PPD or program-made option. Owns its choices.
class tOption
{
public:
    tOption();
    tOption(const QString &keyword, const QString &text);
    ~tOption();

    // False only for the empty option, whose keyword and text are both "TNULL".
    bool isValid() const;

    QString keyword() const { return m_keyword; }
    QString text() const { return m_text; }
    void setKeyword(const QString &keyword) { m_keyword = keyword; }
    void setText(const QString &text) { m_text = text; }

    QList<tChoice *> choices() const { return m_choices; }
    int choiceCount() const { return m_choices.size(); }

    // Creates a choice owned by this option and appends it.
    tChoice *addChoice(const QString &keyword, const QString &text);
    // Takes ownership of a choice made for this option (or for none). Null, a
    // choice already held and a choice of another option are ignored.
    void appendChoice(tChoice *choice);

    tChoice *findChoice(const QString &keyword) const;
    tChoice *findChoiceByText(const QString &text) const;
    bool hasChoice(const QString &keyword) const;

    tChoice *currentChoice() const { return m_current; }
    tChoice *defaultChoice() const { return m_default; }

    // Releases what the current choice blocks, then, when the choice is one
    // of this option's, makes it current and blocks its conflicts. A null or
    // foreign choice only releases; the current choice stays.
    void setCurrentChoice(tChoice *choice);
    // Ignored unless the choice is one of this option's. Blocks nothing.
    void setDefaultChoice(tChoice *choice);

    // The default choice's keyword, or the option keyword followed by "NULL".
    QString defaultValueString() const;

    bool isFromPpd() const { return m_fromPpd; }
    void setFromPpd(bool fromPpd) { m_fromPpd = fromPpd; }
    int precedence() const { return m_precedence; }
    void setPrecedence(int level) { m_precedence = level; }

private:
    Q_DISABLE_COPY(tOption)
    bool ownsChoice(const tChoice *choice) const;

    bool m_fromPpd = false;
    QString m_keyword;
    QString m_text;
    QList<tChoice *> m_choices;
    // First choice of each keyword, so that lookups never walk the list.
    QHash<QString, tChoice *> m_choiceByKeyword;
    tChoice *m_current = nullptr;
    tChoice *m_default = nullptr;
    int m_precedence = 99;
};
