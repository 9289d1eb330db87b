#include "net/HttpAnswerReader.h"

#include <zlib.h>

namespace {

// A chunk-size line, extensions included, or the line end after a chunk.
const qint64 maxChunkLine = 1024;

} // namespace

HttpAnswerReader::HttpAnswerReader(qint64 maxHeaderSize, qint64 maxBodySize)
    : maxBodySize(maxBodySize)
    , headerBudget(maxHeaderSize)
{}

HttpAnswerReader::~HttpAnswerReader()
{
    if (inflater)
        inflateEnd(inflater.get());
}

HttpAnswerReader::State HttpAnswerReader::feed(const QByteArray &bytes)
{
    int at = 0;
    while (current == State::Reading && at < bytes.size()) {
        switch (part) {
        case Part::StatusLine:
            if (takeLine(bytes, &at, &headerBudget))
                readStatusLine();
            break;
        case Part::Headers:
        case Part::Trailers:
            if (!takeLine(bytes, &at, &headerBudget))
                break;
            if (line.isEmpty()) {
                if (part == Part::Headers)
                    headersDone();
                else
                    current = State::Done;
            } else if (part == Part::Headers) {
                // A line without a colon says nothing; it is passed over.
                const int colon = line.indexOf(':');
                if (colon > 0)
                    headers.append(
                        {line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed()});
            }
            line.clear();
            break;
        case Part::Body:
        case Part::ChunkData: {
            int count = bytes.size() - at;
            if (framing != Framing::UntilClose)
                count = int(qMin<qint64>(count, left));
            keep(bytes.constData() + at, count);
            at += count;
            left -= count;
            if (current != State::Reading || framing == Framing::UntilClose || left > 0)
                break;
            if (part == Part::Body) {
                current = State::Done;
            } else {
                part = Part::ChunkEnd;
                lineBudget = maxChunkLine;
            }
            break;
        }
        case Part::ChunkSize:
            if (takeLine(bytes, &at, &lineBudget))
                readChunkSize();
            break;
        case Part::ChunkEnd:
            if (!takeLine(bytes, &at, &lineBudget))
                break;
            if (!line.isEmpty()) {
                current = State::Broken;
                break;
            }
            line.clear();
            part = Part::ChunkSize;
            lineBudget = maxChunkLine;
            break;
        }
    }
    return current;
}

HttpAnswerReader::State HttpAnswerReader::finish()
{
    if (current == State::Reading)
        current = part == Part::Body && framing == Framing::UntilClose ? State::Done : State::Cut;
    return current;
}

bool HttpAnswerReader::takeLine(const QByteArray &bytes, int *at, qint64 *budget)
{
    const int newline = bytes.indexOf('\n', *at);
    const int end = newline < 0 ? bytes.size() : newline + 1;
    *budget -= end - *at;
    if (*budget < 0) {
        current = State::TooLarge;
        return false;
    }
    line.append(bytes.constData() + *at, end - *at);
    *at = end;
    if (newline < 0)
        return false;
    line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return true;
}

void HttpAnswerReader::readStatusLine()
{
    // "HTTP/1.1 200 OK": a version, a three-digit code, a reason if any.
    const int blank = line.indexOf(' ');
    const QByteArray code = line.mid(blank + 1, 3);
    bool ok = line.startsWith("HTTP/") && blank > 0 && code.size() == 3
              && (line.size() == blank + 4 || line.at(blank + 4) == ' ');
    for (const char digit : code)
        ok = ok && digit >= '0' && digit <= '9';
    statusCode = code.toInt();
    if (!ok || statusCode < 100 || statusCode > 599) {
        current = State::Broken;
        return;
    }
    reasonPhrase = line.mid(blank + 5).trimmed();
    line.clear();
    part = Part::Headers;
}

QByteArray HttpAnswerReader::headerValues(const QByteArray &name) const
{
    QByteArray values;
    for (const auto &header : headers) {
        if (header.first != name)
            continue;
        if (!values.isNull())
            values += ',';
        values += header.second;
    }
    return values;
}

void HttpAnswerReader::headersDone()
{
    // An answer without a body: an interim one is taken for the end too, so
    // that a server that only ever sends those still ends the request.
    if (statusCode < 200 || statusCode == 204 || statusCode == 304) {
        current = State::Done;
        return;
    }

    const QByteArray coding = headerValues("transfer-encoding").trimmed().toLower();
    const bool chunked = !coding.isNull();
    // Repeated lengths must agree: a proxy on the way might go by another
    // one than this reader, and an answer whose end is open to
    // interpretation is no answer. So must a length beside chunks.
    const QByteArray announced = headerValues("content-length");
    qint64 length = -1;
    if (!announced.isNull()) {
        for (const QByteArray &value : announced.split(',')) {
            bool ok = false;
            const qint64 one = value.trimmed().toLongLong(&ok);
            if (!ok || one < 0 || (length >= 0 && one != length)) {
                current = State::Broken;
                return;
            }
            length = one;
        }
    }
    if ((chunked && coding != "chunked") || (chunked && length >= 0)) {
        current = State::Broken;
        return;
    }
    if (length > maxBodySize) {
        current = State::TooLarge;
        return;
    }

    // The request offers these two; any other coding is kept as it came.
    const QByteArray encoding = headerValues("content-encoding").trimmed().toLower();
    if (encoding == "gzip" || encoding == "x-gzip" || encoding == "deflate") {
        inflater = std::make_unique<z_stream>();
        // 32 + 15: a gzip or a zlib header, whichever comes.
        if (inflateInit2(inflater.get(), 32 + MAX_WBITS) != Z_OK) {
            inflater.reset();
            current = State::Broken;
            return;
        }
    }

    if (chunked) {
        framing = Framing::Chunked;
        part = Part::ChunkSize;
        lineBudget = maxChunkLine;
    } else if (length >= 0) {
        framing = Framing::Length;
        part = Part::Body;
        left = length;
        if (length == 0)
            current = State::Done;
    } else {
        framing = Framing::UntilClose;
        part = Part::Body;
    }
}

void HttpAnswerReader::readChunkSize()
{
    const int extension = line.indexOf(';');
    const QByteArray digits = (extension < 0 ? line : line.left(extension)).trimmed();
    bool ok = false;
    const qint64 size = digits.size() <= 15 ? digits.toLongLong(&ok, 16) : -1;
    if (!ok || size < 0) {
        current = State::Broken;
        return;
    }
    line.clear();
    if (size == 0) {
        part = Part::Trailers;
        return;
    }
    part = Part::ChunkData;
    left = size;
}

void HttpAnswerReader::keep(const char *data, int size)
{
    if (!inflater) {
        content.append(data, int(qMin<qint64>(size, maxBodySize - content.size() + 1)));
    } else {
        inflater->next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
        inflater->avail_in = uInt(size);
        // Decoded a piece at a time, so a small input that inflates to much
        // stops at the cap.
        while (inflater->avail_in > 0 && content.size() <= maxBodySize) {
            char piece[16384];
            inflater->next_out = reinterpret_cast<Bytef *>(piece);
            inflater->avail_out = sizeof piece;
            const int result = inflate(inflater.get(), Z_NO_FLUSH);
            content.append(piece, int(sizeof piece - inflater->avail_out));
            if (result == Z_STREAM_END)
                break;
            if (result != Z_OK && result != Z_BUF_ERROR) {
                current = State::Broken;
                return;
            }
        }
    }
    if (content.size() > maxBodySize)
        current = State::TooLarge;
}
