#include "system/FetchedPpd.h"

#include <QFile>

#include <cups/cups.h>
#include <cups/ppd.h>

#include <unistd.h>

// libcups marks its whole PPD interface deprecated; this is one of the few
// files that read PPDs.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

FetchedPpd::FetchedPpd(const QString &queueName)
{
    const QByteArray name = queueName.toUtf8();
    // The returned name lives in a buffer of libcups that the next call
    // overwrites: keep a copy at once.
    if (const char *fetched = cupsGetPPD(name.constData())) {
        m_pathBytes = QByteArray(fetched);
        m_path = QFile::decodeName(m_pathBytes);
        m_ppd = ppdOpenFile(m_pathBytes.constData());
    }
}

FetchedPpd::~FetchedPpd()
{
    if (m_ppd)
        ppdClose(m_ppd);
    if (!m_pathBytes.isEmpty())
        unlink(m_pathBytes.constData());
}

#pragma GCC diagnostic pop
