// Modal message boxes on Qt: text, title, OK or Yes/No, an icon; the answer comes back.
#pragma once

#include <QMessageBox>

#include "model/services.h"

namespace horavia {

class QtMessageBoxes : public MessageBoxPort {
  public:
    MsgAnswer Show(const std::string& text, const std::string& title, MsgButtons buttons,
                   MsgIcon icon) override;
};

QMessageBox::Icon QtIconOf(MsgIcon icon);

}  // namespace horavia
