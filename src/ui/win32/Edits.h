#pragma once
// The EDIT controls: one-line edit boxes and multi-line boxes of 8-bit lines (no wrapping, lines
// ended by CR LF as the box holds them). A 0x00 becomes a blank on its way into a box (Text.h);
// every other byte comes back out as it went in. onChange runs on every change of the text,
// the user's and the program's.

#include "ui/win32/NativeControl.h"

namespace plevo::ui::win32 {

// What both kinds of box share.
class TextBox {
protected:
    explicit TextBox(NativeControl& control) : box_(control) {}
    // Replaces the whole text without the box's own EN_CHANGE (the caller runs onChange).
    void setBoxText(HWND hwnd, const std::string& text);
    // What typing does; nothing in a read-only or disabled box.
    bool typeInto(HWND hwnd, const std::string& text);
    bool readOnly(HWND hwnd) const;
    // The box's EN_CHANGE: a change the user made (the program's own are announced by it).
    bool userChange() const { return !setting_; }
    // While the program changes the text, the box's EN_CHANGE is not the user's.
    void quiet(bool on) { setting_ = on; }

private:
    NativeControl& box_;
    bool setting_ = false;
};

class Win32Edit final : public ControlImpl<Edit>, private TextBox {
public:
    Win32Edit(Win32Form& form, const ControlSpec& spec, NativeControl* parent);
    void build(const ControlSpec& spec) override;
    bool takesFocus() const override { return true; }
    void setCaption(std::string_view caption) override;
    void selectAll() override;
    // Selects `length` bytes from byte `start` (length 0: nothing selected, the caret at start).
    void select(int start, int length);
    // The selected bytes ("" for none).
    std::string selectedText() const;
    void setReadOnly(bool readOnly) override;
    void type(std::string_view text) override;
    void command(WORD code) override;
    bool keyAction(const KeyPress& key) override;

protected:
    bool clicksOnMouseUp() const override { return true; }
    bool showsParentColours() const override { return false; }
    COLORREF systemBackground() const override { return GetSysColor(COLOR_WINDOW); }
};

class Win32Memo final : public ControlImpl<Memo>, private TextBox {
public:
    Win32Memo(Win32Form& form, const ControlSpec& spec, NativeControl* parent);
    void build(const ControlSpec& spec) override;
    bool takesFocus() const override { return true; }
    // The caption of a box is its text.
    std::string caption() const override { return text(); }
    void setCaption(std::string_view caption) override { setText(caption); }

    int lineCount() const override;
    std::string line(int index) const override;
    std::vector<std::string> lines() const override;
    std::string text() const override;
    void setText(std::string_view text) override;
    void setLines(const std::vector<std::string>& lines) override;
    void replaceLine(int index, std::string_view text) override;
    void appendLine(std::string_view text) override;
    void clearLines() override;
    bool isEmpty() const override;
    void select(int index, int column, int length) override;
    void clearSelection() override;
    std::string selectedText() const override;
    TextSelection selection() const override;
    void setReadOnly(bool readOnly) override;
    void scrollToTop() override;
    void type(std::string_view text) override;
    void command(WORD code) override;
    bool keyAction(const KeyPress& key) override;

protected:
    bool clicksOnMouseUp() const override { return true; }
    bool showsParentColours() const override { return false; }
    COLORREF systemBackground() const override { return GetSysColor(COLOR_WINDOW); }

private:
    // The box's lines as the program last set them, or as last read from the box after the user
    // changed them. A Windows box finds line n by walking its lines (Wine's does), so reading a
    // list line by line from the box itself would cost the square of its length.
    struct Mirror {
        std::vector<std::string> lines;
        bool finalBreak = false;
        bool known = false;
    };
    const Mirror& mirror() const;
    void mirrorAs(std::vector<std::string> lines, bool finalBreak);
    // Replaces bytes [from, to) of the text, keeping the user's selection where it was.
    void replaceRange(int from, int to, const std::string& with);
    void changed();

    mutable Mirror mirror_;
};

}  // namespace plevo::ui::win32
