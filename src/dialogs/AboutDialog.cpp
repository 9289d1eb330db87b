#include "dialogs/AboutDialog.h"

#include "dialogs/LicenseDialog.h"
#include "dialogs/TelemetryDialog.h"
#include "widgets/ScreenFit.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

const char kVersion[] = "9.1.0";
const QSize kBackgroundSize(483, 310);

struct PictureText
{
    QPoint baseline; // left end of the text's base line, in image pixels
    int pointSize;
    const char *text; // translated in the AboutDialog context
};

// The version line is painted apart: its number is not translated.
const PictureText kMakerLines[] = {
    {{20, 280},
     7,
     QT_TRANSLATE_NOOP("AboutDialog",
                       "Copyright © 2022 Tolvane Corporation. All rights reserved.")},
    {{20, 295},
     7,
     QT_TRANSLATE_NOOP("AboutDialog",
                       "Tolvane and Vellumark are trademarks of Tolvane Corporation.")},
};

} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About"));

    auto *layout = new QGridLayout(this);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(2, 1);

    licenseDialog = new LicenseDialog(this);
    telemetryDialog = new TelemetryDialog(this);

    pictureLabel = new QLabel(this);
    pictureLabel->setMinimumSize(480, 300);
    closeButton = new QPushButton(tr("Close"), this);
    dataCollectionButton = new QPushButton(tr("Data collection") + QStringLiteral("..."), this);
    legalNoticesButton = new QPushButton(tr("Legal notices") + QStringLiteral("..."), this);

    buttonBox = new QDialogButtonBox(this);
    buttonBox->addButton(legalNoticesButton, QDialogButtonBox::HelpRole);
    buttonBox->addButton(dataCollectionButton, QDialogButtonBox::HelpRole);
    buttonBox->addButton(closeButton, QDialogButtonBox::RejectRole);

    pictureLabel->setPixmap(renderAboutImage());

    layout->addWidget(pictureLabel, 0, 0);
    layout->addWidget(buttonBox, 1, 0);
    ScreenFit::keepFixedSize(this, sizeHint());

    connect(closeButton, &QPushButton::clicked, this, &AboutDialog::close);
    connect(legalNoticesButton, &QPushButton::clicked, licenseDialog, &LicenseDialog::exec);
    connect(dataCollectionButton, &QPushButton::clicked, telemetryDialog, &TelemetryDialog::exec);
}

QPixmap AboutDialog::renderAboutImage()
{
    // A palette PNG loads as an indexed image, which QPainter cannot paint
    // on; a missing resource loads as a null one. Paint on a true-colour
    // copy, or on a blank picture of the background's size.
    QImage image(QStringLiteral(":/icons/about-background"));
    if (image.isNull()) {
        image = QImage(kBackgroundSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
    } else {
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }

    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setFont(QFont(QStringLiteral("Tahoma"), 10, QFont::Normal, false));
    painter.drawText(QPoint(20, 175), tr("Version") + QLatin1Char(' ') + QLatin1String(kVersion));
    for (const PictureText &line : kMakerLines) {
        painter.setFont(QFont(QStringLiteral("Tahoma"), line.pointSize));
        painter.drawText(line.baseline, tr(line.text));
    }
    painter.end();
    return QPixmap::fromImage(image);
}
