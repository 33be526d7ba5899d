#pragma once
// The Qt toolkit: one QApplication, the windows built from their tables, the event loop, the
// clock, the screen and the pictures rendered once per drawing.

#include <QHash>
#include <QPixmap>
#include <chrono>
#include <memory>
#include <vector>

#include "ui/Toolkit.h"

class QApplication;

namespace plevo::ui::qt {

class QtForm;

class QtToolkit : public Toolkit {
public:
    QtToolkit(int& argc, char** argv, const std::string& title);
    ~QtToolkit() override;

    std::unique_ptr<Form> createForm(const FormSpec& form,
                                     std::span<const ControlSpec> controls) override;
    void processEvents() override;
    int run() override;
    void quit() override;
    std::int64_t milliseconds() const override;
    Rect screenArea() const override;
    int textWidth(const Font& font, std::string_view text) const override;
    int textHeight(const Font& font) const override;
    int textBlockHeight(const Font& font, std::string_view text, int width) const override;
    bool openDocument(const std::string& path) override;

    // The drawing as a picture of its own size, rendered the first time its key is asked for.
    QPixmap picture(const Drawing& drawing);
    // The program's main window: the first window made that still exists.
    QtForm* mainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
    void forget(QtForm* form);

private:
    std::unique_ptr<QApplication> app_;
    QHash<QString, QPixmap> pictures_;
    std::vector<QtForm*> forms_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace plevo::ui::qt
