#include "DialogParts.h"

#include "StoredColor.h"

namespace ui {

void SelectOption(QButtonGroup* group, int index) {
    if (QAbstractButton* b = group->button(index)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group never lets the last checked button go: lift that for a moment.
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

QLabel* Swatch(QWidget* parent) {
    auto* swatch = new QLabel(parent);
    swatch->setFixedSize(28, 20);
    swatch->setFrameShape(QFrame::Box);
    swatch->setAutoFillBackground(true);
    return swatch;
}

void ShowSwatch(QLabel* swatch, std::int32_t storedColour) {
    QPalette pal = swatch->palette();
    pal.setColor(QPalette::Window, ColorFromStored(storedColour));
    swatch->setPalette(pal);
}

QLabel* Note(const QString& text, QWidget* parent) {
    auto* note = new QLabel(text, parent);
    note->setWordWrap(true);
    QFont f = note->font();
    f.setPointSizeF(f.pointSizeF() * 0.9);
    note->setFont(f);
    note->setForegroundRole(QPalette::PlaceholderText);
    return note;
}

} // namespace ui
