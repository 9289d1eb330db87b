#include "system/AppState.h"

namespace AppState {

tOptionModel *optionModel = nullptr;
QString perUserDirectory;
QString settingsFile;
QSet<QString> knownPrinters;
bool constraintsSatisfied = true;

} // namespace AppState
