#include "ui/qt/QtControlFactory.h"

#include "ui/qt/QtControl.h"

namespace plevo::ui::qt {

Made makeControl(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    switch (spec.kind) {
        case Kind::Button:
            return makeButton(form, spec, parent);
        case Kind::ToggleButton:
            return makeToggleButton(form, spec, parent);
        case Kind::Label:
            return makeLabel(form, spec, parent);
        case Kind::Picture:
            return makePicture(form, spec, parent);
        case Kind::Panel:
            return makePanel(form, spec, parent);
        case Kind::GroupBox:
            return makeGroupBox(form, spec, parent);
        case Kind::CheckBox:
            return makeCheckBox(form, spec, parent);
        case Kind::RadioButton:
            return makeRadioButton(form, spec, parent);
        case Kind::Edit:
            return makeEdit(form, spec, parent);
        case Kind::Memo:
            return makeMemo(form, spec, parent);
        case Kind::ListBox:
            return makeListBox(form, spec, parent);
        case Kind::Grid:
            return makeGrid(form, spec, parent);
        case Kind::ProgressBar:
            return makeProgressBar(form, spec, parent);
        case Kind::ScrollBox:
            return makeScrollBox(form, spec, parent);
    }
    throw std::logic_error(std::string("unknown kind of control ") + spec.name);
}

}  // namespace plevo::ui::qt
