// Builds the settings dialog's controls and lays them out; the behaviour lives in frmSetup.cpp.
#include "frmSetup.h"

#include "DialogParts.h"

#include "DateEntry.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace saver {

namespace {

// A frame without a border, as the placement and direction groups are.
QWidget* Borderless(QWidget* parent) {
    auto* w = new QWidget(parent);
    w->setContentsMargins(0, 0, 0, 0);
    return w;
}

} // namespace

void frmSetup::BuildControls() {
    // Text and date.
    BuildTextDateFrame(QStringLiteral("Quindle"));

    // Style.
    fraStyle = new QGroupBox(tr("Style Settings"), this);
    grpStyle = ui::OptionGroup<2>(optStyle, {"One Line", "Two Lines"}, fraStyle);
    chkDays = new QCheckBox(tr("Include Number of Days"), fraStyle);
    const std::array<const char*, 3> formatCaptions{"Format Event Text...", "Format Target Text...",
                                                    "Format Target Passed..."};
    const std::array<const char*, 3> formatTips{" Change Font Settings for Event Text ",
                                                " Change Font Settings for Target Text ",
                                                " Change Font Settings for Target Passed Text "};
    auto* styleGrid = new QGridLayout(fraStyle);
    styleGrid->addWidget(optStyle[0], 0, 0);
    styleGrid->addWidget(optStyle[1], 0, 1);
    styleGrid->addWidget(chkDays, 1, 0, 1, 2);
    for (int i = 0; i < 3; ++i) {
        cmdFormat[i] = new QPushButton(QString::fromUtf8(formatCaptions[i]), fraStyle);
        cmdFormat[i]->setToolTip(QString::fromUtf8(formatTips[i]));
        picFontColour[i] = ui::Swatch(fraStyle);
        styleGrid->addWidget(cmdFormat[i], 2 + i, 0);
        styleGrid->addWidget(picFontColour[i], 2 + i, 1, Qt::AlignLeft);
    }
    cmdBackground = new QPushButton(tr("Background Colour..."), fraStyle);
    cmdBackground->setToolTip(tr(" Change Background Colour "));
    picBackColour = ui::Swatch(fraStyle);
    styleGrid->addWidget(cmdBackground, 5, 0);
    styleGrid->addWidget(picBackColour, 5, 1, Qt::AlignLeft);
    styleGrid->setColumnStretch(1, 1);

    // Image.
    fraImage = new QGroupBox(tr("Image Settings"), this);
    chkImage = new QCheckBox(tr("Use Image"), fraImage);
    grpImageStyle = ui::OptionGroup<2>(optImageStyle, {"Base Image", "File Image"}, fraImage);
    lblBaseImage = new QLabel(fraImage);
    lblFileImage = new QLabel(fraImage);
    lblFileImage->setTextInteractionFlags(Qt::NoTextInteraction);
    cmdImage = new QPushButton(tr("Select Image..."), fraImage);
    cmdImage->setToolTip(tr(" Select an Image to use "));
    auto* imageGrid = new QGridLayout(fraImage);
    imageGrid->addWidget(chkImage, 0, 0, 1, 2);
    imageGrid->addWidget(optImageStyle[0], 1, 0);
    imageGrid->addWidget(lblBaseImage, 1, 1);
    imageGrid->addWidget(optImageStyle[1], 2, 0);
    imageGrid->addWidget(lblFileImage, 2, 1);
    imageGrid->addWidget(cmdImage, 3, 0, 1, 2, Qt::AlignLeft);
    imageGrid->setColumnStretch(1, 1);
    imageGrid->setRowStretch(4, 1);
    lblFileImage->setMinimumWidth(120);

    // Movement: path, placement and direction, speed.
    fraMovement = new QGroupBox(tr("Movement Settings"), this);
    fraPath = new QGroupBox(tr("Path"), fraMovement);
    grpPosition =
        ui::OptionGroup<3>(optPosition, {"Horizontal Path", "Vertical Path", "Random Paths"}, fraPath);
    auto* pathLayout = new QVBoxLayout(fraPath);
    for (auto* b : optPosition)
        pathLayout->addWidget(b);

    fraPlacement = new QGroupBox(tr("Placement and Direction"), fraMovement);
    fraHoriz = Borderless(fraPlacement);
    fraVert = Borderless(fraPlacement);
    fraDirection = Borderless(fraPlacement);
    grpHoriz = ui::OptionGroup<3>(optHoriz, {"Top", "Centre", "Bottom"}, fraHoriz);
    grpVert = ui::OptionGroup<3>(optVert, {"Left", "Centre", "Right"}, fraVert);
    grpDirection =
        ui::OptionGroup<4>(optDirection, {"Forward", "Backward", "Downward", "Upward"}, fraDirection);
    auto* horizLayout = new QHBoxLayout(fraHoriz);
    auto* vertLayout = new QHBoxLayout(fraVert);
    horizLayout->setContentsMargins(0, 0, 0, 0);
    vertLayout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 3; ++i) {
        horizLayout->addWidget(optHoriz[i]);
        vertLayout->addWidget(optVert[i]);
    }
    // "Downward" takes the place of "Forward" and "Upward" that of "Backward"; only one pair shows.
    auto* directionLayout = new QGridLayout(fraDirection);
    directionLayout->setContentsMargins(0, 0, 0, 0);
    directionLayout->addWidget(optDirection[0], 0, 0);
    directionLayout->addWidget(optDirection[2], 0, 0);
    directionLayout->addWidget(optDirection[1], 0, 1);
    directionLayout->addWidget(optDirection[3], 0, 1);
    directionLayout->setColumnStretch(2, 1);
    // The two placement rows share one place.
    auto* placeGrid = new QGridLayout;
    placeGrid->addWidget(fraHoriz, 0, 0);
    placeGrid->addWidget(fraVert, 0, 0);
    auto* placementLayout = new QVBoxLayout(fraPlacement);
    placementLayout->addLayout(placeGrid);
    placementLayout->addWidget(fraDirection);

    lblSpeedMsg = new QLabel(tr("Speed of Movement:"), fraMovement);
    lblSpeed = new QLabel(fraMovement);
    lblSlow = new QLabel(tr("Slow"), fraMovement);
    lblFast = new QLabel(tr("Fast"), fraMovement);
    HScrollSpeed = new QScrollBar(Qt::Horizontal, fraMovement);
    HScrollSpeed->setRange(10, 100);
    HScrollSpeed->setSingleStep(10);
    HScrollSpeed->setPageStep(10);
    HScrollSpeed->setMinimumWidth(160);
    auto* speedGrid = new QGridLayout;
    speedGrid->addWidget(lblSpeedMsg, 0, 0, 1, 2);
    speedGrid->addWidget(lblSpeed, 0, 2, Qt::AlignRight);
    speedGrid->addWidget(HScrollSpeed, 1, 0, 1, 3);
    speedGrid->addWidget(lblSlow, 2, 0);
    speedGrid->addWidget(lblFast, 2, 2, Qt::AlignRight);
    speedGrid->setRowStretch(3, 1);
    auto* movementLayout = new QHBoxLayout(fraMovement);
    movementLayout->addWidget(fraPath);
    movementLayout->addWidget(fraPlacement, 1);
    movementLayout->addLayout(speedGrid);

    // Sample.
    fraSample = new QGroupBox(tr("Sample   (Number of Lines Not Updated in Sample)"), this);
    lblSampleText = new QLabel(fraSample);
    lblSampleDate = new QLabel(fraSample);
    for (QLabel* l : {lblSampleText, lblSampleDate}) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->setAutoFillBackground(true);
    }
    sampleArea = new QWidget(fraSample);
    sampleArea->setAutoFillBackground(true);
    auto* areaLayout = new QVBoxLayout(sampleArea);
    areaLayout->setSpacing(0);
    areaLayout->addWidget(lblSampleText);
    areaLayout->addWidget(lblSampleDate);
    areaLayout->addStretch();
    auto* sampleLayout = new QVBoxLayout(fraSample);
    sampleLayout->addWidget(sampleArea);

    // Buttons.
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setToolTip(tr(" Save any changes and Exit "));
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setToolTip(tr(" Cancel any changes and Exit Settings Dialog "));
    cmdRestoreSettings = new QPushButton(tr("Restore Settings"), this);
    cmdRestoreSettings->setToolTip(tr(" Restore Settings to last used values "));
    cmdHelp = new QPushButton(tr("Help..."), this);
    cmdHelp->setToolTip(tr(" View the Help screen "));
    cmdAbout = new QPushButton(tr("About..."), this);
    cmdAbout->setToolTip(tr(" View About this ScreenSaver "));
    cmdOK->setDefault(true);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {cmdOK, cmdCancel, cmdRestoreSettings})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cmdHelp);
    buttons->addWidget(cmdAbout);

    auto* top = new QHBoxLayout;
    top->addWidget(fraTextDate, 1);
    top->addLayout(buttons);
    auto* middle = new QHBoxLayout;
    middle->addWidget(fraStyle, 1);
    middle->addWidget(fraImage, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addWidget(fraMovement);
    layout->addWidget(fraSample);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace saver
