#include "editing/repeat_preview.h"

#include "editing/train_sort.h"
#include "trains/decoded_record.h"
#include "trains/train_types.h"

namespace tgx {

namespace {

const QString kArrow = QStringLiteral(" → ");
const QString kEllipsis = QStringLiteral(" … ");

QString nameOf(const DecodedRecord &decoded)
{
    if (!decoded.number.isNumber())
        return shownType(decoded.typeIndex(), decoded.type.text()).toString() + u' ' + decoded.number.text().toString();
    return trainName(decoded.typeIndex(), decoded.type.text(), decoded.number.value());
}

} // namespace

QString recordTrainName(QStringView record)
{
    return nameOf(DecodedRecord(record));
}

QString trainAtTime(QStringView record)
{
    const DecodedRecord decoded(record);
    const auto time = ownStationTime(decoded);
    return time ? nameOf(decoded) + u' ' + clockText(*time) : nameOf(decoded);
}

QString repeatPreview(QStringView record, const QStringList &copies)
{
    if (copies.isEmpty())
        return {};
    QString preview = trainAtTime(record) + kArrow + trainAtTime(copies.first());
    if (copies.size() > 1)
        preview += kEllipsis + trainAtTime(copies.last());
    return preview;
}

} // namespace tgx
