#pragma once
// What a backend offers besides its controls: building windows from their tables, the event
// loop, a clock, the screen, and the system's opener of documents.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "ui/Form.h"

namespace plevo::ui {

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Builds a window and every control of `controls`, in table order (a parent before its
    // children). The window starts hidden.
    virtual std::unique_ptr<Form> createForm(const FormSpec& form,
                                             std::span<const ControlSpec> controls) = 0;

    // Runs pending window events and timers, then returns.
    virtual void processEvents() = 0;
    // Runs the event loop until quit().
    virtual int run() = 0;
    virtual void quit() = 0;
    // Milliseconds of a monotonic clock.
    virtual std::int64_t milliseconds() const = 0;
    // The screen's work area.
    virtual Rect screenArea() const = 0;
    // The width `text` takes in `font`.
    virtual int textWidth(const Font& font, std::string_view text) const = 0;
    // The height of one line of text in `font`.
    virtual int textHeight(const Font& font) const = 0;
    // The height `text` takes in `font` when a word-wrapping label `width` wide shows it, its
    // "\n" line breaks included.
    virtual int textBlockHeight(const Font& font, std::string_view text, int width) const = 0;
    // Hands a document to the system's program for it; false when nothing took it.
    virtual bool openDocument(const std::string& path) = 0;
};

}  // namespace plevo::ui
