#include "system/AppState.h"

#include "model/tOptionModel.h"

namespace AppState {

tOptionModel *optionModel = nullptr;
QString perUserDirectory;
QString settingsFile;
QSet<QString> knownPrinters;
bool constraintsSatisfied = true;

tOption *currentOption(const QString &keyword)
{
    return optionModel ? optionModel->option(keyword) : nullptr;
}

void setCurrentChoice(const QString &keyword, const QString &choiceKeyword)
{
    if (optionModel)
        optionModel->setCurrentChoice(keyword, choiceKeyword);
}

} // namespace AppState
