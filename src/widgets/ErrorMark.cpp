#include "widgets/ErrorMark.h"

#include <QLabel>

namespace ErrorMark {

const QString fragment = QStringLiteral(" <img src=':/icons/error'> ");
const QString iconPath = QStringLiteral(":/icons/error");
const QString toolTipStyle = QStringLiteral(
    "QToolTip { color: #ffffff; background-color: #2a82da; border: 1px solid white; }");

QString stripped(const QString &text)
{
    QString result = text;
    result.remove(fragment);
    result.remove(fragment.mid(1));
    return result;
}

void addTo(QLabel *label)
{
    label->setTextFormat(Qt::RichText);
    label->setText(stripped(label->text()) + fragment);
}

void removeFrom(QLabel *label)
{
    const QString text = label->text();
    const QString clean = stripped(text);
    if (clean != text)
        label->setText(clean);
}

} // namespace ErrorMark
