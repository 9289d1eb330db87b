#pragma once

#include "tabs/Tab.h"

class QCheckBox;
class TolButtonGroup;

// The "Layout" tab: the booklet binding edge as three icon buttons and the
// booklet fold as a check box. All behaviour is the base's; the tab is shown
// when the printer has either option.
class BookletTab : public Tab
{
    Q_OBJECT

public:
    explicit BookletTab(QWidget *parent);

    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    bool hasOptions() override;

protected:
    void initTabName() override;
    void buildUi() override;
    void addTabConstraints() override;
    virtual void connectSignals();

private:
    TolButtonGroup *bindingGroup = nullptr;
    QCheckBox *foldCheckBox = nullptr;
};
