#pragma once

#include <cstddef>
#include <cstdint>

// Entry points shared by the libFuzzer programs and the regression test that replays saved inputs.
namespace fuzz {

// Reads the bytes as a date text under several locales and checks what comes back.
void DateText(const std::uint8_t* data, std::size_t size);
// Reads the bytes as a settings file and loads both programs' settings from it.
void SettingsIni(const std::uint8_t* data, std::size_t size);
// Reads the bytes as the screensaver's command line (and as XSCREENSAVER_WINDOW).
void CommandLine(const std::uint8_t* data, std::size_t size);

} // namespace fuzz
