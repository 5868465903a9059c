#include "document/edit_history.h"

#include <QTest>

using namespace tgx;

namespace {

// A document of a few lines kept beside a history, changed by a script of
// words: "C2" a command writing line 2, "T2" typing a letter on line 2, "K2"
// typing it away again, "E2" typing a line break at the end of line 2, "J2"
// joining a change of line 2 to the last step (a save's stamp), "S" save, "U"
// undo, "R" redo, "N" a new text.
struct Scripted {
    QStringList lines{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    EditHistory history;

    LineChange change(int line, const QStringList &after)
    {
        LineChange made{line, {lines[line]}, after};
        apply(made);
        return made;
    }

    void apply(const LineChange &change)
    {
        for (qsizetype i = 0; i < change.before.size(); ++i)
            lines.removeAt(change.first);
        for (qsizetype i = 0; i < change.after.size(); ++i)
            lines.insert(change.first + i, change.after[i]);
    }

    void applyAll(const std::optional<QList<LineChange>> &changes)
    {
        QVERIFY(changes);
        for (const LineChange &each : *changes)
            apply(each);
    }

    void run(const QString &script)
    {
        for (const QString &word : script.split(u' ', Qt::SkipEmptyParts)) {
            const int line = word.mid(1).toInt();
            const QString &text = lines.value(line);
            switch (word[0].unicode()) {
            case 'C': history.record(change(line, {text + u'C'}), EditHistory::Kind::Command); break;
            case 'T': history.record(change(line, {text + u't'}), EditHistory::Kind::Typing); break;
            case 'K': history.record(change(line, {text.chopped(1)}), EditHistory::Kind::Typing); break;
            case 'E': history.record(change(line, {text, QString()}), EditHistory::Kind::Typing); break;
            case 'J': history.extendLast(change(line, {text + u'J'})); break;
            case 'S': history.markSaved(); break;
            case 'U': applyAll(history.undo()); break;
            case 'R': applyAll(history.redo()); break;
            case 'N': history.clear(); break;
            }
        }
    }

    int stepsToUndo()
    {
        int steps = 0;
        for (; history.canUndo(); ++steps)
            applyAll(history.undo());
        return steps;
    }
};

} // namespace

class EditHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void stepsAndTheUnsavedState_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("undoSteps");
        QTest::addColumn<int>("redoSteps");
        QTest::addColumn<bool>("modified");

        QTest::newRow("typing on one line is one step") << "T1 T1 T1" << 1 << 0 << true;
        QTest::newRow("typing on another line is another step") << "T1 T2 T2" << 2 << 0 << true;
        QTest::newRow("a line break ends the typing step") << "T1 E1 T2" << 3 << 0 << true;
        QTest::newRow("typing stays apart from the commands around it") << "C1 T1 T1 C1" << 3 << 0 << true;
        QTest::newRow("typing after a save is a step of its own") << "T1 S T1" << 2 << 0 << true;
        QTest::newRow("typing after an undo is a step of its own") << "T1 T2 U T1" << 2 << 0 << true;
        QTest::newRow("typed and typed away is no step") << "S T1 T1 K1 K1" << 0 << 0 << false;
        QTest::newRow("nothing changed") << "" << 0 << 0 << false;
        QTest::newRow("undone back to the saved text") << "C1 S C2 U" << 1 << 1 << false;
        QTest::newRow("redone back to the saved text") << "C1 C2 S U U R R" << 2 << 0 << false;
        QTest::newRow("undone past the saved text") << "C1 S U" << 0 << 1 << true;
        QTest::newRow("the saved text left for another branch") << "C1 S U C2 U" << 0 << 1 << true;
        QTest::newRow("saved with everything undone, then redone") << "C1 U S R" << 1 << 0 << true;
        QTest::newRow("saved with everything undone, redone and undone") << "C1 U S R U" << 0 << 1 << false;
        QTest::newRow("the stamp joins the last step") << "C1 J3 S" << 1 << 0 << false;
        QTest::newRow("the stamp keeps the redo steps") << "C1 C2 U J3 S" << 1 << 1 << false;
        QTest::newRow("the stamp with no step done is no step") << "C1 U J3 S" << 0 << 1 << false;
        QTest::newRow("a new text is unsaved") << "S C1 N" << 0 << 0 << true;
        QTest::newRow("a new text marked saved") << "C1 N S" << 0 << 0 << false;
        QTest::newRow("a new text, changed and undone") << "S N C1 U" << 0 << 1 << true;
        QTest::newRow("the stamp ends a typing step") << "T1 J3 S T1" << 2 << 0 << true;
    }

    // Each script ends with steps to undo and redo as counted, and undoing
    // them all and redoing them again gives its text back.
    void stepsAndTheUnsavedState()
    {
        QFETCH(QString, script);
        QFETCH(int, undoSteps);
        QFETCH(int, redoSteps);
        QFETCH(bool, modified);

        Scripted document;
        document.run(script);
        QCOMPARE(document.history.isModified(), modified);
        const QStringList reached = document.lines;
        QCOMPARE(document.stepsToUndo(), undoSteps);
        int redone = 0;
        for (; document.history.canRedo(); ++redone)
            document.applyAll(document.history.redo());
        QCOMPARE(redone, undoSteps + redoSteps);
        for (int i = 0; i < redoSteps; ++i)
            document.applyAll(document.history.undo());
        QCOMPARE(document.lines, reached);
        QCOMPARE(document.history.isModified(), modified);
    }

    void memoryStaysBoundedAndTheOldestStepsGo_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("lineLength");
        QTest::addColumn<qsizetype>("limit");

        QTest::newRow("a thousand and more small steps at the usual limit")
            << 1200 << 70 << EditHistory::kMemoryLimit;
        QTest::newRow("large steps past a small limit") << 60 << 50000 << qsizetype(2'000'000);
        QTest::newRow("one step larger than the limit") << 3 << 200000 << qsizetype(100'000);
    }

    // The history keeps the newest steps that fit, at least one, and each of
    // them still undoes exactly; undone to the oldest one kept, the text is
    // not the saved one when older steps went.
    void memoryStaysBoundedAndTheOldestStepsGo()
    {
        QFETCH(int, steps);
        QFETCH(int, lineLength);
        QFETCH(qsizetype, limit);

        EditHistory history(limit);
        QStringList lines{QString()};
        QList<QStringList> texts{lines};
        for (int i = 0; i < steps; ++i) {
            const QString next(lineLength, QChar(u'a' + i % 26));
            history.record(LineChange{0, lines, {next}}, EditHistory::Kind::Command);
            lines = {next};
            texts << lines;
        }
        const qsizetype kept = history.stepCount();
        QVERIFY(kept >= 1);
        QVERIFY(history.memoryUse() <= limit || kept == 1);
        const qsizetype oneStep = 2 * (lineLength * qsizetype(sizeof(QChar)));
        QVERIFY(kept == steps || history.memoryUse() + oneStep > limit);
        for (qsizetype i = 0; i < kept; ++i) {
            const auto undone = history.undo();
            QVERIFY(undone);
            QCOMPARE(undone->first().after, texts[steps - 1 - i]);
        }
        QVERIFY(!history.canUndo());
        QCOMPARE(history.isModified(), kept < steps);
    }

    void firstChangedLine_data()
    {
        QTest::addColumn<QList<LineChange>>("changes");
        QTest::addColumn<int>("line");

        const QStringList ab{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("one line replaced") << QList<LineChange>{{4, {QStringLiteral("x")}, {QStringLiteral("y")}}} << 5;
        QTest::newRow("a line added after the last")
            << QList<LineChange>{{9, {QStringLiteral("a")}, ab}} << 11;
        QTest::newRow("a line taken from the end") << QList<LineChange>{{9, ab, {QStringLiteral("a")}}} << 11;
        QTest::newRow("the second of two lines changed")
            << QList<LineChange>{{30, ab, {QStringLiteral("a"), QStringLiteral("c")}}} << 32;
        QTest::newRow("the earliest of several changes")
            << QList<LineChange>{{40, {QStringLiteral("a")}, ab}, {33, {QStringLiteral("x")}, {QStringLiteral("y")}}}
            << 34;
    }

    void firstChangedLine()
    {
        QFETCH(QList<LineChange>, changes);
        QFETCH(int, line);
        QCOMPARE(tgx::firstChangedLine(changes), line);
    }
};

QTEST_GUILESS_MAIN(EditHistoryTest)
#include "edit_history_test.moc"
