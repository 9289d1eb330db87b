#pragma once

#include <QString>

class QLabel;

// The error mark shown beside an offending option: an image appended to a
// title's rich text, with the message as the label's tool tip.
namespace ErrorMark {

// " <img src=':/icons/error'> ": a blank, the image tag, a blank.
extern const QString fragment;
// Resource path of the image, also used as a check box's icon.
extern const QString iconPath;
// Style sheet that makes a marked label's tool tip readable.
extern const QString toolTipStyle;

// The text without any mark, also without a mark whose leading blank was
// lost, so that marking and clearing never let blanks pile up.
QString stripped(const QString &text);

// Shows exactly one mark after the label's text (switching it to rich text).
void addTo(QLabel *label);
// Removes every mark from the label's text; the tool tip is left alone.
void removeFrom(QLabel *label);

} // namespace ErrorMark
