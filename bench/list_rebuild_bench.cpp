// Times the train list rebuild that follows one keystroke in the source view,
// next to the floor for the same document: reading the whole text out of the
// text control and splitting it into lines.
#include "app_fixture.h"
#include "document/train_list_model.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace tgx;

namespace {

const QString kRecord = QStringLiteral("1804521107050712070011207130740270000012013000000000000000000000000");

QString documentOf(int trains)
{
    QString text = QString(30, u'\n');
    text.reserve(text.size() + trains * (kRecord.size() + 12));
    for (int i = 0; i < trains; ++i)
        text += kRecord.left(2) + QString::number(i % 100000).rightJustified(5, u'0') + kRecord.mid(7)
                + QStringLiteral("poznámka") + u'\n';
    return text;
}

double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Document sizes may be given as arguments; by default the four sizes below.
    QList<int> sizes{100, 2000, 20000, 100000};
    if (argc > 1) {
        sizes.clear();
        for (int i = 1; i < argc; ++i)
            sizes << QByteArray(argv[i]).toInt();
    }
    std::printf("%10s %12s %14s %8s\n", "trains", "floor [ms]", "keystroke [ms]", "ratio");
    for (const int trains : sizes) {
        test::App app;
        app.main().show();
        app.trigger("F0");
        auto *view = app.main().findChild<QPlainTextEdit *>(QStringLiteral("B0"));
        app.lines().setText(documentOf(trains));
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
        if (app.main().trainList().rowCount() != trains) {
            std::fprintf(stderr, "the list holds %d items, not %d\n", app.main().trainList().rowCount(), trains);
            return 1;
        }
        std::printf("%10d %12.3f %14.3f %8.2f\n", trains, floor, keystroke, keystroke / floor);
    }
    return 0;
}
