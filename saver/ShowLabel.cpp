#include "ShowLabel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

namespace saver {

ShowLabel::ShowLabel(QWidget* parent) : QLabel(parent) {}

ShowLabel::Look ShowLabel::CurrentLook() const {
    return {text(),
            font().key(),
            palette().color(QPalette::WindowText).rgba(),
            palette().color(QPalette::Window).rgba(),
            int(alignment()),
            size(),
            devicePixelRatioF()};
}

void ShowLabel::paintEvent(QPaintEvent* event) {
    const Look look = CurrentLook();
    if (cache_.isNull() || !(look == cached_)) {
        // What QLabel draws for plain text without margin, indent or frame.
        cache_ = QPixmap(size() * look.ratio);
        cache_.setDevicePixelRatio(look.ratio);
        cache_.fill(palette().color(QPalette::Window));
        QPainter painter(&cache_);
        painter.setFont(font());
        style()->drawItemText(&painter, contentsRect(),
                              QStyle::visualAlignment(layoutDirection(), alignment()), palette(), isEnabled(),
                              text(), foregroundRole());
        cached_ = look;
    }
    QPainter painter(this);
    painter.drawPixmap(
        event->rect(), cache_,
        QRectF(QPointF(event->rect().topLeft()) * look.ratio, QSizeF(event->rect().size()) * look.ratio));
}

} // namespace saver
