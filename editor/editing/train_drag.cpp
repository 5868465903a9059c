#include "editing/train_drag.h"

#include "trains/decoded_record.h"
#include "trains/record_shift.h"

#include <cmath>

namespace tgx {

namespace {

const QString kLater = QStringLiteral("+%1 min");
const QString kEarlier = QStringLiteral("\u2212%1 min");

} // namespace

void TrainDrag::start(int line, double minute)
{
    m_line = line;
    m_startMinute = minute;
    m_minutes = 0;
}

bool TrainDrag::moveTo(double minute)
{
    if (!active())
        return false;
    const int minutes = int(std::trunc(minute - m_startMinute));
    if (minutes == m_minutes)
        return false;
    m_minutes = minutes;
    return true;
}

void TrainDrag::cancel()
{
    m_line = 0;
    m_minutes = 0;
}

std::optional<TrainDrag::Move> TrainDrag::finish()
{
    const Move move{m_line, m_minutes};
    cancel();
    if (move.line <= 0 || move.minutes == 0)
        return std::nullopt;
    return move;
}

QString shiftLabel(int minutes)
{
    return minutes < 0 ? kEarlier.arg(-minutes) : kLater.arg(minutes);
}

QString movedRecord(QStringView record, int minutes)
{
    const DecodedRecord decoded(record);
    requireShiftable(decoded);
    return shiftedRecord(decoded, minutes, decoded.number.value());
}

} // namespace tgx
