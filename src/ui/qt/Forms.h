#pragma once
// Window helpers: fixed client areas and placement, as every window of the tool has them.

#include <QColor>
#include <QString>
#include <QWidget>

namespace plevo {

// Fixes the client area to w x h; the user cannot resize the window.
void fixClientSize(QWidget* window, int w, int h);
// Centres a window on the screen, or over another window.
void centreOnScreen(QWidget* window);
void centreOver(QWidget* window, const QWidget* over);
// Fills a widget's background with a colour.
void setBackground(QWidget* widget, const QColor& colour);
void setForeground(QWidget* widget, const QColor& colour);
// A check box or radio button on a black window: white caption, a mark that stays visible.
void setCaptionOnDark(QWidget* button);
// Shrinks a control's font (to 6 points at the least) until `caption` fits in `width` pixels:
// for the few captions longer than the control that was drawn for them.
void fitCaption(QWidget* widget, const QString& caption, int width);

}  // namespace plevo
