#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

class tOption;

// The options of one printer, their constraints and which choices the
// current selection blocks. Owns every option it was ever given.
class tOptionModel
{
public:
    tOptionModel();
    ~tOptionModel();

    // Exact, case-sensitive lookup; null when the model has no such option.
    tOption *option(const QString &keyword) const;
    // Every option, in the order they were first added.
    QList<tOption *> options() const;
    // An option already held under the same keyword is replaced: its blocks
    // are lifted, and it stays alive (constraints may point to it) until the
    // model goes.
    void addOption(tOption *option);

    // Does nothing at all unless the option exists and has that choice.
    void setCurrentChoice(const QString &keyword, const QString &choiceKeyword);

    // Mutual conflict between two choices; ignored when either is missing.
    void addConstraint(const QString &keyword1, const QString &choice1, const QString &keyword2,
                       const QString &choice2);
    // (option keyword, choice keyword) members; only groups of exactly three
    // resolvable members are added, ordered by ascending precedence.
    void addGroupConstraint(const QList<QPair<QString, QString>> &members);
    // Lifts every block; current choices and constraints stay.
    void resetConstraints();

    QList<tOption *> installableOptions() const;

    QHash<QString, QString> defaultChoices() const { return m_defaults; }
    void insertDefaultChoice(const QString &keyword, const QString &choiceKeyword);

    void setPrecedence(const QString &keyword, int level);

    QString printerName() const { return m_printerName; }
    void setPrinterName(const QString &name) { m_printerName = name; }
    QString modelName() const { return m_modelName; }
    void setModelName(const QString &name) { m_modelName = name; }
    bool hasRasterOrPdfFilter() const { return m_rasterOrPdfFilter; }
    void setRasterOrPdfFilter(bool on) { m_rasterOrPdfFilter = on; }
    bool hasTpslFilter() const { return m_tpslFilter; }
    void setTpslFilter(bool on) { m_tpslFilter = on; }

private:
    tOptionModel(const tOptionModel &) = delete;
    tOptionModel &operator=(const tOptionModel &) = delete;

    bool m_rasterOrPdfFilter = false;
    bool m_tpslFilter = false;
    QString m_printerName;
    QString m_modelName;
    QHash<QString, tOption *> m_options;
    QHash<QString, QString> m_defaults;
    // Options in the hash, in order of addition (a replacement takes the
    // slot of the option it replaces).
    QList<tOption *> m_order;
    // Every option ever added, replaced ones included; all deleted with the model.
    QList<tOption *> m_owned;
};
