#pragma once

#include <QLabel>
#include <QPixmap>

namespace saver {

// A label of the moving text. It moves every tick but its look changes only at a reload, so it draws
// itself once into a pixmap and afterwards only copies that: no text layout on every frame.
class ShowLabel : public QLabel {
    Q_OBJECT
public:
    explicit ShowLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What the picture depends on; a change draws it anew.
    struct Look {
        QString text;
        QString font;
        QRgb text_colour = 0;
        QRgb background = 0;
        int alignment = 0;
        QSize size;
        qreal ratio = 1;
        bool operator==(const Look&) const = default;
    };
    Look CurrentLook() const;

    QPixmap cache_;
    Look cached_;
};

} // namespace saver
