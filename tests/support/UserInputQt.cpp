// The user's input on Qt: mouse and key events handed to the window system's side of Qt (QTest's
// QWindow functions), so that Qt itself finds the widget under the pointer, refuses windows a
// modal one blocks, moves the focus by the widgets' focus policies and makes double clicks.
#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <optional>

#include <gtest/gtest.h>

#include "support/UserInput.h"
#include "ui/qt/QtControl.h"
#include "ui/qt/QtForm.h"
#include "ui/qt/QtKeys.h"

namespace plevo::test {
namespace {

QWidget* widgetOf(const ui::Control& control) {
    const auto* native = dynamic_cast<const ui::qt::QtControlBase*>(&control);
    return native ? native->widget() : nullptr;
}

// The key Qt's keyboard gives for a typed byte (Latin-1), and its text.
int keyOfCharacter(unsigned char c) {
    if (c >= 'a' && c <= 'z') return Qt::Key_A + (c - 'a');
    return QChar(c).toUpper().unicode();
}

class QtUserInput : public UserInput {
public:
    void clickAt(const ui::Control& control, ui::Point at) override {
        if (auto target = reach(control, at)) {
            QTest::mouseClick(target->window, Qt::LeftButton, {}, target->point);
            settle();
        }
    }

    void doubleClickAt(const ui::Control& control, ui::Point at) override {
        if (auto target = reach(control, at)) {
            // Press, release, press, release at one place within the double-click time: Qt
            // makes the second press a double click.
            QTest::mouseDClick(target->window, Qt::LeftButton, {}, target->point);
            settle();
        }
    }

    ui::Point cellCentre(const ui::Grid& grid, int column, int row) override {
        auto* table = qobject_cast<QTableWidget*>(widgetOf(grid));
        if (!table) return centre(grid);
        QRect r;
        QWidget* area = table->viewport();
        if (row == 0) {
            area = table->horizontalHeader();
            const int x = table->horizontalHeader()->sectionViewportPosition(column);
            r = QRect(x, 0, table->columnWidth(column), area->height());
        } else {
            r = table->visualItemRect(table->item(row - 1, column));
        }
        const QPoint p = area->mapTo(table, r.center());
        return {p.x(), p.y()};
    }

    ui::Point rowCentre(const ui::ListBox& list, int row) override {
        auto* widget = qobject_cast<QListWidget*>(widgetOf(list));
        if (!widget || !widget->item(row)) return centre(list);
        const QPoint p =
            widget->viewport()->mapTo(widget, widget->visualItemRect(widget->item(row)).center());
        return {p.x(), p.y()};
    }

    void press(const ui::KeyPress& key) override {
        QWindow* window = keyboardWindow();
        if (!window) return;
        const auto event = ui::qt::toQKeyEvent(key, QEvent::KeyPress);
        // The modifiers go down first and come up last, as on a keyboard.
        QTest::keyPress(window, Qt::Key(event->key()), event->modifiers());
        if (QWindow* still = keyboardWindow(false))
            QTest::keyRelease(still, Qt::Key(event->key()), event->modifiers());
        settle();
    }

    void type(std::string_view text) override {
        for (const char byte : text) {
            if (byte == '\n') {
                press({.key = ui::kKeyReturn});
                continue;
            }
            QWindow* window = keyboardWindow();
            if (!window) return;
            const auto c = static_cast<unsigned char>(byte);
            const QString typed(QChar(static_cast<char16_t>(c)));
            qt_handleKeyEvent(window, QEvent::KeyPress, keyOfCharacter(c), Qt::NoModifier, typed);
            if (QWindow* still = keyboardWindow(false))
                qt_handleKeyEvent(still, QEvent::KeyRelease, keyOfCharacter(c), Qt::NoModifier,
                                  typed);
            settle();
        }
    }

    bool waitUntil(const std::function<bool()>& done, int milliseconds) override {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > milliseconds) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(1);
        }
        return true;
    }

    ui::Form* window(std::string_view name) override {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (ui::qt::QtForm* form = ui::qt::QtForm::of(top); form && form->name() == name)
                return form;
        return nullptr;
    }

    std::unique_ptr<Pending> later(int milliseconds, std::function<void()> step) override {
        auto pending = std::make_unique<Later>();
        pending->timer.setSingleShot(true);
        QObject::connect(&pending->timer, &QTimer::timeout, [step = std::move(step)] { step(); });
        pending->timer.start(milliseconds);
        return pending;
    }

private:
    struct Later : Pending {
        QTimer timer;
    };

    struct Target {
        QWindow* window;
        QPoint point;
    };

    // Where on its window a user would press to reach `at` of `control`; nothing (and a failure)
    // when no user can reach it.
    static std::optional<Target> reach(const ui::Control& control, ui::Point at) {
        QWidget* widget = widgetOf(control);
        if (!widget) {
            ADD_FAILURE() << control.name() << " is not a control of the Qt backend";
            return std::nullopt;
        }
        QWidget* top = widget->window();
        if (!top->isVisible() || !top->windowHandle()) {
            ADD_FAILURE() << control.name() << ": its window " << control.form().name()
                          << " is not on the screen";
            return std::nullopt;
        }
        if (!widget->isVisibleTo(top)) {
            ADD_FAILURE() << control.name() << " of " << control.form().name() << " is hidden";
            return std::nullopt;
        }
        const QPoint point = widget->mapTo(top, QPoint(at.x, at.y));
        if (!top->rect().contains(point)) {
            ADD_FAILURE() << control.name() << " of " << control.form().name()
                          << " lies outside its window's client area: no user can click it";
            return std::nullopt;
        }
        return Target{top->windowHandle(), point};
    }

    // The window the keyboard types into: the active one, while it is on the screen. A key's
    // release goes wherever the focus is by then (nowhere when its press closed the window).
    QWindow* keyboardWindow(bool pressing = true) {
        // A window system activates a window some time after it is shown: the user types into a
        // modal window once it has come up.
        if (QWidget* modal = QApplication::activeModalWidget(); modal && pressing)
            waitUntil([modal] { return modal->isActiveWindow(); }, 2000);
        QWidget* active = QApplication::activeWindow();
        QWindow* window = active ? active->windowHandle() : QGuiApplication::focusWindow();
        if (window && window->isVisible()) return window;
        if (pressing) ADD_FAILURE() << "no window is active: the keys would go nowhere";
        return nullptr;
    }

    // What the press posted (deferred deletions, queued signals) runs before the next step.
    void settle() {
        QCoreApplication::processEvents();
        pause();
    }
};

}  // namespace

UserInput& user() {
    static QtUserInput input;
    return input;
}

}  // namespace plevo::test
