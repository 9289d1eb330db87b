#pragma once

#include <QComboBox>

// A combo box whose popup is as wide as its widest item, so long choice
// texts are never cut off in the list.
class ComboBoxEx : public QComboBox
{
    Q_OBJECT

public:
    explicit ComboBoxEx(QWidget *parent = nullptr);

    // QComboBox's text form of currentIndexChanged, for connecting; its slots
    // run after every slot of the int form. currentTextChanged is no
    // stand-in: it also fires when only the current item's text changes.
    using TextSignal = void (QComboBox::*)(const QString &);
    static TextSignal currentIndexTextChanged();

    void showPopup() override;
};
