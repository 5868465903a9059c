// The wording of the timetable checks' findings.
#include "occupancy/occupancy_plan.h"

#include "trains/decoded_record.h"
#include "trains/record_fault.h"
#include "trains/station_table.h"

#include <algorithm>

namespace tgx {

namespace {

const QString kUnknownSimulator =
    QStringLiteral("simulátor „%1“ editor nezná, koleje a předjíždění proto nekontroluje");
const QString kNoSimulator = QStringLiteral("řádek 2 neuvádí simulátor, koleje a předjíždění proto nekontroluje");
const QString kMoreCollisions = QStringLiteral("a ještě %1 dalších kolizí");
const QString kMoreOvertakings = QStringLiteral("a ještě %1 dalších předjíždění");
const QString kCollision = QStringLiteral("kolize na koleji %1: %2 %3–%4 a %5 %6–%7 (řádek %8)");
const QString kPossibleCollision = QStringLiteral("možná kolize na koleji %1: %2 %3–%4 a %5 %6–%7 (řádek %8)");
const QString kUnknownTrack = QStringLiteral("kolej %1 v této stanici není");
const QString kDuplicateNumber = QStringLiteral("číslo vlaku %1 je už na řádku %2");
const QString kDepartureBeforeArrival = QStringLiteral("odjezd %1 je dříve než příjezd %2");
const QString kOvertakingTo = QStringLiteral("%1 předjíždí %2 (řádek %3) na trati do stanice %4");
const QString kOvertakingFrom = QStringLiteral("%1 předjíždí %2 (řádek %3) na trati ze stanice %4");
const QString kUnreadable = QStringLiteral("záznam vlaku nelze přečíst: %1");

QString number(int value)
{
    return QString::number(value);
}

QString trackText(QChar track)
{
    return QString(track);
}

QString collisionText(const PlannedTrain &train, const PlannedTrain &other, bool possible)
{
    const auto from = [](const PlannedTrain &t) { return clockText(t.occupancy.first); };
    const auto to = [](const PlannedTrain &t) { return clockText(t.occupancy.last() % kMinutesPerDay); };
    return (possible ? kPossibleCollision : kCollision)
        .arg(trackText(train.track), trainLabel(train), from(train), to(train), trainLabel(other), from(other),
             to(other), number(other.line));
}

QString overtakingText(const OccupancyPlan &plan, const PlannedTrain &train, const PlannedTrain &other,
                       FindingDetail section)
{
    const bool toNeighbour = section == FindingDetail::OvertakingTo;
    const PlannedRun &run = toNeighbour ? train.departure : train.arrival;
    const QStringView station = neighbourShortName(plan.simulator, run.code, plan.specifiedNeighbour).value_or(u"");
    return (toNeighbour ? kOvertakingTo : kOvertakingFrom)
        .arg(trainLabel(train), trainLabel(other), number(other.line), station.toString());
}

const UnreadableRecord *unreadableOnLine(const OccupancyPlan &plan, int line)
{
    const auto found = std::lower_bound(plan.unreadable.begin(), plan.unreadable.end(), line,
                                        [](const UnreadableRecord &record, int l) { return record.line < l; });
    return found != plan.unreadable.end() && found->line == line ? &*found : nullptr;
}

} // namespace

QString findingText(const OccupancyPlan &plan, const Finding &finding)
{
    if (finding.kind == FindingKind::UnknownSimulator)
        return plan.simulatorName.isEmpty() ? kNoSimulator : kUnknownSimulator.arg(plan.simulatorName);
    if (finding.kind == FindingKind::MoreCollisions)
        return kMoreCollisions.arg(finding.further);
    if (finding.kind == FindingKind::MoreOvertakings)
        return kMoreOvertakings.arg(finding.further);
    if (finding.kind == FindingKind::Unreadable) {
        const UnreadableRecord *record = unreadableOnLine(plan, finding.line);
        return record ? kUnreadable.arg(faultDescription(record->fault)) : QString();
    }
    const PlannedTrain *train = plan.trainOnLine(finding.line);
    if (!train)
        return {};
    if (finding.kind == FindingKind::UnknownTrack)
        return kUnknownTrack.arg(trackText(train->track));
    if (finding.kind == FindingKind::DepartureBeforeArrival)
        return kDepartureBeforeArrival.arg(clockText(train->departure.departure), clockText(train->arrival.arrival));
    if (finding.other < 0 || finding.other >= plan.trains.size())
        return {};
    const PlannedTrain &other = plan.trains[finding.other];
    if (finding.kind == FindingKind::Collision)
        return collisionText(*train, other, finding.detail == FindingDetail::PossibleCollision);
    if (finding.kind == FindingKind::DuplicateNumber)
        return kDuplicateNumber.arg(number(train->number), number(other.line));
    return overtakingText(plan, *train, other, finding.detail);
}

} // namespace tgx
