#include "dialogs/LicenseDialog.h"

#include "widgets/ScreenFit.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTextEdit>
#include <QTextStream>
#include <QVBoxLayout>

LicenseDialog::LicenseDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Legal Notices"));

    auto *layout = new QVBoxLayout(this);
    textView = new QTextEdit(this);
    textView->setReadOnly(true);
    ScreenFit::keepFixedSize(this, QSize(650, 500));
    // The notices are plain text: shown as such, an address in angle
    // brackets or a "<" can't be taken for markup.
    textView->setPlainText(licenseText());
    // The licence texts are set in lines of up to 78 characters, indented
    // and centred with blanks: a fixed-pitch font small enough for 80
    // columns in the view keeps them as written.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!QFontInfo(font).fixedPitch()) {
        // Some platforms name no fixed font of their own.
        font.setFamily(QStringLiteral("monospace"));
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    font.setPointSize(textView->font().pointSize());
    const int columnsWidth = width() - 60; // margins, frame and scroll bar
    while (font.pointSize() > 7
           && QFontMetrics(font).horizontalAdvance(QString(80, QLatin1Char('M'))) > columnsWidth)
        font.setPointSize(font.pointSize() - 1);
    textView->setFont(font);

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    layout->addWidget(textView);
    layout->addWidget(buttonBox);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &LicenseDialog::accept);
}

QString LicenseDialog::licenseText()
{
    QFile file(QStringLiteral(":/strings/license"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream in(&file);
    in.setCodec("UTF-8");
    return in.readAll();
}
