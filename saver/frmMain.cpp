#include "frmMain.h"

#include "StoredColor.h"
#include "StoredFont.h"

#include "BasePictures.h"
#include "Clock.h"
#include "MessageBoxes.h"
#include "PictureFile.h"
#include "Rounding.h"
#include "SaverPicture.h"
#include "ScreenSaverHost.h"
#include "ScreenUnits.h"
#include "ShowLabel.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace saver {

namespace {

// The movement timer: the platform's 1 ms timers tick about 64 times a second on the system the speeds
// were made for; a fixed 16 ms keeps that visible speed and the cost of the show low.
constexpr int kTickMs = 16;
constexpr int kPreviewPointSize = 8;

// The text lines draw from a cached picture of themselves; the picture is one already.
QLabel* MakeLabel(QWidget* parent, bool text = true) {
    QLabel* label = text ? new ShowLabel(parent) : new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    // Input over the text or the picture belongs to them, not to the background.
    label->setAttribute(Qt::WA_NoMousePropagation);
    label->setFocusPolicy(Qt::NoFocus);
    return label;
}

} // namespace

frmMain::frmMain(const LaunchValues& launch, core::SettingsStore& store, QWidget* parent)
    : QWidget(parent), lblText(MakeLabel(this)), lblTime(MakeLabel(this)), imgPhoto(MakeLabel(this, false)),
      tmrScroll(new QTimer(this)), store_(store), runMode_(launch.RunMode), saverRect_(launch.SaverRect),
      twipsPerPixelX_(ui::TwipsPerPixelX()), twipsPerPixelY_(ui::TwipsPerPixelY()) {
    setObjectName(QStringLiteral("frmMain"));
    lblText->setObjectName(QStringLiteral("lblText"));
    lblTime->setObjectName(QStringLiteral("lblTime"));
    imgPhoto->setObjectName(QStringLiteral("imgPhoto"));
    imgPhoto->setAutoFillBackground(false);
    imgPhoto->hide();
    state_.TextX = launch.TextX;
    state_.TextY = launch.TextY;
    state_.PreviewExtent = launch.PreviewExtent;
    setAutoFillBackground(true);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QCoreApplication::applicationName());
    resize(saverRect_.size());
    tmrScroll->setTimerType(Qt::PreciseTimer);
    connect(tmrScroll, &QTimer::timeout, this, &frmMain::tmrScroll_Timer);
}

bool frmMain::ShowsFullScreen() const {
    return runMode_ == kRunFullScreen || runMode_ == kRunHosted;
}

ShowArea frmMain::Area() const {
    return {loaded_.ScreenWidth, loaded_.ScreenHeight};
}

int frmMain::ToPixelsX(std::int32_t twips) const {
    return core::TwipsToPixels(twips, twipsPerPixelX_);
}

int frmMain::ToPixelsY(std::int32_t twips) const {
    return core::TwipsToPixels(twips, twipsPerPixelY_);
}

std::int32_t frmMain::ToTwipsX(int pixels) const {
    return core::PixelsToTwips(pixels, twipsPerPixelX_);
}

std::int32_t frmMain::ToTwipsY(int pixels) const {
    return core::PixelsToTwips(pixels, twipsPerPixelY_);
}

void frmMain::Form_Load() {
    const QSizeF screenTwips(saverRect_.width() * twipsPerPixelX_, saverRect_.height() * twipsPerPixelY_);
    loaded_ = LoadSettings(store_, screenTwips).settings;
    const QString failure = CalculateTimeLeft(
        loaded_.Date,
        {loaded_.Title, loaded_.Target, loaded_.TargetPassed, loaded_.IncludeDays, loaded_.RepeatYearly},
        texts_);
    if (!failure.isEmpty()) {
        // The box comes once, before the show starts. Inside a daemon's window nobody could answer it (the
        // daemon owns the input), and at the midnight reload it would sit modal under the top-most show.
        if (runMode_ == kRunHosted || !firstLoad_)
            std::fprintf(stderr, "%s\n", qPrintable(failure));
        else
            ui::ShowMessage({nullptr, failure, QMessageBox::Critical, QMessageBox::Ok, {}});
    }
    firstLoad_ = false;

    if (runMode_ == kRunFullScreen)
        setCursor(Qt::BlankCursor);
    else
        unsetCursor();

    LoadPicture();

    FormatLabel(lblText, 0, texts_.EventLine);
    FormatLabel(lblTime, texts_.DisplayState == 0 || texts_.DisplayState == 1 ? 1 : 2, texts_.TimeLine);
    if (runMode_ == kRunPreview) {
        for (QLabel* label : {lblText, lblTime}) {
            QFont font = label->font();
            font.setPointSize(kPreviewPointSize);
            label->setFont(font);
        }
    }
    lblText->adjustSize();
    lblTime->adjustSize();
    const BlockLayout layout =
        LayOutBlock(loaded_.Style, {ToTwipsX(lblText->width()), ToTwipsY(lblText->height())},
                    {ToTwipsX(lblTime->width()), ToTwipsY(lblTime->height())}, state_);
    lblText->resize(ToPixelsX(layout.text.width), ToPixelsY(layout.text.height));
    lblTime->resize(ToPixelsX(layout.time.width), ToPixelsY(layout.time.height));

    QPalette background = palette();
    background.setColor(QPalette::Window, ui::ColorFromStored(loaded_.Background));
    setPalette(background);
    imgPhoto->lower();

    if (ShowsFullScreen()) {
        StartPass();
    } else if (loaded_.UsesImage()) {
        PlacePreviewPicture(state_);
        imgPhoto->move(ToPixelsX(state_.PictureX), ToPixelsY(state_.PictureY));
    }
    PlaceLabels();
    tmrScroll->start(kTickMs);
}

void frmMain::LoadPicture() {
    imgPhoto->clear();
    imgPhoto->hide();
    if (!loaded_.UsesImage())
        return;
    QImage picture;
    if (!ShowsFullScreen()) {
        picture = PreviewPicture();
        state_.PictureWidth = ToTwipsX(picture.width());
        state_.PictureHeight = ToTwipsY(picture.height());
    } else if (loaded_.ImageStyle == 0) {
        picture = BasePicture(BasePictureNumber(loaded_.ImageIndex));
    } else if (loaded_.ImageStyle == 1) {
        picture =
            ReadPictureFile(loaded_.ImagePath + loaded_.ImageName, loaded_.ImageSize, saverRect_.size());
        if (picture.isNull()) {
            // A missing or unreadable file shows the base picture, with the size factor applied to it.
            picture = BasePicture(BasePictureNumber(loaded_.ImageIndex));
            const QSize shown = ShownPictureSize(picture.size(), loaded_.ImageSize, saverRect_.size());
            if (shown != picture.size())
                picture = picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
    } else {
        return;
    }
    imgPhoto->setPixmap(QPixmap::fromImage(picture));
    imgPhoto->resize(picture.size());
    imgPhoto->show();
}

void frmMain::FormatLabel(QLabel* label, int slot, const QString& caption) {
    ui::ShowInStoredFont(label, loaded_.TextFont(slot), loaded_.Background);
    label->setText(caption);
}

void frmMain::StartPass() {
    if (core::Today() != loaded_.Today)
        Form_Load(); // a new day: settings and texts anew; the load starts a pass of its own
    ChoosePath();
    if (loaded_.ImageUsed == 0)
        return;
    const PicturePlace place = AdvancePictureToggle(state_.PictureToggle);
    PlacePicture(state_, Area(), {ToTwipsX(imgPhoto->width()), ToTwipsY(imgPhoto->height())}, place);
    imgPhoto->move(ToPixelsX(state_.PictureX), ToPixelsY(state_.PictureY));
}

void frmMain::ChoosePath() {
    RandomDraws draws;
    if (loaded_.Position == 2) {
        QRandomGenerator* random = QRandomGenerator::global();
        draws = {random->generateDouble(), random->generateDouble(), random->generateDouble()};
    }
    const LabelAlignment alignment = saver::ChoosePath(
        state_, Area(), {loaded_.Position, loaded_.Horizontal, loaded_.Vertical, loaded_.Direction}, draws);
    const Qt::Alignment align =
        (alignment == LabelAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
    lblText->setAlignment(align);
    lblTime->setAlignment(align);
}

void frmMain::PlaceLabels() {
    lblText->move(ToPixelsX(state_.TextX), ToPixelsY(state_.TextY));
    // Summed as doubles: a hand-edited store can leave the block at the far end of the 32-bit range.
    lblTime->move(core::TwipsToPixels(double(state_.TextX) + state_.TimeOffsetX, twipsPerPixelX_),
                  core::TwipsToPixels(double(state_.TextY) + state_.TimeOffsetY, twipsPerPixelY_));
}

void frmMain::tmrScroll_Timer() {
    PlaceLabels();
    const std::int32_t speed = EffectiveSpeed(loaded_.Speed);
    if (ShowsFullScreen()) {
        if (ScrollStep(state_, Area(), speed))
            StartPass();
    } else {
        PreviewStep(state_, loaded_.Direction, speed);
    }
}

void frmMain::mousePressEvent(QMouseEvent*) {
    clickStarted_ = true;
    Form_MouseDown();
}

void frmMain::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = clickStarted_ && rect().contains(event->position().toPoint());
    clickStarted_ = false;
    if (click)
        Form_Click();
}

void frmMain::mouseDoubleClickEvent(QMouseEvent*) {
    Form_DblClick();
}

void frmMain::mouseMoveEvent(QMouseEvent*) {
    Form_MouseMove();
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    // Only keys that produce a character: Shift, Ctrl, arrows and function keys produce none. Enter,
    // Escape, Backspace, Tab and Ctrl with a letter type control characters and count; Delete types
    // nothing, even where the keyboard gives it the text U+007F (X11).
    const QString text = event->text();
    if (!text.isEmpty() && event->key() != Qt::Key_Delete && text != QChar(0x7f))
        Form_KeyPress();
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
    EndProgram();
}

void frmMain::Form_Click() {
    if (runMode_ == kRunFullScreen)
        EndScreenSaver();
}

void frmMain::Form_DblClick() {
    if (runMode_ == kRunFullScreen)
        EndScreenSaver();
}

void frmMain::Form_MouseDown() {
    if (runMode_ == kRunFullScreen)
        EndScreenSaver();
}

void frmMain::Form_KeyPress() {
    if (runMode_ == kRunFullScreen)
        EndScreenSaver();
}

void frmMain::Form_MouseMove() {
    ++moveCount_;
    if (runMode_ == kRunFullScreen && moveCount_ > 8) {
        moveCount_ = 0;
        EndScreenSaver();
    }
}

void frmMain::EndScreenSaver() {
    if (ended_)
        return;
    unsetCursor();
    platform::SetScreenSaverRunning(false);
    tmrScroll->stop();
    Form_Unload();
    hide();
    EndProgram();
}

void frmMain::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    tmrScroll->stop();
    if (runMode_ == kRunPreview) {
        EndPreview();
        return;
    }
    unsetCursor();
}

void frmMain::EndPreview() {
    tmrScroll->stop();
    platform::ActivateWindowTitled(QCoreApplication::applicationName());
    hide();
    EndProgram();
}

void frmMain::EndProgram() {
    if (ended_)
        return;
    ended_ = true;
    Q_EMIT ProgramEnded();
}

} // namespace saver
