#include "dialogs/AboutDialog.h"

#include "dialogs/TelemetryDialog.h"
#include "widgets/MessageBoxes.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

namespace {
const int kPictureWidth = 480;
const int kPictureHeight = 300;
} // namespace

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About"));

    auto *layout = new QGridLayout(this);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(2, 1);

    telemetryDialog = new TelemetryDialog(this);

    pictureLabel = new QLabel(this);
    pictureLabel->setMinimumSize(kPictureWidth, kPictureHeight);
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
    setFixedSize(sizeHint());

    connect(closeButton, &QPushButton::clicked, this, &AboutDialog::close);
    connect(legalNoticesButton, &QPushButton::clicked, this, &AboutDialog::showLegalNotices);
    connect(dataCollectionButton, &QPushButton::clicked, telemetryDialog, &TelemetryDialog::exec);
}

QString AboutDialog::version()
{
    return QStringLiteral("1.0");
}

QPixmap AboutDialog::renderAboutImage()
{
    QPixmap picture(kPictureWidth, kPictureHeight);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    QLinearGradient gradient(0, 0, 0, kPictureHeight);
    gradient.setColorAt(0.0, QColor(0xfb, 0xfc, 0xfe));
    gradient.setColorAt(1.0, QColor(0xe3, 0xea, 0xf3));
    painter.fillRect(picture.rect(), gradient);
    painter.fillRect(QRect(0, kPictureHeight - 6, kPictureWidth, 6), QColor(0x2f, 0x5d, 0x8a));

    painter.drawPixmap(QRect(20, 24, 96, 96), QPixmap(QStringLiteral(":/icons/appicon")));

    // Shrink the name until it fits, whatever font the platform substitutes.
    const QString name = QStringLiteral("Tolvane Vellumark");
    const int nameLeft = 136, nameRoom = kPictureWidth - nameLeft - 16;
    QFont font = painter.font();
    font.setBold(true);
    for (int size = 22; size > 8; --size) {
        font.setPointSize(size);
        if (QFontMetrics(font).horizontalAdvance(name) <= nameRoom)
            break;
    }
    painter.setFont(font);
    painter.setPen(QColor(0x2f, 0x5d, 0x8a));
    painter.drawText(QPoint(nameLeft, 80), name);

    font.setBold(false);
    font.setPointSize(9);
    painter.setFont(font);
    painter.setPen(QColor(0x44, 0x4c, 0x56));
    painter.drawText(QPoint(nameLeft + 2, 104), tr("Default print settings for your printers"));

    font.setPointSize(10);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(20, 175), tr("Version") + QLatin1Char(' ') + version());
    painter.end();
    return picture;
}

void AboutDialog::showLegalNotices()
{
    MessageBoxes::information(
        tr("Legal Notices"),
        tr("Vellumark uses the Qt toolkit (GNU LGPL version 3), the CUPS library "
           "(Apache License 2.0) and the OpenSSL library (Apache License 2.0). "
           "Each component is distributed under its own licence."));
}
