#include "train_dialog_driver.h"
#include "list_paint.h"

#include "document/header_lines.h"

#include <QLabel>
#include <QListView>
#include <QTest>

namespace tgx::test {

namespace {

// "grey" when every control is disabled (lists painted grey), "normal" when
// every one is enabled (lists in the window colour), else "mixed".
QString greying(TA4 &form, const QStringList &labels, const QStringList &lists)
{
    int grey = 0;
    int normal = 0;
    for (const QString &name : labels) {
        const bool enabled = form.findChild<QLabel *>(name)->isEnabled();
        (enabled ? normal : grey) += 1;
    }
    for (const QString &name : lists) {
        const auto *list = form.findChild<QComboBox *>(name);
        if (!list->isEnabled() && paintedGrey(*list))
            ++grey;
        else if (list->isEnabled() && !paintedGrey(*list))
            ++normal;
    }
    const qsizetype all = labels.size() + lists.size();
    return grey == all ? QStringLiteral("grey") : normal == all ? QStringLiteral("normal") : QStringLiteral("mixed");
}

} // namespace

QString record(QStringView type, QStringView number, QStringView arrival, QStringView track, QStringView passage,
               QStringView departure, QStringView vehicles, QStringView note)
{
    QString line;
    for (QStringView part : {type, number, arrival, track, passage, departure, QStringView(u"00"), vehicles, note})
        line += part;
    return line;
}

QComboBox *TrainDialog::list(const char *name)
{
    auto *found = form().findChild<QComboBox *>(QString::fromLatin1(name));
    Q_ASSERT(found);
    return found;
}

QLineEdit *TrainDialog::edit(const char *name)
{
    auto *found = form().findChild<QLineEdit *>(QString::fromLatin1(name));
    Q_ASSERT(found);
    return found;
}

QCheckBox *TrainDialog::box(const char *name)
{
    auto *found = form().findChild<QCheckBox *>(QString::fromLatin1(name));
    Q_ASSERT(found);
    return found;
}

QPushButton *TrainDialog::button(const char *name)
{
    auto *found = form().findChild<QPushButton *>(QString::fromLatin1(name));
    Q_ASSERT(found);
    return found;
}

void TrainDialog::choose(const char *name, int index)
{
    QComboBox *box = list(name);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void TrainDialog::click(const char *name)
{
    form().findChild<QAbstractButton *>(QString::fromLatin1(name))->click();
}

void TrainDialog::type(const char *name, const QString &text)
{
    QLineEdit *field = edit(name);
    field->clear();
    // Key clicks take ASCII only; other text is put in as if pasted.
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(field, c.toLatin1());
        else
            field->insert(QString(c));
    }
}

void TrainDialog::fillHutkyTrain()
{
    choose("B2", 8);
    type("B4", QStringLiteral("4521"));
    const char *vehicles[] = {"B6", "B7", "B8", "B9", "C0", "C1", "C2", "C3", "C4", "C5"};
    for (const char *vehicle : vehicles)
        type(vehicle, QStringLiteral("000"));
    type("B6", QStringLiteral("012"));
    type("B7", QStringLiteral("013"));
    const std::pair<const char *, int> choices[] = {
        {"C8", 0}, {"D0", 7}, {"D2", 5}, {"D4", 7}, {"D6", 12}, {"E0", 1},
        {"E3", 1}, {"E5", 7}, {"E7", 13}, {"E9", 7}, {"F1", 40},
    };
    for (const auto &[name, index] : choices)
        choose(name, index);
}

QString TrainDialog::boxState()
{
    QStringList parts;
    for (const char *name : {"D7", "D8", "F2", "F3"}) {
        const QCheckBox *b = box(name);
        parts << QString::fromLatin1(name) + QLatin1String(b->isChecked() ? " on" : " off")
                     + QLatin1String(b->isEnabled() ? "" : " dis");
    }
    parts << QStringLiteral("arrival ") + greying(form(), {"C7", "C9", "D1", "D3", "D5"}, {"C8", "D0", "D2", "D4", "D6"});
    parts << QStringLiteral("departure ") + greying(form(), {"E2", "E4", "E6", "E8", "F0"}, {"E3", "E9", "F1"});
    parts << QStringLiteral("times ") + greying(form(), {}, {"E5", "E7"});
    return parts.join(u'|');
}

void setTimetable(App &app, const QString &simulator, const QString &specifiedNeighbour)
{
    app.lines().replaceLine(HeaderLine::Simulator, simulator);
    app.lines().replaceLine(HeaderLine::SpecifiedNeighbour, specifiedNeighbour);
}

void selectTrain(App &app, int row)
{
    auto *view = app.main().findChild<QListView *>(QStringLiteral("B1"));
    view->setCurrentIndex(view->model()->index(row, 0));
}

} // namespace tgx::test
