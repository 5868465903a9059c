#pragma once

#include "document/edit_history.h"

#include <QObject>
#include <QStringList>

#include <optional>

class QTextDocument;

namespace tgx {

// The history of the text document the source view holds, kept in place of
// the document's own: that one holds every text ever typed or replaced, so
// its memory grows with each command even when the command is undone.
//
// Every change of the text is watched and kept as the lines it replaced. A
// command (from begin() to end(); they nest, the outermost counts) is one
// step and says changed() once when it ends, however many changes it made.
// A change outside any command is the user's typing: a step that merges
// with typing on the same line, saying changed() at once.
class DocumentHistory : public QObject {
    Q_OBJECT

public:
    enum class Command {
        Step,     // one step of the history
        JoinLast, // part of the last step (a save's header stamp, which is no edit of the user's)
        Restart,  // replaces the whole text; the history starts anew
    };

    explicit DocumentHistory(QTextDocument &document, QObject *parent = nullptr);

    void begin(Command command);
    void end();

    // Takes back the last step or brings the next one again, as one command.
    // The first line (from 1) the step changed, or nothing when there was no step.
    std::optional<int> undo();
    std::optional<int> redo();
    bool canUndo() const { return m_edits.canUndo(); }
    bool canRedo() const { return m_edits.canRedo(); }

    bool isModified() const { return m_edits.isModified(); }
    void markSaved();
    void forgetSaved();

    // The document's blocks, kept in step with every change.
    const QStringList &blocks() const { return m_blocks; }
    const EditHistory &edits() const { return m_edits; }

signals:
    void changed(); // once per command or typed change: the cue for the change handler
    void modifiedChanged(bool modified);
    void undoAvailable(bool available);
    void redoAvailable(bool available);

private:
    void contentsChange(int position, int removed, int added);
    void keep(LineChange change);
    LineChange takeChange(int position, int added);
    QStringList readBlocks(int first, int last) const;
    void replay(const QList<LineChange> &changes);
    void restart();
    void announce();

    QTextDocument &m_document;
    QStringList m_blocks;
    EditHistory m_edits;
    int m_depth = 0;               // commands open now
    Command m_command = Command::Step; // the outermost one
    bool m_stepStarted = false;    // the open command has begun its step
    bool m_restarting = false;     // the open command replaces the whole text
    bool m_replaying = false;      // an undo or redo is writing: nothing to keep
    bool m_changed = false;        // the text changed since the last changed()
    int m_linesWritten = 0;        // by the open command
    bool m_modified = false;       // as last said
    bool m_undoAvailable = false;  // as last said
    bool m_redoAvailable = false;  // as last said
};

} // namespace tgx
