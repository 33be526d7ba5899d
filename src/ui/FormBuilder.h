#pragma once
// A window's table, written once: each row that the window's code reaches names the member the
// control fills and the handlers it runs, so that a control is declared in one place. The form is
// built from the rows in their order; then every member is filled and every handler bound.
//
//     ui::FormBuilder b(formSpec());
//     b.add({.kind = Kind::Label, .name = "Title", ...});            // never reached again
//     b.add(SaveBtn, {.kind = Kind::Button, .name = "SaveBtn", ...})  // ui::Button* SaveBtn;
//         .onClick(tool.operation(this, &Window::SaveBtnClick));
//     form_ = b.build(toolkit);

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/Toolkit.h"

namespace plevo::ui {

class FormBuilder {
public:
    // What a row adds after the form is built: its member, then its handlers.
    template <class T>
    class Row {
    public:
        Row(FormBuilder& builder, T*& member) : builder_(builder), member_(member) {}
        Row& onClick(Handler h) {
            return then([h = std::move(h)](T& c) { c.onClick = h; });
        }
        Row& onDoubleClick(Handler h) {
            return then([h = std::move(h)](T& c) { c.onDoubleClick = h; });
        }
        Row& onChange(Handler h) {
            return then([h = std::move(h)](T& c) { c.onChange = h; });
        }
        Row& onExit(Handler h) {
            return then([h = std::move(h)](T& c) { c.onExit = h; });
        }
        Row& onKey(KeyHandler h) {
            return then([h = std::move(h)](T& c) { c.onKey = h; });
        }

    private:
        // A setting of the built control, made once its member is filled.
        Row& then(std::function<void(T&)> step) {
            builder_.afterBuild_.push_back(
                [m = &member_, step = std::move(step)](Form&) { step(**m); });
            return *this;
        }

        FormBuilder& builder_;
        T*& member_;
    };

    explicit FormBuilder(FormSpec form) : form_(std::move(form)) {}
    // The rows point at the builder's own names: a copy would point at the original's.
    FormBuilder(const FormBuilder&) = delete;
    FormBuilder& operator=(const FormBuilder&) = delete;

    // A name made for a row (rows built in a loop: "Panel1" to "Panel4"), kept as long as the
    // rows that point at it.
    const char* name(std::string made) { return names_.emplace_back(std::move(made)).c_str(); }

    // A row the window's code never reaches again.
    void add(ControlSpec row) { rows_.push_back(std::move(row)); }
    // A row whose control fills `member` once the form is built; a control of another kind than
    // T is a fault of the program, found when the window is first built.
    template <class T>
    Row<T> add(T*& member, ControlSpec row) {
        afterBuild_.push_back(
            [&member, name = std::string(row.name)](Form& f) { member = &f.get<T>(name); });
        rows_.push_back(std::move(row));
        return Row<T>(*this, member);
    }

    const std::vector<ControlSpec>& rows() const { return rows_; }

    std::unique_ptr<Form> build(Toolkit& toolkit) const {
        std::unique_ptr<Form> form = toolkit.createForm(form_, rows_);
        for (const auto& step : afterBuild_) step(*form);
        return form;
    }

private:
    FormSpec form_;
    // A deque never moves what it holds, so that the rows' name pointers stay good.
    std::deque<std::string> names_;
    std::vector<ControlSpec> rows_;
    std::vector<std::function<void(Form&)>> afterBuild_;
};

}  // namespace plevo::ui
