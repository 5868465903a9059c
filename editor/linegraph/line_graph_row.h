#pragma once

#include <QWidget>

class QComboBox;
class QHBoxLayout;

namespace tgx {

// The row above the line's graph: "Trať:" with the lines to choose from,
// "Přidat grafikon..." and each loaded timetable by its own station's name
// with a button "×" that removes it.
class LineGraphRow : public QWidget {
    Q_OBJECT

public:
    explicit LineGraphRow(QWidget *parent = nullptr);

    // Offers lines, choosing the first; keeps the choice when it is among them.
    void setLines(const QStringList &lines);
    QString chosenLine() const;
    // The stations of the loaded timetables, in the order they were loaded.
    void setLoaded(const QStringList &stations);

signals:
    void lineChosen();
    void addRequested();
    void removeRequested(int index);

private:
    QComboBox *m_L3;
    QHBoxLayout *m_loaded; // the loaded timetables' names and buttons
};

} // namespace tgx
