#include "Choosers.h"

#include "Rounding.h"
#include "StoredColor.h"
#include "StoredFont.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace ui {

namespace {

FontAnswerer& Fonts() {
    static FontAnswerer answerer;
    return answerer;
}
ColorAnswerer& Colors() {
    static ColorAnswerer answerer;
    return answerer;
}

// Qt's font dialog knows no colour: it is embedded here beside a colour button, as one chooser.
class FontColorDialog : public QDialog {
public:
    FontColorDialog(QWidget* parent, const FontChoice& initial)
        : QDialog(parent), fonts_(new QFontDialog(this)), swatch_(new QLabel(this)), color_(initial.Color) {
        setWindowTitle(tr("Font"));
        fonts_->setWindowFlags(Qt::Widget);
        fonts_->setOptions(QFontDialog::NoButtons);
        fonts_->setCurrentFont(FontFromStored(initial));

        auto* colorButton = new QPushButton(tr("Colour..."), this);
        swatch_->setFixedSize(48, 20);
        swatch_->setFrameShape(QFrame::Box);
        swatch_->setAutoFillBackground(true);
        ShowColor();
        connect(colorButton, &QPushButton::clicked, this, [this] {
            if (const auto c = ChooseColor(this, ColorFromStored(color_))) {
                color_ = StoredFromColor(*c);
                ShowColor();
            }
        });
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

        auto* colorRow = new QHBoxLayout;
        colorRow->addWidget(new QLabel(tr("Colour:"), this));
        colorRow->addWidget(swatch_);
        colorRow->addWidget(colorButton);
        colorRow->addStretch();
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(fonts_);
        layout->addLayout(colorRow);
        layout->addWidget(buttons);
    }

    FontChoice Choice() const {
        const QFont f = fonts_->currentFont();
        return {f.family(),   core::RoundToInt32(f.pointSizeF()), color_, f.bold(), f.italic(), f.strikeOut(),
                f.underline()};
    }

private:
    void ShowColor() {
        QPalette pal = swatch_->palette();
        pal.setColor(QPalette::Window, ColorFromStored(color_));
        swatch_->setPalette(pal);
    }

    QFontDialog* fonts_;
    QLabel* swatch_;
    std::int32_t color_;
};

} // namespace

std::optional<FontChoice> ChooseFont(QWidget* parent, const FontChoice& initial) {
    if (Fonts())
        return Fonts()(initial);
    FontColorDialog dialog(parent, initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Choice();
}

std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) {
    if (Colors())
        return Colors()(initial);
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

FontAnswerer SetFontAnswerer(FontAnswerer answerer) {
    return std::exchange(Fonts(), std::move(answerer));
}
ColorAnswerer SetColorAnswerer(ColorAnswerer answerer) {
    return std::exchange(Colors(), std::move(answerer));
}

} // namespace ui
