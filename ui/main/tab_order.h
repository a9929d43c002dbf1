// The Tab order of a window's controls, given as one list in the order they read on screen.
#pragma once

#include <initializer_list>

class QWidget;

namespace horavia {

// Tab moves through `controls` in the order given and Shift+Tab back; null entries are
// skipped. Controls not named keep their place after the last one named.
void ChainTabOrder(std::initializer_list<QWidget*> controls);

}  // namespace horavia
