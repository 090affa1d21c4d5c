#pragma once

#include <QImage>
#include <QWidget>

namespace desk {

// The one-line hint shown just below the display window while the pointer rests inside it. It goes away
// by itself as soon as the pointer moves onto it.
class frmToolTip : public QWidget {
    Q_OBJECT
public:
    frmToolTip();

    static const QString kHintText;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Form_Load();

    QImage backBuffer_;
};

} // namespace desk
