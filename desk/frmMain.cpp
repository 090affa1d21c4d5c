#include "frmMain.h"

#include "DayWatch.h"
#include "DesktopWidget.h"
#include "PointerButtons.h"
#include "Rounding.h"
#include "ScreenPixels.h"
#include "ScreenPlacement.h"
#include "ScreenUnits.h"
#include "TransparencyMask.h"
#include "WindowMove.h"

#include "Clock.h"

#include <QApplication>
#include <QDateTime>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace desk {

namespace {

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

frmMain::frmMain()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      lblText(new QLabel(QStringLiteral("lblText"), this)) {
    setWindowTitle(QStringLiteral("Quindle"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    dayWatch_.setSingleShot(true);
    moveSettled_.setSingleShot(true);
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

void frmMain::Form_Load(const DisplayLook& look) {
    hints_ = look.Hints;
    today_ = look.Today;
    MoveToTwips(core::RoundToInt32(look.Saved.Left), core::RoundToInt32(look.Saved.Top));

    QFont font = look.Font;
    // See-through letters are cut out by exact colour: blended edge pixels would stay as a fringe.
    if (look.SeeThrough)
        font.setStyleStrategy(QFont::NoAntialias);
    const QString text = LinesOf(look.Text);

    lblText->setFont(font);
    QPalette palette = lblText->palette();
    palette.setColor(QPalette::WindowText, look.Ink);
    lblText->setPalette(palette);
    lblText->setText(text);
    lblText->move(0, 0);
    lblText->adjustSize();
    setFixedSize(lblText->size().expandedTo(QSize(1, 1)));
    lblText->hide();
    setFont(font);

    setWindowFlag(Qt::WindowStaysOnTopHint, look.TopMost);
    winId(); // the native window, so the window manager learns what it is before it is first shown
    platform::MakeDesktopWidget(windowHandle());
    if (!look.Moving)
        PlaceOnScreen(look.Saved);
    PrintText(text, font, look.Ink, look.Back);
    if (look.SeeThrough) {
        const QRegion region = RegionFromImage(backBuffer_, look.Back.rgb() & 0xFFFFFF);
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
    dayWatch_.stop();
    moveSettled_.stop();
}

void frmMain::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, backBuffer_);
}

void frmMain::dayWatch_Timer() {
    if (core::Today() != today_)
        Q_EMIT DayChanged();
    else
        dayWatch_.start(int(MsUntilNextDayCheck(QDateTime::currentDateTime())));
}

void frmMain::mousePressEvent(QMouseEvent* event) {
    Form_MouseDown(event->button(), event->globalPosition());
}

void frmMain::mouseReleaseEvent(QMouseEvent*) {
    // Also the release that ends a move the window manager carried out, where the system reports it.
    ApplyDragStep(drag_.Handle(WindowDrag::Event::Release));
    HideHint();
}

void frmMain::mouseMoveEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    if (drag_.FarEnough(global, QApplication::startDragDistance())) {
        // The window manager moves the window where it offers to; elsewhere the window follows the mouse.
        const bool carried = windowHandle() && platform::WindowManagerMoves(windowHandle()) &&
                             platform::StartSystemMove(windowHandle(), drag_.PressedAt());
        ApplyDragStep(
            drag_.Handle(carried ? WindowDrag::Event::CarryStarted : WindowDrag::Event::FollowStarted));
    }
    if (drag_.Current() == WindowDrag::State::Following) {
        move(drag_.FollowPosition(global));
        return;
    }
    if (!drag_.HoldsWindow())
        Form_MouseMove(event->position());
}

void frmMain::mouseDoubleClickEvent(QMouseEvent*) {
    ApplyDragStep(drag_.Handle(WindowDrag::Event::DoubleClick));
    Q_EMIT EndRequested();
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
    HideHint();
    QWidget::leaveEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    Q_EMIT EndRequested();
    QWidget::closeEvent(event);
}

void frmMain::HideHint() {
    if (hints_)
        Q_EMIT HintUnwanted();
}

void frmMain::Form_MouseDown(Qt::MouseButton button, QPointF global) {
    HideHint();
    if (button == Qt::LeftButton) {
        // A drag starts from where the window really is, whatever the toolkit was last told.
        platform::AdoptWindowSystemPosition(windowHandle());
        ApplyDragStep(drag_.Press(global.toPoint(), pos()));
    } else if (button == Qt::RightButton) {
        Q_EMIT SettingsRequested();
    }
}

void frmMain::Form_MouseMove(QPointF local) {
    if (!hints_)
        return;
    const QRect client = rect();
    const bool inside = client.left() + 30 <= local.x() && local.x() <= client.width() - 30 &&
                        client.top() + 10 <= local.y() && local.y() <= client.height() - 10;
    if (inside)
        Q_EMIT HintWanted(QPoint(x(), y() + height()));
    else
        Q_EMIT HintUnwanted();
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
    if (step.SavePosition == WindowDrag::Save::Nothing)
        return;
    // In the screen's own pixels, which a scaled display has more of than the toolkit reports.
    const double ratio = devicePixelRatioF();
    const QPoint at = WindowDrag::PlaceToSave(step.SavePosition,
                                              platform::ScreenPixelPosition(windowHandle()), pos(), ratio);
    Q_EMIT PlaceDragged({float(core::PixelsToTwips(at.x(), ui::TwipsPerPixelX() / ratio)),
                         float(core::PixelsToTwips(at.y(), ui::TwipsPerPixelY() / ratio))});
}

} // namespace desk
