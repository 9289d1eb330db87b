#include "tabs/TabOptionCollector.h"

#include "tabs/Tab.h"

namespace {

// The printer tab's values are installable options, written separately.
bool isPrinterTab(const Tab *tab)
{
    return qstrcmp(tab->metaObject()->className(), "PrinterTab") == 0;
}

} // namespace

TabOptionCollector::TabOptionCollector(const QList<Tab *> *tabList)
    : tabList(tabList)
{}

OptionHash TabOptionCollector::collectTabOptions() const
{
    OptionHash options;
    if (!tabList)
        return options;

    // Option values first: a later tab's value replaces an earlier one.
    for (Tab *tab : *tabList) {
        if (isPrinterTab(tab))
            continue;
        const QHash<QString, QString> values = tab->collectOptionValues();
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            options.replace(it.key(), it.value());
    }
    // Then the tabs' own settings, where equal keys stand side by side.
    for (Tab *tab : *tabList) {
        if (isPrinterTab(tab))
            continue;
        const OptionHash extras = tab->extraSettings();
        const QList<QString> keys = extras.uniqueKeys();
        for (const QString &key : keys) {
            // values() lists the latest first; adding them in reverse keeps
            // a repeated key's values in the tab's order.
            const QList<QString> values = extras.values(key);
            for (auto value = values.crbegin(); value != values.crend(); ++value)
                options.insert(key, *value);
        }
    }
    return options;
}
