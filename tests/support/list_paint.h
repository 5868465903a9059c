#pragma once

class QWidget;

namespace tgx::test {

// Whether the list is painted in the button-face colour, as a greyed list is.
bool paintedGrey(const QWidget &list);

} // namespace tgx::test
