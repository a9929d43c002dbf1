// The setup dialog's push buttons: named for the tests and the accessibility tree, and never
// the dialog's default, so that Enter in the clock list or a field runs no command.
#pragma once

#include <QPushButton>
#include <QString>

namespace horavia {

inline QPushButton* MakeCommandButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace horavia
