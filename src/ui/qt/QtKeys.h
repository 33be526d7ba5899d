#pragma once
// Qt's keys as the control layer numbers them (the Windows virtual-key codes), and back.

#include <QKeyEvent>
#include <memory>

#include "ui/Types.h"

namespace plevo::ui::qt {

// The key of `event` with its modifiers; key 0 for keys the layer has no code for.
KeyPress toKeyPress(const QKeyEvent& event);
// A key press event for `key`, with the text a keyboard would give for it.
std::unique_ptr<QKeyEvent> toQKeyEvent(const KeyPress& key, QEvent::Type type);

}  // namespace plevo::ui::qt
