#include "trains/timetable_context.h"

#include "document/header_lines.h"
#include "document/simulator_catalogue.h"

namespace tgx {

TimetableContext timetableContextOf(const QStringList &documentLines)
{
    const auto headerLine = [&](int number) {
        return number <= documentLines.size() ? QStringView(documentLines[number - 1]) : QStringView();
    };
    return {simulatorIndex(headerLine(HeaderLine::Simulator)), headerLine(HeaderLine::SpecifiedNeighbour)};
}

} // namespace tgx
