// The user's input on Win32: SendInput puts the mouse and the keys into the system's input queue,
// as the hardware does. The system picks the window under the pointer, activates its window,
// sends the focus changes and makes double clicks; the toolkit's loop takes the messages from
// the queue as it takes a user's.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <vector>

#include "support/TestToolkit.h"
#include "support/UserInput.h"
#include "ui/win32/Grid.h"
#include "ui/win32/NativeControl.h"
#include "ui/win32/Win32.h"
#include "ui/win32/Win32Form.h"
#include "ui/win32/Win32Toolkit.h"

namespace plevo::test {
namespace {

HWND windowOf(const ui::Control& control) {
    const auto* native = dynamic_cast<const ui::win32::NativeControl*>(&control);
    return native ? native->hwnd() : nullptr;
}

ui::win32::Win32Toolkit& toolkit() {
    return dynamic_cast<ui::win32::Win32Toolkit&>(testToolkit());
}

INPUT mouseInput(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    return in;
}

INPUT keyInput(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, 0));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    switch (vk) {
        case VK_INSERT:
        case VK_DELETE:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
            break;
        default:
            break;
    }
    return in;
}

// A key with its modifiers: they go down first and come up last.
void addKey(std::vector<INPUT>& inputs, WORD vk, bool shift, bool ctrl, bool alt) {
    const std::pair<bool, WORD> modifiers[] = {
        {ctrl, VK_CONTROL}, {shift, VK_SHIFT}, {alt, VK_MENU}};
    for (const auto& [held, key] : modifiers)
        if (held) inputs.push_back(keyInput(key, false));
    inputs.push_back(keyInput(vk, false));
    inputs.push_back(keyInput(vk, true));
    for (auto m = std::rbegin(modifiers); m != std::rend(modifiers); ++m)
        if (m->first) inputs.push_back(keyInput(m->second, true));
}

class Win32UserInput : public UserInput {
public:
    void clickAt(const ui::Control& control, ui::Point at) override {
        const auto point = reach(control, at);
        if (!point) return;
        apartFromTheLastClick(*point);
        SetCursorPos(point->x, point->y);
        send({mouseInput(MOUSEEVENTF_LEFTDOWN), mouseInput(MOUSEEVENTF_LEFTUP)});
        lastClick_ = {*point, GetTickCount()};
    }

    void doubleClickAt(const ui::Control& control, ui::Point at) override {
        const auto point = reach(control, at);
        if (!point) return;
        apartFromTheLastClick(*point);
        SetCursorPos(point->x, point->y);
        send({mouseInput(MOUSEEVENTF_LEFTDOWN), mouseInput(MOUSEEVENTF_LEFTUP),
              mouseInput(MOUSEEVENTF_LEFTDOWN), mouseInput(MOUSEEVENTF_LEFTUP)});
        lastClick_ = {*point, GetTickCount()};
    }

    ui::Point cellCentre(const ui::Grid& grid, int column, int row) override {
        const auto* native = dynamic_cast<const ui::win32::Win32Grid*>(&grid);
        if (!native) return centre(grid);
        return fromClient(native->hwnd(), native->cellRect(column, row));
    }

    ui::Point rowCentre(const ui::ListBox& list, int row) override {
        HWND box = windowOf(list);
        RECT r{};
        if (!box || SendMessageA(box, LB_GETITEMRECT, static_cast<WPARAM>(row),
                                 reinterpret_cast<LPARAM>(&r)) == LB_ERR)
            return centre(list);
        return fromClient(box, r);
    }

    void press(const ui::KeyPress& key) override {
        std::vector<INPUT> inputs;
        addKey(inputs, static_cast<WORD>(key.key), key.shift, key.ctrl, key.alt);
        send(inputs);
    }

    void type(std::string_view text) override {
        std::vector<INPUT> inputs;
        for (const char c : text) {
            if (c == '\n') {
                addKey(inputs, VK_RETURN, false, false, false);
                continue;
            }
            const SHORT scan = VkKeyScanA(c);
            if (scan != -1) {
                const int state = HIBYTE(scan);
                addKey(inputs, LOBYTE(scan), state & 1, state & 2, state & 4);
                continue;
            }
            // A character no key of the layout types comes as the keyboard's Unicode packet.
            wchar_t w = 0;
            MultiByteToWideChar(CP_ACP, 0, &c, 1, &w, 1);
            for (const bool up : {false, true}) {
                INPUT in{};
                in.type = INPUT_KEYBOARD;
                in.ki.wScan = static_cast<WORD>(w);
                in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
                inputs.push_back(in);
            }
        }
        // Key by key: a key may open a window that takes the next ones.
        for (std::size_t i = 0; i < inputs.size(); ++i) send({inputs[i]});
    }

    bool waitUntil(const std::function<bool()>& done, int milliseconds) override {
        const DWORD start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > static_cast<DWORD>(milliseconds)) return false;
            toolkit().processEvents();
            Sleep(1);
        }
        return true;
    }

    ui::Form* window(std::string_view name) override {
        for (ui::win32::Win32Form* form : toolkit().forms())
            if (form->name() == name) return form;
        return nullptr;
    }

    std::unique_ptr<Pending> later(int milliseconds, std::function<void()> step) override {
        return std::make_unique<Later>(milliseconds, std::move(step));
    }

private:
    // A timer of the thread: its WM_TIMER reaches the procedure through whatever loop runs.
    class Later : public Pending {
    public:
        Later(int milliseconds, std::function<void()> step) : step_(std::move(step)) {
            id_ = SetTimer(nullptr, 0, static_cast<UINT>(milliseconds), &Later::fire);
            waiting()[id_] = this;
        }
        ~Later() override {
            if (id_) KillTimer(nullptr, id_);
            waiting().erase(id_);
        }

    private:
        static std::map<UINT_PTR, Later*>& waiting() {
            static std::map<UINT_PTR, Later*> timers;
            return timers;
        }
        static void CALLBACK fire(HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            const auto it = waiting().find(id);
            if (it == waiting().end()) return;
            Later* self = it->second;
            waiting().erase(it);
            self->id_ = 0;
            self->step_();
        }

        std::function<void()> step_;
        UINT_PTR id_ = 0;
    };

    struct Click {
        POINT at;
        DWORD when;
    };

    // A point of the control's own area on the screen; nothing (and a failure) when no user can
    // reach it.
    static std::optional<POINT> reach(const ui::Control& control, ui::Point at) {
        HWND hwnd = windowOf(control);
        if (!hwnd) {
            ADD_FAILURE() << control.name() << " is not a control of the Win32 backend";
            return std::nullopt;
        }
        HWND root = GetAncestor(hwnd, GA_ROOT);
        if (!IsWindowVisible(root)) {
            ADD_FAILURE() << control.name() << ": its window " << control.form().name()
                          << " is not on the screen";
            return std::nullopt;
        }
        if (!IsWindowVisible(hwnd)) {
            ADD_FAILURE() << control.name() << " of " << control.form().name() << " is hidden";
            return std::nullopt;
        }
        RECT frame;
        GetWindowRect(hwnd, &frame);
        // The control's own area is in layer pixels, as its geometry is.
        const ui::Point offset = toolkit().scale().toScreen(at);
        const POINT point{frame.left + offset.x, frame.top + offset.y};
        RECT client;
        GetClientRect(root, &client);
        MapWindowPoints(root, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
        if (!PtInRect(&client, point)) {
            ADD_FAILURE() << control.name() << " of " << control.form().name()
                          << " lies outside its window's client area: no user can click it";
            return std::nullopt;
        }
        return point;
    }

    // The centre of `r`, a rectangle of the client area of `hwnd`, in the control's own area.
    static ui::Point fromClient(HWND hwnd, RECT r) {
        POINT c{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(hwnd, &c);
        RECT frame;
        GetWindowRect(hwnd, &frame);
        return toolkit().scale().toLayer(ui::Point{c.x - frame.left, c.y - frame.top});
    }

    // Two single clicks at one place within the double-click time would be a double click to the
    // system: the second waits.
    void apartFromTheLastClick(POINT next) const {
        if (!lastClick_) return;
        const int dx = GetSystemMetrics(SM_CXDOUBLECLK);
        const int dy = GetSystemMetrics(SM_CYDOUBLECLK);
        if (std::abs(next.x - lastClick_->at.x) > dx || std::abs(next.y - lastClick_->at.y) > dy)
            return;
        const DWORD since = GetTickCount() - lastClick_->when;
        const DWORD wait = GetDoubleClickTime() + 50;
        if (since < wait) Sleep(wait - since);
    }

    // Puts the input into the system's queue and lets the loop take it: done when no input is
    // left in the queue (nested loops, a modal window's, took their part on the way).
    void send(std::vector<INPUT> inputs) {
        if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) !=
            inputs.size())
            ADD_FAILURE() << "SendInput refused the input: error " << GetLastError();
        int quiet = 0;
        for (int round = 0; round < 2000 && quiet < 3; ++round) {
            toolkit().processEvents();
            quiet = (HIWORD(GetQueueStatus(QS_INPUT)) & QS_INPUT) ? 0 : quiet + 1;
            if (quiet == 0) Sleep(1);
        }
        pause();
    }

    std::optional<Click> lastClick_;
};

}  // namespace

UserInput& user() {
    static Win32UserInput input;
    return input;
}

}  // namespace plevo::test
