#pragma once
// The small controls the windows are built from: pictures, labels and panels that can be clicked
// like buttons.

#include <QCheckBox>
#include <QLabel>
#include <QPixmap>

namespace plevo {

// A label that runs its click handler on a left click, as a picture or caption of a step does.
class TLabel : public QLabel {
    Q_OBJECT
public:
    TLabel(const QString& name, const QString& caption, QWidget* parent);
    // Runs what a user's click runs (nothing while disabled, as for a user).
    void click();
signals:
    void clicked();

protected:
    // The label takes its clicks, so a panel under it does not run a second time.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A picture; its size may change (the show-me pulse) while its top left corner stays.
class TImage : public TLabel {
    Q_OBJECT
public:
    TImage(const QString& name, const QPixmap& picture, QWidget* parent);
};

// A panel with a caption centred in it.
class TPanel : public TLabel {
    Q_OBJECT
public:
    TPanel(const QString& name, const QString& caption, QWidget* parent);
};

// A check box whose caption wraps over several lines inside its width.
class TCheckBox : public QCheckBox {
    Q_OBJECT
public:
    TCheckBox(const QString& name, const QString& caption, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

}  // namespace plevo
