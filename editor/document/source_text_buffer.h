#pragma once

#include "document/text_buffer.h"

class QPlainTextEdit;

namespace tgx {

// The document text held by the source view. Each change is one edit block,
// so the view reports it as exactly one change of its text.
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

private:
    QPlainTextEdit &m_view;
};

} // namespace tgx
