#include "app/AppTranslators.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/HelpDialog.h"
#include "dialogs/LicenseDialog.h"
#include "dialogs/TelemetryDialog.h"
#include "system/SystemPaths.h"
#include "widgets/MessageBoxes.h"
#include "MessageRecorder.h"
#include "TestMain.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QImage>
#include <QKeySequence>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

namespace {

QPushButton *buttonWithText(QWidget &parent, const QString &text)
{
    for (QPushButton *button : parent.findChildren<QPushButton *>())
        if (button->text() == text)
            return button;
    return nullptr;
}

// Names the tabs as a German interface would.
class GermanTabNames : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "GeneralTab") == 0 && qstrcmp(sourceText, "Basic") == 0)
            return QStringLiteral("Allgemein");
        if (qstrcmp(context, "FinishingTab") == 0 && qstrcmp(sourceText, "Finishing") == 0)
            return QStringLiteral("Endverarbeitung");
        return QString();
    }
};

// Presses OK of the modal dialog once its event loop runs; records whether
// it was showing then.
void acceptWhenShown(QDialog *dialog, bool *shown)
{
    QTimer::singleShot(0, dialog, [dialog, shown]() {
        *shown = dialog->isVisible() && dialog->isModal();
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
}

void saveScreenshot(QWidget &widget, const QString &name)
{
    widget.grab().save(QDir(QDir::tempPath()).filePath(name));
}

} // namespace

class InfoDialogsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir base;

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(dialogs);
        Q_INIT_RESOURCE(app);
        qputenv("USER", "dialogs-tester");
        SystemPaths::setUserBase(base.path());
    }

    void helpPageForTab_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("resource");
        // What the page names as the window's buttons.
        QTest::addColumn<QStringList>("buttons");
        const QStringList none;
        const QStringList window {"Apply", "OK", "Cancel", "Save As...", "Profiles...", "?"};
        QTest::newRow("Printer") << "Printer"
                                 << ":/strings/help_printer" << window;
        QTest::newRow("Basic") << "Basic"
                               << ":/strings/help_basic" << none;
        QTest::newRow("Layout") << "Layout"
                                << ":/strings/help_layout" << none;
        QTest::newRow("Finishing") << "Finishing"
                                   << ":/strings/help_finishing" << none;
        QTest::newRow("Imaging") << "Imaging"
                                 << ":/strings/help_imaging" << none;
        QTest::newRow("Publishing") << "Publishing"
                                    << ":/strings/help_publishing" << none;
        QTest::newRow("Job") << "Job"
                             << ":/strings/help_job" << none;
        QTest::newRow("Watermark") << "Watermark"
                                   << ":/strings/help_watermark" << none;
        QTest::newRow("Sentrel") << "Sentrel"
                                 << ":/strings/help_sentrel" << none;
        QTest::newRow("letter case differs") << "finishing"
                                             << ":/strings/help_printer" << window;
        QTest::newRow("unknown tab") << "Profiles"
                                     << ":/strings/help_printer" << window;
        QTest::newRow("empty name") << ""
                                    << ":/strings/help_printer" << window;
    }

    void helpPageForTab()
    {
        QFETCH(QString, tab);
        QFETCH(QString, resource);
        QFETCH(QStringList, buttons);
        QCOMPARE(HelpDialog::helpResourceForTab(tab), resource);
        const QString page = HelpDialog::helpText(tab);
        QVERIFY(page.contains(QLatin1String("<body>")));
        // A button is named in bold at the start of a sentence of the
        // section on the window's buttons.
        const QString heading = QStringLiteral("Buttons of the window</h3>");
        const int start = page.indexOf(heading);
        const QString section =
            start < 0 ? QString() : page.mid(start).section(QStringLiteral("<h3>"), 0, 0);
        QStringList named;
        QRegularExpressionMatchIterator found =
            QRegularExpression(QStringLiteral("(?:<p>|[.;] )<b>([^<]+)</b>")).globalMatch(section);
        while (found.hasNext())
            named << found.next().captured(1);
        QCOMPARE(named, buttons);
        // One page serves every language, while the window's buttons take
        // their underlined letters from the language: a key it names must be
        // the same in all of them.
        QRegularExpressionMatchIterator keys =
            QRegularExpression(QStringLiteral("Alt\\+(\\w)</b> for (?:<b>)?(\\w+)"))
                .globalMatch(page);
        while (keys.hasNext()) {
            const QRegularExpressionMatch key = keys.next();
            const QByteArray source = '&' + key.captured(2).toUtf8();
            for (const char *language : {"en", "fr", "de", "it", "pt", "es"}) {
                QTranslator catalogue;
                QVERIFY(catalogue.load(AppTranslators::catalogueOf(QLatin1String(language))));
                const QString text = catalogue.translate("TolDialog", source.constData());
                QVERIFY2(QKeySequence::mnemonic(text.isEmpty() ? QString::fromUtf8(source) : text)
                             == QKeySequence(QStringLiteral("Alt+") + key.captured(1)),
                         qPrintable(QLatin1String(language) + QLatin1Char(' ') + text));
            }
        }
    }

    void helpPageForTranslatedTabName()
    {
        GermanTabNames german;
        QCoreApplication::installTranslator(&german);
        const QString basic = HelpDialog::helpResourceForTab(QStringLiteral("Allgemein"));
        const QString finishing = HelpDialog::helpResourceForTab(QStringLiteral("Endverarbeitung"));
        const QString english = HelpDialog::helpResourceForTab(QStringLiteral("Basic"));
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(basic, QStringLiteral(":/strings/help_basic"));
        QCOMPARE(finishing, QStringLiteral(":/strings/help_finishing"));
        QCOMPARE(english, QStringLiteral(":/strings/help_basic"));
    }

    void helpDialogFollowsTab()
    {
        HelpDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Help"));
        QCOMPARE(dialog.minimumSize(), QSize(650, 500));
        QCOMPARE(dialog.maximumSize(), QSize(650, 500));
        auto *view = dialog.findChild<QTextEdit *>();
        QVERIFY(view->isReadOnly());
        QVERIFY(view->toPlainText().startsWith(QLatin1String("Printer")));

        dialog.setPage(QStringLiteral("Finishing"));
        QVERIFY(view->toPlainText().startsWith(QLatin1String("Finishing")));
        dialog.show();
        saveScreenshot(dialog, QStringLiteral("vellumark-help.png"));
        dialog.setPage(QStringLiteral("no such tab"));
        QVERIFY(view->toPlainText().startsWith(QLatin1String("Printer")));

        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(!dialog.isVisible());
    }

    void aboutDialogButtons()
    {
        MessageRecorder recorder;
        AboutDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About"));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QPushButton *legal = buttonWithText(dialog, QStringLiteral("Legal notices..."));
        QPushButton *data = buttonWithText(dialog, QStringLiteral("Data collection..."));
        QPushButton *close = buttonWithText(dialog, QStringLiteral("Close"));
        QVERIFY(legal && data && close);
        dialog.show();
        saveScreenshot(dialog, QStringLiteral("vellumark-about.png"));

        auto *license = dialog.findChild<LicenseDialog *>();
        QVERIFY(license);
        bool shown = false;
        acceptWhenShown(license, &shown);
        legal->click();
        QVERIFY(shown);
        QVERIFY(!license->isVisible());

        // The consent question starts from the stored answer, and its OK
        // stores the one chosen.
        QFile settings(SystemPaths::settingsFilePath());
        QDir().mkpath(QFileInfo(settings).path());
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("Telemetry=False\n");
        settings.close();
        auto *telemetry = dialog.findChild<TelemetryDialog *>();
        QVERIFY(telemetry);
        shown = false;
        acceptWhenShown(telemetry, &shown);
        data->click();
        QVERIFY(shown);
        QVERIFY(!TelemetryDialog::readTelemetryConsent());

        QVERIFY(dialog.isVisible());
        close->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(recorder.boxes.isEmpty());
    }

    void aboutPictureCarriesTheVersion()
    {
        const QImage picture = AboutDialog::renderAboutImage().toImage();
        QCOMPARE(picture.size(), QSize(483, 310));
        // The version line is painted in black on the white lower half.
        int dark = 0;
        for (int y = 160; y < 180; ++y)
            for (int x = 20; x < 160; ++x)
                dark += qGray(picture.pixel(x, y)) < 100;
        QVERIFY(dark > 20);
    }

    void licenseDialogShowsTheNotices()
    {
        LicenseDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Legal Notices"));
        QCOMPARE(dialog.minimumSize(), QSize(650, 500));
        QCOMPARE(dialog.maximumSize(), QSize(650, 500));
        auto *view = dialog.findChild<QTextEdit *>();
        QVERIFY(view->isReadOnly());
        const QString text = LicenseDialog::licenseText();
        for (const char *component : {"Qt 5", "libcups", "OpenSSL 3", "LGPL", "Apache License"})
            QVERIFY2(text.contains(QLatin1String(component)), component);
        QCOMPARE(view->toPlainText().trimmed(), text.trimmed());
        dialog.show();
        saveScreenshot(dialog, QStringLiteral("vellumark-legal-notices.png"));
        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(!dialog.isVisible());
    }

    // The licences whose terms ask for their text to go with the program,
    // in full, after the maker's lines.
    void licenceTextsInTheNotices_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("Qt") << "LGPL-3";
        QTest::newRow("incorporated by the LGPL") << "GPL-3";
        QTest::newRow("libcups and OpenSSL") << "Apache-2.0";
    }

    void licenceTextsInTheNotices()
    {
        QFETCH(QString, file);
        QFile original(QStringLiteral("/usr/share/common-licenses/") + file);
        if (!original.open(QIODevice::ReadOnly | QIODevice::Text))
            QSKIP("no system copy of the licence to compare with");
        const QString licence = QString::fromUtf8(original.readAll()).trimmed();

        LicenseDialog dialog;
        const QString shown = dialog.findChild<QTextEdit *>()->toPlainText();
        const int maker = shown.indexOf(QLatin1String("Tolvane Corporation"));
        QVERIFY(maker >= 0);
        QVERIFY(shown.indexOf(licence) > maker);

        auto *view = dialog.findChild<QTextEdit *>();
        dialog.show();
        // Where the licence begins, as a reader scrolling down sees it.
        QTextCursor cursor(view->document());
        cursor.setPosition(qMin(shown.indexOf(licence) + 1200, shown.size()));
        view->setTextCursor(cursor);
        view->ensureCursorVisible();
        saveScreenshot(dialog, QStringLiteral("vellumark-legal-notices-%1.png").arg(file));
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("transparent");
        QTest::newRow("application icon") << ":/icons/appicon" << QSize(128, 128) << true;
        QTest::newRow("window background") << ":/icons/background" << QSize(800, 735) << false;
        QTest::newRow("logo") << ":/icons/logo" << QSize(170, 32) << true;
        QTest::newRow("about background") << ":/icons/about-background" << QSize(483, 310) << false;
    }

    void pictures()
    {
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        QFETCH(bool, transparent);
        const QImage image(resource);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), size);
        QCOMPARE(qAlpha(image.pixel(0, 0)) == 0, transparent);
    }
};

VM_TEST_MAIN(InfoDialogsTest)
#include "tst_infodialogs.moc"
