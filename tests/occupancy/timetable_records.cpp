#include "timetable_records.h"

namespace tgx::test {

namespace {

QString block(const QString &text)
{
    if (text == u"-")
        return QString(13, u'0');
    QString digits = text;
    digits.remove(u' ');
    return digits + QStringLiteral("0000"); // running time and reserved: not read by the checks
}

} // namespace

QString record(int number, const QString &arrival, const QString &track, const QString &departure,
               const QString &type, QChar passage, const QString &note)
{
    return type + QString::number(number).rightJustified(5, u'0') + block(arrival) + track + passage + block(departure) + QStringLiteral("00")
           + QString(30, u'0') + note;
}

QStringList timetable(const QString &simulator, const QStringList &records, const QString &specified)
{
    QStringList lines(30);
    lines[1] = simulator;
    lines[6] = specified;
    return lines + records;
}

QStringList findingLines(const OccupancyPlan &plan)
{
    QStringList lines;
    for (const Finding &finding : plan.findings)
        lines << QStringLiteral("%1: %2").arg(finding.line).arg(findingText(plan, finding));
    return lines;
}

} // namespace tgx::test
