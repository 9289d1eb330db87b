#pragma once

#include <QString>

class tOptionModel;

// Constraints that the toggle-making build steps add right after their
// toggles exist, plus the keyword mapping the cupsUIConstraints reader uses.

// Fold, staple and punch names of cupsUIConstraints to the toggle keywords;
// any other text comes back unchanged.
QString mapConstraintKeyword(const QString &keyword);

// Each fold toggle switched on takes the conflicts of its FldA choice, and
// the fold toggles exclude each other.
void addFoldConstraints(tOptionModel *model, bool withOption24);

// The toggle switched on conflicts with whatever every real choice (all but
// "None") of the PPD option conflicts with.
void addSharedChoiceConflicts(tOptionModel *model, const QString &ppdKeyword,
                              const QString &toggleKeyword);

void addPublishingConstraints(tOptionModel *model, bool withOption28);
void addJobConstraints(tOptionModel *model);
