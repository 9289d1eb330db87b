#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QRadioButton;
class QTextEdit;

// Asks whether usage information may be collected and keeps the answer as a
// single line in the per-user "Settings" file. Nothing is ever sent; the
// answer is only recorded.
class TelemetryDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TelemetryDialog(QWidget *parent = nullptr);

    // The privacy policy in the system language, empty when unreadable.
    static QString policyText();
    // The policy resource for a locale name such as "pt_BR" or "C".
    static QString policyResourceFor(const QString &localeName);
    // The stored answer; yes when "Settings" cannot be read (first run).
    static bool readTelemetryConsent();
    // Whether the question was answered: "Settings" can be read.
    static bool isAnswered();

public slots:
    // Preselects the stored answer, then runs the dialog modally.
    int exec() override;
    // Stores the chosen answer, then accepts.
    void accept() override;

private:
    QLabel *introLabel;
    QLabel *noticeLabel;
    QLabel *policyHeadingLabel;
    QTextEdit *policyView;
    QRadioButton *yesButton;
    QRadioButton *noButton;
    QDialogButtonBox *buttonBox;
};
