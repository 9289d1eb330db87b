#include "dialogs/HelpDialog.h"

#include "widgets/ScreenFit.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QTextEdit>
#include <QTextStream>
#include <QVBoxLayout>

namespace {

struct HelpPage
{
    const char *tabName;    // the tab's untranslated name
    const char *tabContext; // translation context the tab names itself in
    const char *resource;
};

const HelpPage kHelpPages[] = {
    {"Printer", "PrinterTab", ":/strings/help_printer"},
    {"Basic", "GeneralTab", ":/strings/help_basic"},
    {"Layout", "BookletTab", ":/strings/help_layout"},
    {"Finishing", "FinishingTab", ":/strings/help_finishing"},
    {"Imaging", "ImagingTab", ":/strings/help_imaging"},
    {"Publishing", "PublishingTab", ":/strings/help_publishing"},
    {"Job", "JobTab", ":/strings/help_job"},
    {"Watermark", "WatermarkTab", ":/strings/help_watermark"},
    {"Sentrel", "SNTTab", ":/strings/help_sentrel"},
};
const char kDefaultPage[] = ":/strings/help_printer";

} // namespace

HelpDialog::HelpDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Help"));

    auto *layout = new QVBoxLayout(this);
    pageView = new QTextEdit(this);
    pageView->setReadOnly(true);
    ScreenFit::keepFixedSize(this, QSize(650, 500));
    pageView->setHtml(helpText(QStringLiteral("Printer")));

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    layout->addWidget(pageView);
    layout->addWidget(buttonBox);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &HelpDialog::accept);
}

void HelpDialog::setPage(const QString &tabName)
{
    pageView->setHtml(helpText(tabName));
}

QString HelpDialog::helpResourceForTab(const QString &tabName)
{
    // The tabs hand over the name they show, which a translation changes;
    // matching the translated name too keeps every page reachable then.
    for (const HelpPage &page : kHelpPages) {
        if (tabName == QLatin1String(page.tabName)
            || tabName == QCoreApplication::translate(page.tabContext, page.tabName))
            return QString::fromLatin1(page.resource);
    }
    return QString::fromLatin1(kDefaultPage);
}

QString HelpDialog::helpText(const QString &tabName)
{
    QFile file(helpResourceForTab(tabName));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream in(&file);
    in.setCodec("UTF-8");
    return in.readAll();
}
