#include "document/document_lines.h"

namespace tgx {

namespace {

// A line never holds a line break: one break inside it would shift every line after it.
QString singleLine(QString text)
{
    for (QChar &c : text) {
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return text;
}

} // namespace

int DocumentLines::lineCount() const
{
    const int blocks = m_buffer.blockCount();
    if (m_buffer.block(blocks - 1).isEmpty())
        return blocks - 1; // the empty text, or a text ending in a line break
    return blocks;
}

QString DocumentLines::line(int number) const
{
    return exists(number) ? m_buffer.block(number - 1) : QString();
}

QStringList DocumentLines::allLines() const
{
    QStringList lines = m_buffer.blocks();
    if (lines.last().isEmpty())
        lines.removeLast(); // the empty text, or a text ending in a line break
    return lines;
}

void DocumentLines::replaceLine(int number, const QString &text)
{
    if (!exists(number))
        return;
    const int index = number - 1;
    m_buffer.replace(m_buffer.blockStart(index), m_buffer.block(index).size(), singleLine(text));
}

void DocumentLines::replaceLines(int number, const QStringList &texts)
{
    if (texts.isEmpty() || !exists(number) || !exists(number + int(texts.size()) - 1))
        return;
    const int first = number - 1;
    const int last = first + int(texts.size()) - 1;
    const qsizetype start = m_buffer.blockStart(first);
    const qsizetype end = m_buffer.blockStart(last) + m_buffer.block(last).size();
    QStringList written;
    written.reserve(texts.size());
    for (const QString &text : texts)
        written << singleLine(text);
    m_buffer.replace(start, end - start, written.join(u'\n'));
}

void DocumentLines::appendLine(const QString &text)
{
    appendLines({text});
}

void DocumentLines::appendLines(const QStringList &texts)
{
    if (texts.isEmpty())
        return;
    QStringList written;
    written.reserve(texts.size());
    for (const QString &text : texts)
        written << singleLine(text);
    const int last = m_buffer.blockCount() - 1;
    const QString lastBlock = m_buffer.block(last);
    const qsizetype end = m_buffer.blockStart(last) + lastBlock.size();
    // An empty text also takes the lines with their breaks, so that they count as lines.
    if (lastBlock.isEmpty())
        m_buffer.replace(end, 0, written.join(u'\n') + u'\n');
    else
        m_buffer.replace(end, 0, u'\n' + written.join(u'\n'));
}

void DocumentLines::deleteLine(int number)
{
    if (!exists(number))
        return;
    const int index = number - 1;
    const qsizetype start = m_buffer.blockStart(index);
    const qsizetype length = m_buffer.block(index).size();
    const bool hasBreak = index + 1 < m_buffer.blockCount();
    m_buffer.replace(start, length + (hasBreak ? 1 : 0), QString());
}

void DocumentLines::clear()
{
    m_buffer.setText(QString());
}

} // namespace tgx
