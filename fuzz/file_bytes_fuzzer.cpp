// Reading and writing the bytes of a document file. The input is taken twice:
// as the bytes of a file that is opened, and, two bytes a character, as the
// editor text of a document that is saved.

#include "fuzz_support.h"

#include "document/code_page.h"
#include "document/file_bytes.h"

#include <QSet>

#include <cstring>

using namespace tgx;
using fuzz::require;

namespace {

// Every character a file can hold: what each of the 256 bytes reads as.
const QSet<QChar> &storableCharacters()
{
    static const QSet<QChar> set = [] {
        QSet<QChar> characters;
        for (int b = 0; b < 256; ++b)
            characters.insert(CodePage1250::decode(QByteArray(1, char(b))).front());
        return characters;
    }();
    return set;
}

// The file as a save writes it back: CR LF for each CR LF, lone CR or lone LF.
QByteArray withCrLfLineEnds(QByteArray bytes)
{
    bytes.replace("\r\n", "\n");
    bytes.replace('\r', '\n');
    bytes.replace("\n", "\r\n");
    return bytes;
}

void checkOpenedFile(QByteArrayView bytes)
{
    const QString text = FileBytes::toText(bytes);
    require(!text.contains(u'\r'), "the editor text holds a CR");
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n')
            continue;
        require(storableCharacters().contains(text[i]), "a byte read as a character no file can hold");
    }

    // Every character read from a file can be written back, so this must not fail.
    const QByteArray written = FileBytes::fromText(text);
    require(written == withCrLfLineEnds(bytes.toByteArray()), "saving an opened file changes more than its line ends");
    if (!bytes.contains('\r') && !bytes.contains('\n'))
        require(written == bytes.toByteArray(), "a file without line ends does not survive opening and saving");
    require(FileBytes::toText(written) == text, "a saved file reads back as a different text");
}

// The line (from 1) on which position lies.
qsizetype lineOf(QStringView text, qsizetype position)
{
    return text.first(position).count(u'\n') + 1;
}

void checkSavedText(const QString &text)
{
    qsizetype firstBad = -1;
    for (qsizetype i = 0; i < text.size() && firstBad < 0; ++i) {
        if (!storableCharacters().contains(text[i]))
            firstBad = i;
    }
    require(CodePage1250::firstUnencodable(text) == firstBad, "the first unstorable character is misplaced");

    QByteArray written;
    try {
        written = FileBytes::fromText(text);
    } catch (const Failure &failure) {
        require(firstBad >= 0, "a storable text fails to save");
        const QString line = QStringLiteral("Řádek %1 ").arg(lineOf(text, firstBad));
        require(failure.description().startsWith(line), "the save failure names the wrong line");
        return;
    }
    require(firstBad < 0, "a text with an unstorable character is saved");
    require(written.size() == text.size() + text.count(u'\n'), "a saved file is not one byte a character plus CR per line");
    require(written.count("\r\n") == text.count(u'\n'), "a line break is not written as CR LF");
    if (!text.contains(u'\r'))
        require(FileBytes::toText(written) == text, "a saved text reads back differently");
}

// Two bytes a character, low byte first; an odd last byte is left out.
QString textOfPairs(const uint8_t *data, size_t size)
{
    if (size < 2)
        return QString();
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, sizeof(char16_t) * size_t(text.size()));
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkOpenedFile(QByteArrayView(data, qsizetype(size)));
    checkSavedText(textOfPairs(data, size));
    return 0;
}
