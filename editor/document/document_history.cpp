#include "document/document_history.h"

#include "document/freed_memory.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace tgx {

namespace {

// A command that writes this many lines frees as many, and more, when undone.
constexpr int kLargeCommand = 10000;

// Puts change.after in place of change.before in blocks.
void replaceBlocks(QStringList &blocks, const LineChange &change)
{
    const qsizetype common = std::min(change.before.size(), change.after.size());
    if (change.after.size() > common)
        blocks.insert(change.first + common, change.after.size() - common, QString());
    else
        blocks.remove(change.first + common, change.before.size() - common);
    std::copy(change.after.cbegin(), change.after.cend(), blocks.begin() + change.first);
}

// Leaves out the lines both sides of a change share at its ends, keeping one
// line on each side.
void trimShared(LineChange &change)
{
    const QStringList &before = change.before;
    const QStringList &after = change.after;
    const qsizetype most = std::min(before.size(), after.size()) - 1;
    qsizetype head = 0;
    while (head < most && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < most - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    change.first += int(head);
    change.before = before.mid(head, before.size() - head - tail);
    change.after = after.mid(head, after.size() - head - tail);
}

} // namespace

DocumentHistory::DocumentHistory(QTextDocument &document, QObject *parent)
    : QObject(parent), m_document(document)
{
    m_document.setUndoRedoEnabled(false);
    m_blocks = readBlocks(0, m_document.blockCount() - 1);
    connect(&m_document, &QTextDocument::contentsChange, this, &DocumentHistory::contentsChange);
    // Typing is announced once the document has finished with the change,
    // as the text control announces it.
    connect(&m_document, &QTextDocument::contentsChanged, this, [this] {
        if (m_depth == 0)
            announce();
    });
}

void DocumentHistory::begin(Command command)
{
    if (m_depth++ == 0) {
        m_command = command;
        m_stepStarted = false;
    }
    m_restarting = m_restarting || command == Command::Restart;
}

void DocumentHistory::end()
{
    if (--m_depth > 0)
        return;
    if (m_restarting)
        restart();
    announce();
    if (std::exchange(m_linesWritten, 0) >= kLargeCommand)
        releaseFreedMemory();
}

std::optional<int> DocumentHistory::undo()
{
    const auto changes = m_edits.undo();
    if (!changes)
        return std::nullopt;
    replay(*changes);
    return firstChangedLine(*changes);
}

std::optional<int> DocumentHistory::redo()
{
    const auto changes = m_edits.redo();
    if (!changes)
        return std::nullopt;
    replay(*changes);
    return firstChangedLine(*changes);
}

void DocumentHistory::markSaved()
{
    m_edits.markSaved();
    announce();
}

void DocumentHistory::forgetSaved()
{
    m_edits.forgetSaved();
    announce();
}

void DocumentHistory::contentsChange(int position, int /*removed*/, int added)
{
    m_changed = true;
    if (m_restarting) {
        m_linesWritten = kLargeCommand; // the whole text is read when the command ends
        return;
    }
    LineChange change = takeChange(position, added);
    m_linesWritten += int(change.after.size());
    if (!m_replaying)
        keep(std::move(change));
}

void DocumentHistory::keep(LineChange change)
{
    if (m_depth == 0) {
        m_edits.record(std::move(change), EditHistory::Kind::Typing);
    } else if (m_command == Command::JoinLast || m_stepStarted) {
        m_edits.extendLast(std::move(change));
    } else {
        m_edits.record(std::move(change), EditHistory::Kind::Command);
        m_stepStarted = true;
    }
}

// The blocks the change touched, before and after it, and m_blocks brought
// up to date. The text before position and after position + added is what it
// was, so the change lies within the blocks from the one holding position to
// the one holding position + added, which are as many fewer before it as the
// change added blocks. The document may name a wider range than it changed.
LineChange DocumentHistory::takeChange(int position, int added)
{
    const int count = m_document.blockCount();
    const int grown = count - int(m_blocks.size());
    int first = m_document.findBlock(position).blockNumber();
    const QTextBlock lastBlock = m_document.findBlock(position + added);
    int last = lastBlock.isValid() ? lastBlock.blockNumber() : count - 1;
    if (first < 0 || last - grown < first) { // a change the document cannot place: all of it
        first = 0;
        last = count - 1;
    }
    LineChange change{first, m_blocks.mid(first, last - grown - first + 1), readBlocks(first, last)};
    replaceBlocks(m_blocks, change);
    trimShared(change);
    return change;
}

QStringList DocumentHistory::readBlocks(int first, int last) const
{
    QStringList blocks;
    blocks.reserve(last - first + 1);
    for (QTextBlock block = m_document.findBlockByNumber(first); block.isValid() && block.blockNumber() <= last;
         block = block.next())
        blocks << block.text();
    return blocks;
}

// Writes the changes as one command that keeps nothing.
void DocumentHistory::replay(const QList<LineChange> &changes)
{
    begin(Command::Step);
    m_replaying = true;
    for (const LineChange &change : changes) {
        const QTextBlock from = m_document.findBlockByNumber(change.first);
        const QTextBlock to = m_document.findBlockByNumber(change.first + int(change.before.size()) - 1);
        QTextCursor cursor(&m_document);
        cursor.setPosition(from.position());
        cursor.setPosition(to.position() + to.length() - 1, QTextCursor::KeepAnchor);
        cursor.insertText(change.after.join(u'\n'));
    }
    m_replaying = false;
    end();
}

void DocumentHistory::restart()
{
    m_restarting = false;
    // The text control turns its own history on again when it takes a new text.
    m_document.setUndoRedoEnabled(false);
    m_blocks = readBlocks(0, m_document.blockCount() - 1);
    m_edits.clear();
}

// Says what changed since it last spoke: the text once, and each state
// that differs from what it last said.
void DocumentHistory::announce()
{
    auto say = [this](bool now, bool &said, void (DocumentHistory::*signal)(bool)) {
        if (now != said) {
            said = now;
            emit(this->*signal)(now);
        }
    };
    say(m_edits.isModified(), m_modified, &DocumentHistory::modifiedChanged);
    say(m_edits.canUndo(), m_undoAvailable, &DocumentHistory::undoAvailable);
    say(m_edits.canRedo(), m_redoAvailable, &DocumentHistory::redoAvailable);
    if (m_changed) {
        m_changed = false;
        emit changed();
    }
}

} // namespace tgx
