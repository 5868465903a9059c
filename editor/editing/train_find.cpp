#include "editing/train_find.h"

namespace tgx {

int findTrain(const QStringList &summaries, const QString &text, int from)
{
    const qsizetype count = summaries.size();
    if (text.isEmpty() || count == 0)
        return -1;
    const qsizetype start = from >= 0 && from < count ? from : 0;
    for (qsizetype step = 0; step < count; ++step) {
        const qsizetype index = (start + step) % count;
        if (summaries[index].contains(text, Qt::CaseInsensitive))
            return int(index);
    }
    return -1;
}

} // namespace tgx
