// Labels, panels, group boxes and pictures: captions and pictures that can be clicked like
// buttons.
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <functional>

#include "ui/qt/QtControl.h"
#include "ui/qt/QtControlFactory.h"
#include "ui/qt/QtForm.h"
#include "ui/qt/QtToolkit.h"

namespace plevo::ui::qt {
namespace {

// A label that takes its left clicks, so that a panel under it does not run a second time.
class ClickLabel : public QLabel {
public:
    ClickLabel(QWidget* parent, std::function<void()> clicked)
        : QLabel(parent), clicked_(std::move(clicked)) {
        // Captions are shown as they are, never read as markup.
        setTextFormat(Qt::PlainText);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) return event->accept();
        QLabel::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return QLabel::mouseReleaseEvent(event);
        event->accept();
        if (rect().contains(event->position().toPoint())) clicked_();
    }

private:
    std::function<void()> clicked_;
};

Qt::Alignment horizontal(unsigned flags, Qt::Alignment otherwise) {
    if (flags & kRight) return Qt::AlignRight;
    if (flags & kCentre) return Qt::AlignHCenter;
    return otherwise;
}

template <class Interface>
class QtCaption : public QtControl<Interface> {
public:
    QtCaption(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtControl<Interface>(form, spec,
                               new ClickLabel(parent, [this] { this->clickIfEnabled(); })) {}

protected:
    QLabel* label() const { return static_cast<QLabel*>(this->widget()); }
    QString captionText() const override { return label()->text(); }
    void setCaptionText(const QString& text) override { label()->setText(text); }
    int captionRoom() const override {
        return label()->wordWrap() ? -1 : label()->contentsRect().width();
    }
};

class QtLabel : public QtCaption<Label> {
public:
    QtLabel(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtCaption(form, spec, parent), transparent_(spec.flags & kTransparent) {
        if (spec.flags & kWordWrap) {
            label()->setWordWrap(true);
            label()->setAlignment(horizontal(spec.flags, Qt::AlignLeft) | Qt::AlignTop);
        } else {
            label()->setAlignment(horizontal(spec.flags, Qt::AlignLeft) | Qt::AlignVCenter);
        }
    }

protected:
    bool fillsBackground() const override { return colour_ && !transparent_; }

private:
    bool transparent_;
};

class QtPanel : public QtCaption<Panel> {
public:
    QtPanel(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtCaption(form, spec, parent) {
        label()->setAlignment(horizontal(spec.flags, Qt::AlignHCenter) | Qt::AlignVCenter);
        if (spec.flags & kNoBorder)
            label()->setFrameStyle(QFrame::NoFrame);
        else
            label()->setFrameStyle(QFrame::Panel |
                                   ((spec.flags & kSunken) ? QFrame::Sunken : QFrame::Raised));
    }

protected:
    // A panel paints its own face, in its own colour or its container's.
    bool fillsBackground() const override { return true; }
    // The caption keeps off the bevel: two pixels either side at the least.
    int captionRoom() const override {
        return std::min(label()->contentsRect().width(), label()->width() - 4);
    }
};

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

// A group box that can be clicked (the how-to window scrolls to a step when its box is).
class ClickGroupBox : public QGroupBox {
public:
    ClickGroupBox(QWidget* parent, std::function<void()> clicked)
        : QGroupBox(parent), clicked_(std::move(clicked)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QGroupBox::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            clicked_();
    }

private:
    std::function<void()> clicked_;
};

class QtGroupBox : public QtControl<GroupBox> {
public:
    QtGroupBox(QtForm& form, const ControlSpec& spec, QWidget* parent)
        : QtControl(form, spec, new ClickGroupBox(parent, [this] { clickIfEnabled(); })) {}

protected:
    QGroupBox* box() const { return static_cast<QGroupBox*>(widget()); }
    QString captionText() const override { return box()->title(); }
    void setCaptionText(const QString& text) override { box()->setTitle(text); }
    // The title is drawn from the box's left edge in, with a small margin either side.
    int captionRoom() const override { return box()->width() - 8; }
    QString measuredCaption() const override { return withoutMnemonics(box()->title()).trimmed(); }
};

}  // namespace

Made makeLabel(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtLabel>(form, spec, parent);
}

Made makePanel(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtPanel>(form, spec, parent);
}

Made makeGroupBox(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtGroupBox>(form, spec, parent);
}

Made makePicture(QtForm& form, const ControlSpec& spec, QWidget* parent) {
    return std::make_unique<QtPicture>(form, spec, parent);
}

}  // namespace plevo::ui::qt
