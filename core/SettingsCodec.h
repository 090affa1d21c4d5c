#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace core {

// How each kind of setting is written as text and read back. A text that does not read as its kind
// gives nothing, and the reader falls back to the key's default.

// Integer, Long and Colour: decimal digits with a leading "-" when negative. Reading also takes a
// fractional number and rounds it half to even, as whole-number settings always have.
QString EncodeWhole(std::int32_t value);
std::optional<std::int32_t> DecodeWhole(QStringView text);

// Boolean: the word True or False; reading also takes a number (0 false, anything else true).
QString EncodeBoolean(bool value);
std::optional<bool> DecodeBoolean(QStringView text);

// Single: shortest decimal form that reads back as the same single-precision value, no decimal point
// when whole.
QString EncodeSingle(float value);
std::optional<float> DecodeSingle(QStringView text);

} // namespace core
