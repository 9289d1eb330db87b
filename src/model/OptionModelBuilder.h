#pragma once

struct ppd_file_s;
typedef struct ppd_file_s ppd_file_t;

class tOptionModel;

// Fills an empty model from an open PPD: options, choices, defaults and
// constraints of the PPD, the program's own options, fixed constraints and
// precedence levels. The caller opens and closes the PPD; nothing of it is
// kept. Null arguments are ignored.
void buildOptionModel(ppd_file_t *ppd, tOptionModel *model);
