#pragma once
// Makes the control of a table row: the class of its kind, its window, its start state.

#include <memory>

#include "ui/Form.h"

namespace plevo::ui::win32 {

class NativeControl;
class Win32Form;

std::unique_ptr<NativeControl> makeControl(Win32Form& form, const ControlSpec& spec,
                                           NativeControl* parent);

}  // namespace plevo::ui::win32
