#pragma once

class QWidget;

namespace tgx {

// A greyed list is disabled and painted in the button-face colour; a normal
// list is enabled and painted in the window colour.
void greyList(QWidget &list);
void normalList(QWidget &list);

} // namespace tgx
