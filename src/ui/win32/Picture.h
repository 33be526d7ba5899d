#pragma once
// Pictures: a window of the backend's own class showing a Drawing, rendered once per key and
// scaled smoothly to the control's size, over its parent's background where it is transparent.

#include <cstdint>
#include <vector>

#include "ui/win32/NativeControl.h"

namespace plevo::ui::win32 {

class Win32Picture final : public ControlImpl<Picture> {
public:
    using ControlImpl<Picture>::ControlImpl;
    void build(const ControlSpec& spec) override;
    void setDrawing(const Drawing& drawing) override;
    std::string drawingKey() const override { return drawing_.key; }

protected:
    LRESULT message(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool clicksOnMouseUp() const override { return true; }

private:
    void paint(HWND hwnd);

    Drawing drawing_;
    // The last scaled picture, kept while the size and looks stay.
    struct Shown {
        std::string key;
        int width = 0;
        int height = 0;
        COLORREF background = 0;
        bool greyed = false;
        std::vector<std::uint32_t> pixels;
    } shown_;
};

}  // namespace plevo::ui::win32
