#pragma once

#include <QDate>
#include <QGroupBox>
#include <QPointer>
#include <QWidget>

class QGridLayout;

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

// The target date of both settings dialogs: typed into txtDate or picked in the month calendar, shown
// in long form, and refused with the "Date Format Error" frame while the text is not a supported date.
// Its controls live in the frame that holds the entry, laid out by the dialog's grid (AddToGrid); the
// error frame and the calendar float over the dialog. Pointer moves over the frame left of the open
// calendar close it.
class DateEntry : public QObject {
    Q_OBJECT
public:
    // frame: the "Text and Date Settings" frame the entry sits in (it hosts the floating parts).
    explicit DateEntry(QWidget* frame);

    // Puts the label, the text, the calendar button (columns 0, 1, last) and the long date (row + 1)
    // into the frame's grid. A widget given as beside goes under the calendar button, right of the long
    // date.
    void AddToGrid(QGridLayout* grid, int row, int lastColumn, QWidget* beside = nullptr);

    // While loading, text changes do nothing (the dialog fills its controls).
    void SetLoading(bool loading) { loading_ = loading; }

    // Shows a stored date text: the short form of the date it names, or the text itself when it names
    // none (then the error state is shown). Sets the pending date when the text is a date.
    void ShowStoredDate(const QString& storedText);
    // The date text read at program start, which "Restore" brings back.
    void SetLoadedDateText(const QString& text) { loadedDateText_ = text; }

    QDate PendingDate() const { return pendingDate_; }
    void SetPendingDate(QDate date) { pendingDate_ = date; }
    // True when txtDate holds a supported date.
    bool HasValidDate() const;

    // 0: valid (long date shown, no error frame); -1: error; other values change nothing.
    void ShowDateState(int state);
    void HideCalendar();

    // The frame's text (three lines) shown in the error frame.
    static QString RangeMessage();

    QLabel* lblDate;
    QLineEdit* txtDate;
    QLineEdit* txtDateLong;
    QPushButton* cmdCalendar;
    QCalendarWidget* MonthView;
    QGroupBox* fraDateRangeMsg;
    QLabel* lblDateRangeMsg;
    QPushButton* cmdFixDate;

Q_SIGNALS:
    // A valid date was typed; the pending date already holds it.
    void DateTyped(QDate date);
    // A date was picked in the calendar; txtDate shows it and the calendar is hidden.
    void DatePicked(QDate date);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void txtDate_Change();
    void cmdCalendar_Click();
    void cmdFixDate_Click();
    void MonthView_DateClick(QDate date);
    void fraTextDate_MouseMove(int x);
    void PlaceFloatingParts();

    QPointer<QWidget> frame_;
    QDate pendingDate_;
    QString loadedDateText_;
    bool loading_ = false;
};

} // namespace ui
