#include "ui/qt/QtKeys.h"

#include <array>
#include <utility>

namespace plevo::ui::qt {
namespace {

// Keys whose Qt and virtual-key codes differ; letters, digits and Space are the same in both.
constexpr std::array<std::pair<int, int>, 22> kKeys{{
    {Qt::Key_Backspace, kKeyBack}, {Qt::Key_Tab, kKeyTab},
    {Qt::Key_Backtab, kKeyTab},    {Qt::Key_Return, kKeyReturn},
    {Qt::Key_Enter, kKeyReturn},   {Qt::Key_Escape, kKeyEscape},
    {Qt::Key_PageUp, kKeyPageUp},  {Qt::Key_PageDown, kKeyPageDown},
    {Qt::Key_End, kKeyEnd},        {Qt::Key_Home, kKeyHome},
    {Qt::Key_Left, kKeyLeft},      {Qt::Key_Up, kKeyUp},
    {Qt::Key_Right, kKeyRight},    {Qt::Key_Down, kKeyDown},
    {Qt::Key_Insert, kKeyInsert},  {Qt::Key_Delete, kKeyDelete},
    {Qt::Key_Shift, 0x10},         {Qt::Key_Control, 0x11},
    {Qt::Key_Alt, 0x12},           {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},      {Qt::Key_Print, 0x2C},
}};

int virtualKey(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) ||
        qtKey == Qt::Key_Space)
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return kKeyF1 + (qtKey - Qt::Key_F1);
    for (const auto& [q, vk] : kKeys)
        if (q == qtKey) return vk;
    return 0;
}

int qtKeyOf(int vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9') || vk == kKeySpace) return vk;
    if (vk >= kKeyF1 && vk < kKeyF1 + 24) return Qt::Key_F1 + (vk - kKeyF1);
    for (const auto& [q, v] : kKeys)
        if (v == vk) return q;
    return Qt::Key_unknown;
}

QString keyText(const KeyPress& key) {
    if (key.ctrl || key.alt) return {};
    if (key.key >= 'A' && key.key <= 'Z') return QChar(key.shift ? key.key : key.key - 'A' + 'a');
    if ((key.key >= '0' && key.key <= '9') || key.key == kKeySpace) return QChar(key.key);
    switch (key.key) {
        case kKeyReturn:
            return QStringLiteral("\r");
        case kKeyTab:
            return QStringLiteral("\t");
        case kKeyBack:
            return QStringLiteral("\b");
        case kKeyEscape:
            return QStringLiteral("\x1b");
        default:
            return {};
    }
}

}  // namespace

KeyPress toKeyPress(const QKeyEvent& event) {
    const Qt::KeyboardModifiers m = event.modifiers();
    return {.key = virtualKey(event.key()),
            .shift = m.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab,
            .ctrl = m.testFlag(Qt::ControlModifier),
            .alt = m.testFlag(Qt::AltModifier)};
}

std::unique_ptr<QKeyEvent> toQKeyEvent(const KeyPress& key, QEvent::Type type) {
    Qt::KeyboardModifiers m;
    if (key.shift) m |= Qt::ShiftModifier;
    if (key.ctrl) m |= Qt::ControlModifier;
    if (key.alt) m |= Qt::AltModifier;
    return std::make_unique<QKeyEvent>(type, qtKeyOf(key.key), m, keyText(key));
}

}  // namespace plevo::ui::qt
