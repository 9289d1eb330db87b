#pragma once

#include <QSet>
#include <QString>

class tOption;
class tOptionModel;

// Process-wide state shared by the main window, the tabs, the per-user files
// and the profile dialogs. One instance each, alive for the whole run.
namespace AppState {

// Option model of the selected printer; null while no printer is selected.
extern tOptionModel *optionModel;

// The selected printer's option `keyword`; null without a printer or when
// its PPD has no such option.
tOption *currentOption(const QString &keyword);

// The selected printer's option `keyword` takes that choice; nothing happens
// without a printer.
void setCurrentChoice(const QString &keyword, const QString &choiceKeyword);

// "/usr/share/tolvane/<user>/", set once by the main window.
extern QString perUserDirectory;

// The file whose saved values the tabs load: a printer's ".cfg", a profile,
// or empty (every option then takes its PPD default).
extern QString settingsFile;

// CUPS destination names seen at the last fill of the printer table.
extern QSet<QString> knownPrinters;

// True when the last constraint pass left no tab constraint-marked.
extern bool constraintsSatisfied;

} // namespace AppState
