#pragma once

#include <QDate>
#include <QString>

#include <optional>
#include <variant>

namespace core {

// The counts and texts that both programs derive from today and the target date.
struct TimeLeft {
    int TotalDays = 0; // target minus today; negative once the target has passed
    int Years = 0;
    int Months = 0;
    int Days = 0;
    QDate Anchor;          // today moved on by whole months; Anchor + Days == target while ahead
    QString Phrase;        // " 1 year  2 months  3 days!"
    QString TotalDaysText; // "   (429 days!)", or empty
};

// Pure arithmetic over two calendar dates; no date outside the supported range.
std::optional<TimeLeft> ComputeTimeLeft(QDate today, QDate target);

// The target of CalculateTimeLeft: the stored text, or a date the settings dialog already holds.
using TargetDate = std::variant<QString, QDate>;
// The date a target names; nothing for text that is not a date.
std::optional<QDate> TargetToDate(const TargetDate& target);

// The box text shown when the calculation cannot be done. The two programs differ by one trailing
// blank on the second line.
enum class Program { ScreenSaver, Desktop };
QString DateCalculationFailureMessage(Program program);

} // namespace core
