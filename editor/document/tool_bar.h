#pragma once

#include <QToolBar>

namespace tgx {

// The main window's tool bar. The user may hide, show and rearrange its
// buttons from its context menu; nothing of that is stored, so every start
// shows the buttons as the program adds them.
class ToolBar : public QToolBar {
    Q_OBJECT

public:
    explicit ToolBar(QWidget *parent = nullptr);

    void addSpacer(int width);
    void addButton(QAction *action);
    // Remembers the current arrangement as the one "reset" returns to.
    void keepAsDefault();

    // Customising, also reachable from the context menu.
    void moveButton(QAction *button, int offset); // offset -1: one place left, +1: right
    void setButtonShown(QAction *button, bool shown);
    void resetArrangement();

    QList<QAction *> buttons() const { return m_buttons; }

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // A button widget is made anew whenever its action is inserted again.
    void shapeButton(QAction *action);

    QList<QAction *> m_buttons;       // the buttons, whether shown or not
    QList<QAction *> m_defaultOrder;  // buttons and spacers as first arranged
};

} // namespace tgx
