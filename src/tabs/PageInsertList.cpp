#include "tabs/PageInsertList.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace {

const char *const typeRangeMessage =
    QT_TRANSLATE_NOOP("PublishingTab", "Please type a page range.");
const char *const badPagesMessage =
    QT_TRANSLATE_NOOP("PublishingTab", "Please enter your specified pages.");
const char *const tooManyMessage =
    QT_TRANSLATE_NOOP("PublishingTab", "You can only insert up to 50 pages.");
const char *const from3Message =
    QT_TRANSLATE_NOOP("PublishingTab", "You can only enter page numbers between 3 and 511");
const char *const from2Message =
    QT_TRANSLATE_NOOP("PublishingTab", "You can only enter page numbers between 2 and 511");

QRegularExpression whole(const char *pattern)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(pattern)));
}

// Each matched against the whole text.
const QRegularExpression pageCharacters = whole("(\\d|-|,| )*");
const QRegularExpression closedRange = whole("( *\\d+ *\\- *\\d+ *$)");
// A start page of at least 2 without a leading zero, and the hyphen.
const QRegularExpression unfinishedRange = whole(" *([2-9]|[1-9]\\d+) *- *");
const QRegularExpression hasDigit = whole(".*\\d+.*");
const QRegularExpression numberPair = whole(" *\\d+ +\\d+ *");

bool matches(const QRegularExpression &pattern, const QString &text)
{
    return pattern.match(text).hasMatch();
}

PageInsertList::Result refuse(const char *message)
{
    PageInsertList::Result result;
    result.outcome = PageInsertList::Outcome::Refused;
    result.message = message;
    return result;
}

} // namespace

PageInsertList::Result PageInsertList::check(const QString &text, bool frontCoverPrintedBothSides)
{
    if (text.isEmpty())
        return refuse(typeRangeMessage);
    if (checkPageCharacters(text))
        return refuse(badPagesMessage);

    const QStringList entries = splitPageTokens(text);
    if (checkRangeTokens(entries) || checkNonEmptyTokens(entries) || checkNumberPairs(entries))
        return refuse(badPagesMessage);

    const QList<int> pages = pagesFromText(entries);
    Result result;
    if (pages.isEmpty()) {
        result.outcome = Outcome::NoPages;
        return result;
    }

    if (pages.size() > maxPages)
        return refuse(tooManyMessage);
    if (pages.first() < firstPageAfterPrintedCover && frontCoverPrintedBothSides)
        return refuse(from3Message);
    if (pages.last() > lastAllowedPage || pages.first() < firstAllowedPage)
        return refuse(from2Message);

    if (!matches(hasDigit, entries.last())) {
        result.outcome = Outcome::Unfinished;
        return result;
    }

    result.outcome = Outcome::Accepted;
    result.pageList = formatPageList(pages);
    return result;
}

bool PageInsertList::checkPageCharacters(const QString &text)
{
    return !matches(pageCharacters, text);
}

bool PageInsertList::checkRangeTokens(const QStringList &entries)
{
    for (int i = 0; i < entries.size(); ++i) {
        const QString &entry = entries[i];
        if (!entry.contains(QLatin1Char('-')) || matches(closedRange, entry))
            continue;
        const bool last = i == entries.size() - 1;
        if (!(last && matches(unfinishedRange, entry)))
            return true;
    }
    return false;
}

bool PageInsertList::checkNonEmptyTokens(const QStringList &entries)
{
    for (int i = 0; i + 1 < entries.size(); ++i) {
        if (!matches(hasDigit, entries[i]))
            return true;
    }
    return false;
}

bool PageInsertList::checkNumberPairs(const QStringList &entries)
{
    for (const QString &entry : entries) {
        if (matches(numberPair, entry))
            return true;
    }
    return false;
}

QStringList PageInsertList::splitPageTokens(const QString &text)
{
    return text.split(QLatin1Char(','), Qt::KeepEmptyParts);
}

QList<int> PageInsertList::pagesFromText(const QStringList &entries)
{
    std::set<int> pages;
    for (const QString &entry : entries) {
        const QString trimmed = entry.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (trimmed.contains(QLatin1Char('-')))
            expandPageRange(trimmed, pages);
        else
            pages.insert(trimmed.toInt()); // not a valid int: 0, refused later
        if (int(pages.size()) > maxPages)
            break;
    }
    return QList<int>(pages.cbegin(), pages.cend());
}

void PageInsertList::expandPageRange(const QString &entry, std::set<int> &pages)
{
    // An unfinished range ("12-") adds nothing yet.
    if (!matches(closedRange, entry))
        return;
    const QStringList ends = entry.split(QLatin1Char('-'));
    const int a = ends.value(0).trimmed().toInt();
    const int b = ends.value(1).trimmed().toInt();
    // Wider than int, so a range ending at INT_MAX still ends.
    for (qint64 page = std::min(a, b); page <= std::max(a, b); ++page) {
        pages.insert(int(page));
        if (int(pages.size()) > maxPages)
            return;
    }
}

QString PageInsertList::formatPageList(const QList<int> &pages)
{
    QStringList numbers;
    numbers.reserve(pages.size());
    for (int page : pages)
        numbers.append(QString::number(page));
    return numbers.join(QLatin1Char(','));
}
