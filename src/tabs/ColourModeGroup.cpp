#include "tabs/ColourModeGroup.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "system/AppState.h"
#include "tabs/Tab.h"
#include "widgets/ChoiceKey.h"
#include "widgets/TolButtonGroup.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

// Each button with the choice keywords it stands for in a PPD. Its texts are
// translated as the page's own, in the page's context.
const ChoiceButton colourButtons[] = {
    {"Full color", ":/icons/color", "CMYK RGB"},
    {"Black & white", ":/icons/monochrome", "Gray"},
};
const char colourTitle[] = "Color";
// For lupdate: the texts above, in the context of each page that shows them.
[[maybe_unused]] const char *const pageTexts[] = {
    QT_TRANSLATE_NOOP("GeneralTab", "Color"),
    QT_TRANSLATE_NOOP("GeneralTab", "Full color"),
    QT_TRANSLATE_NOOP("GeneralTab", "Black & white"),
    QT_TRANSLATE_NOOP("ImagingTab", "Color"),
    QT_TRANSLATE_NOOP("ImagingTab", "Full color"),
    QT_TRANSLATE_NOOP("ImagingTab", "Black & white"),
};
const int monochromeIndex = 1;

} // namespace

const char *const ColourModeGroup::keyword = "ColorModel";

ColourModeGroup::ColourModeGroup(QWidget *page)
    : QObject(page)
    , group(new TolButtonGroup(
          page, QCoreApplication::translate(page->metaObject()->className(), colourTitle)
                    + QStringLiteral(": ")))
{
    for (const ChoiceButton &row : colourButtons)
        Tab::addChoiceButton(group, row, page->metaObject()->className());
}

void ColourModeGroup::showMonochrome()
{
    group->setButton(monochromeIndex);
}

void ColourModeGroup::fixColorToMonochrome()
{
    showMonochrome();
    group->setEnabled(false);
    // Nothing to choose is not an unavailable option.
    group->setLabelColour(true);
}

void ColourModeGroup::checkColorModel()
{
    const tOption *option = AppState::currentOption(QLatin1String(keyword));
    if (!option) {
        showMonochrome();
        group->setLabelColour(true);
    } else if (option->choiceCount() == 1) {
        fixColorToMonochrome();
    }
}

void ColourModeGroup::followModel(tOption *option)
{
    if (option->choiceCount() == 1) {
        fixColorToMonochrome();
        return;
    }
    if (option->currentChoice())
        Tab::showChoice(group, option, option->currentChoice());
}

void ColourModeGroup::clearErrorMark()
{
    group->showError(false);
}

QString ColourModeGroup::savedValue(const QString &buttonValue, const tOption *option)
{
    if (!buttonValue.isEmpty() || !option || !option->currentChoice())
        return buttonValue;
    return option->currentChoice()->keyword();
}
