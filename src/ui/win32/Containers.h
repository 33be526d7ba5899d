#pragma once
// The containers, windows of the backend's own class that hold controls: panels (a raised or
// lowered bevel, a centred caption), group boxes (an etched frame with its caption; its children
// lie relative to its top left corner, as on a panel) and scroll boxes (a content window moved
// under the scroll bars, which show as needed, or always with kVScroll and kHScroll).

#include <memory>

#include "ui/win32/NativeControl.h"

namespace plevo::ui::win32 {

// Where a group box's caption starts on its frame, in layer pixels.
inline constexpr int kGroupCaptionInset = 4;
// A panel's bevel, both sides together, in layer pixels.
inline constexpr int kPanelBevel = 4;

class Win32Panel final : public ControlImpl<Panel> {
public:
    using ControlImpl<Panel>::ControlImpl;
    void build(const ControlSpec& spec) override;
    HWND childHost() const override { return hwnd_; }

protected:
    LRESULT message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool clicksOnMouseUp() const override { return true; }
    // The caption keeps off the bevel.
    int captionRoom() const override { return width() - scaled(kPanelBevel); }

private:
    void paint(HWND hwnd);
};

class Win32GroupBox final : public ControlImpl<GroupBox> {
public:
    using ControlImpl<GroupBox>::ControlImpl;
    void build(const ControlSpec& spec) override;
    HWND childHost() const override { return hwnd_; }

protected:
    LRESULT message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool clicksOnMouseUp() const override { return true; }
    // The caption lies on the frame, with a margin either side.
    int captionRoom() const override { return width() - 2 * scaled(kGroupCaptionInset); }
    std::string measuredCaption() const override;

private:
    void paint(HWND hwnd);
};

class Win32ScrollBox final : public ControlImpl<ScrollBox> {
public:
    Win32ScrollBox(Win32Form& form, const ControlSpec& spec, NativeControl* parent);
    ~Win32ScrollBox() override;
    void build(const ControlSpec& spec) override;
    void release() override;
    HWND childHost() const override;
    void setContentSize(Size size) override;
    int scrollY() const override;
    void setScrollY(int y) override;

protected:
    LRESULT message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool clicksOnMouseUp() const override { return true; }

private:
    class Content;
    // Sets both scroll bars for the content and the client area, and moves the content.
    void layout();
    Size clientSize() const;
    void scrollBy(int bar, WPARAM how);

    std::unique_ptr<Content> content_;
    // In the screen's pixels, as the scroll bars count.
    Size contentSize_;
    int scrollX_ = 0;
    int scrollY_ = 0;
};

}  // namespace plevo::ui::win32
