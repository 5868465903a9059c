#pragma once

#include "document/text_buffer.h"

#include <QString>
#include <QStringList>

namespace tgx {

// The document as numbered lines (from 1) over the text that holds it. A line
// break at the very end of the text opens no further line. Reading a missing
// line gives empty text; replacing or deleting a missing line does nothing.
// Each change is exactly one change of the underlying text.
class DocumentLines {
public:
    explicit DocumentLines(TextBuffer &buffer) : m_buffer(buffer) {}

    int lineCount() const;
    QString line(int number) const;
    void replaceLine(int number, const QString &text);
    // Replaces the lines from number on with texts, one line each, as one
    // change of the text; nothing happens unless every one of them exists.
    void replaceLines(int number, const QStringList &texts);
    // Adds text as the new last line; a line break that ended the text still ends it.
    void appendLine(const QString &text);
    // Adds texts as new last lines, one line each, as one change of the text.
    void appendLines(const QStringList &texts);
    // Removes the line together with its line break.
    void deleteLine(int number);
    void clear();

    // Every line, in order: as many as lineCount().
    QStringList allLines() const;

    QString text() const { return m_buffer.text(); }
    // Replaces the whole text and starts the history of changes anew; the
    // new text counts as unsaved until marked saved.
    void setText(const QString &text) { m_buffer.setText(text); }
    // The text as it stands is what the document's file holds.
    void markSaved() { m_buffer.markSaved(); }
    // The file no longer holds any text the history keeps.
    void forgetSaved() { m_buffer.forgetSaved(); }

    // A command's scope: while it lives, the line changes made are one step
    // of the history, undone and redone together, and the document's change
    // handler runs once when it ends, however many lines the command wrote.
    // With JoinLast they become part of the last step instead (the header
    // stamp of a save, which the user did not ask for as an edit of its own).
    class Step {
    public:
        enum Kind { New, JoinLast };
        explicit Step(DocumentLines &lines, Kind kind = New) : m_buffer(lines.m_buffer)
        {
            m_buffer.beginStep(kind == JoinLast);
        }
        ~Step() { m_buffer.endStep(); }
        Step(const Step &) = delete;
        Step &operator=(const Step &) = delete;

    private:
        TextBuffer &m_buffer;
    };

private:
    bool exists(int number) const { return number >= 1 && number <= lineCount(); }

    TextBuffer &m_buffer;
};

} // namespace tgx
