#pragma once

#include <QDialog>

// The window that holds the option tabs: the main window, or a stand-in for
// it in tests. Tabs and the profile dialog connect their signals to these
// slots when their parent is one. They are real slots, so that a unique
// connection made again to the same slot adds nothing.
class TabOwner : public QDialog
{
    Q_OBJECT

public:
    explicit TabOwner(QWidget *parent = nullptr)
        : QDialog(parent)
    {}

public slots:
    // Reruns the constraint pass over every tab.
    virtual void setConstraints() = 0;
    // Couples the colour setting shown in several tabs.
    virtual void toggleColorMode() = 0;
    // Couples the media type with the cover labels of the Publishing tab.
    virtual void togglePublishingFronAndBackLabel() = 0;
    // A profile was loaded: every tab reloads.
    virtual void profileChanged() = 0;
};
