#include "document/source_view.h"

#include <QKeyEvent>
#include <QMimeData>

namespace tgx {

void SourceView::keyPressEvent(QKeyEvent *event)
{
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

} // namespace tgx
