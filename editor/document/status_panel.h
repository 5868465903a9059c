#pragma once

#include <QLabel>

namespace tgx {

// A panel of the main window's status bar. It shows its text as plain text and
// cuts what does not fit with "…" instead of widening the window: the window's
// smallest width never depends on a file path or a simulator name. text()
// keeps the whole text; a cut text shows whole in the panel's tool tip.
class StatusPanel : public QLabel {
    Q_OBJECT

public:
    explicit StatusPanel(Qt::TextElideMode elide, QWidget *parent = nullptr);

    void setPanelText(const QString &text);
    // The text as the panel draws it at its present width.
    QString shownText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateToolTip();

    Qt::TextElideMode m_elide;
};

} // namespace tgx
