#include "line_timetables.h"

namespace tgx::test {

QList<TimetableStatements> statementsOfAll(const QList<QStringList> &documents)
{
    QList<TimetableStatements> all;
    for (const QStringList &document : documents)
        all.append(statementsOf(document));
    return all;
}

} // namespace tgx::test
