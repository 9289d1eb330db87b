#include "model/ModelBuildSteps.h"

// Placeholders until the program-made options and fixed constraints land.
void addFinishingToggles(ppd_file_t *, tOptionModel *) {}
void addPublishingToggles(ppd_file_t *, tOptionModel *) {}
void addJobToggles(ppd_file_t *, tOptionModel *) {}
void addSuperWatermarkToggle(ppd_file_t *, tOptionModel *) {}
void addPrintManagementOptions(tOptionModel *) {}
void addFixedConstraints(tOptionModel *) {}
void applyPrecedenceLevels(tOptionModel *) {}
void addConstraintGroups(ppd_file_t *, tOptionModel *) {}
void addDerivedConstraints(tOptionModel *) {}
