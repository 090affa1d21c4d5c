#pragma once

#include "Choosers.h"
#include "DateText.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <functional>

// Drives the settings dialogs' controls as a user does: the two dialog suites share these.
namespace input {

// Clicks a button, box or radio button near its left end, where a box has its mark.
inline void Click(QAbstractButton* b) {
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

inline void Retype(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// Clicks the next button of a group, or the one before it to go back.
template <std::size_t N> void Step(const std::array<QRadioButton*, N>& group, bool back) {
    std::size_t checked = 0;
    while (checked < N && !group[checked]->isChecked())
        ++checked;
    ASSERT_LT(checked, N);
    Click(group[(checked + (back ? N - 1 : 1)) % N]);
}

// Clicks a font button, the font box answering with the font it is given as `change` leaves it.
inline void ChooseFont(QAbstractButton* button, const std::function<void(ui::FontChoice&)>& change) {
    const auto previous = ui::SetFontAnswerer([&](const ui::FontChoice& f) {
        ui::FontChoice c = f;
        change(c);
        return std::optional(c);
    });
    Click(button);
    ui::SetFontAnswerer(previous);
}

// Clicks a colour button, the colour box answering with the colour it is given with its red flipped.
inline void FlipColor(QAbstractButton* button) {
    const auto previous =
        ui::SetColorAnswerer([](const QColor& c) { return QColor(c.red() ^ 1, c.green(), c.blue()); });
    Click(button);
    ui::SetColorAnswerer(previous);
}

// Edits of one field of dialog D for the changed-state tables: `back` undoes the edit made without it.
template <class D> struct Edits {
    using Edit = std::function<void(D&, bool back)>;
    static Edit Box(QCheckBox* D::*b) {
        return [b](D& d, bool) { Click(d.*b); };
    }
    static Edit Text(QLineEdit* D::*t) {
        return [t](D& d, bool back) {
            if (back)
                QTest::keyClick(d.*t, Qt::Key_Backspace);
            else
                QTest::keyClicks(d.*t, QStringLiteral("x"));
        };
    }
    static Edit Bar(QScrollBar* D::*b) {
        return [b](D& d, bool back) {
            (d.*b)->triggerAction(back ? QAbstractSlider::SliderSingleStepSub
                                       : QAbstractSlider::SliderSingleStepAdd);
        };
    }
    template <std::size_t N> static Edit Radio(std::array<QRadioButton*, N> D::*group) {
        return [group](D& d, bool back) { Step(d.*group, back); };
    }
    // 13 July 2025, the date the tests store, and the day after it.
    static void Date(D& d, bool back) {
        Retype(d.dateEntry->txtDate, core::FormatShortDate(QDate(2025, 7, back ? 13 : 14)));
    }
    static Edit Font(std::function<QAbstractButton*(D&)> button,
                     std::function<void(ui::FontChoice&, bool)> change) {
        return [button, change](D& d, bool back) {
            ChooseFont(button(d), [&](ui::FontChoice& c) { change(c, back); });
        };
    }
};

} // namespace input
