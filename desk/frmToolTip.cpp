#include "frmToolTip.h"

#include "Rounding.h"
#include "ScreenUnits.h"
#include "StoredColor.h"

#include <QFontMetrics>
#include <QPainter>

namespace desk {

namespace {
constexpr int kClientWidthTwips = 7296;
constexpr int kClientHeightTwips = 276;
constexpr int kTooltipBackground = 24;
constexpr int kBorder = 1;
} // namespace

const QString frmToolTip::kHintText =
    QStringLiteral(" Drag and Drop to Move, Double Click to Exit, or Right Click for Settings");

frmToolTip::frmToolTip() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Quindle Hint"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    Form_Load();
}

void frmToolTip::Form_Load() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9.6);
    font.setBold(true);
    setFont(font);
    // The client area keeps its classic size, widened when this system's stand-in font runs longer.
    const QFontMetrics metrics(font);
    const QSize client(
        std::max(core::TwipsToPixels(kClientWidthTwips, ui::TwipsPerPixelX()),
                 metrics.horizontalAdvance(kHintText) + 2),
        std::max(core::TwipsToPixels(kClientHeightTwips, ui::TwipsPerPixelY()), metrics.height()));
    setFixedSize(client + QSize(2 * kBorder, 2 * kBorder));

    backBuffer_ = QImage(size(), QImage::Format_RGB32);
    backBuffer_.fill(ui::ColorFromStored(std::int32_t(0x80000000u | kTooltipBackground)));
    QPainter painter(&backBuffer_);
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawRect(0, 0, width() - 1, height() - 1); // the single-line border
    painter.setFont(font);
    painter.drawText(QRect(QPoint(kBorder, kBorder), client), Qt::AlignLeft | Qt::AlignTop, kHintText);
}

void frmToolTip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, backBuffer_);
}

void frmToolTip::mouseMoveEvent(QMouseEvent*) {
    close();
}

void frmToolTip::mouseDoubleClickEvent(QMouseEvent*) {
    close();
}

} // namespace desk
