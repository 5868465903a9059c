#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace tgx {

// The find bar: a slim row above the views with the text to find. It only
// reports what the user does; the window that holds it finds and selects the
// trains. Hidden until opened.
class FindBar : public QWidget {
    Q_OBJECT

public:
    explicit FindBar(QWidget *parent = nullptr);

    QString text() const;

    // Shows the bar and puts the cursor into its field with the text selected,
    // remembering where the focus was, so that dismiss() can give it back.
    void open();
    // Hides the bar, gives the focus back and reports dismissed().
    void dismiss();
    // Empties the text and dismisses the bar if it shows: for a document
    // that replaces the one searched.
    void reset();
    // Whether the text was found: "Nenalezeno" shows when it was not (an empty
    // text is never reported as not found).
    void setFound(bool found);

signals:
    void textEdited(const QString &text); // the user changed the text
    // Enter in the field, or F3 anywhere in the bar's window while the bar shows.
    void nextRequested();
    void dismissed(); // Escape anywhere in the bar's window, or its close button, hid it

private:
    void createControls();
    void createShortcuts();

    QLabel *H7 = nullptr;      // "Najít:"
    QLineEdit *H4 = nullptr;   // the text to find
    QLabel *H5 = nullptr;      // "Nenalezeno", shown when nothing matches
    QToolButton *H6 = nullptr; // closes the bar
    QPointer<QWidget> m_returnFocus; // had the focus before the bar took it
};

} // namespace tgx
