#pragma once

class QWidget;

namespace tesk {

// Makes Tab take the controls of `container` in reading order, as they are
// placed now: row by row from the top, each row from the left. For windows
// whose controls are not made in that order; call it once they are laid out.
void TabInReadingOrder(QWidget& container);

} // namespace tesk
