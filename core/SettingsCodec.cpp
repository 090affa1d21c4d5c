#include "SettingsCodec.h"

#include "Rounding.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace core {

namespace {

// Plain decimal numbers only: optional sign, digits, optional fraction, optional exponent. No hex, no
// "inf" or "nan", no thousands separators, whatever the locale.
std::optional<double> DecodeNumber(QStringView text) {
    const QByteArray bytes = text.trimmed().toLatin1();
    if (bytes.isEmpty())
        return std::nullopt;
    const char* first = bytes.constData();
    const char* last = first + bytes.size();
    if (*first == '+')
        ++first;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec != std::errc() || ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

QString EncodeWhole(std::int32_t value) {
    return QString::number(value);
}

std::optional<std::int32_t> DecodeWhole(QStringView text) {
    const auto number = DecodeNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = RoundHalfEven(*number);
    if (rounded < double(std::numeric_limits<std::int32_t>::min()) ||
        rounded > double(std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

QString EncodeBoolean(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> DecodeBoolean(QStringView text) {
    const QStringView t = text.trimmed();
    if (t.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = DecodeNumber(t))
        return *number != 0.0;
    return std::nullopt;
}

QString EncodeSingle(float value) {
    if (!std::isfinite(value))
        value = 0.0f;
    char buffer[64];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc())
        return QStringLiteral("0");
    QString out = QString::fromLatin1(buffer, ptr - buffer);
    return out == u"-0" ? QStringLiteral("0") : out;
}

std::optional<float> DecodeSingle(QStringView text) {
    const auto number = DecodeNumber(text);
    if (!number || std::abs(*number) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(*number);
}

} // namespace core
