#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <set>

// The "Insert before pages:" text of the Publishing tab, such as "3, 7-9":
// whether it is an acceptable page list and, if so, its normal form
// ("3,7,8,9"). The check runs on every edit, so a text still being typed
// (a trailing comma, a range without its end page) is tolerated rather than
// refused.
class PageInsertList
{
public:
    enum class Outcome {
        Accepted,   // pageList holds the normal form
        Refused,    // message names the fault
        NoPages,    // nothing to refuse yet, but no page either ("12-")
        Unfinished, // pages so far are fine, the text ends mid-entry ("3,")
    };

    struct Result
    {
        Outcome outcome = Outcome::Refused;
        // Untranslated; the Publishing tab translates it in its own context.
        const char *message = nullptr;
        QString pageList;
    };

    static constexpr int maxPages = 50;
    static constexpr int firstAllowedPage = 2;
    // A front cover printed on both sides takes up pages 1 and 2.
    static constexpr int firstPageAfterPrintedCover = 3;
    static constexpr int lastAllowedPage = 511;

    static Result check(const QString &text, bool frontCoverPrintedBothSides);

    // Sub-checks: each returns true when the text is bad.
    static bool checkPageCharacters(const QString &text);
    static bool checkRangeTokens(const QStringList &entries);
    static bool checkNonEmptyTokens(const QStringList &entries);
    static bool checkNumberPairs(const QStringList &entries);

    static QStringList splitPageTokens(const QString &text);
    // Sorted, without duplicates. Stops early once more than maxPages
    // distinct pages are known: the list is refused then anyway, and a range
    // such as "2-99999" must not build a huge list.
    static QList<int> pagesFromText(const QStringList &entries);
    static QString formatPageList(const QList<int> &pages);

private:
    static void expandPageRange(const QString &entry, std::set<int> &pages);
};
