#include "system/SharedRoutines.h"

#include <QLocale>

namespace {

struct RotateLabel
{
    const char *language;
    const char *label; // UTF-8
};

const RotateLabel rotateLabels[] = {
    {"en", "Rotate 180\u00b0"},  {"fr", "Tourner 180\u00b0"}, {"de", "Rotiert 180\u00b0"},
    {"it", "Ruotato 180\u00b0"}, {"pt", "Girar 180\u00b0"},   {"es", "Girado 180\u00b0"},
};

} // namespace

bool lessByLengthThenText(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

QString rotate180Label()
{
    const QString language = QLocale::system().name().section(QLatin1Char('_'), 0, 0);
    for (const RotateLabel &row : rotateLabels) {
        if (language == QLatin1String(row.language))
            return QString::fromUtf8(row.label);
    }
    return QString::fromUtf8(rotateLabels[0].label);
}
