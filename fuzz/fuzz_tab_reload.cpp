// A printer's ".cfg" file read back into the option tabs that make the most
// of saved text (secrets, account IDs, page lists, watermark records), as at
// the selection of a printer, and their values collected again as for Apply.

#include "FuzzSupport.h"

#include "model/tOptionModel.h"
#include "system/MakerPpdModel.h"
#include "tabs/JobTab.h"
#include "tabs/PublishingTab.h"
#include "tabs/SNTTab.h"
#include "tabs/TabOptionCollector.h"
#include "tabs/WatermarkTab.h"

#include <memory>

namespace {

// Stands in for the main window, which owns the tabs and takes their calls.
class Owner : public QWidget
{
    Q_OBJECT
public slots:
    void setConstraints() {}
    void toggleColorMode() {}
    void togglePublishingFronAndBackLabel() {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QString cfgPath = fuzz::scratch() + QStringLiteral("user/Fuzz.cfg");
    static QList<Tab *> *tabs = [] {
        fuzz::startApplication();
        static const std::unique_ptr<tOptionModel> model = fuzz::fixtureModel("demo-showcase.ppd");
        AppState::optionModel = model.get();
        auto *owner = new Owner;
        return new QList<Tab *> {new PublishingTab(owner), new JobTab(owner),
                                 new WatermarkTab(owner), new SNTTab(owner)};
    }();

    if (!fuzz::writeFile(cfgPath, data, size))
        return 0;
    AppState::settingsFile = cfgPath;
    for (Tab *tab : *tabs)
        tab->reload();
    TabOptionCollector(tabs).collectTabOptions();
    return 0;
}

#include "fuzz_tab_reload.moc"
