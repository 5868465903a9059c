#include "document/file_bytes.h"

#include "document/code_page.h"
#include "document/failure.h"

namespace tgx::FileBytes {

namespace {

[[noreturn]] void failUnencodable(QStringView text, qsizetype position)
{
    const qsizetype line = text.first(position).count(u'\n') + 1;
    const QChar c = text[position];
    const QString code = QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
    throw Failure(QStringLiteral("Řádek %1 obsahuje znak „%2“ (U+%3), který nelze uložit v kódování windows-1250.")
                      .arg(QString::number(line), QString(c), code));
}

} // namespace

QString toText(QByteArrayView bytes)
{
    QString text = CodePage1250::decode(bytes);
    if (text.contains(u'\r')) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
    }
    return text;
}

QByteArray fromText(QStringView text)
{
    if (const qsizetype bad = CodePage1250::firstUnencodable(text); bad >= 0)
        failUnencodable(text, bad);
    QByteArray bytes = CodePage1250::encode(text);
    bytes.replace("\n", "\r\n");
    return bytes;
}

} // namespace tgx::FileBytes
