#include "DateEntry.h"
#include "DateText.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A dialog-like window with the date entry inside its "Text and Date Settings" frame.
struct Harness {
    Harness() {
        window.resize(640, 420);
        auto* outer = new QVBoxLayout(&window);
        auto* frame = new QGroupBox(QStringLiteral("Text and Date Settings"), &window);
        frame->setMinimumHeight(200);
        outer->addWidget(frame);
        outer->addStretch();
        auto* inner = new QGridLayout(frame);
        entry = new ui::DateEntry(frame);
        entry->AddToGrid(inner, 0, 2);
        inner->setRowStretch(2, 1);
        entry->SetLoading(true);
        entry->ShowStoredDate(core::FormatShortDate(QDate(2025, 7, 13)));
        entry->SetLoadedDateText(core::FormatShortDate(QDate(2025, 7, 13)));
        entry->SetLoading(false);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window, 60000));
    }
    // Pastes the text over the old one (typing it key by key passes through other valid dates).
    void Type(const QString& text) {
        entry->txtDate->selectAll();
        QTest::keyClick(entry->txtDate, Qt::Key_Delete);
        entry->txtDate->insert(text);
    }
    bool ErrorShown() const { return entry->fraDateRangeMsg->isVisible(); }

    QWidget window;
    ui::DateEntry* entry;
};

TEST(DateEntry, TypedTextsAreCheckedAgainstTheSupportedRange) {
    const struct {
        QString text;
        bool valid;
    } rows[] = {{core::FormatShortDate({1753, 1, 1}), true},
                {core::FormatShortDate({1752, 12, 31}), false},
                {QStringLiteral("soon"), false},
                {QStringLiteral("2026-02-28"), true}};
    Harness h;
    for (const auto& r : rows) {
        QSignalSpy typed(h.entry, &ui::DateEntry::DateTyped);
        const QDate before = h.entry->PendingDate();
        h.Type(r.text);
        SCOPED_TRACE(r.text.toStdString());
        EXPECT_EQ(h.ErrorShown(), !r.valid);
        EXPECT_EQ(h.entry->cmdCalendar->isEnabled(), r.valid);
        EXPECT_EQ(h.entry->txtDateLong->text().isEmpty(), !r.valid);
        EXPECT_EQ(h.entry->HasValidDate(), r.valid);
        if (r.valid) {
            EXPECT_EQ(h.entry->PendingDate(), core::ParseDateText(r.text));
            EXPECT_EQ(h.entry->txtDateLong->text(), core::FormatLongDate(h.entry->PendingDate()));
            EXPECT_GE(typed.count(), 1);
        } else {
            EXPECT_EQ(h.entry->PendingDate(), before); // the last valid date stays
        }
    }
}

// The desktop dialog's date test checks that a pick sets the pending date and refreshes the sample.
TEST(DateEntry, CalendarOpensOnTheTypedDateAndAPickFillsTheText) {
    Harness h;
    h.Type(QStringLiteral("2027-03-04"));
    QTest::mouseClick(h.entry->cmdCalendar, Qt::LeftButton);
    ASSERT_TRUE(h.entry->MonthView->isVisible());
    EXPECT_EQ(h.entry->MonthView->selectedDate(), QDate(2027, 3, 4));
    Q_EMIT h.entry->MonthView->clicked(QDate(2027, 3, 20));
    EXPECT_EQ(h.entry->txtDate->text(), core::FormatShortDate({2027, 3, 20}));
}

} // namespace
