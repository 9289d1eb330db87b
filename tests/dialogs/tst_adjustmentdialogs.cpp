// The two adjustment dialogs as a user sees them: the narrow number fields
// show the start of their text, and saved numbers come back as the sliders
// the user left.

#include "TabTestHelpers.h"
#include "TestMain.h"

#include "tabdialogs/adjustmentDialog.h"
#include "tabdialogs/monoDialog.h"

#include <QDir>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// The colour dialog's sliders and fields, in the order the dialog makes them.
const QStringList colourKeys = {"CaHueMaster", "CaHr", "CaHy", "CaHg", "CaHc", "CaHb", "CaHm",
                                "Cast",        "Cabt", "Cact", "CaCR", "CaMG", "CaYB"};

} // namespace

class TestAdjustmentDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void colourFieldShowsItsStart_data();
    void colourFieldShowsItsStart();
    void monoFieldShowsItsStart();
    void monoReloadTruncates_data();
    void monoReloadTruncates();

private:
    std::unique_ptr<tOptionModel> model;
    QTemporaryDir dir;

    void select(const QByteArray &settings)
    {
        QVERIFY(useFixtureModel(model, "imagingtab-full.ppd"));
        QVERIFY(useSettingsFile(dir.filePath("AD.cfg"), settings));
    }
};

void TestAdjustmentDialogs::cleanup()
{
    forgetPrinter();
    model.reset();
}

void TestAdjustmentDialogs::colourFieldShowsItsStart_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<int>("moved");
    QTest::addColumn<QString>("shown");
    // A saved value, then the same field after its slider moved.
    QTest::newRow("red hue") << "CaHr"
                             << "-0.25" << -975 << "-9.75";
    QTest::newRow("saturation") << "Cast"
                                << "-9.75" << -25 << "-0.25";
    QTest::newRow("cyan-red balance") << "CaCR"
                                      << "-1.05" << -1000 << "-10";
    QTest::newRow("master hue") << "CaHueMaster"
                                << "-125" << -179 << "-179";
}

void TestAdjustmentDialogs::colourFieldShowsItsStart()
{
    QFETCH(QString, key);
    QFETCH(QString, saved);
    QFETCH(int, moved);
    QFETCH(QString, shown);
    const QString space = key == "CaCR" ? "1" : "0";
    const int hueIndex = key == "CaHr" ? 1 : 0;
    select(QString("Cadj=True;False\nCaColorSpace=%1;-1\nHueIndex=%2\nf%3=%4\n")
               .arg(space)
               .arg(hueIndex)
               .arg(key, saved)
               .toUtf8());

    adjustmentDialog dialog(nullptr);
    dialog.reload();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QLineEdit *edit = dialog.findChildren<QLineEdit *>().value(colourKeys.indexOf(key));
    QVERIFY(edit && edit->isVisible());
    QCOMPARE(edit->width(), 45);
    QCOMPARE(edit->text(), saved);
    QCOMPARE(edit->cursorPosition(), 0);

    dialog.findChildren<QSlider *>().value(colourKeys.indexOf(key))->setValue(moved);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(edit->cursorPosition(), 0);
    if (key == "CaHr")
        dialog.grab().save(QDir::tempPath() + "/vellumark-adjustment-negative.png");
}

void TestAdjustmentDialogs::monoFieldShowsItsStart()
{
    select("Madj=True;False\nfMalt=-10\n");
    monoDialog dialog(nullptr);
    dialog.reload();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QLineEdit *brightness = dialog.findChildren<QLineEdit *>().value(0);
    QCOMPARE(brightness->text(), QString("-100"));
    QCOMPARE(brightness->cursorPosition(), 0);
    dialog.findChildren<QSlider *>().value(0)->setValue(-99);
    QCOMPARE(brightness->text(), QString("-99"));
    QCOMPARE(brightness->cursorPosition(), 0);
}

void TestAdjustmentDialogs::monoReloadTruncates_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<int>("slider");
    QTest::newRow("2.35") << "2.35" << 23;
    QTest::newRow("-2.35") << "-2.35" << -23;
    QTest::newRow("9.99") << "9.99" << 99;
    QTest::newRow("-0.05") << "-0.05" << 0;
    // What the dialog itself saves comes back unchanged.
    QTest::newRow("2.3") << "2.3" << 23;
    QTest::newRow("-0.7") << "-0.7" << -7;
    QTest::newRow("no number") << "abc" << 0;
}

void TestAdjustmentDialogs::monoReloadTruncates()
{
    QFETCH(QString, saved);
    QFETCH(int, slider);
    select(QString("Madj=True;False\nfMalt=%1\nfMact=%1\n").arg(saved).toUtf8());
    monoDialog dialog(nullptr);
    dialog.reload();
    const QList<QSlider *> sliders = dialog.findChildren<QSlider *>();
    QCOMPARE(sliders.value(0)->value(), slider);
    QCOMPARE(sliders.value(1)->value(), slider);
    QCOMPARE(dialog.findChildren<QLineEdit *>().value(0)->text(), QString::number(slider));
}

VM_TEST_MAIN(TestAdjustmentDialogs)
#include "tst_adjustmentdialogs.moc"
