#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

struct ppd_file_s;
typedef struct ppd_file_s ppd_file_t;
class CupsConnection;

// The PPD of a CUPS queue, fetched into a temporary file that is closed and
// removed when this goes, whatever was read from it, so that no fetched copy
// is ever left behind.
class FetchedPpd
{
public:
    // Fetched over the bounded `connection` itself, by a plain GET of the
    // queue's PPD: libcups' own fetch may open a connection of its own,
    // whose waits nothing bounds.
    FetchedPpd(const QString &queueName, CupsConnection &connection);
    ~FetchedPpd();

    // Null when CUPS has no PPD for the queue or the file cannot be opened.
    ppd_file_t *ppd() const { return m_ppd; }
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
    bool m_answered = true;
};
