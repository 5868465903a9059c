#pragma once

#include "document/text_buffer.h"

class QPlainTextEdit;

namespace tgx {

class DocumentHistory;

// The document text held by the source view. Each change is one edit block,
// so the view reports it as exactly one change of its text. The history
// watches every change: a change made here is a command of its own unless a
// step of more of them is open.
class SourceTextBuffer : public TextBuffer {
public:
    SourceTextBuffer(QPlainTextEdit &view, DocumentHistory &history) : m_view(view), m_history(history) {}

    int blockCount() const override;
    QString block(int index) const override;
    qsizetype blockStart(int index) const override;
    QStringList blocks() const override;
    QString text() const override;
    void setText(const QString &text) override;
    void replace(qsizetype position, qsizetype count, const QString &text) override;
    void beginStep(bool joinLast) override;
    void endStep() override;
    void markSaved() override;
    void forgetSaved() override;

private:
    QPlainTextEdit &m_view;
    DocumentHistory &m_history;
};

} // namespace tgx
