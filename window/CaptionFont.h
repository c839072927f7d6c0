#pragma once

#include <QFont>
#include <QList>

class QWidget;

// The largest size of the given font, not above its own, at which every control's text fits
// inside the control. The default desktop font is often too wide for the window's small
// headings ("Amount of Ingots" in 97 pixels), and a cut caption is worse than a small one.
QFont captionFont(QFont font, const QList<QWidget *> &controls);

// The width a control leaves for its text: inside the frame, padding and margins.
int textRoomWidth(const QWidget *control);
