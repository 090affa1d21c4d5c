#pragma once

#include "MovementPath.h"
#include "WindowDrag.h"

#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace desk {

class Program;
struct WindowPosition;

// The borderless window that shows the remaining-time text, sized exactly to it; optionally top-most,
// see-through and moving along a path with pauses between runs.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(Program& program);
    ~frmMain() override;

    // Places, sizes, prints and shows the window and starts its timers.
    void Form_Load();
    // Unloading: nothing more while the window is being rebuilt, else the program ends.
    void Form_Unload();
    // Every timer of the window, so a window on its way out never ticks again.
    void StopTimers();

    // Position and size in twips.
    std::int32_t Left() const;
    std::int32_t Top() const;
    std::int32_t Width() const;
    std::int32_t Height() const;

    const QImage& BackBuffer() const { return backBuffer_; }
    const PauseCounter& IntervalTicks() const { return intervalTicks_; }

    QLabel* lblText;
    QTimer tmrMovement;
    QTimer tmrInterval;

public Q_SLOTS:
    void tmrMovement_Timer();
    void tmrInterval_Timer();
    // Rebuilds the window once the calendar has moved on, whatever the movement state.
    void dayWatch_Timer();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_MouseDown(Qt::MouseButton button, QPointF global);
    void Form_MouseUp();
    void Form_MouseMove(QPointF local, QPointF global);
    void Form_DblClick();
    void SavePosition();
    void ApplyDragStep(const WindowDrag::Step& step);
    void PrintText(const QString& text, const QFont& font, const QColor& ink, const QColor& back);
    void MoveToTwips(std::int32_t left, std::int32_t top);
    // Keeps a window that stands still within reach: its top-left not before the desktop's, and
    // wholly on the nearest screen when it would be on none; else at the stored place to the pixel.
    void PlaceOnScreen(const WindowPosition& saved);

    Program& program_;
    QImage backBuffer_;
    PauseCounter intervalTicks_;
    QTimer dayWatch_;
    WindowDrag drag_;
    QTimer moveSettled_;       // ends a carried drag that reports no button release
    bool carriedDrag_ = false; // the last drag was the window manager's move
};

} // namespace desk
