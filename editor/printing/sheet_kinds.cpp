#include "printing/sheet_kinds.h"

#include "document/header_lines.h"

namespace tgx {

namespace {
const QString kFoot = QStringLiteral("strana %1 z %2");
const QString kDateFormat = QStringLiteral("d. M. yyyy");
} // namespace

const QList<SheetName> &sheetNames()
{
    static const QList<SheetName> names = {
        {SheetKind::Departures, QStringLiteral("Odjezdy"), QStringLiteral("odjezdy")},
        {SheetKind::Arrivals, QStringLiteral("Příjezdy"), QStringLiteral("prijezdy")},
        {SheetKind::TrainList, QStringLiteral("Seznam vlaků"), QStringLiteral("seznam")},
        {SheetKind::Occupancy, QStringLiteral("Obsazení kolejí"), QStringLiteral("obsazeni")},
        {SheetKind::LineGraph, QStringLiteral("Grafikon trati"), QString()},
    };
    return names;
}

QString sheetTitle(SheetKind kind)
{
    for (const SheetName &name : sheetNames()) {
        if (name.kind == kind)
            return name.title;
    }
    return {};
}

std::optional<SheetKind> sheetOfOption(const QString &option)
{
    for (const SheetName &name : sheetNames()) {
        if (!name.option.isEmpty() && name.option == option)
            return name.kind;
    }
    return std::nullopt;
}

QString sheetOptions()
{
    QStringList options;
    for (const SheetName &name : sheetNames()) {
        if (!name.option.isEmpty())
            options << name.option;
    }
    return options.join(QStringLiteral(", "));
}

PageHead pageHead(SheetKind kind, const QStringList &documentLines, QDate printed)
{
    return {sheetTitle(kind), documentLines.value(HeaderLine::Simulator - 1), documentLines.value(HeaderLine::Name - 1),
            printed.toString(kDateFormat)};
}

QString pageFoot(int page, int pages)
{
    return kFoot.arg(page).arg(pages);
}

} // namespace tgx
