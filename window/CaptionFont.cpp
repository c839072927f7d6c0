#include "CaptionFont.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

namespace {

constexpr qreal smallestSize = 5;
constexpr qreal sizeStep = 0.5;
// QLineEdit keeps this many pixels clear on each side of its text, inside its contents.
constexpr int lineEditMargin = 2;

bool allFit(const QFont &font, const QList<QWidget *> &controls)
{
    const QFontMetrics metrics(font);
    for (const QWidget *control : controls) {
        // Labels, text boxes and buttons all show their "text" property.
        const QString text = control->property("text").toString();
        if (metrics.horizontalAdvance(text) > textRoomWidth(control))
            return false;
    }
    return true;
}

} // namespace

int textRoomWidth(const QWidget *control)
{
    QStyle *style = control->style();
    if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    }
    if (const auto *box = qobject_cast<const QLineEdit *>(control)) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        const QMargins margins = box->textMargins();
        return style->subElementRect(QStyle::SE_LineEditContents, &option, box).width()
               - margins.left() - margins.right() - 2 * lineEditMargin;
    }
    return control->contentsRect().width();
}

QFont captionFont(QFont font, const QList<QWidget *> &controls)
{
    if (font.pointSizeF() <= 0) // sized in pixels: leave it as the desktop set it
        return font;
    while (!allFit(font, controls) && font.pointSizeF() - sizeStep >= smallestSize)
        font.setPointSizeF(font.pointSizeF() - sizeStep);
    return font;
}
