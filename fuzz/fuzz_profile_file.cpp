// A profile file through the profile readers and the profile detail view,
// whose model line may name the maker's PPD that is in place.

#include "FuzzSupport.h"

#include "dialogs/ProfileDialog.h"
#include "model/tOptionModel.h"
#include "system/MakerPpdModel.h"
#include "system/ProfileFiles.h"

#include <QTableWidget>

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static ProfileDialog *dialog = [] {
        fuzz::startApplication();
        const QString maker = fuzz::scratch() + QStringLiteral("maker/Tolvane_PF-20.ppd");
        if (!QFile::copy(fuzz::fixture("profiles-basic.ppd"), maker))
            fuzz::fail("maker PPD not copied");
        return new ProfileDialog(nullptr, nullptr);
    }();
    // The printer the main window would have selected.
    static const std::unique_ptr<tOptionModel> model =
        buildModelFromPpdFile(fuzz::fixture("profiles-basic.ppd"));
    AppState::optionModel = model.get();

    const QString name = QStringLiteral("Fuzz");
    if (!fuzz::writeFile(profilePath(name), data, size))
        return 0;

    const QStringList names = listProfileNames();
    if (countProfiles() > 1)
        fuzz::fail("one file counted as several profiles");
    unescapeDescription(storedDescription(name));

    dialog->fillProfileTable();
    auto *table = dialog->findChild<QTableWidget *>();
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *item = table->item(row, 0);
        if (item && item->text() == name)
            dialog->loadDetailsFromCell(row, 0, row, 0);
    }
    if (names.size() > 1 || (names.size() == 1 && names.first() != name))
        fuzz::fail("a profile listed under another name");
    return 0;
}
