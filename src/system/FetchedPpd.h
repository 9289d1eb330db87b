#pragma once

#include <QByteArray>
#include <QString>

struct ppd_file_s;
typedef struct ppd_file_s ppd_file_t;

// The PPD of a CUPS queue, fetched into a temporary file that is closed and
// removed when this goes, whatever was read from it, so that no fetched copy
// is ever left behind.
class FetchedPpd
{
public:
    explicit FetchedPpd(const QString &queueName);
    ~FetchedPpd();

    // Null when CUPS has no PPD for the queue or the file cannot be opened.
    ppd_file_t *ppd() const { return m_ppd; }
    // The temporary copy; empty when nothing was fetched.
    QString path() const { return m_path; }

private:
    FetchedPpd(const FetchedPpd &) = delete;
    FetchedPpd &operator=(const FetchedPpd &) = delete;

    QByteArray m_pathBytes;
    QString m_path;
    ppd_file_t *m_ppd = nullptr;
};
