#pragma once

#include <QList>
#include <QStringList>

#include <optional>

namespace tgx {

// One change of the document's text: the lines from first on (counted from
// 0) that stood there before it, and those that stand there after it. Both
// hold at least one line, so that a change can always be put back by
// replacing whole lines.
struct LineChange {
    int first = 0;
    QStringList before;
    QStringList after;
};

// The document's history of changes, in steps of one or more line changes:
// what "Zpět" takes back and "Znovu" brings again. It knows which state of
// the text was last saved, so that undoing back to it leaves nothing unsaved.
// Its memory is bounded: past the limit it forgets the oldest steps, always
// keeping the newest one.
class EditHistory {
public:
    enum class Kind {
        Command, // a step of its own
        Typing,  // merges into the typing step before it while both stay within one line
    };
    static constexpr qsizetype kMemoryLimit = qsizetype(256) * 1024 * 1024;

    explicit EditHistory(qsizetype memoryLimit = kMemoryLimit) : m_limit(memoryLimit) {}

    // A new step, which drops the steps that could be redone.
    void record(LineChange change, Kind kind);
    // Adds to the last step done: the rest of a command, or a save's header
    // stamp. With no step done the change belongs to the text history starts from.
    void extendLast(LineChange change);

    // The changes that take back the last step (or bring the next one again),
    // in the order to make them; nothing when there is none.
    std::optional<QList<LineChange>> undo();
    std::optional<QList<LineChange>> redo();
    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }

    // The text as it stands now is the saved one.
    void markSaved();
    bool isModified() const { return stateId() != m_savedId; }
    // No text kept counts as the saved one any more: the file changed
    // underneath, so even undoing back leaves the document unsaved.
    void forgetSaved() { m_savedId = kNoState; }
    // Forgets every step. The text as it stands is a new one, unsaved until
    // marked saved: no saved state can come back.
    void clear();

    qsizetype stepCount() const { return m_steps.size(); }
    qsizetype memoryUse() const { return m_bytes; } // an estimate, on the high side

private:
    struct Step {
        quint64 id = 0;
        QList<LineChange> changes;
        qsizetype bytes = 0;
    };

    quint64 stateId() const { return m_done > 0 ? m_steps[m_done - 1].id : m_baseId; }
    bool mergesTyping(const LineChange &change) const;
    void mergeTyping(const LineChange &change);
    void dropRedo();
    void dropOldest();

    QList<Step> m_steps;
    qsizetype m_done = 0; // steps done; the rest can be redone
    quint64 m_nextId = 1;
    quint64 m_baseId = 0;  // the text before the oldest step kept
    static constexpr quint64 kNoState = ~quint64(0); // an id no text has
    quint64 m_savedId = 0;
    bool m_typing = false; // the last step done is typing that may grow
    qsizetype m_bytes = 0;
    qsizetype m_limit;
};

// The first line (from 1) that changes make differ: where a view shows them.
int firstChangedLine(const QList<LineChange> &changes);

} // namespace tgx
