#pragma once

#include <QString>

namespace tgx {

// The train dialog's captions: the opening command sets one, and the dialog
// reads it to know whether "OK" adds a train or replaces the edited one. The
// tool bar's buttons for the two commands carry them as hints.
inline const QString kAddTrainCaption = QStringLiteral("Přidat vlak");
inline const QString kEditTrainCaption = QStringLiteral("Upravit vlak");

// What a command that works on the selected train says when none is selected.
inline const QString kNoTrainToEdit = QStringLiteral("Není vybraný žádný vlak. Zvolte vlak, který chcete upravit.");
inline const QString kNoTrainToRemove = QStringLiteral("Není vybraný žádný vlak. Zvolte vlak, který chcete odebrat.");
inline const QString kNoTrainToCopy = QStringLiteral("Není vybraný žádný vlak. Zvolte vlak, který chcete kopírovat.");
inline const QString kNoTrainToRepeat = QStringLiteral("Není vybraný žádný vlak. Zvolte vlak, který chcete opakovat.");

} // namespace tgx
