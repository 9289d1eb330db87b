#pragma once

#include <QComboBox>

// A combo box whose popup is as wide as its widest item, so long choice
// texts are never cut off in the list.
class ComboBoxEx : public QComboBox
{
    Q_OBJECT

public:
    explicit ComboBoxEx(QWidget *parent = nullptr);

    void showPopup() override;
};
