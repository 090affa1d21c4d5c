// Builds and places the browser's controls. The behaviour lives in frmBrowse.cpp.
#include "frmBrowse.h"

#include "ClickLabel.h"
#include "PreviewFit.h"
#include "Rounding.h"
#include "ScreenUnits.h"
#include "SizeButtonIcons.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace saver {

namespace {

constexpr int kThumbWidth = 150; // pixels, as the base pictures are drawn
constexpr int kThumbHeight = 75;
constexpr int kListWidth = 230;

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return label;
}

} // namespace

void frmBrowse::BuildControls() {
    setWindowTitle(QStringLiteral("Browse for Images"));

    tbsImages = new QTabBar(this);
    tbsImages->setObjectName(QStringLiteral("tbsImages"));
    tbsImages->addTab(QStringLiteral("  Base Images  "));
    tbsImages->addTab(QStringLiteral("  File Images  "));
    tbsImages->setTabToolTip(0, QStringLiteral(" Select Base Images "));
    tbsImages->setTabToolTip(1, QStringLiteral(" Select File Images "));
    tbsImages->setDrawBase(false);
    tbsImages->setExpanding(false);

    pages = new QStackedWidget(this);
    pages->setFrameShape(QFrame::StyledPanel);
    pages->setAutoFillBackground(true); // hides cmdTakeFocus, which lies behind it
    for (std::size_t i = 0; i < fraImages.size(); ++i) {
        fraImages[i] = new QFrame(pages);
        fraImages[i]->setObjectName(QStringLiteral("fraImages%1").arg(i));
        fraImages[i]->setFrameShape(QFrame::NoFrame);
        pages->addWidget(fraImages[i]);
    }

    // Base page: the nine thumbnails in reading order, each captioned by its tag.
    auto* grid = new QGridLayout(fraImages[0]);
    grid->setContentsMargins(18, 18, 18, 18);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(22);
    for (int n = 0; n < 9; ++n) {
        imgPhotos[n] = new ClickLabel(fraImages[0]);
        imgPhotos[n]->setObjectName(QStringLiteral("imgPhotos%1").arg(n + 1));
        imgPhotos[n]->setFixedSize(kThumbWidth, kThumbHeight);
        imgPhotos[n]->setScaledContents(true); // stretched to the thumbnail's size
        imgPhotos[n]->setFrameShape(QFrame::Box);
        imgPhotos[n]->setLineWidth(0);
        lblPhotos[n] = new ClickLabel(fraImages[0]);
        lblPhotos[n]->setObjectName(QStringLiteral("lblPhotos%1").arg(n + 1));
        lblPhotos[n]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        lblPhotos[n]->setFixedWidth(kThumbWidth);
        auto* cell = new QVBoxLayout;
        cell->setSpacing(3);
        cell->addWidget(imgPhotos[n], 0, Qt::AlignHCenter);
        cell->addWidget(lblPhotos[n], 0, Qt::AlignHCenter);
        grid->addLayout(cell, 1 + n / 3, n % 3);
    }
    // The file page is the taller one: the thumbnails sit in the middle of the same height.
    grid->setRowStretch(0, 1);
    grid->setRowStretch(4, 1);

    // File page: drives, folders and files on the left, the preview and the size on the right.
    QWidget* filePage = fraImages[1];
    lblDrives = Caption(QStringLiteral("Drives:"), filePage);
    drvImages = new QComboBox(filePage);
    lblFolders = Caption(QStringLiteral("Folders"), filePage);
    dirImages = new QTreeView(filePage);
    dirImages->setToolTip(QStringLiteral(" Double Click to change folder "));
    lblFiles = Caption(QStringLiteral("Files (.bmp,.gif,.jpg,.wmf)"), filePage);
    flbFiles = new QListView(filePage);
    flbFiles->setToolTip(QStringLiteral(" Click to select or Double Click to choose "));

    folderModel_ = new QFileSystemModel(this);
    folderModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folderModel_->setRootPath(QDir::rootPath());
    dirImages->setModel(folderModel_);
    for (int column = 1; column < folderModel_->columnCount(); ++column)
        dirImages->hideColumn(column);
    dirImages->setHeaderHidden(true);
    dirImages->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    dirImages->setExpandsOnDoubleClick(false); // a double click changes the folder instead
    dirImages->setEditTriggers(QAbstractItemView::NoEditTriggers);

    flbFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    flbFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    flbFiles->setUniformItemSizes(true);

    auto* lists = new QVBoxLayout;
    lists->setSpacing(3);
    lists->addWidget(lblDrives);
    lists->addWidget(drvImages);
    lists->addSpacing(6);
    lists->addWidget(lblFolders);
    lists->addWidget(dirImages, 3);
    lists->addSpacing(6);
    lists->addWidget(lblFiles);
    lists->addWidget(flbFiles, 2);
    drvImages->setFixedWidth(kListWidth);
    dirImages->setFixedWidth(kListWidth);
    flbFiles->setFixedWidth(kListWidth);

    lblPreview = Caption(QStringLiteral("Preview"), filePage);
    lblPreview->setAlignment(Qt::AlignHCenter);
    fraPreview = new QFrame(filePage);
    fraPreview->setObjectName(QStringLiteral("fraPreview"));
    fraPreview->setFrameShape(QFrame::Box);
    fraPreview->setFrameShadow(QFrame::Sunken);
    fraPreview->setLineWidth(1);
    // The inside of the frame is the preview area; the border lies around it.
    const int border = fraPreview->frameWidth();
    fraPreview->setFixedSize(core::RoundToInt32(core::kPreviewFrameWidth / ui::TwipsPerPixelX()) + 2 * border,
                             core::RoundToInt32(core::kPreviewFrameHeight / ui::TwipsPerPixelY()) +
                                 2 * border);
    imgPreview = new QLabel(fraPreview);
    imgPreview->setObjectName(QStringLiteral("imgPreview"));
    imgPreview->setScaledContents(true);
    imgPreview->hide();

    lblCurFile = Caption(QStringLiteral("Image File:"), filePage);
    txtCurImage = new QLineEdit(QStringLiteral("No Image"), filePage);
    txtCurImage->setReadOnly(true);
    txtCurImage->setFocusPolicy(Qt::ClickFocus);
    auto* current = new QHBoxLayout;
    current->addWidget(lblCurFile);
    current->addWidget(txtCurImage, 1);

    lblResize = Caption(QStringLiteral("ScreenSaver Image Size:"), filePage);
    lblSmaller = Caption(QStringLiteral("Smaller"), filePage);
    lblLarger = Caption(QStringLiteral("Larger"), filePage);
    const std::array<QString, 3> sizeTips = {QStringLiteral(" Decrease Image Size "),
                                             QStringLiteral(" Use Actual Size "),
                                             QStringLiteral(" Increase Image Size ")};
    const std::array<QIcon, 3> sizeIcons = {DecreaseSizeIcon(), ActualSizeIcon(), IncreaseSizeIcon()};
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addStretch(1);
    sizeRow->addWidget(lblSmaller);
    for (std::size_t i = 0; i < cmdSize.size(); ++i) {
        cmdSize[i] = new QToolButton(filePage);
        cmdSize[i]->setObjectName(QStringLiteral("cmdSize%1").arg(i));
        cmdSize[i]->setIcon(sizeIcons[i]);
        cmdSize[i]->setIconSize(QSize(20, 20));
        cmdSize[i]->setFixedSize(30, 28);
        cmdSize[i]->setToolTip(sizeTips[i]);
        sizeRow->addWidget(cmdSize[i]);
    }
    sizeRow->addWidget(lblLarger);
    sizeRow->addStretch(1);
    lblSize = Caption(QStringLiteral("Use Actual Size"), filePage);
    lblScrollSize = Caption(QString(), filePage);
    lblSize->setAlignment(Qt::AlignHCenter);
    lblScrollSize->setAlignment(Qt::AlignHCenter);
    QFont sizeFont = lblSize->font();
    sizeFont.setBold(true);
    lblSize->setFont(sizeFont);

    auto* preview = new QVBoxLayout;
    preview->setSpacing(3);
    preview->addWidget(lblPreview);
    preview->addWidget(fraPreview, 0, Qt::AlignHCenter);
    preview->addSpacing(8);
    preview->addLayout(current);
    preview->addSpacing(8);
    preview->addWidget(lblResize, 0, Qt::AlignHCenter);
    preview->addLayout(sizeRow);
    preview->addWidget(lblSize);
    preview->addWidget(lblScrollSize);
    preview->addStretch(1);

    auto* fileLayout = new QHBoxLayout(filePage);
    fileLayout->setContentsMargins(12, 12, 12, 12);
    fileLayout->setSpacing(18);
    fileLayout->addLayout(lists);
    fileLayout->addLayout(preview);

    // Below the pages: the style choice and the buttons.
    lblImageStyleMsg = new QLabel(QStringLiteral("Select Image Style:"), this);
    optImageStyle[0] = new QRadioButton(QStringLiteral("Use Base Image"), this);
    optImageStyle[1] = new QRadioButton(QStringLiteral("Use File Image"), this);
    grpImageStyle = new QButtonGroup(this);
    grpImageStyle->addButton(optImageStyle[0], 0);
    grpImageStyle->addButton(optImageStyle[1], 1);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setToolTip(QStringLiteral(" Remember Settings and Exit "));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setToolTip(QStringLiteral(" Cancel any changes and Exit "));
    for (QPushButton* button : {cmdOK, cmdCancel})
        button->setMinimumWidth(88);
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(10);
    bottom->addWidget(lblImageStyleMsg);
    bottom->addWidget(optImageStyle[0]);
    bottom->addWidget(optImageStyle[1]);
    bottom->addStretch(1);
    bottom->addWidget(cmdOK);
    bottom->addWidget(cmdCancel);

    auto* main = new QVBoxLayout(this);
    main->setSpacing(0);
    main->addWidget(tbsImages);
    main->addWidget(pages);
    main->addSpacing(12);
    main->addLayout(bottom);
    main->setSizeConstraint(QLayout::SetFixedSize); // a fixed dialog

    // Takes the focus away from the tab strip and the size buttons; it sits behind the pages.
    cmdTakeFocus = new QPushButton(QStringLiteral("TakeFocus"), this);
    cmdTakeFocus->setAutoDefault(false);
    main->activate();
    cmdTakeFocus->setGeometry(QRect(pages->geometry().center(), QSize(1, 1)));
    cmdTakeFocus->lower();
}

} // namespace saver
