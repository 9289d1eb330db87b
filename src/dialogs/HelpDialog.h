#pragma once

#include <QDialog>

class QDialogButtonBox;
class QTextEdit;

// Shows the help page of the option tab that is current in the main window.
class HelpDialog : public QDialog
{
    Q_OBJECT

public:
    explicit HelpDialog(QWidget *parent = nullptr);

    // Shows the page of the tab named tabName: the tab's English name, or the
    // name as the tab shows it under the loaded translation. Unknown names
    // show the printer page.
    void setPage(const QString &tabName);

    static QString helpResourceForTab(const QString &tabName);
    // The page's text, empty when its resource cannot be opened.
    static QString helpText(const QString &tabName);

private:
    QTextEdit *pageView;
    QDialogButtonBox *buttonBox;
};
