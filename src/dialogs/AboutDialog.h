#pragma once

#include <QDialog>
#include <QPixmap>

class QDialogButtonBox;
class QLabel;
class QPushButton;
class TelemetryDialog;

// The about box: a picture with the program version, and buttons for the
// legal notices and the data-collection question.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

    static QString version();
    static QPixmap renderAboutImage();

private slots:
    void showLegalNotices();

private:
    QLabel *pictureLabel;
    QDialogButtonBox *buttonBox;
    QPushButton *closeButton;
    QPushButton *dataCollectionButton;
    QPushButton *legalNoticesButton;
    TelemetryDialog *telemetryDialog;
};
