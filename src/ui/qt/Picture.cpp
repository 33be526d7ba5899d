// The picture: a drawing that can be clicked like a button.
#include "ui/qt/QtCaption.h"
#include "ui/qt/QtControlFactory.h"
#include "ui/qt/QtForm.h"
#include "ui/qt/QtToolkit.h"

namespace plevo::ui::qt {
namespace {

class QtPicture : public QtCaption<Picture> {
public:
    QtPicture(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtCaption(form, spec, parent) {
        label()->setScaledContents(true);
        label()->setCursor(Qt::PointingHandCursor);
        if (!spec.drawing.empty()) setDrawing(spec.drawing);
    }
    void setDrawing(const Drawing& drawing) override {
        key_ = drawing.key;
        if (drawing.empty())
            label()->clear();
        else
            label()->setPixmap(qtForm().toolkit().picture(drawing));
    }
    std::string drawingKey() const override { return key_; }

protected:
    QString captionText() const override { return {}; }
    void setCaptionText(const QString&) override {}
    int captionRoom() const override { return -1; }

private:
    std::string key_;
};

}  // namespace

Made makePicture(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtPicture>(form, spec, parent);
}

}  // namespace plevo::ui::qt
