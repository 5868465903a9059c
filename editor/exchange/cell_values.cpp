#include "exchange/cell_values.h"

#include <QRegularExpression>

namespace tgx {

namespace {

constexpr QStringView kEmptyPlace = u"000";
constexpr int kVehicleWidth = 3;
constexpr int kNumberWidth = 5;

bool isDigits(QStringView text, int maxWidth)
{
    if (text.isEmpty() || text.size() > maxWidth)
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// A 12-hour clock counts 12 AM as midnight and 12 PM as noon.
std::optional<int> hourOfDay(int hour, QStringView halfOfDay)
{
    if (halfOfDay.isEmpty())
        return hour <= 23 ? std::optional<int>(hour) : std::nullopt;
    if (hour < 1 || hour > 12)
        return std::nullopt;
    const bool afternoon = halfOfDay.compare(u"pm", Qt::CaseInsensitive) == 0;
    return hour % 12 + (afternoon ? 12 : 0);
}

} // namespace

std::optional<int> readTimeCell(QStringView cell)
{
    static const QRegularExpression time(QStringLiteral("^([0-9]{1,2}):([0-9]{2})(?::([0-9]{2}))? *([AaPp][Mm])?$"));
    const QRegularExpressionMatch match = time.match(cell.trimmed().toString());
    if (!match.hasMatch())
        return std::nullopt;
    const int minute = match.capturedView(2).toInt();
    const QStringView seconds = match.capturedView(3);
    if (minute > 59 || (!seconds.isEmpty() && seconds != u"00"))
        return std::nullopt;
    const auto hour = hourOfDay(match.capturedView(1).toInt(), match.capturedView(4));
    if (!hour)
        return std::nullopt;
    return *hour * 60 + minute;
}

std::optional<QString> readVehicleCell(QStringView cell)
{
    const QStringView digits = cell.trimmed();
    if (digits.isEmpty())
        return kEmptyPlace.toString();
    if (!isDigits(digits, kVehicleWidth))
        return std::nullopt;
    return digits.toString().rightJustified(kVehicleWidth, u'0');
}

QString vehicleCell(QStringView recordVehicle)
{
    return recordVehicle == kEmptyPlace ? QString() : recordVehicle.toString();
}

bool isTrainNumber(QStringView cell)
{
    return isDigits(cell, kNumberWidth);
}

} // namespace tgx
