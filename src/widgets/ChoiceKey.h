#pragma once

#include <QString>
#include <QStringList>

// What a button or a list value stands for, in terms that do not change with
// the interface language: the choice keywords it may have in a PPD, tried in
// order, and its untranslated text. A page that registers none is matched by
// the text it shows only.
struct ChoiceKey
{
    QStringList keywords;
    QString sourceText;

    bool isEmpty() const { return keywords.isEmpty() && sourceText.isEmpty(); }
};

// One button of a group as a page lists it in a table: its text, marked for
// translation in the page's context and translated when the button is made,
// its icon path, and the keywords of its choice, separated by blanks.
struct ChoiceButton
{
    const char *text;
    const char *iconPath;
    const char *keywords;
};
