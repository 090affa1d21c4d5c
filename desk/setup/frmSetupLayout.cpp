// Builds the settings dialog's controls and lays them out; the behaviour lives in frmSetup.cpp.
#include "frmSetup.h"

#include "DialogParts.h"

#include "DateEntry.h"
#include "OptionImages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace desk {

namespace {

// A frame without a border holding one row of option buttons.
template <std::size_t N> QWidget* Row(std::array<QRadioButton*, N>& buttons, QWidget* frame) {
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    for (auto* b : buttons)
        layout->addWidget(b);
    layout->addStretch();
    return frame;
}

QScrollBar* Slider(int minimum, int maximum, QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    bar->setInvertedControls(false); // the arrow keys move the thumb the way they point
    bar->setMinimumWidth(260);
    return bar;
}

QPushButton* Button(const QString& caption, const QString& tip, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setToolTip(tip);
    return b;
}

} // namespace

void frmSetup::BuildControls() {
    // The title of the page shown, between its two pictures.
    imgOptTitleLeft = new QLabel(this);
    imgOptTitleRight = new QLabel(this);
    lblOptionsTitle = new QLabel(this);
    QFont titleFont(QStringLiteral("Script MT Bold"));
    titleFont.setPointSize(20);
    lblOptionsTitle->setFont(titleFont);
    lblOptionsTitle->setAlignment(Qt::AlignCenter);
    lblOptionsTitle->setMinimumWidth(260);
    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(16);
    titleRow->addStretch();
    titleRow->addWidget(imgOptTitleLeft);
    titleRow->addWidget(lblOptionsTitle);
    titleRow->addWidget(imgOptTitleRight);
    titleRow->addStretch();

    // Text and date.
    BuildTextDateFrame(QStringLiteral("Pellmora"));

    // The tree and its six pages, all in one place.
    tvwOptions = new QTreeWidget(this);
    tvwOptions->setHeaderHidden(true);
    tvwOptions->setColumnCount(1);
    tvwOptions->setIconSize(QSize(16, 16));
    tvwOptions->setExpandsOnDoubleClick(false);
    tvwOptions->setFixedWidth(150);
    const std::array<const char*, 7> captions{
        "",      "General Settings", "Style Settings", "Movement Settings", "Position Settings",
        "Hints", "Quick Help"};
    auto* pageArea = new QWidget(this);
    pages_ = new QStackedLayout(pageArea);
    for (int i = 1; i <= 6; ++i) {
        fraOptions[i] = new QGroupBox(QString::fromUtf8(captions[i]), pageArea);
        pages_->addWidget(fraOptions[i]);
    }

    // 1 General.
    QGroupBox* general = fraOptions[1];
    chkTrayNotification = new QCheckBox(tr("Show Icon in Notification Area (System Tray)"), general);
    chkRunStartup = new QCheckBox(tr("Run Quindle at Startup"), general);
    chkTopMost = new QCheckBox(tr("Set Quindle to show on Top of All Windows"), general);
    chkToolTips = new QCheckBox(tr("Show ToolTips"), general);
    chkNotifyOnTarget = new QCheckBox(tr("Notify me on the target day"), general);
    auto* generalLayout = new QVBoxLayout(general);
    const std::array<std::pair<QCheckBox*, const char*>, 5> generalRows{{
        {chkTrayNotification, "Easy access to Settings Dialog"},
        {chkRunStartup, "Automatically start at Log-in"},
        {chkTopMost, "Note: This could be very distracting, but useful in some situations."},
        {chkToolTips, "Show ToolTips when Cursor is over the Text."},
        {chkNotifyOnTarget, "A desktop notification once, when the day comes."},
    }};
    for (const auto& [box, note] : generalRows) {
        generalLayout->addWidget(box);
        QLabel* n = ui::Note(QString::fromUtf8(note), general);
        n->setContentsMargins(24, 0, 0, 4);
        generalLayout->addWidget(n);
    }
    generalLayout->addStretch();

    // 2 Style.
    QGroupBox* style = fraOptions[2];
    grpStyle = ui::OptionGroup<2>(optStyle, {"One Line of Text", "Two Lines of Text"}, style);
    chkDays = new QCheckBox(tr("Include Number of Days"), style);
    cmdFormatText = new QPushButton(tr("Format Font:  Style, Size, Colour..."), style);
    picFontColour = ui::Swatch(style);
    cmdBackground = new QPushButton(tr("Select Background Colour..."), style);
    picBackColour = ui::Swatch(style);
    chkTransparent = new QCheckBox(tr("Use Transparent Background"), style);
    auto* styleGrid = new QGridLayout(style);
    styleGrid->addWidget(optStyle[0], 0, 0);
    styleGrid->addWidget(optStyle[1], 0, 1, 1, 2);
    styleGrid->addWidget(
        ui::Note(tr("The Two Line option will separate Event Text and the time remaining into two lnes."),
                 style),
        1, 0, 1, 3);
    styleGrid->addWidget(chkDays, 2, 0, 1, 3);
    styleGrid->addWidget(cmdFormatText, 3, 0, 1, 2);
    styleGrid->addWidget(picFontColour, 3, 2, Qt::AlignLeft);
    styleGrid->addWidget(cmdBackground, 4, 0, 1, 2);
    styleGrid->addWidget(picBackColour, 4, 2, Qt::AlignLeft);
    styleGrid->addWidget(chkTransparent, 5, 0, 1, 3);
    styleGrid->addWidget(ui::Note(tr("Transparency takes precedence over the background colour."), style), 6,
                         0, 1, 3);
    styleGrid->setColumnStretch(2, 1);
    styleGrid->setRowStretch(7, 1);

    // 3 Movement.
    QGroupBox* movement = fraOptions[3];
    chkMovementEnable = new QCheckBox(tr("Enable Movement"), movement);
    HScrollSpeed = Slider(1, 100, movement);
    lblSpeed = new QLabel(movement);
    lblSlow = new QLabel(tr("Slow"), movement);
    lblFast = new QLabel(tr("Fast"), movement);
    HScrollInterval = Slider(0, 360, movement);
    lblIntervalCaption = new QLabel(tr("Delay Interval:"), movement);
    lblInterval = new QLabel(movement);
    lblShorter = new QLabel(tr("Shorter"), movement);
    lblLonger = new QLabel(tr("Longer"), movement);
    auto* movementGrid = new QGridLayout(movement);
    movementGrid->addWidget(chkMovementEnable, 0, 0, 1, 3);
    movementGrid->addWidget(new QLabel(tr("Speed:"), movement), 1, 0);
    movementGrid->addWidget(lblSpeed, 1, 1, 1, 2);
    movementGrid->addWidget(HScrollSpeed, 2, 0, 1, 3);
    movementGrid->addWidget(lblSlow, 3, 0);
    movementGrid->addWidget(lblFast, 3, 2, Qt::AlignRight);
    movementGrid->addWidget(lblIntervalCaption, 4, 0);
    movementGrid->addWidget(lblInterval, 4, 1, 1, 2);
    movementGrid->addWidget(HScrollInterval, 5, 0, 1, 3);
    movementGrid->addWidget(lblShorter, 6, 0);
    movementGrid->addWidget(lblLonger, 6, 2, Qt::AlignRight);
    movementGrid->addWidget(
        ui::Note(tr("Enabling Movement allows the message to move around on the Desktop. The "
                    "location of movement is set in the Position Option."),
                 movement),
        7, 0, 1, 3);
    movementGrid->setColumnStretch(1, 1);
    movementGrid->setRowStretch(8, 1);

    // 4 Position: path kind, then placement, direction and offset; the horizontal and vertical
    // controls of each pair share one place and only one of them shows.
    QGroupBox* position = fraOptions[4];
    fraPosition = new QGroupBox(tr("Path"), position);
    grpPosition =
        ui::OptionGroup<3>(optPosition, {"Horizontal Path", "Vertical Path", "Random Paths"}, fraPosition);
    auto* pathLayout = new QVBoxLayout(fraPosition);
    for (auto* b : optPosition)
        pathLayout->addWidget(b);
    pathLayout->addStretch();
    fraDirection = new QGroupBox(tr("Placement and Direction"), position);
    fraHoriz = new QWidget(fraDirection);
    fraVert = new QWidget(fraDirection);
    fraHorizDirect = new QWidget(fraDirection);
    fraVertDirect = new QWidget(fraDirection);
    grpHoriz = ui::OptionGroup<3>(optHoriz, {"Top", "Centre", "Bottom"}, fraHoriz);
    grpVert = ui::OptionGroup<3>(optVert, {"Left", "Centre", "Right"}, fraVert);
    grpHorizDirect = ui::OptionGroup<2>(optHorizDirect, {"Forward", "Backward"}, fraHorizDirect);
    grpVertDirect = ui::OptionGroup<2>(optVertDirect, {"Downward", "Upward"}, fraVertDirect);
    Row(optHoriz, fraHoriz);
    Row(optVert, fraVert);
    Row(optHorizDirect, fraHorizDirect);
    Row(optVertDirect, fraVertDirect);
    lblOffSetMsg = new QLabel(tr("OffSet from Centre"), fraDirection);
    HScrollOffSetHoriz = Slider(-500, 500, fraDirection);
    HScrollOffSetVert = Slider(-500, 500, fraDirection);
    lblOffsetLeft = new QLabel(tr("Lower"), fraDirection);
    lblOffsetRight = new QLabel(tr("Higher"), fraDirection);
    lblOffSetAmount = new QLabel(QStringLiteral("0"), fraDirection);
    lblOffSetAmount->setMinimumWidth(50);
    auto* directionGrid = new QGridLayout(fraDirection);
    directionGrid->addWidget(new QLabel(tr("Placement:"), fraDirection), 0, 0);
    directionGrid->addWidget(fraHoriz, 0, 1, 1, 2);
    directionGrid->addWidget(fraVert, 0, 1, 1, 2);
    directionGrid->addWidget(new QLabel(tr("Direction:"), fraDirection), 1, 0);
    directionGrid->addWidget(fraHorizDirect, 1, 1, 1, 2);
    directionGrid->addWidget(fraVertDirect, 1, 1, 1, 2);
    directionGrid->addWidget(lblOffSetMsg, 2, 0, 1, 2);
    directionGrid->addWidget(lblOffSetAmount, 2, 2, Qt::AlignRight);
    directionGrid->addWidget(HScrollOffSetHoriz, 3, 0, 1, 3);
    directionGrid->addWidget(HScrollOffSetVert, 3, 0, 1, 3);
    directionGrid->addWidget(lblOffsetLeft, 4, 0);
    directionGrid->addWidget(lblOffsetRight, 4, 2, Qt::AlignRight);
    directionGrid->setColumnStretch(1, 1);
    lblMovementMsg = new QLabel(tr("Movement is disabled. These positions will not be active..."), position);
    lblMovementMsg->setWordWrap(true);
    QPalette warn = lblMovementMsg->palette();
    warn.setColor(QPalette::WindowText, QColor(192, 0, 0));
    lblMovementMsg->setPalette(warn);
    auto* positionGrid = new QGridLayout(position);
    positionGrid->addWidget(fraPosition, 0, 0);
    positionGrid->addWidget(fraDirection, 0, 1);
    positionGrid->addWidget(lblMovementMsg, 1, 0, 1, 2);
    positionGrid->setColumnStretch(1, 1);
    positionGrid->setRowStretch(2, 1);

    // 5 Hints and 6 Quick Help.
    for (int page : {5, 6}) {
        auto& labels = page == 5 ? lblHints : lblHelp;
        auto* layout = new QVBoxLayout(fraOptions[page]);
        for (auto*& label : labels) {
            label = new QLabel(fraOptions[page]);
            label->setWordWrap(true);
            label->setFrameShape(QFrame::NoFrame);
            layout->addWidget(label);
        }
        layout->addStretch();
    }
    QFont note = lblHints[0]->font();
    note.setBold(true);
    lblHints[0]->setFont(note);
    lblHints[0]->setText(tr("Please Note..."));

    auto* optionsRow = new QHBoxLayout;
    optionsRow->addWidget(tvwOptions);
    optionsRow->addWidget(pageArea, 1);

    // Sample.
    fraSample = new QGroupBox(tr("Sample"), this);
    lblSampleText = new QLabel(fraSample);
    lblSampleText->setAlignment(Qt::AlignCenter);
    lblSampleText->setMinimumHeight(60);
    auto* sampleLayout = new QVBoxLayout(fraSample);
    sampleLayout->addWidget(lblSampleText);

    // Buttons.
    cmdOK = Button(tr("OK"), tr(" Save Settings and Close Dialog Box"), this);
    cmdApply = Button(tr("Apply"), tr(" Save Settings but keep Dialog Box Open "), this);
    cmdCancel = Button(tr("Cancel"), tr(" Cancel all changes and Close Settings Dialog "), this);
    cmdRestoreSettings = Button(tr("Restore Settings"), tr(" Restore Settings to last used values "), this);
    cmdExitProgram = Button(tr("Exit Program"), tr(" Exit Quindle Program "), this);
    cmdHelp = Button(tr("Help..."), tr(" Show the Help screen "), this);
    cmdAbout = Button(tr("About..."), tr(" View About this program "), this);
    cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdOK, cmdApply, cmdCancel, cmdRestoreSettings})
        buttons->addWidget(b);
    buttons->addStretch();
    for (QPushButton* b : {cmdExitProgram, cmdHelp, cmdAbout})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(titleRow);
    layout->addWidget(fraTextDate);
    layout->addLayout(optionsRow);
    layout->addWidget(fraSample);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The tree: six nodes, "Position" and "Hints" under "Movement".
    const std::array<const char*, 7> names{"",         "General", "Style",     "Movement",
                                           "Position", "Hints",   "Quick Help"};
    for (int i = 1; i <= 6; ++i) {
        auto* node = new QTreeWidgetItem(QStringList(QString::fromUtf8(names[i])));
        node->setIcon(0, QIcon(OptionImage(i, 16)));
        node->setData(0, Qt::UserRole, i);
        nodes_[i] = node;
        if (i == 4 || i == 5)
            nodes_[3]->addChild(node);
        else
            tvwOptions->addTopLevelItem(node);
    }
}

} // namespace desk
