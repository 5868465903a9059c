#include "exchange/csv_text.h"

#include "document/code_page.h"

#include <QStringDecoder>

#include <optional>
#include <utility>

namespace tgx::Csv {

namespace {

constexpr QChar kQuote = u'"';
const QByteArray kUtf8Mark("\xEF\xBB\xBF");
const QByteArray kUtf16LeMark("\xFF\xFE");
const QByteArray kUtf16BeMark("\xFE\xFF");

bool needsQuotes(QStringView field)
{
    for (QChar c : field) {
        if (c == u';' || c == kQuote || c == u'\r' || c == u'\n')
            return true;
    }
    return false;
}

void appendField(QString &text, const QString &field)
{
    if (!needsQuotes(field)) {
        text += field;
        return;
    }
    text += kQuote;
    for (QChar c : field) {
        if (c == kQuote)
            text += kQuote;
        text += c;
    }
    text += kQuote;
}

std::optional<QString> decodedWith(QStringDecoder::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Reads the table character by character: a quote opens a quoted part of a
// field, and a doubled quote inside it stands for one quote.
class Parser {
public:
    Parser(QStringView text, QChar separator) : m_text(text), m_separator(separator) {}

    QList<QStringList> rows()
    {
        while (m_at < m_text.size())
            readRow();
        return std::move(m_rows);
    }

private:
    void readRow()
    {
        QStringList row;
        QString field;
        while (m_at < m_text.size()) {
            const QChar c = m_text[m_at++];
            if (c == kQuote)
                readQuoted(field);
            else if (c == m_separator)
                row << std::exchange(field, QString());
            else if (c == u'\r' || c == u'\n') {
                if (c == u'\r' && m_at < m_text.size() && m_text[m_at] == u'\n')
                    ++m_at;
                break;
            } else
                field += c;
        }
        row << field;
        m_rows << row;
    }

    void readQuoted(QString &field)
    {
        while (m_at < m_text.size()) {
            const QChar c = m_text[m_at++];
            if (c != kQuote)
                field += c;
            else if (m_at < m_text.size() && m_text[m_at] == kQuote)
                field += m_text[m_at++];
            else
                return;
        }
    }

    QStringView m_text;
    QChar m_separator;
    qsizetype m_at = 0;
    QList<QStringList> m_rows;
};

} // namespace

QByteArray write(const QList<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += u';';
            appendField(text, row[i]);
        }
        text += u"\r\n";
    }
    return kUtf8Mark + text.toUtf8();
}

QString decode(QByteArrayView bytes)
{
    if (bytes.startsWith(kUtf8Mark))
        return QString::fromUtf8(bytes.sliced(kUtf8Mark.size()));
    if (bytes.startsWith(kUtf16LeMark))
        return decodedWith(QStringDecoder::Utf16LE, bytes.sliced(2)).value_or(QString());
    if (bytes.startsWith(kUtf16BeMark))
        return decodedWith(QStringDecoder::Utf16BE, bytes.sliced(2)).value_or(QString());
    if (auto text = decodedWith(QStringDecoder::Utf8, bytes))
        return *text;
    return CodePage1250::decode(bytes);
}

QChar separatorOf(QStringView text)
{
    int semicolons = 0, commas = 0, tabs = 0;
    bool quoted = false;
    for (QChar c : text) {
        if (c == kQuote)
            quoted = !quoted;
        else if (!quoted && (c == u'\r' || c == u'\n'))
            break;
        else if (!quoted) {
            semicolons += c == u';';
            commas += c == u',';
            tabs += c == u'\t';
        }
    }
    if (commas > semicolons && commas >= tabs)
        return u',';
    if (tabs > semicolons && tabs > commas)
        return u'\t';
    return u';';
}

QList<QStringList> parse(QStringView text, QChar separator)
{
    return Parser(text, separator).rows();
}

} // namespace tgx::Csv
