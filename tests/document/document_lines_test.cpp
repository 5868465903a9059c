#include "document/document_lines.h"

#include <QTest>

using namespace tgx;

// The document as numbered lines over its text.
class DocumentLinesTest : public QObject {
    Q_OBJECT

private slots:
    void lineCountIgnoresAFinalLineBreak_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("one break") << QStringLiteral("\n") << 1;
        QTest::newRow("new document") << QString(30, u'\n') << 30;
        QTest::newRow("no final break") << QStringLiteral("a\nb") << 2;
        QTest::newRow("final break") << QStringLiteral("a\nb\n") << 2;
        QTest::newRow("empty last line kept") << QStringLiteral("a\n\n") << 2;
    }

    void lineCountIgnoresAFinalLineBreak()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        StringTextBuffer buffer(text);
        DocumentLines lines(buffer);
        QCOMPARE(lines.lineCount(), count);
        QCOMPARE(lines.allLines().size(), count);
    }

    void readingAMissingLineGivesEmptyText()
    {
        StringTextBuffer buffer(QStringLiteral("a\nb\n"));
        DocumentLines lines(buffer);
        QCOMPARE(lines.line(1), QStringLiteral("a"));
        QCOMPARE(lines.line(2), QStringLiteral("b"));
        QCOMPARE(lines.line(3), QString());
        QCOMPARE(lines.line(0), QString());
        QCOMPARE(lines.line(-5), QString());
    }

    void replacingKeepsTheLineBreakAndIgnoresMissingLines()
    {
        StringTextBuffer buffer(QStringLiteral("a\nb\nc"));
        DocumentLines lines(buffer);
        lines.replaceLine(2, QStringLiteral("BBB"));
        lines.replaceLine(3, QStringLiteral("C"));
        QCOMPARE(buffer.text(), QStringLiteral("a\nBBB\nC"));
        lines.replaceLine(4, QStringLiteral("new"));
        lines.replaceLine(0, QStringLiteral("new"));
        QCOMPARE(buffer.text(), QStringLiteral("a\nBBB\nC"));
        QCOMPARE(buffer.changeCount(), 2);
    }

    void aLineNeverTakesALineBreak()
    {
        StringTextBuffer buffer(QStringLiteral("a\nb\n"));
        DocumentLines lines(buffer);
        lines.replaceLine(1, QStringLiteral("x\ny\rz"));
        lines.appendLine(QStringLiteral("p\nq"));
        QCOMPARE(lines.lineCount(), 3);
        QCOMPARE(lines.line(1), QStringLiteral("x y z"));
        QCOMPARE(lines.line(3), QStringLiteral("p q"));
    }

    void appendingKeepsWhetherTheTextEndedWithABreak_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("ends with break") << QStringLiteral("a\n") << QStringLiteral("a\nnew\n");
        QTest::newRow("ends without break") << QStringLiteral("a") << QStringLiteral("a\nnew");
        QTest::newRow("empty text") << QString() << QStringLiteral("new\n");
        QTest::newRow("new document") << QString(30, u'\n') << QString(30, u'\n') + QStringLiteral("new\n");
    }

    void appendingKeepsWhetherTheTextEndedWithABreak()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        StringTextBuffer buffer(before);
        DocumentLines lines(buffer);
        const int count = lines.lineCount();
        lines.appendLine(QStringLiteral("new"));
        QCOMPARE(buffer.text(), after);
        QCOMPARE(lines.lineCount(), count + 1);
        QCOMPARE(lines.line(count + 1), QStringLiteral("new"));
        QCOMPARE(buffer.changeCount(), 1);
    }

    void appendingAnEmptyLineToAnEmptyTextAddsALine()
    {
        StringTextBuffer buffer;
        DocumentLines lines(buffer);
        lines.appendLine(QString());
        QCOMPARE(lines.lineCount(), 1);
    }

    void deletingRemovesTheLineWithItsBreak_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("after");
        QTest::newRow("middle") << QStringLiteral("a\nb\nc\n") << 2 << QStringLiteral("a\nc\n");
        QTest::newRow("first") << QStringLiteral("a\nb\n") << 1 << QStringLiteral("b\n");
        QTest::newRow("last with break") << QStringLiteral("a\nb\n") << 2 << QStringLiteral("a\n");
        QTest::newRow("last without break") << QStringLiteral("a\nb") << 2 << QStringLiteral("a\n");
        QTest::newRow("empty line") << QStringLiteral("a\n\nb\n") << 2 << QStringLiteral("a\nb\n");
        QTest::newRow("missing") << QStringLiteral("a\nb\n") << 3 << QStringLiteral("a\nb\n");
        QTest::newRow("zero") << QStringLiteral("a\n") << 0 << QStringLiteral("a\n");
    }

    void deletingRemovesTheLineWithItsBreak()
    {
        QFETCH(QString, before);
        QFETCH(int, line);
        QFETCH(QString, after);
        StringTextBuffer buffer(before);
        DocumentLines lines(buffer);
        lines.deleteLine(line);
        QCOMPARE(buffer.text(), after);
        QCOMPARE(buffer.changeCount(), before == after ? 0 : 1);
    }

    void replacingSeveralLinesIsOneChange_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("line");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("after");
        QTest::newRow("middle") << QStringLiteral("a\nb\nc\nd\n") << 2 << QStringList{"C", "B"}
                                << QStringLiteral("a\nC\nB\nd\n");
        QTest::newRow("up to the last, break kept") << QStringLiteral("a\nb\nc\n") << 2 << QStringList{"x", ""}
                                                    << QStringLiteral("a\nx\n\n");
        QTest::newRow("last without break") << QStringLiteral("a\nb") << 1 << QStringList{"b", "a"}
                                            << QStringLiteral("b\na");
        QTest::newRow("breaks inside become blanks") << QStringLiteral("a\nb\n") << 1 << QStringList{"p\nq", "r\rs"}
                                                     << QStringLiteral("p q\nr s\n");
        QTest::newRow("one line too many") << QStringLiteral("a\nb\n") << 2 << QStringList{"x", "y"}
                                           << QStringLiteral("a\nb\n");
        QTest::newRow("none") << QStringLiteral("a\n") << 1 << QStringList{} << QStringLiteral("a\n");
    }

    void replacingSeveralLinesIsOneChange()
    {
        QFETCH(QString, before);
        QFETCH(int, line);
        QFETCH(QStringList, texts);
        QFETCH(QString, after);
        StringTextBuffer buffer(before);
        DocumentLines lines(buffer);
        lines.replaceLines(line, texts);
        QCOMPARE(buffer.text(), after);
        QCOMPARE(buffer.changeCount(), before == after ? 0 : 1);
    }

    void clearEmptiesTheDocument()
    {
        StringTextBuffer buffer(QStringLiteral("a\nb\n"));
        DocumentLines lines(buffer);
        lines.clear();
        QCOMPARE(lines.lineCount(), 0);
        QCOMPARE(buffer.text(), QString());
    }
};

QTEST_GUILESS_MAIN(DocumentLinesTest)
#include "document_lines_test.moc"
