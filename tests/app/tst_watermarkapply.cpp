// Custom watermarks through the main window's Apply against a private cupsd:
// a printer's own text keeps its stored record when the settings are saved
// under a new name, and the text lpoptions receives is the one stored in the
// ".cfg" file and shown after the next start.
#include "MainRoadFixture.h"
#include "SandboxCups.h"
#include "TestMain.h"

#include "tabs/WatermarkTab.h"
#include "widgets/TolCheckBoxButton.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>

#include <unistd.h>

namespace {

const QString queue = QStringLiteral("WM");
const QString applied = QStringLiteral("Settings applied.");

// The watermark tab's widgets in a main window.
struct WatermarkPage
{
    explicit WatermarkPage(TolDialog &dialog)
        : tab(dialog.findChild<WatermarkTab *>())
    {
        if (!tab)
            return;
        for (ComboBoxEx *combo : tab->findChildren<ComboBoxEx *>()) {
            // The text list is the one combo box without an accessible name.
            if (combo->accessibleName().isEmpty())
                text = combo;
            else if (combo->accessibleName() == QLatin1String("cmbBxWFnt"))
                font = combo;
        }
        for (QLineEdit *edit : tab->findChildren<QLineEdit *>()) {
            if (edit->accessibleName() == QLatin1String("lnEditCustomWatermark"))
                name = edit;
        }
        for (TolCheckBoxButton *button : tab->findChildren<TolCheckBoxButton *>()) {
            if (button->accessibleName() == QLatin1String("chkButWatermark"))
                onOff = button;
        }
    }

    bool complete() const { return tab && text && font && name && onOff; }

    WatermarkTab *tab = nullptr;
    ComboBoxEx *text = nullptr;
    ComboBoxEx *font = nullptr;
    QLineEdit *name = nullptr;
    TolCheckBoxButton *onOff = nullptr;
};

// The values of a key the tab saves beside the options (no ";" default
// part), in file order.
QStringList cfgValues(const QString &path, const QString &key)
{
    QStringList values;
    const QStringList lines = QString::fromUtf8(RoadSession::readFile(path)).split('\n');
    for (const QString &line : lines) {
        if (line.startsWith(key + QLatin1Char('=')))
            values << line.mid(key.size() + 1);
    }
    return values;
}

} // namespace

class WatermarkApplyTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (geteuid() == 0)
            QSKIP("the window refuses root; run as an ordinary user");
        qputenv("USER", "watermarkapply");
        qputenv("LANG", "C");
        qputenv("LC_ALL", "C");
        QVERIFY2(cups.start({{"watermarktab-full.ppd", queue}}), qPrintable(cups.errorText()));
    }

    void init() { session.reset(new RoadSession); }
    void cleanup() { session.reset(); }

    // Saving the settings of a selected printer's own text under a new name
    // makes a custom watermark beside it; the own text's record stays.
    void builtinRecordKeptUnderNewName()
    {
        RoadWindow window;
        QVERIFY(QTest::qWaitForWindowActive(&window.dialog));
        QVERIFY(window.select(queue));
        WatermarkPage page(window.dialog);
        QVERIFY(page.complete());
        page.onOff->checkBox()->click();
        page.text->setCurrentText(QStringLiteral("DRAFT"));
        page.font->setCurrentIndex(1);
        window.click(QDialogButtonBox::Apply);
        QCOMPARE(session->boxes.count(applied), 1);
        const QStringList draft =
            cfgValues(session->cfgPath(queue), QStringLiteral("CustomWatermarkStore"));
        QCOMPARE(draft.size(), 1);
        QVERIFY2(draft.first().startsWith(QLatin1String("DRAFT=1 ")), qPrintable(draft.first()));

        page.name->setFocus();
        QTest::keyClicks(page.name, QStringLiteral("Secret"));
        page.font->setCurrentIndex(2);
        window.click(QDialogButtonBox::Apply);
        QCOMPARE(session->boxes.count(applied), 2);
        QStringList stored =
            cfgValues(session->cfgPath(queue), QStringLiteral("CustomWatermarkStore"));
        stored.sort();
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored.first(), draft.first());
        QVERIFY2(stored.last().startsWith(QLatin1String("Secret=2 ")), qPrintable(stored.last()));
    }

    void printedTextIsStoredAndShown_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("one word") << QStringLiteral("Secret");
        QTest::newRow("blanks and marks") << QStringLiteral("Top Secret! $5 @home");
    }

    // A new name typed with a printer's own text selected: what lpoptions
    // holds, what the file stores and what the tab shows after the next
    // start are one and the same text.
    void printedTextIsStoredAndShown()
    {
        QFETCH(QString, typed);
        {
            RoadWindow window;
            QVERIFY(QTest::qWaitForWindowActive(&window.dialog));
            QVERIFY(window.select(queue));
            WatermarkPage page(window.dialog);
            QVERIFY(page.complete());
            page.onOff->checkBox()->click();
            QCOMPARE(page.text->currentText(), QStringLiteral("CONFIDENTIAL"));
            page.name->setFocus();
            QTest::keyClicks(page.name, typed);
            window.click(QDialogButtonBox::Apply);
            QCOMPARE(session->boxes.count(applied), 1);
            QCOMPARE(page.text->currentText(), typed);
        }
        QCOMPARE(cfgValues(session->cfgPath(queue), QStringLiteral("CustomWatermarkSet")),
                 QStringList(typed));
        QCOMPARE(printerOption(QStringLiteral("Wtxt")), typed);

        RoadWindow again;
        QVERIFY(QTest::qWaitForWindowActive(&again.dialog));
        QVERIFY(again.select(queue));
        WatermarkPage page(again.dialog);
        QVERIFY(page.complete());
        QCOMPARE(page.text->currentText(), typed);
        QCOMPARE(page.name->text(), typed);
    }

private:
    // The value of one option as "lpoptions -p" reports it for the user,
    // with the report's quoting undone.
    QString printerOption(const QString &keyword)
    {
        QProcess lpoptions;
        lpoptions.start(QStringLiteral("lpoptions"), {QStringLiteral("-p"), queue});
        if (!lpoptions.waitForFinished(120000))
            return QStringLiteral("<lpoptions did not end>");
        const QString report = QString::fromUtf8(lpoptions.readAllStandardOutput());
        // Words are name=value; a value with blanks or marks is quoted with
        // single quotes or has its characters escaped by backslashes.
        QString word;
        QStringList words;
        QChar quote;
        bool escaped = false;
        for (const QChar c : report) {
            if (escaped) {
                word += c;
                escaped = false;
            } else if (c == QLatin1Char('\\') && quote != QLatin1Char('\'')) {
                escaped = true;
            } else if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
                else
                    word += c;
            } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                quote = c;
            } else if (c.isSpace()) {
                if (!word.isEmpty())
                    words << word;
                word.clear();
            } else {
                word += c;
            }
        }
        if (!word.isEmpty())
            words << word;
        for (const QString &w : qAsConst(words)) {
            if (w.startsWith(keyword + QLatin1Char('=')))
                return w.mid(keyword.size() + 1);
        }
        return QStringLiteral("<no %1 in: %2>").arg(keyword, report);
    }

    SandboxCups cups;
    std::unique_ptr<RoadSession> session;
};

VM_TEST_MAIN(WatermarkApplyTest)
#include "tst_watermarkapply.moc"
