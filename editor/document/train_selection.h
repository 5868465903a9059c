#pragma once

#include <optional>

namespace tgx {

// Which train the main window's list has selected, as the document line the
// selected item came from.
class TrainSelection {
public:
    virtual ~TrainSelection() = default;
    virtual std::optional<int> selectedTrainLine() const = 0;
};

} // namespace tgx
