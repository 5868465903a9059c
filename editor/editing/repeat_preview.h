#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tgx {

// "Os 4521": the train of a record as the train list names it; a number that
// is not decimal is shown as the record stores it.
QString recordTrainName(QStringView record);

// "Os 4521 07:12": the train with its time in the own station, the time the
// trains are sorted by; the name alone for a train without such a time.
QString trainAtTime(QStringView record);

// What repeating record into copies makes, on one line: the train, then
// after an arrow the first copy and, when there are more, " … " and the last,
// "Os 4521 07:12 → Os 4523 08:12 … Os 4541 17:12". Empty without copies.
QString repeatPreview(QStringView record, const QStringList &copies);

} // namespace tgx
