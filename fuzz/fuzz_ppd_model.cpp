// PPD text through the program's own PPD reader into an option model; then
// every choice is selected in turn and the blocks are reset.

#include "FuzzSupport.h"

#include "model/tChoice.h"
#include "model/tOption.h"
#include "model/tOptionModel.h"
#include "system/MakerPpdModel.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString path = fuzz::scratch() + QStringLiteral("input.ppd");
    if (!fuzz::writeFile(path, data, size))
        return 0;
    std::unique_ptr<tOptionModel> model = buildModelFromPpdFile(path);
    if (!model)
        return 0;

    const QList<tOption *> options = model->options();
    for (tOption *option : options) {
        for (tChoice *choice : option->choices()) {
            model->setCurrentChoice(option->keyword(), choice->keyword());
            if (option->currentChoice() != option->findChoice(choice->keyword()))
                fuzz::fail("a choice was not made current");
        }
    }
    model->resetConstraints();
    for (tOption *option : options) {
        for (tChoice *choice : option->choices()) {
            if (choice->isBlocked())
                fuzz::fail("a block outlived the reset");
        }
    }
    return 0;
}
