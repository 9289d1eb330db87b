#pragma once

#include "tabs/Tab.h"

#include <QHash>
#include <QString>

class ComboBoxEx;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TolCheckBoxButton;

// The "Watermark" tab: the printer's watermark on or off with its text,
// font, size, colour, angle, style, fill and repetition; named custom
// watermarks that keep a set of those settings under a name of their own
// (listed after the PPD's texts); and the super watermark.
//
// A custom watermark is saved as one "CustomWatermarkStore" value per record,
// "name=font size color angle style fill repeat" (positions in the combo
// lists), plus "CustomWatermarkSet" for the selected one. The name is
// everything before the last "=", so names may themselves hold "=".
class WatermarkTab : public Tab
{
    Q_OBJECT

public:
    // Setting name ("font", "size", "color", "angle", "style", "fill",
    // "repeat") to combo position or 0/1; a missing key reads as 0.
    using Record = QHash<QString, int>;

    explicit WatermarkTab(QWidget *parent);

    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    // True when the printer has any option the tab binds.
    bool hasOptions() override;
    void reload() override;
    void retranslateUi() override;
    // Both first store the current settings under the typed name (or the
    // selected text) while the watermark is on, as Save does.
    QHash<QString, QString> collectOptionValues() override;
    // The custom watermarks and the selected one's name.
    OptionHash extraSettings() override;

    // Exact compare with the seven built-in watermark texts.
    static bool isBuiltinText(const QString &text);
    // The built-in text a choice keyword stands for ("Draft": "DRAFT"); empty
    // for any other keyword.
    static QString builtinTextOf(const QString &keyword);
    // Parses one stored "CustomWatermarkStore" value (backslashes already
    // undoubled) into its name and record. Missing numbers read as 0.
    static void parseStoredRecord(const QString &stored, QString *name, Record *record);
    static QString storedRecord(const QString &name, const Record &record);

public slots:
    void toggleWatermarkSection(bool checked);
    void toggleSuperWatermark(bool checked);
    void handleCustomWatermarkTextEdit();
    void createNewCustomWatermark();
    void deleteCustomWatermark();
    void handleWatermarkSelection(const QString &selection);
    void editCustomWatermark();

protected:
    void initTabName() override;
    void buildUi() override;
    void addTabConstraints() override;
    // The lists also carry each item's choice keyword, so that the model and
    // the saved files get the same choice whatever language the PPD's texts
    // or the added "Black" are in.
    void fillComboBox(ComboBoxEx *combo, tOption *option) override;
    void applyWidgetToOption(int value, QWidget *widget) override;

private:
    void buildLayout();
    void initSuperWatermark();
    void removeCustomItem();
    void addBlackColourItem();
    void resetWatermarkFields();
    // The colour list's item of the PPD's black; -1 when it has none.
    int blackColourItem() const;
    void rebuildTextCombo();
    void loadCustomWatermarks();
    Record recordFromWidgets() const;
    bool isCustomItemSelected() const;
    // The choice keyword an item of one of the tab's lists stands for; empty
    // for a custom watermark, the separator and an added "Black" that names
    // no choice.
    static QString itemKeyword(const ComboBoxEx *combo, int index);
    // A choice's record goes under its language-independent name: the
    // built-in text for a built-in keyword, else the keyword. A custom
    // watermark's record goes under its own name.
    QString recordNameOf(int index) const;
    QString selectedRecordName() const;
    // The item whose record name is `name`: a choice of the PPD first, then a
    // custom watermark; -1 when none.
    int recordItem(const QString &name) const;
    // A built-in text or the record name of a choice: never a custom
    // watermark of its own. A choice's shown text is no such name.
    bool isPrinterText(const QString &name) const;
    // While the watermark is on, keeps the current settings as a record
    // under the typed name, or the selected text when none is typed, and
    // selects that record.
    void storeShownWatermark();
    void selectRecordItem(const QString &name);

    QHash<QString, Record> customWatermarks;
    ComboBoxEx *cmbBxWtxt = nullptr;
    QLineEdit *lnEditCustomWatermark = nullptr;
    QPushButton *butNewCustomWatermark = nullptr;
    QPushButton *butSaveCustomWatermark = nullptr;
    QPushButton *butDeleteCustomWatermark = nullptr;
    QCheckBox *chkBxWFlg = nullptr;
    QLabel *lblWtxt = nullptr;
    QLabel *lblWatermark = nullptr;
    TolCheckBoxButton *chkButWatermark = nullptr;
    QLabel *lblWFnt = nullptr;
    ComboBoxEx *cmbBxWFnt = nullptr;
    QLabel *lblWSze = nullptr;
    ComboBoxEx *cmbBxWsze = nullptr;
    QLabel *lblWClr = nullptr;
    ComboBoxEx *cmbBxClr = nullptr;
    QLabel *lblWang = nullptr;
    ComboBoxEx *cmbBxWang = nullptr;
    QLabel *lblWtrans = nullptr;
    ComboBoxEx *cmbBxWtrans = nullptr;
    QLabel *lblWtyp = nullptr;
    ComboBoxEx *cmbBxWtyp = nullptr;
    QLabel *lblCustomWatermark = nullptr;
    TolCheckBoxButton *chkButSuperWatermark = nullptr;
    QLabel *lblSuperWatermark = nullptr;
    ComboBoxEx *cmbBxSuperWatermark = nullptr;
};
