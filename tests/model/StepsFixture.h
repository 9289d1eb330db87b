#pragma once

// Builds option models from the steps-*.ppd fixtures, optionally with extra
// PPD lines appended, and reads their conflicts back as "Option=Choice" text.

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/MakerPpdModel.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryFile>

#include <memory>

namespace steps {

inline QString fixturePath(const QString &name)
{
    return QStringLiteral(VM_TEST_DATA "/") + name;
}

inline std::unique_ptr<tOptionModel> buildFromFile(const QString &path)
{
    return buildModelFromPpdFile(path);
}

// The fixture, with `extraLines` appended, built into a fresh model.
inline std::unique_ptr<tOptionModel> build(const QString &fixture,
                                           const QString &extraLines = QString())
{
    QFile source(fixturePath(fixture));
    if (!source.open(QIODevice::ReadOnly))
        return nullptr;
    QTemporaryFile copy;
    if (!copy.open())
        return nullptr;
    copy.write(source.readAll());
    copy.write("\n");
    copy.write(extraLines.toUtf8());
    copy.write("\n");
    copy.flush();
    return buildFromFile(copy.fileName());
}

inline tChoice *choice(const tOptionModel *model, const QString &keyword,
                       const QString &choiceKeyword)
{
    const tOption *option = model->option(keyword);
    return option ? option->findChoice(choiceKeyword) : nullptr;
}

inline QString name(const OptionChoicePair &pair)
{
    return pair.first->keyword() + QLatin1Char('=') + pair.second->keyword();
}

// The conflicts of one choice, in list order; empty when the choice is missing.
inline QStringList conflicts(const tOptionModel *model, const QString &keyword,
                             const QString &choiceKeyword)
{
    QStringList names;
    if (const tChoice *c = choice(model, keyword, choiceKeyword)) {
        for (const OptionChoicePair &pair : c->conflicts())
            names.append(name(pair));
    }
    return names;
}

inline QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// The groups one choice belongs to, each as its ordered members joined by ", ".
inline QStringList groups(const tOptionModel *model, const QString &keyword,
                          const QString &choiceKeyword)
{
    QStringList result;
    if (const tChoice *c = choice(model, keyword, choiceKeyword)) {
        for (const ChoiceGroup &group : c->groupConflicts()) {
            QStringList members;
            for (const OptionChoicePair &pair : group)
                members.append(name(pair));
            result.append(members.join(QStringLiteral(", ")));
        }
    }
    return result;
}

} // namespace steps
