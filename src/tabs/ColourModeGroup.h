#pragma once

#include <QObject>
#include <QString>

class TolButtonGroup;
class tOption;

// The colour mode as the Basic and the Imaging tab both offer it, so that
// the two groups cannot come to differ: two buttons, colour at index 0 and
// black and white at 1 (the main window keeps the groups in step by index),
// each standing for every keyword its mode has in a PPD ("CMYK" or "RGB",
// "Gray"). What a PPD's colour option may call for:
// - no colour option: black and white is shown, in the title's normal colour;
// - a single choice: black and white, fixed;
// - a choice that no button stands for (an "AUTO" or a printer's "Default"):
//   no button is shown, and that choice is kept and written until a click;
// - a button that stands for no choice of the PPD is greyed (as every group's
//   is, Tab::enableOptionsForButtonGroup);
// - after a constraint pass the group shows the model's choice, whichever
//   page moved it.
// The page registers the group under "ColorModel" as its editor; the rules
// here run after the page's own loading and constraint pass.
class ColourModeGroup : public QObject
{
    Q_OBJECT

public:
    static const char *const keyword;

    // Makes the group, titled and with its buttons, as a child of `page`
    // (where the page makes it, so that it keeps its place in the focus
    // order); owned by the page too. Its texts are translated in the page's
    // context.
    explicit ColourModeGroup(QWidget *page);

    TolButtonGroup *buttons() const { return group; }

    // After loading: the fallbacks for a printer without a colour choice.
    void checkColorModel();
    // After the base's constraint pass over the colour option.
    void followModel(tOption *option);
    void clearErrorMark();
    // What the page saves for the colour option: `buttonValue`, the choice
    // of the checked button, else the choice the model kept.
    static QString savedValue(const QString &buttonValue, const tOption *option);

private:
    // A colour option with nothing to choose: black and white, fixed.
    void fixColorToMonochrome();
    void showMonochrome();

    TolButtonGroup *group;
};
