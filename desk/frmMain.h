#pragma once

#include "DeskSettings.h"
#include "WindowDrag.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace desk {

// Everything the display window shows, handed to it whole by its owner at each load.
struct DisplayLook {
    QString Text; // lines broken by CR LF
    QFont Font;
    QColor Ink;
    QColor Back;
    bool SeeThrough = false;
    bool TopMost = false;
    bool Moving = false; // a window that moves is placed by its runs, not kept on a screen
    bool Hints = true;
    WindowPosition Saved; // twips
    QDate Today;          // the day the texts were counted for
};

// The borderless window that shows the remaining-time text, sized exactly to it; optionally top-most
// and see-through. It knows nothing of its owner: it is told what to show and where to go, and
// reports what the user and the calendar do through its signals.
class frmMain : public QWidget {
    Q_OBJECT
public:
    frmMain();
    ~frmMain() override;

    // Places, sizes, prints and shows the window and starts its day watch.
    void Form_Load(const DisplayLook& look);
    // Every timer of the window, so a window on its way out never reports again.
    void StopTimers();

    // Position and size in twips.
    std::int32_t Left() const;
    std::int32_t Top() const;
    std::int32_t Width() const;
    std::int32_t Height() const;
    void MoveToTwips(std::int32_t left, std::int32_t top);

    // The user holds the window: a movement run waits, so the drag is never fought.
    bool HoldsWindow() const { return drag_.HoldsWindow(); }

Q_SIGNALS:
    void SettingsRequested();
    // A double click, or the window closed from outside (a window manager's close, a session ending).
    void EndRequested();
    // The calendar has moved on from the day the window was loaded for.
    void DayChanged();
    // A drag has put the window here (twips).
    void PlaceDragged(const desk::WindowPosition& at);
    // The hint is wanted with its top-left corner here (pixels), or not at all.
    void HintWanted(QPoint topLeft);
    void HintUnwanted();

public Q_SLOTS:
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
    void Form_MouseMove(QPointF local);
    void HideHint();
    void ApplyDragStep(const WindowDrag::Step& step);
    void PrintText(const QString& text, const QFont& font, const QColor& ink, const QColor& back);
    // Keeps a window that stands still within reach: its top-left not before the desktop's, and
    // wholly on the nearest screen when it would be on none; else at the stored place to the pixel.
    void PlaceOnScreen(const WindowPosition& saved);

    QLabel* lblText;
    QImage backBuffer_;
    bool hints_ = true;
    QDate today_;
    QTimer dayWatch_;
    WindowDrag drag_;
    QTimer moveSettled_; // ends a carried drag that reports no button release
};

} // namespace desk
