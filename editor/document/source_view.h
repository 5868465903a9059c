#pragma once

#include <QPlainTextEdit>

namespace tgx {

// The main window's source view `B0`: a plain-text editor whose lines are the
// document. Every line break the user makes in it is a real one, between two
// document lines: Shift+Enter breaks the line as Enter does, and the line and
// paragraph separators of pasted or dropped text become line breaks. A
// separator left inside a line would look like a break but keep one document
// line, which no save could write.
class SourceView : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit SourceView(QWidget *parent = nullptr) : QPlainTextEdit(parent) {}

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
};

} // namespace tgx
