#include "ui/win32/ControlFactory.h"

#include "ui/win32/Buttons.h"
#include "ui/win32/Containers.h"
#include "ui/win32/Edits.h"
#include "ui/win32/Grid.h"
#include "ui/win32/Label.h"
#include "ui/win32/ListBox.h"
#include "ui/win32/Picture.h"
#include "ui/win32/ProgressBar.h"

namespace plevo::ui::win32 {
namespace {

template <class C>
std::unique_ptr<NativeControl> made(Win32Form& form, const ControlSpec& spec,
                                    NativeControl* parent) {
    auto control = std::make_unique<C>(form, spec, parent);
    control->build(spec);
    return control;
}

}  // namespace

std::unique_ptr<NativeControl> makeControl(Win32Form& form, const ControlSpec& spec,
                                           NativeControl* parent) {
    switch (spec.kind) {
        case Kind::Button:
            return made<Win32Button>(form, spec, parent);
        case Kind::ToggleButton:
            return made<Win32ToggleButton>(form, spec, parent);
        case Kind::Label:
            return made<Win32Label>(form, spec, parent);
        case Kind::Picture:
            return made<Win32Picture>(form, spec, parent);
        case Kind::Panel:
            return made<Win32Panel>(form, spec, parent);
        case Kind::GroupBox:
            return made<Win32GroupBox>(form, spec, parent);
        case Kind::CheckBox:
            return made<Win32CheckBox>(form, spec, parent);
        case Kind::RadioButton:
            return made<Win32RadioButton>(form, spec, parent);
        case Kind::Edit:
            return made<Win32Edit>(form, spec, parent);
        case Kind::Memo:
            return made<Win32Memo>(form, spec, parent);
        case Kind::ListBox:
            return made<Win32ListBox>(form, spec, parent);
        case Kind::Grid:
            return made<Win32Grid>(form, spec, parent);
        case Kind::ProgressBar:
            return made<Win32ProgressBar>(form, spec, parent);
        case Kind::ScrollBox:
            return made<Win32ScrollBox>(form, spec, parent);
    }
    return nullptr;
}

}  // namespace plevo::ui::win32
