#include "tabs/BookletTab.h"

#include "widgets/ChoiceKey.h"
#include "widgets/IconCache.h"
#include "widgets/TolButtonGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>

namespace {

// Each button with the choice keyword it stands for in a PPD.
const ChoiceButton bindingButtons[] = {
    {QT_TRANSLATE_NOOP("BookletTab", "Off"), ":/icons/booklet-off", "None"},
    {QT_TRANSLATE_NOOP("BookletTab", "Left edge binding"), ":/icons/booklet-left", "Left"},
    {QT_TRANSLATE_NOOP("BookletTab", "Right edge binding"), ":/icons/booklet-right", "Right"},
};

} // namespace

BookletTab::BookletTab(QWidget *parent)
    : Tab(parent)
{
    buildUi();
    connectSignals();

    auto *layout = new QHBoxLayout(this);
    auto *grid = new QGridLayout;
    grid->addWidget(bindingGroup, 0, 1, Qt::AlignLeft);
    grid->addWidget(foldCheckBox, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);
    layout->addLayout(grid);
}

void BookletTab::initTabName()
{
    tabName = tr("Layout");
    getTabName();
}

void BookletTab::buildUi()
{
    tabName = tr("Layout");

    bindingGroup = new TolButtonGroup(this, tr("Booklet") + QStringLiteral(":"));
    for (const ChoiceButton &row : bindingButtons)
        addChoiceButton(bindingGroup, row);
    foldCheckBox = new QCheckBox(tr("Booklet fold"), this);

    bindingGroup->setAccessibleName(QStringLiteral("butGroupTCBooklet"));
    foldCheckBox->setAccessibleName(QStringLiteral("chkBxFold"));

    addOptionWidget(QStringLiteral("TCBooklet"), bindingGroup);
    addOptionWidget(QStringLiteral("Fold"), foldCheckBox);
    addLabelWidget(QStringLiteral("TCBooklet"), bindingGroup);
    addLabelWidget(QStringLiteral("Fold"), foldCheckBox);
}

void BookletTab::addTabConstraints() {}

void BookletTab::connectSignals()
{
    connectOptionWidgets();
}

QIcon BookletTab::tabIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-layout"));
}

QIcon BookletTab::tabConstraintIcon()
{
    return IconCache::icon(QStringLiteral(":/icons/tab-layout-constraint"));
}

bool BookletTab::hasOptions()
{
    return modelHasAnyRegisteredOption();
}
