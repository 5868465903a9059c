#include "document/edit_history.h"

#include <algorithm>

namespace tgx {

namespace {

// What a line costs beyond its characters: its place in the list, the
// string's header and the allocator's share.
constexpr qsizetype kLineOverhead = 64;
constexpr qsizetype kChangeOverhead = 64;

qsizetype bytesOf(const QStringList &lines)
{
    qsizetype bytes = 0;
    for (const QString &line : lines)
        bytes += line.size() * qsizetype(sizeof(QChar)) + kLineOverhead;
    return bytes;
}

qsizetype bytesOf(const LineChange &change)
{
    return bytesOf(change.before) + bytesOf(change.after) + kChangeOverhead;
}

bool withinOneLine(const LineChange &change)
{
    return change.before.size() == 1 && change.after.size() == 1;
}

} // namespace

void EditHistory::record(LineChange change, Kind kind)
{
    if (kind == Kind::Typing && mergesTyping(change)) {
        mergeTyping(change);
        return;
    }
    dropRedo();
    const qsizetype bytes = bytesOf(change);
    m_steps.append(Step{m_nextId++, {std::move(change)}, bytes});
    m_bytes += bytes;
    m_done = m_steps.size();
    m_typing = kind == Kind::Typing;
    while (m_bytes > m_limit && m_steps.size() > 1)
        dropOldest();
}

void EditHistory::extendLast(LineChange change)
{
    m_typing = false;
    if (m_done == 0)
        return;
    Step &step = m_steps[m_done - 1];
    const qsizetype bytes = bytesOf(change);
    step.changes.append(std::move(change));
    step.bytes += bytes;
    m_bytes += bytes;
}

// Typing on one line stays one step until the user goes to another line,
// another kind of change comes between, or the text is saved.
bool EditHistory::mergesTyping(const LineChange &change) const
{
    if (!m_typing || m_done != m_steps.size() || !withinOneLine(change))
        return false;
    const QList<LineChange> &last = m_steps.last().changes;
    return last.size() == 1 && withinOneLine(last.first()) && last.first().first == change.first;
}

void EditHistory::mergeTyping(const LineChange &change)
{
    Step &step = m_steps.last();
    LineChange &merged = step.changes.first();
    m_bytes -= step.bytes;
    merged.after = change.after;
    if (merged.after == merged.before) {
        // Typed and taken back: the text is as before the step, which goes.
        m_steps.removeLast();
        m_done = m_steps.size();
        m_typing = false;
        return;
    }
    step.bytes = bytesOf(merged);
    m_bytes += step.bytes;
}

std::optional<QList<LineChange>> EditHistory::undo()
{
    if (!canUndo())
        return std::nullopt;
    m_typing = false;
    const QList<LineChange> &changes = m_steps[--m_done].changes;
    QList<LineChange> reverse;
    reverse.reserve(changes.size());
    for (auto change = changes.crbegin(); change != changes.crend(); ++change)
        reverse.append(LineChange{change->first, change->after, change->before});
    return reverse;
}

std::optional<QList<LineChange>> EditHistory::redo()
{
    if (!canRedo())
        return std::nullopt;
    m_typing = false;
    return m_steps[m_done++].changes;
}

void EditHistory::markSaved()
{
    m_savedId = stateId();
    m_typing = false;
}

void EditHistory::clear()
{
    m_steps.clear();
    m_done = 0;
    m_bytes = 0;
    m_baseId = m_nextId++;
    m_typing = false;
}

void EditHistory::dropRedo()
{
    for (qsizetype i = m_done; i < m_steps.size(); ++i)
        m_bytes -= m_steps[i].bytes;
    m_steps.resize(m_done);
}

void EditHistory::dropOldest()
{
    m_bytes -= m_steps.first().bytes;
    m_baseId = m_steps.first().id;
    m_steps.removeFirst();
    --m_done;
}

int firstChangedLine(const QList<LineChange> &changes)
{
    int first = -1;
    for (const LineChange &change : changes) {
        const auto differ = std::mismatch(change.before.cbegin(), change.before.cend(), change.after.cbegin(),
                                          change.after.cend());
        const int line = change.first + int(differ.first - change.before.cbegin()) + 1;
        first = first < 0 ? line : std::min(first, line);
    }
    return std::max(first, 1);
}

} // namespace tgx
