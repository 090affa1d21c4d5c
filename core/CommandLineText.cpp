#include "CommandLineText.h"

#include <QRegularExpression>

namespace core {

QStringList SplitLines(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r?\n"));
    QStringList lines = text.split(lineBreak);
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

int Emit(const PrintResult& result, std::FILE* out, std::FILE* err) {
    for (const QString& line : result.out)
        std::fprintf(out, "%s\n", line.toLocal8Bit().constData());
    for (const QString& line : result.err)
        std::fprintf(err, "%s\n", line.toLocal8Bit().constData());
    std::fflush(out);
    std::fflush(err);
    return result.exitCode;
}

} // namespace core
