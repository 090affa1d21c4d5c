#include "frmMain.h"

#include "StoredColor.h"

#include "Clock.h"
#include "DayWatch.h"
#include "DesktopWidget.h"
#include "MessageBoxes.h"
#include "PointerButtons.h"
#include "Program.h"
#include "Rounding.h"
#include "ScreenPixels.h"
#include "ScreenPlacement.h"
#include "ScreenUnits.h"
#include "TransparencyMask.h"
#include "WindowMove.h"

#include <QApplication>
#include <QDateTime>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <cmath>

namespace desk {

namespace {

// The system desktop colour, the display window's own background before any setting applies.
constexpr std::int32_t kDesktopSystemColor = std::int32_t(0x80000001u);

// Movement ticks every 16 ms: the step size, not the timer rate, sets the speed.
constexpr int kMovementTickMs = 16;
// A drag the window manager carries out may end without a button release reaching the program: it has
// then ended once the window has kept still this long after moving (or has not moved at all this long
// after the drag started) and the button is not known to be down.
constexpr int kMoveSettledMs = 500;
constexpr int kMoveStartMs = 5000;

QString LinesOf(const QString& displayText) {
    QString text = displayText;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

frmMain::frmMain(Program& program)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      lblText(new QLabel(QStringLiteral("lblText"), this)), program_(program) {
    setWindowTitle(QStringLiteral("Quindle"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    tmrMovement.setTimerType(Qt::PreciseTimer);
    tmrMovement.setInterval(kMovementTickMs);
    tmrInterval.setInterval(60000);
    dayWatch_.setSingleShot(true);
    moveSettled_.setSingleShot(true);
    connect(&tmrMovement, &QTimer::timeout, this, &frmMain::tmrMovement_Timer);
    connect(&tmrInterval, &QTimer::timeout, this, &frmMain::tmrInterval_Timer);
    connect(&dayWatch_, &QTimer::timeout, this, &frmMain::dayWatch_Timer);
    connect(&moveSettled_, &QTimer::timeout, this, [this] {
        const bool held = platform::PrimaryButtonDown().value_or(false);
        ApplyDragStep(drag_.Handle(held ? WindowDrag::Event::StillHeld : WindowDrag::Event::Settled));
    });
}

frmMain::~frmMain() = default;

std::int32_t frmMain::Left() const {
    return core::PixelsToTwips(x(), ui::TwipsPerPixelX());
}
std::int32_t frmMain::Top() const {
    return core::PixelsToTwips(y(), ui::TwipsPerPixelY());
}
std::int32_t frmMain::Width() const {
    return core::PixelsToTwips(width(), ui::TwipsPerPixelX());
}
std::int32_t frmMain::Height() const {
    return core::PixelsToTwips(height(), ui::TwipsPerPixelY());
}

void frmMain::MoveToTwips(std::int32_t left, std::int32_t top) {
    const QPoint to(core::TwipsToPixels(left, ui::TwipsPerPixelX()),
                    core::TwipsToPixels(top, ui::TwipsPerPixelY()));
    // Slow runs step less than a pixel per tick: only a real move costs the display server anything. A
    // moving window is moved the cheapest way the window system has, many times a second.
    if (to != pos())
        platform::MoveTopLevelWindow(*this, to);
}

void frmMain::Form_Load() {
    const LoadedSettings& s = program_.Loaded;
    const WindowPosition saved = ReadPosition(program_.Store());
    MoveToTwips(core::RoundToInt32(saved.Left), core::RoundToInt32(saved.Top));

    const QString failure = CalculateTimeLeft(
        s.Date, {s.Title, s.Target, s.TargetPassed, s.IncludeDays, s.Style, s.RepeatYearly}, program_.Texts);
    if (!failure.isEmpty())
        ui::ShowMessage({nullptr, failure, QMessageBox::Critical, QMessageBox::Ok, QString()});

    const bool seeThrough = s.Transparent == 1;
    QFont font(s.TextFontName);
    font.setPointSize(std::max(1, s.TextFontSize));
    font.setBold(s.TextFontBold);
    font.setItalic(s.TextFontItalic);
    font.setStrikeOut(s.TextFontStrikethru);
    font.setUnderline(s.TextFontUnderline);
    // See-through letters are cut out by exact colour: blended edge pixels would stay as a fringe.
    if (seeThrough)
        font.setStyleStrategy(QFont::NoAntialias);
    const QColor ink = ui::ColorFromStored(s.TextFontColor);
    const QString text = LinesOf(program_.Texts.DisplayText);

    lblText->setFont(font);
    QPalette palette = lblText->palette();
    palette.setColor(QPalette::WindowText, ink);
    lblText->setPalette(palette);
    lblText->setText(text);
    lblText->move(0, 0);
    lblText->adjustSize();
    setFixedSize(lblText->size().expandedTo(QSize(1, 1)));
    lblText->hide();
    setFont(font);

    tmrInterval.setInterval(IntervalTimerMs(s.Interval));
    if (s.Movement != 1) {
        tmrInterval.stop();
        tmrMovement.stop();
    } else {
        // The first run is prepared here, so the window moves whether or not the dialog ever loads.
        program_.MovementCoordinates();
        tmrMovement.start();
    }

    const QColor back = ui::ColorFromStored(seeThrough ? kDesktopSystemColor : s.BackgroundColor);
    setWindowFlag(Qt::WindowStaysOnTopHint, s.TopMost == 1);
    winId(); // the native window, so the window manager learns what it is before it is first shown
    platform::MakeDesktopWidget(windowHandle());
    if (s.Movement != 1)
        PlaceOnScreen(saved);
    PrintText(text, font, ink, back);
    if (seeThrough) {
        const QRegion region = RegionFromImage(backBuffer_, back.rgb() & 0xFFFFFF);
        // An empty QRegion would remove the mask; a window with no text pixel shows nothing at all.
        setMask(region.isEmpty() ? QRegion(-1, -1, 1, 1) : region);
    }
    show();

    dayWatch_.start(int(MsUntilNextDayCheck(QDateTime::currentDateTime())));
}

void frmMain::PlaceOnScreen(const WindowPosition& saved) {
    // The stored place is kept as it is: only a drag writes it again.
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const QPoint placed = core::PlaceOnScreens(geometry(), screens);
    if (placed != pos()) {
        move(placed);
        return;
    }
    // On a scaled display the stored place may lie between two of the toolkit's pixels: it is put on
    // the screen pixel it names, so that a place saved after a drag opens again exactly there.
    const double ratio = devicePixelRatioF();
    platform::MoveToScreenPixel(windowHandle(),
                                {core::TwipsToPixels(saved.Left, ui::TwipsPerPixelX() / ratio),
                                 core::TwipsToPixels(saved.Top, ui::TwipsPerPixelY() / ratio)});
}

void frmMain::PrintText(const QString& text, const QFont& font, const QColor& ink, const QColor& back) {
    backBuffer_ = QImage(size(), QImage::Format_RGB32);
    backBuffer_.fill(back);
    QPainter painter(&backBuffer_);
    const bool smooth = !(font.styleStrategy() & QFont::NoAntialias);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.setRenderHint(QPainter::TextAntialiasing, smooth);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop, text);
}

void frmMain::StopTimers() {
    tmrMovement.stop();
    tmrInterval.stop();
    dayWatch_.stop();
    moveSettled_.stop();
}

void frmMain::Form_Unload() {
    if (program_.Reloading)
        return;
    program_.EndProgram();
}

void frmMain::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, backBuffer_);
}

void frmMain::tmrMovement_Timer() {
    // The run waits while the user holds the window, so the drag is never fought.
    if (drag_.HoldsWindow())
        return;
    const StepOutcome step = StepMovement(program_.Path, program_.Loaded.Speed, program_.PendingPlacement());
    if (step.Result == StepResult::RunEnded) {
        tmrMovement.stop();
        tmrInterval.start();
    } else if (step.Result == StepResult::Moved) {
        MoveToTwips(step.NextLeft, step.NextTop);
    }
}

void frmMain::tmrInterval_Timer() {
    if (!intervalTicks_.Tick(program_.Loaded.Interval))
        return;
    tmrInterval.stop();
    if (core::Today() != program_.Loaded.Today) {
        program_.NewDay(); // the rebuilt window prepares and starts its own first run
        return;
    }
    program_.MovementCoordinates();
    tmrMovement.start();
}

void frmMain::dayWatch_Timer() {
    if (core::Today() != program_.Loaded.Today)
        program_.NewDay();
    else
        dayWatch_.start(int(MsUntilNextDayCheck(QDateTime::currentDateTime())));
}

void frmMain::mousePressEvent(QMouseEvent* event) {
    Form_MouseDown(event->button(), event->globalPosition());
}

void frmMain::mouseReleaseEvent(QMouseEvent*) {
    // Also the release that ends a move the window manager carried out, where the system reports it.
    ApplyDragStep(drag_.Handle(WindowDrag::Event::Release));
    Form_MouseUp();
}

void frmMain::mouseMoveEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    if (drag_.FarEnough(global, QApplication::startDragDistance())) {
        // The window manager moves the window where it offers to; elsewhere the window follows the mouse.
        carriedDrag_ = windowHandle() && platform::WindowManagerMoves(windowHandle()) &&
                       platform::StartSystemMove(windowHandle(), drag_.PressedAt());
        ApplyDragStep(
            drag_.Handle(carriedDrag_ ? WindowDrag::Event::CarryStarted : WindowDrag::Event::FollowStarted));
    }
    if (drag_.Current() == WindowDrag::State::Following) {
        move(drag_.FollowPosition(global));
        return;
    }
    if (!drag_.HoldsWindow())
        Form_MouseMove(event->position(), event->globalPosition());
}

void frmMain::mouseDoubleClickEvent(QMouseEvent*) {
    Form_DblClick();
}

void frmMain::moveEvent(QMoveEvent* event) {
    ApplyDragStep(drag_.Handle(WindowDrag::Event::WindowMoved));
    QWidget::moveEvent(event);
}

void frmMain::enterEvent(QEnterEvent* event) {
    // The hint is placed beside the window: its place must be the one the window system has.
    platform::AdoptWindowSystemPosition(windowHandle());
    QWidget::enterEvent(event);
}

void frmMain::leaveEvent(QEvent* event) {
    // A quick pointer can leave without crossing the edge band; the hint must not stay behind.
    if (program_.Loaded.ToolTips != 0)
        program_.HideHint();
    QWidget::leaveEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Closed from outside (a window manager's close, a session ending): the program ends with it.
    Form_Unload();
    QWidget::closeEvent(event);
}

void frmMain::Form_MouseDown(Qt::MouseButton button, QPointF global) {
    if (program_.Loaded.ToolTips != 0)
        program_.HideHint();
    if (button == Qt::LeftButton) {
        // A drag starts from where the window really is, whatever the toolkit was last told.
        platform::AdoptWindowSystemPosition(windowHandle());
        ApplyDragStep(drag_.Press(global.toPoint(), pos()));
    } else if (button == Qt::RightButton) {
        program_.OpenSettingsDialog();
    }
}

void frmMain::Form_MouseUp() {
    if (program_.Loaded.ToolTips != 0)
        program_.HideHint();
}

void frmMain::Form_MouseMove(QPointF local, QPointF) {
    if (program_.Loaded.ToolTips == 0)
        return;
    const QRect client = rect();
    const bool inside = client.left() + 30 <= local.x() && local.x() <= client.width() - 30 &&
                        client.top() + 10 <= local.y() && local.y() <= client.height() - 10;
    if (inside)
        program_.ShowHint(QPoint(x(), y() + height()));
    else
        program_.HideHint();
}

void frmMain::Form_DblClick() {
    ApplyDragStep(drag_.Handle(WindowDrag::Event::DoubleClick));
    program_.EndProgram();
}

void frmMain::ApplyDragStep(const WindowDrag::Step& step) {
    switch (step.SettleTimer) {
    case WindowDrag::Timer::Keep:
        break;
    case WindowDrag::Timer::Stop:
        moveSettled_.stop();
        break;
    case WindowDrag::Timer::AwaitFirstMove:
        moveSettled_.start(kMoveStartMs);
        break;
    case WindowDrag::Timer::AwaitStill:
        moveSettled_.start(kMoveSettledMs);
        break;
    }
    if (step.SavePosition)
        SavePosition();
}

void frmMain::SavePosition() {
    // In the screen's own pixels, which a scaled display has more of than the toolkit reports. After a
    // move the window manager carried out, the window system's place is the one that counts: news of it
    // may still be on its way to this program. After the program's own moves, a window manager may not
    // have carried out the last one yet: the toolkit's place, which is where the window is going, counts
    // unless the two name the same toolkit pixel.
    const double ratio = devicePixelRatioF();
    const QPoint going(int(std::lround(x() * ratio)), int(std::lround(y() * ratio)));
    QPoint at = platform::ScreenPixelPosition(windowHandle());
    if (!carriedDrag_ && (std::abs(at.x() - going.x()) >= ratio || std::abs(at.y() - going.y()) >= ratio))
        at = going;
    desk::SavePosition(program_.Store(), float(core::PixelsToTwips(at.y(), ui::TwipsPerPixelY() / ratio)),
                       float(core::PixelsToTwips(at.x(), ui::TwipsPerPixelX() / ratio)));
}

} // namespace desk
