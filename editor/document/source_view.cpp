#include "document/source_view.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include <algorithm>
#include <memory>

namespace tgx {

namespace {

bool isOneOf(const QKeyEvent *event, QKeySequence::StandardKey standard, std::initializer_list<QKeyCombination> keys)
{
    const QKeyCombination pressed = event->keyCombination();
    return event->matches(standard) || std::find(keys.begin(), keys.end(), pressed) != keys.end();
}

} // namespace

void SourceView::setHistoryCommands(QAction *undo, QAction *redo)
{
    m_undo = undo;
    m_redo = redo;
}

void SourceView::keyPressEvent(QKeyEvent *event)
{
    if (m_undo && isOneOf(event, QKeySequence::Undo, {Qt::CTRL | Qt::Key_Z})) {
        m_undo->trigger();
        return;
    }
    if (m_redo && isOneOf(event, QKeySequence::Redo, {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z})) {
        m_redo->trigger();
        return;
    }
    if (!event->matches(QKeySequence::InsertLineSeparator)) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    // The same key without its modifiers: a line break like any other.
    QKeyEvent lineBreak(event->type(), event->key(), event->modifiers() & Qt::KeypadModifier, event->text(),
                        event->isAutoRepeat(), ushort(event->count()));
    QPlainTextEdit::keyPressEvent(&lineBreak);
    event->setAccepted(lineBreak.isAccepted());
}

void SourceView::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QString text = source->text();
    text.replace(QChar::LineSeparator, u'\n').replace(QChar::ParagraphSeparator, u'\n');
    QMimeData plain;
    plain.setText(text);
    QPlainTextEdit::insertFromMimeData(&plain);
}

void SourceView::contextMenuEvent(QContextMenuEvent *event)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    const std::pair<const char *, QAction *> commands[] = {{"edit-undo", m_undo}, {"edit-redo", m_redo}};
    for (const auto &[name, command] : commands) {
        QAction *own = menu->findChild<QAction *>(QString::fromLatin1(name));
        if (own && command) {
            menu->insertAction(own, command);
            menu->removeAction(own);
        }
    }
    menu->exec(event->globalPos());
}

} // namespace tgx
