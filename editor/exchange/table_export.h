#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace tgx {

// The rows of the train table of a document (its lines, header included):
// the column names, then one row per train record in document order. A
// record is written as it stands, so that what the table shows is the
// document; fields that are not what the train dialog writes are copied as
// stored, for the import to name.
QList<QStringList> trainTableRows(const QStringList &documentLines);

// The train table of a document as the bytes of its file.
QByteArray exportTrainTable(const QStringList &documentLines);

} // namespace tgx
