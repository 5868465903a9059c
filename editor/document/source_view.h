#pragma once

#include <QPlainTextEdit>

class QAction;

namespace tgx {

// The main window's source view `B0`: a plain-text editor whose lines are the
// document. Every line break the user makes in it is a real one, between two
// document lines: Shift+Enter breaks the line as Enter does, and the line and
// paragraph separators of pasted or dropped text become line breaks. A
// separator left inside a line would look like a break but keep one document
// line, which no save could write. Its undo and redo keys and the undo and
// redo of its context menu run the main window's commands, which work on the
// document's history, instead of the text control's own.
class SourceView : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit SourceView(QWidget *parent = nullptr) : QPlainTextEdit(parent) {}

    void setHistoryCommands(QAction *undo, QAction *redo);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
};

} // namespace tgx
