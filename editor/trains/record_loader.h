#pragma once

#include <QString>
#include <QStringView>

namespace tgx {

struct TrainDialogControls;

// Sets the train dialog's controls from a record, field by field in record
// order, for editing it. Only fields wholly on the line are read; the others
// leave their controls as they are. Ticking a check box relies on the boxes'
// own rules (CheckBoxRules) for the disabling, greying and copying it brings.
// A number field that is not decimal fails with kConversionError, leaving the
// fields before it loaded. simulator is the timetable's catalogue index;
// track receives the record's track character, kept for a simulator without a
// track list.
void fillFromRecord(const TrainDialogControls &controls, QStringView line, int simulator, QString &track);

} // namespace tgx
