#include "tabs/PrinterTab.h"

#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/CupsPrinters.h"
#include "system/PerUserFiles.h"

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

// A refill under way: CUPS answers about the PPDs on other threads and
// lpstat, which takes longest, runs beside from the start; or, for a refill
// told to wait, from resume().
struct PendingRefill
{
    explicit PendingRefill(MakerPrinterListingRun::DestinationList when)
    {
        if (when == MakerPrinterListingRun::DestinationList::Now)
            statusRun.reset(new PrinterStatusRun);
        listing.reset(new MakerPrinterListingRun(when));
    }

    void resume()
    {
        if (!statusRun)
            statusRun.reset(new PrinterStatusRun);
        listing->resume();
    }

    std::unique_ptr<PrinterStatusRun> statusRun;
    std::unique_ptr<MakerPrinterListingRun> listing;
};

namespace {

enum Column { NameColumn = 0, DestinationColumn = 1, StatusColumn = 2, ColumnCount = 3 };

// Width of each column while the first fill lists no printer.
const int emptyColumnWidth = 186;

QTableWidgetItem *cell(const QString &text)
{
    return new QTableWidgetItem(text);
}

// The printer table. An item view that gains the focus without a current
// cell makes its first row current, which would select a printer when the
// window is merely activated: only the user selects one.
class PrinterTable : public QTableWidget
{
public:
    PrinterTable(int rows, int columns)
        : QTableWidget(rows, columns)
    {}

    // Shown in the table area while the table has no row.
    QString notice;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QTableWidget::paintEvent(event);
        if (rowCount() > 0 || notice.isEmpty())
            return;
        QPainter painter(viewport());
        painter.setPen(palette().color(QPalette::Text));
        const int margin = fontMetrics().height();
        painter.drawText(viewport()->rect().adjusted(margin, margin, -margin, -margin),
                         Qt::AlignCenter | Qt::TextWordWrap, notice);
    }

    void focusInEvent(QFocusEvent *event) override
    {
        if (currentIndex().isValid()) {
            QTableWidget::focusInEvent(event);
            return;
        }
        QItemSelectionModel *selection = selectionModel();
        const bool blocked = selection->blockSignals(true);
        QTableWidget::focusInEvent(event);
        selection->clearCurrentIndex();
        selection->blockSignals(blocked);
    }
};

} // namespace

PrinterTab::PrinterTab(QWidget *parent)
    : Tab(parent)
{
    buildUi();
    connectOptionWidgets();
}

PrinterTab::~PrinterTab()
{
    // The models die with the tab; nothing may point to them afterwards.
    if (selectedModel && AppState::optionModel == selectedModel.get())
        AppState::optionModel = nullptr;
}

void PrinterTab::initTabName()
{
    tabName = getTabName();
}

QIcon PrinterTab::tabIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-printer"));
}

QIcon PrinterTab::tabConstraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-printer-constraint"));
}

bool PrinterTab::hasOptions()
{
    return true;
}

void PrinterTab::buildUi()
{
    setContentsMargins(3, 3, 3, 3);
    tabName = tr("Printer");
    createWidgets();
}

void PrinterTab::createWidgets()
{
    AppState::knownPrinters.clear();
    auto *layout = new QVBoxLayout;
    setLayout(layout);

    printerTable = new PrinterTable(0, ColumnCount);
    printerTable->setAccessibleName(QStringLiteral("tblPrinters"));
    printerTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    printerTable->setSelectionMode(QAbstractItemView::SingleSelection);
    printerTable->verticalHeader()->hide();
    printerTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    printerTable->horizontalHeader()->setStretchLastSection(true);
    printerTable->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    printerTable->setTabKeyNavigation(false);
    setHeaders();
    listPrinters();
    layout->addWidget(printerTable);
    if (printerTable->rowCount() > 0) {
        printerTable->resizeColumnsToContents();
        printerTable->resizeRowsToContents();
    } else {
        for (int column = 0; column < ColumnCount; ++column)
            printerTable->setColumnWidth(column, emptyColumnWidth);
    }

    installedOptionsLabel = new QLabel(tr("Installed options"));
    installedOptionsLabel->setEnabled(false);

    rootWarningLabel =
        new QLabel(tr("Root access is required to make changes to installable options"));
    rootWarningLabel->setAccessibleName(QStringLiteral("lblRootWarning"));
    // The border takes the background's colour, so only the text stands out.
    const QColor background = QApplication::palette().brush(backgroundRole()).color();
    rootWarningLabel->setStyleSheet(
        QStringLiteral("QLabel{color: red; font-family: Sans; font-size: 10px; border-width: 1px; "
                       "border-color: %1; border-style: solid}")
            .arg(background.name()));
    rootWarningLabel->hide();

    auto *headingLayout = new QGridLayout;
    headingLayout->addWidget(installedOptionsLabel, 0, 0, 1, 3, Qt::AlignLeft);
    headingLayout->addWidget(rootWarningLabel, 0, 3, 1, 8, Qt::AlignLeft);
    layout->addLayout(headingLayout);

    auto *scrollArea = new QScrollArea;
    scrollArea->setWidgetResizable(true);
    layout->addWidget(scrollArea);
    optionsContainer = new QWidget;
    optionsLayout = new QGridLayout(optionsContainer);
    optionsLayout->setColumnStretch(2, 1);
    optionsLayout->setRowStretch(999, 1);
    optionsLayout->setSizeConstraint(QLayout::SetFixedSize);
    scrollArea->setWidget(optionsContainer);

    // The main window connects its printerChanged after this, so the new
    // model exists before the tabs reload.
    connect(printerTable, &QTableWidget::currentCellChanged, this, &PrinterTab::changePrinter);
}

void PrinterTab::setHeaders()
{
    printerTable->setHorizontalHeaderItem(NameColumn, cell(tr("Printers")));
    printerTable->setHorizontalHeaderItem(DestinationColumn, cell(tr("Destination")));
    printerTable->setHorizontalHeaderItem(StatusColumn, cell(tr("Status")));
}

void PrinterTab::listPrinters()
{
    PendingRefill pending(MakerPrinterListingRun::DestinationList::Now);
    showListing(pending.listing->finish(), *pending.statusRun);
}

void PrinterTab::showListing(const MakerPrinterListing &listing, PrinterStatusRun &statusRun)
{
    AppState::knownPrinters = listing.knownPrinters;
    cupsAnswered = listing.cupsAnswered;
    QStringList names;
    for (const MakerPrinter &printer : listing.printers)
        names << printer.name;
    const QStringList statuses = statusRun.statuses(names);
    printerTable->setRowCount(listing.printers.size());
    for (int row = 0; row < listing.printers.size(); ++row) {
        const MakerPrinter &printer = listing.printers.at(row);
        printerTable->setItem(row, NameColumn, cell(printer.name));
        printerTable->setItem(row, DestinationColumn, cell(printer.deviceUri));
        printerTable->setItem(row, StatusColumn, cell(statuses.at(row)));
    }
    updateTableNotice();
}

QString PrinterTab::tableNotice() const
{
    return static_cast<const PrinterTable *>(printerTable)->notice;
}

void PrinterTab::updateTableNotice()
{
    // An empty table says why, so that nobody takes it for a fault.
    QString notice;
    if (printerTable->rowCount() == 0) {
        notice = cupsAnswered ? tr("No Tolvane printer is installed.")
                              : tr("The printing system (CUPS) is not answering.");
    }
    static_cast<PrinterTable *>(printerTable)->notice = notice;
    printerTable->viewport()->update();
}

void PrinterTab::fillPrinterTable()
{
    finishRefill();
    pendingRefill.reset(new PendingRefill(MakerPrinterListingRun::DestinationList::Now));
    finishRefill();
}

void PrinterTab::startRefill()
{
    finishRefill();
    pendingRefill.reset(new PendingRefill(MakerPrinterListingRun::DestinationList::Later));
}

void PrinterTab::resumeRefill()
{
    if (pendingRefill)
        pendingRefill->resume();
}

const QSet<QString> *PrinterTab::refillPrinterNames(bool *answered) const
{
    if (!pendingRefill)
        return nullptr;
    if (answered)
        *answered = pendingRefill->listing->cupsAnswered();
    return &pendingRefill->listing->knownPrinters();
}

void PrinterTab::finishRefill()
{
    if (!pendingRefill)
        return;
    const std::unique_ptr<PendingRefill> pending = std::move(pendingRefill);
    pending->resume();
    const MakerPrinterListing listing = pending->listing->finish();

    // Refilling must not look like a printer change to anyone.
    const bool tableBlocked = printerTable->blockSignals(true);
    const QTableWidgetItem *current = printerTable->item(printerTable->currentRow(), NameColumn);
    const QString selectedName = current ? current->text() : QString();
    int widths[ColumnCount];
    for (int column = 0; column < ColumnCount; ++column)
        widths[column] = printerTable->columnWidth(column);
    setOptionSignalsBlocked(true);

    statusRefresh.reset();
    AppState::knownPrinters.clear();
    printerTable->clear();
    printerTable->setRowCount(0);
    setHeaders();
    printerTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    printerTable->setSelectionMode(QAbstractItemView::SingleSelection);
    showListing(listing, *pending->statusRun);
    if (printerTable->rowCount() > 0) {
        printerTable->resizeColumnsToContents();
        printerTable->resizeRowsToContents();
    }
    for (int column = 0; column < ColumnCount; ++column)
        printerTable->setColumnWidth(column, widths[column]);

    // Keep the selection on the same printer, wherever the list moved it.
    if (!selectedName.isEmpty()) {
        const QList<QTableWidgetItem *> found =
            printerTable->findItems(selectedName, Qt::MatchExactly | Qt::MatchCaseSensitive);
        for (const QTableWidgetItem *item : found) {
            if (item->column() == NameColumn) {
                printerTable->selectRow(item->row());
                break;
            }
        }
    }

    setOptionSignalsBlocked(false);
    printerTable->blockSignals(tableBlocked);
}

void PrinterTab::changePrinter(int row, int, int prev_row, int)
{
    if (row == prev_row)
        return;
    // lpstat takes longer than the rest of a selection: it starts first.
    if (statusRefreshOnSelection && row >= 0)
        statusRefresh.reset(new PrinterStatusRun);

    // The replaced model stays alive until releaseReplacedModels().
    AppState::optionModel = nullptr;
    if (selectedModel)
        replacedModels.push_back(std::move(selectedModel));

    const QTableWidgetItem *item = printerTable->item(row, NameColumn);
    selectedModel = buildPrinterModel(item ? item->text() : QString(), &selectedKeywords);
    AppState::optionModel = selectedModel.get();
    if (selectedModel) {
        AppState::settingsFile =
            perUserDirectoryPath() + selectedModel->printerName() + QStringLiteral(".cfg");
    } else {
        AppState::settingsFile.clear();
        rootWarningLabel->hide();
        // Without a model the printer change reads no status.
        statusRefresh.reset();
    }
}

QStringList PrinterTab::lpoptionsKeywords(bool *known) const
{
    const bool current = selectedModel && AppState::optionModel == selectedModel.get();
    if (known)
        *known = current;
    return current ? selectedKeywords : QStringList();
}

void PrinterTab::releaseReplacedModels()
{
    replacedModels.clear();
}

void PrinterTab::clearCurrentPrinter()
{
    const bool blocked = printerTable->blockSignals(true);
    printerTable->clearSelection();
    printerTable->setCurrentCell(-1, -1);
    printerTable->blockSignals(blocked);
}

void PrinterTab::startStatusRefresh()
{
    if (!statusRefresh)
        statusRefresh.reset(new PrinterStatusRun);
}

void PrinterTab::finishStatusRefresh()
{
    if (!statusRefresh)
        return;
    const std::unique_ptr<PrinterStatusRun> run = std::move(statusRefresh);
    showStatuses(*run);
}

void PrinterTab::showStatuses(PrinterStatusRun &run)
{
    QStringList names;
    QList<int> rows;
    for (int row = 0; row < printerTable->rowCount(); ++row) {
        if (const QTableWidgetItem *name = printerTable->item(row, NameColumn)) {
            names << name->text();
            rows << row;
        }
    }
    const QStringList statuses = run.statuses(names);
    for (int i = 0; i < rows.size(); ++i)
        printerTable->setItem(rows.at(i), StatusColumn, cell(statuses.at(i)));
}

void PrinterTab::retranslateUi()
{
    setHeaders();
    tabName = tr("Printer");
    rootWarningLabel->setText(tr("Root access is required to make changes to installable options"));
    installedOptionsLabel->setText(tr("Installed options"));
    installedOptionsLabel->update();
    updateTableNotice();
    if (statusRefresh)
        return;
    PrinterStatusRun run;
    showStatuses(run);
}
