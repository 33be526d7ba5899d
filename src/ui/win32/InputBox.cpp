#include "ui/win32/InputBox.h"

#include <algorithm>
#include <vector>

#include "ui/win32/Form.h"
#include "ui/win32/Text.h"
#include "ui/win32/Toolkit.h"

namespace plevo::ui::win32 {
namespace {

constexpr int kMargin = 8;
constexpr int kWidth = 340;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kEditHeight = 21;

// The height the prompt takes at the box's width, line breaks and wrapping included.
int promptHeight(Win32Toolkit& toolkit, const std::string& prompt) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, toolkit.fonts().get(Fonts::formFont({})));
    RECT r{0, 0, kWidth - 2 * kMargin, 0};
    DrawTextA(dc, prompt.c_str(), static_cast<int>(prompt.size()), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return std::max<int>(r.bottom, 13);
}

}  // namespace

std::optional<std::string> runInputBox(Win32Toolkit& toolkit, const std::string& caption,
                                       const std::string& prompt, const std::string& defaultText) {
    const std::string shownPrompt = displayText(prompt);
    const int promptH = promptHeight(toolkit, shownPrompt);
    const int editY = kMargin + promptH + 6;
    const int buttonsY = editY + kEditHeight + 12;
    const int inner = kWidth - 2 * kMargin;
    const std::vector<ControlSpec> controls = {
        {.kind = Kind::Label,
         .name = "Prompt",
         .at = {kMargin, kMargin, inner, promptH},
         .caption = shownPrompt,
         .flags = kWordWrap},
        {.kind = Kind::Edit, .name = "Value", .at = {kMargin, editY, inner, kEditHeight}},
        {.kind = Kind::Button,
         .name = "OK",
         .at = {kWidth - kMargin - 2 * kButtonWidth - 6, buttonsY, kButtonWidth, kButtonHeight},
         .caption = "OK",
         .flags = kDefault,
         .modalResult = kResultOk},
        {.kind = Kind::Button,
         .name = "Cancel",
         .at = {kWidth - kMargin - kButtonWidth, buttonsY, kButtonWidth, kButtonHeight},
         .caption = "Cancel",
         .flags = kCancel,
         .modalResult = kResultCancel},
    };
    const FormSpec spec{.name = "InputBox",
                        .caption = caption,
                        .client = {kWidth, buttonsY + kButtonHeight + kMargin},
                        .style = FormStyle::Dialog,
                        .place = FormPlace::OwnerCentre};
    Win32Form form(toolkit, spec, controls);
    auto& value = form.get<Edit>("Value");
    value.setCaption(defaultText);
    value.selectAll();
    value.setFocus();
    if (form.showModal() != kResultOk) return std::nullopt;
    return value.caption();
}

}  // namespace plevo::ui::win32
