#include "document/text_buffer.h"

namespace tgx {

int StringTextBuffer::blockCount() const
{
    return int(m_text.count(u'\n')) + 1;
}

qsizetype StringTextBuffer::blockStart(int index) const
{
    qsizetype position = 0;
    for (int i = 0; i < index; ++i)
        position = m_text.indexOf(u'\n', position) + 1;
    return position;
}

QString StringTextBuffer::block(int index) const
{
    const qsizetype start = blockStart(index);
    const qsizetype end = m_text.indexOf(u'\n', start);
    return m_text.mid(start, end < 0 ? -1 : end - start);
}

void StringTextBuffer::setText(const QString &text)
{
    m_text = text;
    ++m_changes;
}

void StringTextBuffer::replace(qsizetype position, qsizetype count, const QString &text)
{
    m_text.replace(position, count, text);
    ++m_changes;
}

} // namespace tgx
