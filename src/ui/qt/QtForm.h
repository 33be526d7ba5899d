#pragma once
// A window of the layer on a top-level QWidget: built from its table, a fixed client size, its
// place on the screen, keys seen before its controls, modal showing and closing as the user's
// close box does it.

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <span>
#include <vector>

#include "ui/Form.h"
#include "ui/TimerSet.h"

class QEventLoop;
class QKeyEvent;

namespace plevo::ui::qt {

class QtControlBase;
class QtToolkit;

class QtForm : public Form {
public:
    QtForm(QtToolkit& toolkit, const FormSpec& spec, std::span<const ControlSpec> controls);
    ~QtForm() override;

    const std::string& name() const override { return name_; }
    std::string caption() const override;
    void setCaption(std::string_view caption) override;
    Size clientSize() const override;
    Point position() const override;
    void move(Point topLeft) override;
    Point toScreen(Point client) const override;
    std::optional<Colour> colour() const override { return colour_; }
    void setColour(std::optional<Colour> colour) override;
    FormStyle style() const override;
    std::optional<Colour> seeThrough() const override { return seeThrough_; }

    void show() override;
    void hide() override;
    bool visible() const override;
    bool active() const override;
    void activate() override;
    int showModal() override;
    void endModal(int result) override;
    int modalResult() const override { return result_; }
    void close() override;
    void centreOnScreen() override;
    void centreOver(const Form& other) override;
    void repaint() override;

    Control* find(std::string_view name) const override;
    std::vector<Control*> controls() const override;
    Control* focusedControl() const override;
    Timer& addTimer(const std::string& name, int intervalMs) override;
    Timer* findTimer(std::string_view name) const override;
    void pressKey(const KeyPress& key) override;

    // For the backend.
    static QtForm* of(const QWidget* widget);
    QtToolkit& toolkit() const { return toolkit_; }
    QWidget* window() const { return window_; }
    // The control that `widget` is, or is part of.
    QtControlBase* controlOf(const QWidget* widget) const;
    // A key on its way to `receiver`: the window's onKey, the control's onKey, then Esc and
    // Enter for the cancel and default buttons. True when one of them took it.
    bool previewKey(QWidget* receiver, const QKeyEvent& event);
    // A push button with a modal result was pressed (its onClick has run).
    void buttonEnded(int modalResult);

private:
    class Window;
    friend class Window;
    void build(std::span<const ControlSpec> controls);
    std::unique_ptr<QtControlBase> make(const ControlSpec& spec, QWidget* parent);
    void place();
    // Moves the window's top left corner there, or as near as keeps it on its screen.
    void moveOnScreen(QPoint topLeft);
    void activateNow();
    bool closeQuery();
    void closed();
    void windowShown();
    void windowHidden();
    // The see-through colour as a window mask: only what the window draws in other colours
    // stays, so it follows every repaint.
    void fitMask();

    QtToolkit& toolkit_;
    std::string name_;
    FormPlace place_;
    std::optional<Colour> colour_;
    std::optional<Colour> seeThrough_;
    QPointer<QWidget> window_;
    std::vector<std::unique_ptr<QtControlBase>> controls_;
    QHash<const QWidget*, QtControlBase*> byWidget_;
    TimerSet timers_;
    QtControlBase* defaultButton_ = nullptr;
    QtControlBase* cancelButton_ = nullptr;
    QEventLoop* loop_ = nullptr;
    int result_ = kResultNone;
};

}  // namespace plevo::ui::qt
