#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

#include <memory>

struct z_stream_s;

// Reads one HTTP/1.1 answer from the bytes as they arrive: the status line,
// the header block, then a body with Content-Length, in chunks or up to the
// end of the stream, gzip or deflate coded or not. Every part is counted
// against its cap as it comes, so nothing past a cap is ever kept: the
// status line and headers (trailers included) together, and the body after
// decoding.
class HttpAnswerReader
{
public:
    enum class State {
        Reading,
        Done,     // status(), reason() and body() hold the answer
        Broken,   // malformed, or its end open to interpretation
        TooLarge, // a part passed its cap
        Cut,      // the stream ended before the answer did
    };

    HttpAnswerReader(qint64 maxHeaderSize, qint64 maxBodySize);
    ~HttpAnswerReader();

    // Takes the next bytes of the stream.
    State feed(const QByteArray &bytes);
    // The stream has ended.
    State finish();

    State state() const { return current; }
    int status() const { return statusCode; }
    QByteArray reason() const { return reasonPhrase; }
    QByteArray body() const { return content; }

private:
    enum class Part { StatusLine, Headers, Body, ChunkSize, ChunkData, ChunkEnd, Trailers };
    enum class Framing { Length, Chunked, UntilClose };

    // Moves bytes up to the next line feed into `line`, within `budget`;
    // true when the line is whole (its line end dropped).
    bool takeLine(const QByteArray &bytes, int *at, qint64 *budget);
    void readStatusLine();
    void headersDone();
    QByteArray headerValues(const QByteArray &name) const;
    void readChunkSize();
    // Decodes and keeps body bytes.
    void keep(const char *data, int size);

    const qint64 maxBodySize;
    State current = State::Reading;
    Part part = Part::StatusLine;
    Framing framing = Framing::UntilClose;
    qint64 headerBudget;
    qint64 lineBudget = 0;
    qint64 left = 0; // of the body or the current chunk
    QByteArray line;
    QList<QPair<QByteArray, QByteArray>> headers; // names in lower case
    int statusCode = 0;
    QByteArray reasonPhrase;
    QByteArray content;
    std::unique_ptr<z_stream_s> inflater;
};
