#include "tabs/PrinterTab.h"

#include "model/tOptionModel.h"
#include "system/AppState.h"
#include "system/CupsPrinters.h"
#include "system/CupsRequests.h"
#include "system/CupsWorker.h"
#include "system/PerUserFiles.h"
#include "widgets/IconCache.h"

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { NameColumn = 0, DestinationColumn = 1, StatusColumn = 2, ColumnCount = 3 };

// Width of each column while the first fill lists no printer.
const int emptyColumnWidth = 186;
const int focusPenWidth = 2;

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
        QPainter painter(viewport());
        // The view marks the focus by a faint dotted line on the current
        // row, and the selected row looks the same with or without it.
        if (hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), focusPenWidth));
            const int inset = focusPenWidth / 2;
            painter.drawRect(viewport()->rect().adjusted(inset, inset, -inset, -inset));
        }
        if (rowCount() > 0 || notice.isEmpty())
            return;
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

PrinterTab::PrinterTab(QWidget *parent, CupsRequests *requests)
    : Tab(parent)
    , cupsRequests(requests ? requests : new CupsRequests(this))
{
    buildUi();
    connectOptionWidgets();
    // The window shows at once; the list fills when CUPS answers.
    fillPrinterTable();
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
    return IconCache::icon(QStringLiteral(":/icons/tab-printer"));
}

QIcon PrinterTab::tabConstraintIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-printer-constraint"));
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
    layout->addWidget(printerTable);
    // Until a fill lists a printer.
    for (int column = 0; column < ColumnCount; ++column)
        printerTable->setColumnWidth(column, emptyColumnWidth);

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
    optionsArea = scrollArea;
    scrollArea->setWidgetResizable(true);
    // A stop of the Tab key that shows nothing; the options in it take the
    // focus themselves.
    scrollArea->setFocusPolicy(Qt::NoFocus);
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

bool PrinterTab::isListing() const
{
    return cupsRequests->isPending(CupsRequests::Listing);
}

bool PrinterTab::selectionPending() const
{
    return cupsRequests->isPending(CupsRequests::Selection);
}

bool PrinterTab::printingSystemAnswered() const
{
    return cupsRequests->cupsAnswered();
}

void PrinterTab::showListing(const MakerPrinterListing &listing,
                             const QHash<QString, QString> &statuses)
{
    AppState::knownPrinters = listing.knownPrinters;
    cupsRequests->setCupsAnswered(listing.cupsAnswered);
    filledOnce = true;
    printerTable->setRowCount(listing.printers.size());
    for (int row = 0; row < listing.printers.size(); ++row) {
        const MakerPrinter &printer = listing.printers.at(row);
        printerTable->setItem(row, NameColumn, cell(printer.name));
        printerTable->setItem(row, DestinationColumn, cell(printer.deviceUri));
        printerTable->setItem(row, StatusColumn, cell(statuses.value(printer.name)));
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
    if (printerTable->rowCount() == 0 && !filledOnce) {
        if (waitingShown)
            notice = tr("Waiting for the printing system (CUPS)...");
    } else if (printerTable->rowCount() == 0) {
        notice = printingSystemAnswered() ? tr("No Tolvane printer is installed.")
                                          : tr("The printing system (CUPS) is not answering.");
    }
    static_cast<PrinterTable *>(printerTable)->notice = notice;
    printerTable->viewport()->update();
}

void PrinterTab::showWaiting(bool shown)
{
    waitingShown = shown;
    updateTableNotice();
}

void PrinterTab::fillPrinterTable()
{
    cupsRequests->listPrinters([this](const PrinterListAnswer &answer) { listAnswered(answer); });
}

std::function<void(const PrinterListAnswer &)> PrinterTab::refillAfterWrite()
{
    return cupsRequests->listingAfterWrite(
        [this](const PrinterListAnswer &answer) { listAnswered(answer); });
}

void PrinterTab::listAnswered(const PrinterListAnswer &answer)
{
    showRefill(answer.listing);
    emit listShown();
    if (printerTable->rowCount() > 0)
        refreshStatuses();
}

void PrinterTab::showNotAnswering()
{
    cupsRequests->drop(CupsRequests::Listing);
    cupsRequests->drop(CupsRequests::Statuses);
    showRefill(MakerPrinterListing {QList<MakerPrinter>(), QSet<QString>(), false});
}

void PrinterTab::showRefill(const MakerPrinterListing &listing)
{
    // Refilling must not look like a printer change to anyone.
    const bool tableBlocked = printerTable->blockSignals(true);
    const QTableWidgetItem *current = printerTable->item(printerTable->currentRow(), NameColumn);
    const QString selectedName = current ? current->text() : QString();
    int widths[ColumnCount];
    for (int column = 0; column < ColumnCount; ++column)
        widths[column] = printerTable->columnWidth(column);
    setOptionSignalsBlocked(true);

    // A status answer asked for before is about the old rows. The words
    // shown stay with their queues until lpstat answers again.
    cupsRequests->drop(CupsRequests::Statuses);
    QHash<QString, QString> statuses;
    for (int row = 0; row < printerTable->rowCount(); ++row) {
        const QTableWidgetItem *name = printerTable->item(row, NameColumn);
        const QTableWidgetItem *status = printerTable->item(row, StatusColumn);
        if (name && status)
            statuses.insert(name->text(), status->text());
    }
    AppState::knownPrinters.clear();
    printerTable->clear();
    printerTable->setRowCount(0);
    setHeaders();
    printerTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    printerTable->setSelectionMode(QAbstractItemView::SingleSelection);
    showListing(listing, statuses);
    if (printerTable->rowCount() > 0) {
        printerTable->resizeColumnsToContents();
        printerTable->resizeRowsToContents();
    }
    // The first fill that lists a printer sizes the columns; later ones keep
    // what the user made of them.
    if (columnsSized || printerTable->rowCount() == 0) {
        for (int column = 0; column < ColumnCount; ++column)
            printerTable->setColumnWidth(column, widths[column]);
    } else {
        columnsSized = true;
    }

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
    // The write's answers speak of the row before: this row is selected
    // once they have come (takeHeldRow).
    if (cupsRequests->holdsRowChange()) {
        rowHeld = true;
        return;
    }
    // The first write of a row only passed through is not made.
    if (cupsRequests->isWriteReplaceable())
        cupsRequests->drop(CupsRequests::Write);

    // The replaced model stays alive until releaseReplacedModels().
    AppState::optionModel = nullptr;
    if (selectedModel)
        replacedModels.push_back(std::move(selectedModel));
    selectedModel.reset();
    selectedKeywords.clear();
    AppState::settingsFile.clear();

    const QTableWidgetItem *item = printerTable->item(row, NameColumn);
    if (!item) {
        cupsRequests->drop(CupsRequests::Selection);
        rootWarningLabel->hide();
        return;
    }
    cupsRequests->selectPrinter(item->text(), [this](const PrinterModelAnswer &answer) {
        modelAnswered(answer.model, answer.lpoptionsKeywords);
        emit printerSelected(answer.answered);
    });
}

void PrinterTab::modelAnswered(const std::shared_ptr<tOptionModel> &model,
                               const QStringList &keywords)
{
    selectedModel = model;
    selectedKeywords = keywords;
    AppState::optionModel = selectedModel.get();
    if (selectedModel) {
        AppState::settingsFile =
            perUserDirectoryPath() + selectedModel->printerName() + QStringLiteral(".cfg");
    } else {
        AppState::settingsFile.clear();
        rootWarningLabel->hide();
    }
}

QStringList PrinterTab::lpoptionsKeywords(bool *known) const
{
    const bool current = selectedModel && AppState::optionModel == selectedModel.get();
    if (known)
        *known = current;
    return current ? selectedKeywords : QStringList();
}

int PrinterTab::takeHeldRow()
{
    if (!rowHeld)
        return -1;
    rowHeld = false;
    const int row = printerTable->currentRow();
    const QTableWidgetItem *item = printerTable->item(row, NameColumn);
    // Back on the row of the model shown: nothing to change.
    if (!item
        || (selectedModel && AppState::optionModel == selectedModel.get()
            && item->text() == selectedModel->printerName()))
        return -1;
    return row;
}

void PrinterTab::releaseReplacedModels()
{
    replacedModels.clear();
}

void PrinterTab::clearCurrentPrinter()
{
    rowHeld = false;
    const bool blocked = printerTable->blockSignals(true);
    printerTable->clearSelection();
    printerTable->setCurrentCell(-1, -1);
    printerTable->blockSignals(blocked);
}

void PrinterTab::refreshStatuses()
{
    QStringList names;
    for (int row = 0; row < printerTable->rowCount(); ++row) {
        const QTableWidgetItem *name = printerTable->item(row, NameColumn);
        names << (name ? name->text() : QString());
    }
    cupsRequests->readStatuses(names, [this, names](const QStringList &statuses) {
        for (int row = 0; row < names.size() && row < printerTable->rowCount(); ++row) {
            if (!names.at(row).isEmpty())
                printerTable->setItem(row, StatusColumn, cell(statuses.value(row)));
        }
        emit statusesShown();
    });
}

void PrinterTab::retranslateUi()
{
    setHeaders();
    tabName = tr("Printer");
    rootWarningLabel->setText(tr("Root access is required to make changes to installable options"));
    installedOptionsLabel->setText(tr("Installed options"));
    installedOptionsLabel->update();
    updateTableNotice();
    refreshStatuses();
}
