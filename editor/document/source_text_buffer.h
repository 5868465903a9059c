#pragma once

#include "document/text_buffer.h"

class QPlainTextEdit;

namespace tgx {

// The document text held by the source view. Each change is one edit block,
// so the view reports it as exactly one change of its text. The view's own
// undo history is the document's history: the edit blocks of one step are
// joined into one entry of it, next to the steps the user's typing makes.
class SourceTextBuffer : public TextBuffer {
public:
    explicit SourceTextBuffer(QPlainTextEdit &view) : m_view(view) {}

    int blockCount() const override;
    QString block(int index) const override;
    qsizetype blockStart(int index) const override;
    QStringList blocks() const override;
    QString text() const override;
    void setText(const QString &text) override;
    void replace(qsizetype position, qsizetype count, const QString &text) override;
    void beginStep(bool joinLast) override;
    void endStep() override;

private:
    QPlainTextEdit &m_view;
    int m_stepDepth = 0;            // steps open now
    bool m_stepHasEdit = false;     // the open step's edits join the last entry of the history
    bool m_forgetStep = false;      // the open step joins a history that has no entry
};

} // namespace tgx
