#pragma once

#include <QDialog>
#include <QPixmap>

class LicenseDialog;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class TelemetryDialog;

// The about box: a picture with the program version and the maker's lines,
// and buttons for the legal notices and the data-collection question.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

    // The background picture with the version and maker lines painted on it.
    static QPixmap renderAboutImage();

private:
    QLabel *pictureLabel;
    QDialogButtonBox *buttonBox;
    QPushButton *closeButton;
    QPushButton *dataCollectionButton;
    QPushButton *legalNoticesButton;
    LicenseDialog *licenseDialog;
    TelemetryDialog *telemetryDialog;
};
