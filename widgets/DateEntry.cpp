#include "DateEntry.h"

#include "DateText.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

DateEntry::DateEntry(QWidget* frame)
    : QObject(frame), lblDate(new QLabel(tr("Target Date:"), frame)), txtDate(new QLineEdit(frame)),
      txtDateLong(new QLineEdit(frame)), cmdCalendar(new QPushButton(tr("Show Calendar"), frame)),
      MonthView(new QCalendarWidget(frame)), fraDateRangeMsg(new QGroupBox(tr("Date Format Error"), frame)),
      lblDateRangeMsg(new QLabel(RangeMessage(), fraDateRangeMsg)),
      cmdFixDate(new QPushButton(tr("Restore"), fraDateRangeMsg)), frame_(frame) {
    txtDate->setObjectName(QStringLiteral("txtDate"));
    txtDateLong->setObjectName(QStringLiteral("txtDateLong"));
    cmdCalendar->setObjectName(QStringLiteral("cmdCalendar"));
    MonthView->setObjectName(QStringLiteral("MonthView"));
    fraDateRangeMsg->setObjectName(QStringLiteral("fraDateRangeMsg"));
    cmdFixDate->setObjectName(QStringLiteral("cmdFixDate"));

    txtDateLong->setReadOnly(true);
    txtDateLong->setFocusPolicy(Qt::NoFocus);
    cmdCalendar->setToolTip(tr(" Use Calendar to set Target Date "));
    lblDate->setBuddy(txtDate);

    auto* msgLayout = new QVBoxLayout(fraDateRangeMsg);
    msgLayout->addWidget(lblDateRangeMsg);
    msgLayout->addWidget(cmdFixDate, 0, Qt::AlignRight);
    fraDateRangeMsg->setAutoFillBackground(true);
    fraDateRangeMsg->hide();

    MonthView->setMinimumDate(core::kFirstSupportedDate);
    MonthView->setMaximumDate(core::kLastSupportedDate);
    MonthView->setGridVisible(true);
    MonthView->setAutoFillBackground(true);
    MonthView->hide();

    connect(txtDate, &QLineEdit::textChanged, this, &DateEntry::txtDate_Change);
    connect(cmdCalendar, &QPushButton::clicked, this, &DateEntry::cmdCalendar_Click);
    connect(cmdFixDate, &QPushButton::clicked, this, &DateEntry::cmdFixDate_Click);
    connect(MonthView, &QCalendarWidget::clicked, this, &DateEntry::MonthView_DateClick);

    frame->setMouseTracking(true);
    frame->installEventFilter(this);
    txtDate->installEventFilter(this);
}

void DateEntry::AddToGrid(QGridLayout* grid, int row, int lastColumn, QWidget* beside) {
    grid->addWidget(lblDate, row, 0);
    grid->addWidget(txtDate, row, 1, 1, lastColumn - 1);
    grid->addWidget(cmdCalendar, row, lastColumn);
    grid->addWidget(txtDateLong, row + 1, 1, 1, beside ? lastColumn - 1 : lastColumn);
    if (beside)
        grid->addWidget(beside, row + 1, lastColumn);
}

QString DateEntry::RangeMessage() {
    return QStringLiteral(" Range and Format of supported dates... \r\n      Minimum - 01/01/1753\r\n"
                          "      Maximum - 31/12/9999");
}

void DateEntry::ShowStoredDate(const QString& storedText) {
    const auto date = core::ParseDateText(storedText);
    if (date && core::IsDateInRange(*date)) {
        pendingDate_ = *date;
        txtDate->setText(core::FormatShortDate(*date));
        ShowDateState(0);
    } else {
        txtDate->setText(storedText);
        ShowDateState(-1);
    }
}

bool DateEntry::HasValidDate() const {
    const auto date = core::ParseDateText(txtDate->text());
    return date && core::IsDateInRange(*date);
}

void DateEntry::txtDate_Change() {
    if (loading_)
        return;
    const auto date = core::ParseDateText(txtDate->text());
    if (!date || !core::IsDateInRange(*date)) {
        ShowDateState(-1);
        return;
    }
    pendingDate_ = *date;
    ShowDateState(0);
    Q_EMIT DateTyped(*date);
}

void DateEntry::ShowDateState(int state) {
    if (state == -1) {
        txtDateLong->clear();
        // The calendar would cover the message; a date picked there is what the message asks for anyway.
        MonthView->hide();
        PlaceFloatingParts();
        fraDateRangeMsg->show();
        fraDateRangeMsg->raise();
        cmdCalendar->setEnabled(false);
    } else if (state == 0) {
        txtDateLong->setText(core::FormatLongDate(pendingDate_));
        fraDateRangeMsg->hide();
        cmdCalendar->setEnabled(true);
    }
}

void DateEntry::HideCalendar() {
    MonthView->hide();
}

void DateEntry::cmdCalendar_Click() {
    if (const auto date = core::ParseDateText(txtDate->text()))
        MonthView->setSelectedDate(*date);
    PlaceFloatingParts();
    MonthView->show();
    MonthView->raise();
}

void DateEntry::cmdFixDate_Click() {
    txtDate->setText(loadedDateText_);
}

void DateEntry::MonthView_DateClick(QDate date) {
    txtDate->setText(core::FormatShortDate(date));
    MonthView->hide();
    Q_EMIT DatePicked(date);
}

void DateEntry::fraTextDate_MouseMove(int x) {
    if (!MonthView->isVisible() || !frame_)
        return;
    // The calendar floats in the dialog; compare in the frame's coordinates.
    const int calendarLeft = MonthView->pos().x() - frame_->mapTo(frame_->window(), QPoint(0, 0)).x();
    if (calendarLeft > x)
        MonthView->hide();
}

bool DateEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frame_ && event->type() == QEvent::MouseMove)
        fraTextDate_MouseMove(static_cast<QMouseEvent*>(event)->position().toPoint().x());
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
        PlaceFloatingParts();
    return QObject::eventFilter(watched, event);
}

// The error frame sits directly below txtDate at its left edge; the calendar opens below the
// calendar button. Both are larger than the room the frame has, so they float in the dialog itself.
void DateEntry::PlaceFloatingParts() {
    if (!frame_)
        return;
    QWidget* host = frame_->window();
    for (QWidget* floating : {static_cast<QWidget*>(fraDateRangeMsg), static_cast<QWidget*>(MonthView)}) {
        if (floating->parentWidget() != host) {
            const bool visible = floating->isVisible();
            floating->setParent(host);
            floating->setVisible(visible);
        }
    }
    const auto keepInside = [host](QPoint at, QSize size) {
        return QPoint(std::max(0, std::min(at.x(), host->width() - size.width())),
                      std::max(0, std::min(at.y(), host->height() - size.height())));
    };
    fraDateRangeMsg->adjustSize();
    fraDateRangeMsg->move(
        keepInside(txtDate->mapTo(host, QPoint(0, txtDate->height())), fraDateRangeMsg->size()));

    const QSize calendarSize = MonthView->sizeHint();
    MonthView->resize(calendarSize);
    const QPoint buttonBottomRight =
        cmdCalendar->mapTo(host, QPoint(cmdCalendar->width(), cmdCalendar->height()));
    MonthView->move(keepInside(
        QPoint(buttonBottomRight.x() - calendarSize.width(), buttonBottomRight.y() + 2), calendarSize));
}

} // namespace ui
