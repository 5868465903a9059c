#include "document/source_text_buffer.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace tgx {

int SourceTextBuffer::blockCount() const
{
    return m_view.document()->blockCount();
}

QString SourceTextBuffer::block(int index) const
{
    return m_view.document()->findBlockByNumber(index).text();
}

qsizetype SourceTextBuffer::blockStart(int index) const
{
    return m_view.document()->findBlockByNumber(index).position();
}

QStringList SourceTextBuffer::blocks() const
{
    // Reading the blocks one by one spares building the whole text first.
    const QTextDocument *document = m_view.document();
    QStringList blocks;
    blocks.reserve(document->blockCount());
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        blocks << block.text();
    return blocks;
}

QString SourceTextBuffer::text() const
{
    // The raw text keeps no-break spaces, which the plain-text export would
    // turn into blanks; only the block separators become line breaks.
    QString raw = m_view.document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, u'\n');
    return raw;
}

void SourceTextBuffer::setText(const QString &text)
{
    m_view.setPlainText(text);
}

void SourceTextBuffer::replace(qsizetype position, qsizetype count, const QString &text)
{
    QTextCursor cursor(m_view.document());
    if (m_stepDepth > 0 && m_stepHasEdit)
        cursor.joinPreviousEditBlock();
    else
        cursor.beginEditBlock();
    m_stepHasEdit = m_stepDepth > 0;
    cursor.setPosition(int(position));
    cursor.setPosition(int(position + count), QTextCursor::KeepAnchor);
    cursor.insertText(text);
    cursor.endEditBlock();
}

void SourceTextBuffer::beginStep(bool joinLast)
{
    if (m_stepDepth++ > 0)
        return;
    const bool hasHistory = m_view.document()->isUndoAvailable();
    m_stepHasEdit = joinLast && hasHistory;
    m_forgetStep = joinLast && !hasHistory;
}

void SourceTextBuffer::endStep()
{
    if (--m_stepDepth == 0 && m_forgetStep)
        m_view.document()->clearUndoRedoStacks(QTextDocument::UndoStack);
}

} // namespace tgx
