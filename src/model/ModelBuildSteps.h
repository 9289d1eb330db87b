#pragma once

struct ppd_file_s;
typedef struct ppd_file_s ppd_file_t;

class tOptionModel;

// The build steps that add the program's own options, the fixed and derived
// constraints and the precedence levels. buildOptionModel runs them in the
// order they are declared here, after the PPD's own options, constraints and
// current choices are in the model.
void addFinishingToggles(ppd_file_t *ppd, tOptionModel *model);
void addPublishingToggles(ppd_file_t *ppd, tOptionModel *model);
void addJobToggles(ppd_file_t *ppd, tOptionModel *model);
void addSuperWatermarkToggle(ppd_file_t *ppd, tOptionModel *model);
void addPrintManagementOptions(tOptionModel *model);
void addFixedConstraints(tOptionModel *model);
void applyPrecedenceLevels(tOptionModel *model);
void addConstraintGroups(ppd_file_t *ppd, tOptionModel *model);
void addDerivedConstraints(tOptionModel *model);
