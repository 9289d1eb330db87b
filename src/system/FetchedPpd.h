#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

#include <ctime>

struct ppd_file_s;
typedef struct ppd_file_s ppd_file_t;
typedef struct _http_s http_t;
class CupsConnection;

// The PPD of a CUPS queue, fetched into a temporary file that is closed and
// removed when this goes, whatever was read from it, so that no fetched copy
// is ever left behind.
class FetchedPpd
{
public:
    explicit FetchedPpd(const QString &queueName);
    // Fetched over the bounded `connection` itself, by a plain GET of the
    // queue's PPD: libcups' own fetch may open a connection of its own,
    // whose waits nothing bounds.
    FetchedPpd(const QString &queueName, CupsConnection &connection);
    // The same over a connection of the caller's (null: the thread's default
    // one).
    FetchedPpd(const QString &queueName, http_t *http);
    // Fetches and opens the PPD only when CUPS says it changed since
    // `*modtime` (0: fetch in any case); `*modtime` then becomes the time to
    // ask with next.
    FetchedPpd(const QString &queueName, time_t *modtime, http_t *http = nullptr);
    ~FetchedPpd();

    // Null when CUPS has no PPD for the queue, the file cannot be opened, or
    // it did not change.
    ppd_file_t *ppd() const { return m_ppd; }
    // CUPS answered that the PPD did not change since the time asked with.
    bool notModified() const { return m_notModified; }
    // False when CUPS gave no answer at all (no connection, none in time), as
    // opposed to an answer that it has no PPD for the queue.
    bool answered() const { return m_answered; }
    // The temporary copy; empty when nothing was fetched.
    QString path() const { return m_path; }

    // The keywords of the options declared inside a *OpenSubGroup /
    // *CloseSubGroup pair of the fetched file, at any depth. libcups files
    // them under the parent group, so only the file itself tells them apart.
    QSet<QString> subgroupKeywords() const;

private:
    FetchedPpd(const FetchedPpd &) = delete;
    FetchedPpd &operator=(const FetchedPpd &) = delete;

    QByteArray m_pathBytes;
    QString m_path;
    ppd_file_t *m_ppd = nullptr;
    bool m_notModified = false;
    bool m_answered = true;
};
