#pragma once

#include <QString>
#include <QStringList>

namespace tgx {

// The text that holds a document, seen as blocks: the pieces of text between
// line breaks. An empty text is one empty block; a text ending in a line break
// ends with an empty block. Every replace or setText is one change of the text.
class TextBuffer {
public:
    virtual ~TextBuffer() = default;

    virtual int blockCount() const = 0;
    virtual QString block(int index) const = 0;
    // Position in text() of the first character of the block.
    virtual qsizetype blockStart(int index) const = 0;

    // Every block in order; the same as text() split at its line breaks.
    virtual QStringList blocks() const { return text().split(u'\n'); }

    virtual QString text() const = 0;
    // Replaces the whole text; the history of changes starts anew.
    virtual void setText(const QString &text) = 0;
    virtual void replace(qsizetype position, qsizetype count, const QString &text) = 0;

    // The replaces between beginStep and endStep are undone and redone as one
    // step of the history, and those who watch the text hear of them once,
    // when the step ends; each of them is still one change of the text. Steps
    // may nest: the outermost one counts. A step that joins the last one
    // becomes part of it, and of no step when the history has none.
    virtual void beginStep(bool /*joinLast*/) {}
    virtual void endStep() {}
    // The text as it stands is the saved one, for a history that tells.
    virtual void markSaved() {}
    // No text counts as the saved one any more.
    virtual void forgetSaved() {}
};

// A TextBuffer held in a plain string, for the core and its tests.
class StringTextBuffer : public TextBuffer {
public:
    explicit StringTextBuffer(QString text = {}) : m_text(std::move(text)) {}

    int blockCount() const override;
    QString block(int index) const override;
    qsizetype blockStart(int index) const override;
    QString text() const override { return m_text; }
    void setText(const QString &text) override;
    void replace(qsizetype position, qsizetype count, const QString &text) override;

    int changeCount() const { return m_changes; } // changes made so far

private:
    QString m_text;
    int m_changes = 0;
};

} // namespace tgx
