#pragma once

#include <QFile>
#include <QString>

#include <sys/inotify.h>
#include <unistd.h>

// Counts the opens of one file by anyone, this process included. Closes are
// watched too, so that back-to-back opens are not merged into one event.
class OpenCounter
{
public:
    explicit OpenCounter(const QString &path)
        : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        m_watching = m_fd >= 0
                     && inotify_add_watch(m_fd, QFile::encodeName(path).constData(),
                                          IN_OPEN | IN_CLOSE_NOWRITE)
                            >= 0;
    }
    ~OpenCounter()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    OpenCounter(const OpenCounter &) = delete;
    OpenCounter &operator=(const OpenCounter &) = delete;

    bool isWatching() const { return m_watching; }
    int opens()
    {
        alignas(inotify_event) char buffer[4096];
        ssize_t length;
        while ((length = read(m_fd, buffer, sizeof buffer)) > 0) {
            for (char *at = buffer; at < buffer + length;) {
                const auto *event = reinterpret_cast<const inotify_event *>(at);
                m_opens += (event->mask & IN_OPEN) != 0;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return m_opens;
    }

private:
    int m_fd;
    bool m_watching = false;
    int m_opens = 0;
};
