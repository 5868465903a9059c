// Times what follows one keystroke in the source view (the train list, the
// occupancy chart and the findings rebuilt from one decoding of the records),
// next to the floor for the same document: reading the whole text out of the
// text control and splitting it into lines. Processor times, medians.
#include "app_fixture.h"
#include "bench_support.h"
#include "document/train_list_model.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <cstdio>

using namespace tgx;
using namespace tgx::bench;

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    keepFreedMemory();
    QApplication application(argc, argv);
    const QList<int> sizes = sizesFrom(application.arguments().mid(1), {100, 2000, 20000, 100000});
    std::printf("%10s %12s %14s %8s\n", "trains", "floor [ms]", "keystroke [ms]", "ratio");
    for (const int trains : sizes) {
        test::App app;
        app.main().show();
        app.trigger("F0");
        auto *view = app.main().findChild<QPlainTextEdit *>(QStringLiteral("B0"));
        app.lines().setText(sampleTimetable(trains).join(u'\n') + u'\n');
        QTextCursor cursor(view->document());
        cursor.movePosition(QTextCursor::End);
        cursor.movePosition(QTextCursor::PreviousBlock);
        cursor.movePosition(QTextCursor::EndOfBlock);
        view->setTextCursor(cursor);
        view->setFocus();

        const int runs = trains >= 20000 ? 9 : 31;
        const double floor = medianMs(runs, [&] {
            const QStringList lines = view->toPlainText().split(u'\n');
            Q_UNUSED(lines);
        });
        bool typeLetter = true;
        const double keystroke = medianMs(runs, [&] {
            QTest::keyClick(view, typeLetter ? Qt::Key_X : Qt::Key_Backspace);
            typeLetter = !typeLetter;
        });
        if (app.trainList().rowCount() != trains) {
            std::fprintf(stderr, "the list holds %d items, not %d\n", app.trainList().rowCount(), trains);
            return 1;
        }
        std::printf("%10d %12.3f %14.3f %8.2f\n", trains, floor, keystroke, keystroke / floor);
    }
    return 0;
}
