#include "ui/InputBox.h"

#include <algorithm>
#include <vector>

namespace plevo::ui {
namespace {

constexpr int kMargin = 8;
constexpr int kWidth = 340;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kEditHeight = 21;
// What the window's frame and caption bar may take beyond its client area.
constexpr int kFrameAllowance = 64;
// The scrolling prompt shows at least this many lines, however small the screen.
constexpr int kLeastLines = 3;

// The prompt's lines: "\n\r" is the tool's line break; "\r\n", "\n" and "\r" count as one too.
std::vector<std::string> promptLines(const std::string& prompt) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < prompt.size(); ++i) {
        const char c = prompt[i];
        if (c != '\n' && c != '\r') {
            lines.back().push_back(c);
            continue;
        }
        const char pair = c == '\n' ? '\r' : '\n';
        if (i + 1 < prompt.size() && prompt[i + 1] == pair) ++i;
        lines.emplace_back();
    }
    if (lines.size() > 1 && lines.back().empty()) lines.pop_back();
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    return text;
}

}  // namespace

std::unique_ptr<Form> makeInputBox(Toolkit& toolkit, const std::string& caption,
                                   const std::string& prompt, const std::string& defaultText) {
    const std::vector<std::string> lines = promptLines(prompt);
    const std::string text = joined(lines);
    const int inner = kWidth - 2 * kMargin;
    const int lineHeight = std::max(toolkit.textHeight({}), 13);
    const int below = 6 + kEditHeight + 12 + kButtonHeight + kMargin;
    // The room the screen leaves for the prompt once the frame, the margins, the edit box and the
    // buttons have theirs.
    const int room = std::max(toolkit.screenArea().h - kFrameAllowance - kMargin - below,
                              kLeastLines * lineHeight);
    const int needed = std::max(toolkit.textBlockHeight({}, text, inner), lineHeight);
    const bool scrolls = needed > room;
    const int promptH = scrolls ? room : needed;
    const int editY = kMargin + promptH + 6;
    const int buttonsY = editY + kEditHeight + 12;
    ControlSpec promptSpec{.kind = Kind::Label,
                           .name = "Prompt",
                           .at = {kMargin, kMargin, inner, promptH},
                           .caption = text,
                           .flags = kWordWrap};
    if (scrolls) {
        promptSpec.kind = Kind::Memo;
        promptSpec.caption.clear();
        promptSpec.flags = kReadOnly | kVScroll;
    }
    const std::vector<ControlSpec> controls = {
        promptSpec,
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
    auto form = toolkit.createForm({.name = "InputBox",
                                    .caption = caption,
                                    .client = {kWidth, buttonsY + kButtonHeight + kMargin},
                                    .style = FormStyle::Dialog,
                                    .place = FormPlace::OwnerCentre},
                                   controls);
    if (scrolls) {
        auto& shown = form->get<Memo>("Prompt");
        shown.setLines(lines);
        shown.scrollToTop();  // the question first, then the choices
    }
    auto& value = form->get<Edit>("Value");
    value.setCaption(defaultText);
    value.selectAll();
    return form;
}

std::optional<std::string> runInputBox(Toolkit& toolkit, const std::string& caption,
                                       const std::string& prompt, const std::string& defaultText) {
    const auto form = makeInputBox(toolkit, caption, prompt, defaultText);
    auto& value = form->get<Edit>("Value");
    value.setFocus();
    if (form->showModal() != kResultOk) return std::nullopt;
    return value.caption();
}

}  // namespace plevo::ui
