#pragma once
// Makes the Qt control of a table row; each kind lives in the file named after it or its group.

#include <memory>

#include "ui/Form.h"

class QWidget;

namespace plevo::ui::qt {

class QtControlBase;
class QtForm;

using Made = std::unique_ptr<QtControlBase>;

Made makeControl(QtForm& form, const ControlSpec& spec, QWidget* parent);

// By file: Buttons (push, toggle, check box, radio button), Label, Picture, Containers (panel,
// group box, scroll box), Edits (edit, memo), ListBox, Grid, ProgressBar.
Made makeButton(QtForm& form, const ControlSpec& spec, QWidget* parent);
Made makeToggleButton(QtForm& form, const ControlSpec& spec, QWidget* parent);
Made makeCheckBox(QtForm& form, const ControlSpec& spec, QWidget* parent);
Made makeRadioButton(QtForm& form, const ControlSpec& spec, QWidget* parent);
Made makeLabel(QtForm& form, const ControlSpec& spec, QWidget* parent);
Made makePanel(QtForm& form, const ControlSpec& spec, QWidget* parent);
Made makeGroupBox(QtForm& form, const ControlSpec& spec, QWidget* parent);
Made makePicture(QtForm& form, const ControlSpec& spec, QWidget* parent);
Made makeEdit(QtForm& form, const ControlSpec& spec, QWidget* parent);
Made makeMemo(QtForm& form, const ControlSpec& spec, QWidget* parent);
Made makeListBox(QtForm& form, const ControlSpec& spec, QWidget* parent);
Made makeGrid(QtForm& form, const ControlSpec& spec, QWidget* parent);
Made makeProgressBar(QtForm& form, const ControlSpec& spec, QWidget* parent);
Made makeScrollBox(QtForm& form, const ControlSpec& spec, QWidget* parent);

}  // namespace plevo::ui::qt
