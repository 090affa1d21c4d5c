#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

// Small pieces both settings dialogs build their pages from.
namespace ui {

// Checks button `index` of the group, or none when the index names no button.
void SelectOption(QButtonGroup* group, int index);

// 1 for a ticked box, 0 otherwise: check-box settings are stored as these numbers.
inline int CheckState(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}
// Ticks the box for a stored 1, clears it for anything else.
inline void ShowCheckState(QCheckBox* box, std::int32_t state) {
    box->setChecked(state == 1);
}

// A small framed square that shows a stored colour.
QLabel* Swatch(QWidget* parent);
void ShowSwatch(QLabel* swatch, std::int32_t storedColour);

// A quiet, word-wrapped explanatory line.
QLabel* Note(const QString& text, QWidget* parent);

// Option buttons with the captions, in a group whose ids are their indexes.
template <std::size_t N>
QButtonGroup* OptionGroup(std::array<QRadioButton*, N>& buttons, const std::array<const char*, N>& captions,
                          QWidget* parent) {
    auto* group = new QButtonGroup(parent);
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i] = new QRadioButton(QString::fromUtf8(captions[i]), parent);
        group->addButton(buttons[i], int(i));
    }
    return group;
}

} // namespace ui
