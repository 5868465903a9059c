#include "trains/timetable_context.h"

#include "document/header_lines.h"
#include "document/simulator_catalogue.h"

namespace tgx {

TimetableContext timetableContextOf(const QStringList &documentLines)
{
    const auto headerLine = [&](int number) {
        return number <= documentLines.size() ? QStringView(documentLines[number - 1]) : QStringView();
    };
    const QStringView simulator = headerLine(HeaderLine::Simulator);
    return {simulatorIndex(simulator), headerLine(HeaderLine::SpecifiedNeighbour), simulator};
}

} // namespace tgx
