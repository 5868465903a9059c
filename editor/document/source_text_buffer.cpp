#include "document/source_text_buffer.h"

#include "document/document_history.h"

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
    // The history keeps them in step with the view, as it needs them itself.
    return m_history.blocks();
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
    m_history.begin(DocumentHistory::Command::Restart);
    m_view.setPlainText(text);
    m_history.end();
}

void SourceTextBuffer::replace(qsizetype position, qsizetype count, const QString &text)
{
    m_history.begin(DocumentHistory::Command::Step);
    QTextCursor cursor(m_view.document());
    cursor.beginEditBlock();
    cursor.setPosition(int(position));
    cursor.setPosition(int(position + count), QTextCursor::KeepAnchor);
    cursor.insertText(text);
    cursor.endEditBlock();
    m_history.end();
}

void SourceTextBuffer::beginStep(bool joinLast)
{
    m_history.begin(joinLast ? DocumentHistory::Command::JoinLast : DocumentHistory::Command::Step);
}

void SourceTextBuffer::endStep()
{
    m_history.end();
}

void SourceTextBuffer::markSaved()
{
    m_history.markSaved();
}

void SourceTextBuffer::forgetSaved()
{
    m_history.forgetSaved();
}

} // namespace tgx
