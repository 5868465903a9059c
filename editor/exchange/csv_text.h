#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace tgx::Csv {

// The table as a spreadsheet opens it by a double click, whatever its
// language: UTF-8 with a byte order mark, ";" between fields, CR LF after
// every row, and a field holding ";", a quote or a line break in quotes, its
// quotes doubled.
QByteArray write(const QList<QStringList> &rows);

// The text of a table file: UTF-8 or UTF-16 after their byte order mark,
// UTF-8 without one when every byte sequence is valid UTF-8, and code page
// 1250 otherwise (its letters with diacritics never form valid UTF-8).
QString decode(QByteArrayView bytes);

// The field separator of a table: whichever of ";", "," and tab its first
// row holds most often outside quotes; ";" when it holds none.
QChar separatorOf(QStringView text);

// The rows of a table, their fields unquoted. CR LF, LF or CR end a row;
// inside quotes they belong to the field. A row end after the last row opens
// no further row.
QList<QStringList> parse(QStringView text, QChar separator);

} // namespace tgx::Csv
