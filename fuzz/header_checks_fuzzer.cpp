// The version and encoding checks of header lines 4 and 3, on opening and
// before saving. The input's first line is line 3, its second line 4, its
// third the file's path.

#include "fuzz_support.h"

#include "document/header_rules.h"

using namespace tgx;
using fuzz::require;

namespace {

const QString kMarker = QStringLiteral("num-code");
constexpr int kOwnVersion = 20;

// Header line 4 as the checks must read it: no version for an empty line, an
// unreadable one when its first (up to two) characters are not all digits.
struct Stamp {
    bool present = false;
    bool readable = false;
    int version = 0;
    QString writer; // from the third character on
};

Stamp expectedStamp(QStringView line4)
{
    Stamp stamp;
    stamp.present = !line4.isEmpty();
    const QStringView version = line4.first(std::min<qsizetype>(2, line4.size()));
    stamp.readable = stamp.present && fuzz::isDigits(version);
    stamp.version = stamp.readable ? version.toInt() : 0;
    stamp.writer = line4.size() > 2 ? line4.sliced(2).toString() : QString();
    return stamp;
}

bool isNewer(const Stamp &stamp)
{
    return stamp.readable && stamp.version > kOwnVersion;
}

void checkStamp(QStringView line4, const Stamp &expected)
{
    std::optional<HeaderRules::EditorStamp> stamp;
    const bool failed = fuzz::failsWithConversionError([&] { stamp = HeaderRules::readEditorStamp(line4); });
    require(failed == (expected.present && !expected.readable), "the version fails on digits or reads a non-digit");
    if (failed)
        return;
    require(stamp.has_value() == expected.present, "an empty line 4 is read as a stamp, or a stamp is missed");
    require(!stamp || (stamp->version == expected.version && stamp->writerName == expected.writer),
            "line 4 read as a wrong version or writer");
    require(HeaderRules::writerName(line4) == expected.writer, "the writer name is not line 4 from its third character");
}

void checkOpenWarnings(const QString &path, QStringView line3, QStringView line4, const Stamp &expected)
{
    QStringList warnings;
    const bool failed = fuzz::failsWithConversionError([&] { warnings = HeaderRules::openWarnings(path, line3, line4); });
    require(failed == (expected.present && !expected.readable), "opening fails other than on an unreadable version");
    if (failed)
        return;
    const bool versionWarning = isNewer(expected);
    const bool encodingWarning = line3 != kMarker;
    require(warnings.size() == int(versionWarning) + int(encodingWarning), "opening warns too often or too seldom");
    for (const QString &warning : warnings)
        require(warning.startsWith(path + QStringLiteral("\r\rUPOZORNĚNÍ! ")), "a warning does not start with the path");
    if (versionWarning)
        require(warnings.front().contains(expected.writer), "the version warning does not name the writer");
    if (encodingWarning)
        require(warnings.back().contains(line3), "the encoding warning does not name the encoding");
}

void checkSaveQuestions(QStringView line3, QStringView line4, const Stamp &expected)
{
    QString question;
    const bool failed = fuzz::failsWithConversionError([&] { question = HeaderRules::saveVersionQuestion(line4); });
    require(failed == (expected.present && !expected.readable), "saving fails other than on an unreadable version");
    if (!failed) {
        require(question.isEmpty() == !isNewer(expected), "saving asks about the version when it must not, or not when it must");
        require(question.isEmpty() || question.contains(expected.writer), "the version question does not name the writer");
    }
    const QString encoding = HeaderRules::saveEncodingQuestion(line3);
    require(encoding.isEmpty() == (line3.isEmpty() || line3 == kMarker), "saving asks about the encoding when it must not, or not when it must");
    require(encoding.isEmpty() || encoding.contains(line3), "the encoding question does not name the encoding");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = fuzz::inputLines(data, size);
    const fuzz::ExactText line3(lines.value(0)), line4(lines.value(1));
    const QString path = lines.size() > 2 ? lines[2] : QStringLiteral("/data/grafikon.46g");
    const Stamp expected = expectedStamp(line4.view());
    checkStamp(line4.view(), expected);
    checkOpenWarnings(path, line3.view(), line4.view(), expected);
    checkSaveQuestions(line3.view(), line4.view(), expected);
    return 0;
}
