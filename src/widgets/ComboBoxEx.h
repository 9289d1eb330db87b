#pragma once

#include <QComboBox>

class QStyleOptionComboBox;

// A combo box whose popup is as wide as its widest item, so long choice
// texts are never cut off in the list. Closed, it shows its current text
// whole where it is wide enough, else elided with the whole text as tool tip.
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
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The current text as the closed box shows it.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QRect labelRect(const QStyleOptionComboBox &option) const;
    QSize withArrowRoom(QSize size) const;
    void syncToolTip(const QString &shown);

    // The tool tip this box set itself, so that it never replaces one
    // given from outside.
    QString ownToolTip;
};
