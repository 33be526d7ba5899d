#pragma once
// What every Qt control of the layer shares: one widget, its name and kind, its colours and font,
// the caption that shrinks its font rather than be cut, and the user's clicks, keys and mouse.
// QtControl<Kind> puts this under each kind's interface.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>

#include "ui/Form.h"

namespace plevo::ui::qt {

class QtForm;

class QtControlBase {
public:
    QtControlBase(QtForm& form, const ControlSpec& spec, QWidget* widget);
    virtual ~QtControlBase();
    QtControlBase(const QtControlBase&) = delete;
    QtControlBase& operator=(const QtControlBase&) = delete;

    virtual Control& control() = 0;
    QWidget* widget() const { return widget_; }
    // Where the children of a container lie (the widget itself, or a scroll box's page).
    virtual QWidget* childHost() const { return widget_; }
    QtForm& qtForm() const { return form_; }
    Form& uiForm() const;
    Control* parentControl() const;

    // Applies the table's start state; called once the control is complete.
    void start(const ControlSpec& spec);

    // A click as the user's: nothing while disabled, else what the kind does and onClick.
    void clickIfEnabled();
    // The key reaches the control's widget as the keyboard would send it.
    void sendKey(const KeyPress& key);

    // The background a child of this control shows through (its own colour or an ancestor's).
    std::optional<Colour> shownColour() const;
    // Re-reads the colours after a container's colour changed (check boxes on dark windows).
    void refreshColours();

protected:
    // The kind's own part of a click (toggling a check box); the handler runs after it.
    virtual void clickAction() { runClick(); }
    void runClick();
    // The caption as the kind shows it.
    virtual QString captionText() const { return {}; }
    virtual void setCaptionText(const QString&) {}
    // The width the shown caption may take, or -1 when the caption wraps or is not one line.
    virtual int captionRoom() const { return -1; }
    // The caption's width as drawn: mnemonic '&' marks take no room on buttons.
    virtual QString measuredCaption() const { return captionText(); }
    // Check boxes and radio buttons on a dark container show a light caption.
    virtual bool onDark() const { return false; }
    virtual bool fillsBackground() const { return colour_.has_value(); }
    virtual void paletteApplied() {}
    // The colour of the container the control lies on.
    std::optional<Colour> parentColour() const;
    // Shrinks the font (by whole pixels, to 6 points at the least) until the caption fits.
    void fitCaption();

    // The common part of the interface, for QtControl<Kind> to offer.
    Rect baseGeometry() const;
    void baseSetGeometry(const Rect& where);
    bool baseEnabled() const;
    void baseSetEnabled(bool enabled);
    std::string baseCaption() const;
    void baseSetCaption(std::string_view caption);
    std::string baseHint() const;
    void baseSetHint(std::string_view hint);
    void baseSetColour(std::optional<Colour> colour);
    void baseSetFontColour(std::optional<Colour> colour);
    Font baseFont() const;
    void baseSetFont(const Font& font);
    bool baseFocused() const;
    void baseDoubleClick();

    void applyPalette();
    // Edit and memo boxes, list boxes and grids.
    bool isBox() const;

    QtForm& form_;
    std::string name_;
    Kind kind_;
    QPointer<QWidget> widget_;
    bool visible_ = true;
    std::optional<Colour> colour_;
    std::optional<Colour> fontColour_;
    Font font_;
    int fittedPixels_ = 0;      // the shrunk font's height, 0 when the asked font fits
    bool fontChanged_ = false;  // font_ is not yet the widget's

private:
    class Events;
    Events* events_;  // owned by the widget
};

template <class Interface>
class QtControl : public Interface, public QtControlBase {
public:
    QtControl(QtForm& form, const ControlSpec& spec, QWidget* widget)
        : QtControlBase(form, spec, widget) {}

    Control& control() override { return *this; }
    const std::string& name() const override { return name_; }
    ui::Kind kind() const override { return kind_; }
    Form& form() const override { return uiForm(); }
    Control* parent() const override { return parentControl(); }
    Rect geometry() const override { return baseGeometry(); }
    void setGeometry(const Rect& where) override { baseSetGeometry(where); }
    bool visible() const override { return visible_; }
    void setVisible(bool visible) override {
        visible_ = visible;
        widget_->setVisible(visible);
    }
    bool enabled() const override { return baseEnabled(); }
    void setEnabled(bool enabled) override { baseSetEnabled(enabled); }
    std::string caption() const override { return baseCaption(); }
    void setCaption(std::string_view caption) override { baseSetCaption(caption); }
    std::string hint() const override { return baseHint(); }
    void setHint(std::string_view hint) override { baseSetHint(hint); }
    std::optional<Colour> colour() const override { return colour_; }
    void setColour(std::optional<Colour> colour) override { baseSetColour(colour); }
    std::optional<Colour> fontColour() const override { return fontColour_; }
    void setFontColour(std::optional<Colour> colour) override { baseSetFontColour(colour); }
    Font font() const override { return baseFont(); }
    void setFont(const Font& font) override { baseSetFont(font); }
    void setFocus() override { widget_->setFocus(Qt::OtherFocusReason); }
    bool focused() const override { return baseFocused(); }
    void repaint() override { widget_->repaint(); }
    void click() override { clickIfEnabled(); }
    void doubleClick() override { baseDoubleClick(); }
    void pressKey(const KeyPress& key) override { sendKey(key); }
};

// The text of a caption as a button draws it: "&Update" shows "Update".
QString withoutMnemonics(const QString& text);

}  // namespace plevo::ui::qt
