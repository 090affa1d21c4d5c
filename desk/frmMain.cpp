#include "frmMain.h"

#include "StoredColor.h"

#include "Clock.h"
#include "DayWatch.h"
#include "MessageBoxes.h"
#include "Program.h"
#include "Rounding.h"
#include "ScreenUnits.h"
#include "TaskbarButton.h"
#include "TransparencyMask.h"

#include <QApplication>
#include <QDateTime>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace desk {

namespace {

// The system desktop colour, the display window's own background before any setting applies.
constexpr std::int32_t kDesktopSystemColor = std::int32_t(0x80000001u);

// Movement ticks every 16 ms: the step size, not the timer rate, sets the speed.
constexpr int kMovementTickMs = 16;
// A drag the window manager carries out gives the program no button release: it has ended once the
// window has kept still this long after moving, or has not moved at all this long after the press.
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
        systemMoving_ = false;
        SavePosition();
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
    // Slow runs step less than a pixel per tick: only a real move costs the display server anything.
    if (to != pos())
        move(to);
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
        move(std::max(0, x()), std::max(0, y()));
        tmrInterval.stop();
        tmrMovement.stop();
    } else {
        // The first run is prepared here, so the window moves whether or not the dialog ever loads.
        program_.MovementCoordinates();
        tmrMovement.start();
    }

    const QColor back = ui::ColorFromStored(seeThrough ? kDesktopSystemColor : s.BackgroundColor);
    setWindowFlag(Qt::WindowStaysOnTopHint, s.TopMost == 1);
    winId(); // the native window, so it can be kept out of the taskbar before it is first shown
    platform::HideTaskbarButton(windowHandle());
    PrintText(text, font, ink, back);
    if (seeThrough) {
        const QRegion region = RegionFromImage(backBuffer_, back.rgb() & 0xFFFFFF);
        // An empty QRegion would remove the mask; a window with no text pixel shows nothing at all.
        setMask(region.isEmpty() ? QRegion(-1, -1, 1, 1) : region);
    }
    show();

    dayWatch_.start(int(MsUntilNextDayCheck(QDateTime::currentDateTime())));
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
    if (dragging_ || pressed_) {
        dragging_ = pressed_ = false;
        SavePosition();
    }
    Form_MouseUp();
}

void frmMain::mouseMoveEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    if (pressed_ && (global - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
        // The drag starts once the pointer really moves, so a double click never becomes a move. The
        // window manager moves the window where it can; elsewhere the window follows the mouse.
        pressed_ = false;
        if (windowHandle() && windowHandle()->startSystemMove()) {
            systemMoving_ = true;
            moveSettled_.start(kMoveStartMs);
        } else {
            dragging_ = true;
        }
    }
    if (dragging_) {
        move(global - dragOffset_);
        return;
    }
    if (!pressed_ && !systemMoving_)
        Form_MouseMove(event->position(), event->globalPosition());
}

void frmMain::mouseDoubleClickEvent(QMouseEvent*) {
    Form_DblClick();
}

void frmMain::moveEvent(QMoveEvent* event) {
    if (systemMoving_)
        moveSettled_.start(kMoveSettledMs);
    QWidget::moveEvent(event);
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
        pressed_ = true;
        pressedAt_ = global.toPoint();
        dragOffset_ = pressedAt_ - pos();
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
    dragging_ = false;
    program_.EndProgram();
}

void frmMain::SavePosition() {
    desk::SavePosition(program_.Store(), float(Top()), float(Left()));
}

} // namespace desk
