#include "HttpMessage.h"

namespace {

bool isTokenChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')
           || QByteArray("!#$%&'*+-.^_`|~").contains(c);
}

bool isVisible(const QByteArray& text)
{
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= 0x20 || u == 0x7F)
            return false;
    }
    return !text.isEmpty();
}

// The index just past the blank line that ends the head, or -1.
qsizetype headEnd(const QByteArray& buffer)
{
    for (qsizetype i = buffer.indexOf('\n'); i >= 0; i = buffer.indexOf('\n', i + 1)) {
        if (i + 1 < buffer.size() && buffer[i + 1] == '\n')
            return i + 2;
        if (i + 2 < buffer.size() && buffer[i + 1] == '\r' && buffer[i + 2] == '\n')
            return i + 3;
    }
    return -1;
}

} // namespace

HttpRequestReader::State HttpRequestReader::fail(int status, const QString& text)
{
    m_state = State::Failed;
    m_errorStatus = status;
    m_errorText = text;
    m_buffer.clear();
    return m_state;
}

HttpRequestReader::State HttpRequestReader::feed(const QByteArray& bytes)
{
    if (m_state != State::Reading)
        return m_state;
    // Blank lines before a request line are allowed and dropped.
    qsizetype skip = 0;
    if (m_buffer.isEmpty())
        while (skip < bytes.size() && (bytes[skip] == '\r' || bytes[skip] == '\n'))
            ++skip;
    const qsizetype room = m_maxHeadBytes - m_buffer.size();
    m_buffer.append(bytes.constData() + skip, std::min(room, bytes.size() - skip));

    const qsizetype end = headEnd(m_buffer);
    if (end >= 0) {
        const QByteArray head = m_buffer.left(end);
        m_buffer.clear();
        return parseHead(head);
    }
    if (bytes.size() - skip > room || m_buffer.size() >= m_maxHeadBytes) {
        if (!m_buffer.contains('\n'))
            return fail(414, QStringLiteral("The request line is longer than %1 bytes.").arg(m_maxHeadBytes));
        return fail(431, QStringLiteral("The request head is longer than %1 bytes.").arg(m_maxHeadBytes));
    }
    return m_state;
}

HttpRequestReader::State HttpRequestReader::parseHead(const QByteArray& head)
{
    QList<QByteArray> lines = head.split('\n');
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);

    const QList<QByteArray> parts = lines.value(0).split(' ');
    if (parts.size() != 3)
        return fail(400, QStringLiteral("The request line is not \"METHOD target HTTP/1.x\"."));
    for (char c : parts[0])
        if (!isTokenChar(c))
            return fail(400, QStringLiteral("The method is not a word."));
    if (parts[0].isEmpty() || !isVisible(parts[1]))
        return fail(400, QStringLiteral("The request target is empty or holds blanks."));
    const QByteArray& version = parts[2];
    if (version.size() != 8 || !version.startsWith("HTTP/") || version[6] != '.'
        || !isdigit(static_cast<unsigned char>(version[5]))
        || !isdigit(static_cast<unsigned char>(version[7])))
        return fail(400, QStringLiteral("The protocol version is not HTTP/1.x."));
    if (version[5] != '1' || (version[7] != '0' && version[7] != '1'))
        return fail(505, QStringLiteral("Only HTTP/1.0 and HTTP/1.1 are served."));

    QList<QPair<QByteArray, QByteArray>> headers;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (line.isEmpty())
            continue;
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            return fail(400, QStringLiteral("A header line has no name."));
        const QByteArray name = line.left(colon);
        for (char c : name)
            if (!isTokenChar(c))
                return fail(400, QStringLiteral("A header name holds a blank or a symbol."));
        headers.append({name.toLower(), line.mid(colon + 1).trimmed()});
    }

    m_method = parts[0];
    m_target = parts[1];
    m_minorVersion = version[7] - '0';
    m_headers = headers;
    m_state = State::Complete;
    return m_state;
}

QByteArray HttpRequestReader::header(const QByteArray& name) const
{
    const QByteArray key = name.toLower();
    for (const auto& h : m_headers)
        if (h.first == key)
            return h.second;
    return QByteArray();
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 408: return "Request Timeout";
    case 414: return "URI Too Long";
    case 431: return "Request Header Fields Too Large";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    case 505: return "HTTP Version Not Supported";
    default: return "Error";
    }
}

QByteArray HttpResponse::toBytes(int minorVersion, bool headOnly) const
{
    QByteArray out = "HTTP/1." + QByteArray::number(minorVersion == 1 ? 1 : 0) + ' '
                     + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n";
    out += "Content-Type: " + contentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    out += extraHeaders;
    out += "Connection: close\r\n\r\n";
    if (!headOnly)
        out += body;
    return out;
}

HttpResponse errorPage(int status, const QString& detail)
{
    HttpResponse r;
    r.status = status;
    r.contentType = "text/html";
    const QByteArray title = QByteArray::number(status) + ' ' + reasonPhrase(status);
    r.body = "<html><head><title>" + title + "</title></head>\n<body><h1>" + title
             + "</h1>\n<p>" + detail.toHtmlEscaped().toUtf8() + "</p>\n</body></html>\n";
    return r;
}
