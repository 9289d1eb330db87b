#pragma once

#include <QString>
#include <QtGlobal>

// Counts the messages that contain `text` while it lives; every message
// still goes on to the handler installed before it. One at a time.
class MessageCounter
{
public:
    explicit MessageCounter(const QString &text)
    {
        watched = text;
        seen = 0;
        previous = qInstallMessageHandler(handle);
    }
    ~MessageCounter() { qInstallMessageHandler(previous); }
    MessageCounter(const MessageCounter &) = delete;
    MessageCounter &operator=(const MessageCounter &) = delete;

    int count() const { return seen; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (message.contains(watched))
            ++seen;
        if (previous)
            previous(type, context, message);
    }

    static inline QString watched;
    static inline int seen = 0;
    static inline QtMessageHandler previous = nullptr;
};
