#pragma once

#include "tabs/Tab.h"

class ComboBoxEx;
class QFrame;
class QGridLayout;
class QLabel;
class TolButtonGroup;
class TolCheckBoxButton;

// The "Finishing" tab: job separation, four fold types, hole punching,
// stapling and printing rotated by 180 degrees. The fold, punch and staple
// buttons edit the model's own True/False toggles; the fold type itself
// reaches the printer through "FldA", which has no widget and is written
// from the buttons (FinishingTabFolds.cpp holds the fold rules).
class FinishingTab : public Tab
{
    Q_OBJECT

public:
    // `parent` is the main window.
    explicit FinishingTab(QWidget *parent);

    QIcon tabIcon() override;
    QIcon tabConstraintIcon() override;
    // True when the printer has at least one option of this tab.
    bool hasOptions() override;
    void reload() override;
    void resetDisabledTab() override;
    QHash<QString, QString> collectOptionValues() override;

    void flagOptionError(const QString &keyword, const QString &choice) override;
    void clearErrorMarks() override;
    bool isConstraintMarked() override;

public slots:
    // The model takes the fold the buttons show (one fold on) or no fold.
    void markFold();
    // Four folds on at once: their labels carry the error mark.
    void checkFoldConstraints();
    void toggleStaple(bool toggled);
    void togglePunch(bool toggled);
    void toggleTriFold(bool toggled);
    void toggleBiFold(bool toggled);
    void toggleZFold(bool toggled);
    void hideZFold();
    void hideBiFoldPrintSide();
    void hideZFoldOptions();

protected:
    void initTabName() override;
    void buildUi() override;
    virtual void connectSignals();

private:
    // One fold type: its button, label, toggle option and "FldA" choice.
    struct Fold
    {
        TolCheckBoxButton *button;
        QLabel *label;
        const char *toggle;
        const char *foldChoice;
    };
    // Tri-fold, bi-fold, Z-fold, engineering fold.
    QList<Fold> folds() const;

    // A finisher's heading and check button, and a labelled list under one;
    // built in the order of their tables, which is also the focus order.
    struct LabelRow
    {
        const char *text;
        const char *suffix;
        const char *name;
    };
    struct FinisherRow
    {
        QLabel *FinishingTab::*heading;
        TolCheckBoxButton *FinishingTab::*button;
        LabelRow headingText;
        const char *buttonText;
        const char *icon;
        const char *buttonName;
        const char *toggle;
        // The staple lists follow the button through linkStapleCount.
        bool listsFollow;
    };
    struct ListRow
    {
        TolCheckBoxButton *FinishingTab::*button;
        QLabel *FinishingTab::*label;
        ComboBoxEx *FinishingTab::*list;
        LabelRow labelText;
        const char *listName;
        const char *keyword;
        bool fixedWidth;
    };
    static const FinisherRow finisherRows[];
    static const ListRow listRows[];

    void buildLayout();
    void initFolds();
    void initStaple();
    void initPunch();
    void initRotate();
    void initSeparation();
    void linkStapleCount(bool linked);
    // The "FldA" choice the buttons stand for on saving.
    QString collectedFold() const;

    QGridLayout *leftGrid = nullptr;
    QFrame *engrFoldLine = nullptr;
    bool foldMarked = false;

    TolButtonGroup *sepGroup = nullptr;
    QLabel *triFoldLabel = nullptr;
    TolCheckBoxButton *triFoldButton = nullptr;
    QLabel *triPrintSideLabel = nullptr;
    ComboBoxEx *triPrintSideCombo = nullptr;
    QLabel *triDirectionLabel = nullptr;
    ComboBoxEx *triDirectionCombo = nullptr;
    QLabel *triSheetsLabel = nullptr;
    ComboBoxEx *triSheetsCombo = nullptr;
    QLabel *engrFoldLabel = nullptr;
    TolCheckBoxButton *engrFoldButton = nullptr;
    QLabel *zFoldLabel = nullptr;
    TolCheckBoxButton *zFoldButton = nullptr;
    QLabel *zDirectionLabel = nullptr;
    ComboBoxEx *zDirectionCombo = nullptr;
    QLabel *zSheetsLabel = nullptr;
    ComboBoxEx *zSheetsCombo = nullptr;
    QLabel *biFoldLabel = nullptr;
    TolCheckBoxButton *biFoldButton = nullptr;
    QLabel *biPrintSideLabel = nullptr;
    ComboBoxEx *biPrintSideCombo = nullptr;
    QLabel *biSheetsLabel = nullptr;
    ComboBoxEx *biSheetsCombo = nullptr;
    QLabel *punchHeading = nullptr;
    TolCheckBoxButton *punchButton = nullptr;
    QLabel *punchLabel = nullptr;
    ComboBoxEx *punchCombo = nullptr;
    QLabel *stapleHeading = nullptr;
    TolCheckBoxButton *stapleButton = nullptr;
    QLabel *stapleCountLabel = nullptr;
    ComboBoxEx *stapleCountCombo = nullptr;
    QLabel *stapleLocationLabel = nullptr;
    ComboBoxEx *stapleLocationCombo = nullptr;
    TolButtonGroup *rotateGroup = nullptr;
};
