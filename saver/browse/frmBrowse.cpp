#include "frmBrowse.h"

#include "ClickLabel.h"
#include "ImageSizeSteps.h"
#include "MessageBoxes.h"
#include "PreviewFit.h"
#include "Rounding.h"
#include "ScreenUnits.h"
#include "SettingsSchema.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStorageInfo>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>

namespace saver {

namespace {

const QString kNoImage = QStringLiteral("No Image");
const QString kBreak = QStringLiteral("\r\n");

// A folder in this platform's spelling, without a final separator except at a root.
QString FolderText(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(QDir::fromNativeSeparators(path)));
}

// A stored drive: a mount point, or a bare drive letter ("c", "c:") as older settings hold it.
QString DriveFolder(const QString& stored) {
    static const QRegularExpression letter(QStringLiteral("^[A-Za-z]:?$"));
    if (letter.match(stored).hasMatch())
        return FolderText(stored.left(1) + QStringLiteral(":/"));
    return FolderText(stored);
}

bool IsExistingFolder(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(QDir::fromNativeSeparators(path));
    return info.isAbsolute() && info.isDir();
}

// The root of the volume that holds the folder ("/" when that cannot be told).
QString DriveOf(const QString& folder) {
    const QStorageInfo storage(QDir::fromNativeSeparators(folder));
    if (storage.isValid() && !storage.rootPath().isEmpty())
        return FolderText(storage.rootPath());
    return FolderText(QDir::rootPath());
}

// Volumes that can hold the user's pictures: not the read-only package images (snaps), memory file
// systems or the system's runtime mounts, which would bury the disks in a long list.
bool IsPictureVolume(const QStorageInfo& storage) {
    if (!storage.isValid() || !storage.isReady() || !QFileInfo(storage.rootPath()).isDir())
        return false;
    const QByteArray type = storage.fileSystemType();
    if (type == "squashfs" || type == "tmpfs" || type == "devtmpfs" || type == "ramfs")
        return false;
    const QString root = storage.rootPath();
    for (const char* system : {"/snap/", "/run/", "/sys/", "/proc/", "/dev/", "/var/lib/"}) {
        if (root.startsWith(QLatin1String(system)) && !root.startsWith(QLatin1String("/run/media/")))
            return false;
    }
    return true;
}

// The mounted volumes that hold folders, sorted by their roots.
QStringList DriveRoots() {
    QStringList roots;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (IsPictureVolume(storage))
            roots << FolderText(storage.rootPath());
    }
    roots << FolderText(QDir::rootPath());
    roots.sort();
    roots.removeDuplicates();
    return roots;
}

} // namespace

frmBrowse::frmBrowse(PendingImage& pending, const PendingImage& loaded,
                     const std::vector<BaseImage>& basePictures, QSizeF screenTwips,
                     const QString& productName, QWidget* parent)
    : QDialog(parent), pending_(pending), loaded_(loaded), basePictures_(basePictures),
      screenTwips_(screenTwips) {
    if (basePictures_.size() > imgPhotos.size())
        basePictures_.resize(imgPhotos.size());
    BuildControls();
    ConnectHandlers();
    Form_Load(productName);
}

QStringList frmBrowse::FilePatterns() {
    return QStringLiteral("*.jpg;*.bmp;*.wmf;*.gif;*.jpeg").split(u';');
}

void frmBrowse::ConnectHandlers() {
    connect(tbsImages, &QTabBar::currentChanged, this, [this] { tbsImages_Click(); });
    connect(grpImageStyle, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            optImageStyle_Click(id);
    });
    for (int n = 1; n <= int(imgPhotos.size()); ++n) {
        // A caption acts as its thumbnail does.
        for (ClickLabel* label : {imgPhotos[n - 1], lblPhotos[n - 1]}) {
            connect(label, &ClickLabel::Clicked, this, [this, n] { imgPhotos_Click(n); });
            connect(label, &ClickLabel::DoubleClicked, this, [this, n] { imgPhotos_DblClick(n); });
        }
    }
    connect(drvImages, &QComboBox::activated, this, [this] { drvImages_Change(); });
    connect(dirImages, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { OpenFolder(index); });
    dirImages->installEventFilter(this);
    // A file is clicked when the user moves the selection to it (see SetFileListPath), or at the release
    // of a press on the file already selected.
    flbFiles->viewport()->installEventFilter(this);
    flbFiles->installEventFilter(this);
    connect(flbFiles, &QAbstractItemView::clicked, this, [this] {
        if (fileClicks_.Handle(FileListClicks::Event::Released))
            flbFiles_Click();
    });
    connect(flbFiles, &QAbstractItemView::doubleClicked, this, [this] { flbFiles_DblClick(); });
    // The folder list reads folders in the background: keep the current folder in sight as they come,
    // until the user turns to the list. New folders arrive unsorted and are sorted a moment later.
    const auto follow = [this] {
        if (followFolder_)
            QTimer::singleShot(0, this, [this] { KeepFolderInSight(); });
    };
    connect(folderModel_, &QFileSystemModel::rowsInserted, this, follow);
    connect(folderModel_, &QFileSystemModel::layoutChanged, this, follow);
    dirImages->viewport()->installEventFilter(this);
    dirImages->verticalScrollBar()->installEventFilter(this);
    for (int i = 0; i < int(cmdSize.size()); ++i)
        connect(cmdSize[i], &QToolButton::clicked, this, [this, i] { cmdSize_Click(i); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmBrowse::keyPressEvent(QKeyEvent* event) {
    // Escape is the Cancel button; the close box keeps the changes, as it always has.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdCancel_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmBrowse::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Views scroll only once they have their size.
    QTimer::singleShot(0, this, [this] {
        KeepFolderInSight();
        flbFiles->scrollTo(flbFiles->currentIndex());
    });
}

void frmBrowse::KeepFolderInSight() {
    // Centres the folder by hand, after laying out the rows that have arrived so far: the view's own
    // scrollTo works on the rows it has laid out, which lag behind while the folders are read.
    if (!followFolder_ || !dirImages->currentIndex().isValid())
        return;
    dirImages->doItemsLayout();
    const QRect row = dirImages->visualRect(dirImages->currentIndex());
    if (!row.isValid())
        return;
    QScrollBar* bar = dirImages->verticalScrollBar();
    bar->setValue(bar->value() + row.center().y() - dirImages->viewport()->height() / 2);
}

bool frmBrowse::eventFilter(QObject* watched, QEvent* event) {
    // Only a press or a key on the file list chooses a file; the list also moves its selection by itself,
    // for example when the selected file is deleted.
    const bool filePress = watched == flbFiles->viewport() && event->type() == QEvent::MouseButtonPress;
    if (filePress || (watched == flbFiles && event->type() == QEvent::KeyPress)) {
        fileClicks_.Handle(filePress ? FileListClicks::Event::Press : FileListClicks::Event::Key);
        QTimer::singleShot(0, this, [this] { fileClicks_.Handle(FileListClicks::Event::InputHandled); });
    }
    if ((watched == dirImages->viewport() || watched == dirImages->verticalScrollBar()) &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::Wheel))
        followFolder_ = false;
    // Enter in the folder list opens the folder and stops there, instead of also pressing OK.
    if (watched == dirImages && event->type() == QEvent::KeyPress) {
        followFolder_ = false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && dirImages->currentIndex().isValid()) {
            OpenFolder(dirImages->currentIndex());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmBrowse::Form_Load(const QString& productName) {
    Loading = true;
    setWindowTitle(QStringLiteral("Browse for Images - ") + productName);

    // Values only a hand-edited store can hold open as the first base picture on the base page.
    if (pending_.ImageStyle != 0 && pending_.ImageStyle != 1)
        pending_.ImageStyle = 0;
    if (!IsBaseIndex(pending_.ImageIndex) && !basePictures_.empty()) {
        pending_.ImageIndex = 1;
        pending_.ImageTag = basePictures_.front().tag;
    }
    optImageStyle[pending_.ImageStyle]->setChecked(true);
    cmdTakeFocus->lower();

    for (std::size_t i = 0; i < basePictures_.size(); ++i) {
        imgPhotos[i]->setPixmap(QPixmap::fromImage(basePictures_[i].image));
        lblPhotos[i]->setText(basePictures_[i].tag);
    }
    for (int n = 1; n <= int(lblPhotos.size()); ++n)
        MarkCaption(n, n == pending_.ImageIndex);

    const QStringList drives = DriveRoots();
    for (const QString& root : drives)
        drvImages->addItem(root, root);

    OpenStoredFolder();
    Loading = false;
}

void frmBrowse::OpenStoredFolder() {
    const QString drive = DriveFolder(pending_.ImageDrive);
    const QString folder = FolderText(pending_.ImagePath);
    if (!IsExistingFolder(drive) || !IsExistingFolder(folder)) {
        // The stored drive or folder is gone: show the drive's own folder (or the root when the drive
        // is gone too) with nothing chosen, on the base page.
        const QString place = IsExistingFolder(drive) ? DriveOf(drive) : FolderText(QDir::rootPath());
        SetDriveList(DriveOf(place));
        SetFolderListPath(place);
        SetFileListPath(place);
        Loading = false;
        ClearFileChoice();
        return;
    }
    SetDriveList(DriveOf(folder));
    SetFolderListPath(folder);
    SetFileListPath(folder);

    const QFileInfo folderInfo(QDir::fromNativeSeparators(folder));
    if (!folderInfo.isReadable() || !folderInfo.isExecutable()) {
        Loading = false;
        ui::ShowMessage({this,
                         QStringLiteral("Error Number: 70") + kBreak + QStringLiteral("Permission denied"),
                         QMessageBox::NoIcon,
                         QMessageBox::Ok,
                         {}});
        return;
    }

    // The stored file counts only when the file list holds it under exactly that name.
    const QStringList listed = QDir(folderInfo.absoluteFilePath()).entryList(FilePatterns(), QDir::Files);
    const bool found =
        !pending_.ImageName.isEmpty() && listed.contains(pending_.ImageName, Qt::CaseSensitive);
    if (found && ShowFilePreview(pending_.ImagePath, pending_.ImageName)) {
        SelectListedFile(pending_.ImageName);
        ShowSizeCaption(true);
    } else {
        if (found) // listed, but not a picture this program can read; the name is kept, as for a lost file
            ui::ShowMessage(
                {this,
                 QStringLiteral("The file \"%1\" cannot be read as a picture.").arg(pending_.ImageName),
                 QMessageBox::Information,
                 QMessageBox::Ok,
                 {}});
        txtCurImage->setText(kNoImage);
        ShowSizeCaption(false);
    }
    tbsImages->setCurrentIndex(pending_.ImageStyle);
    tbsImages_Click();
}

void frmBrowse::tbsImages_Click() {
    const int page = std::clamp(tbsImages->currentIndex(), 0, int(fraImages.size()) - 1);
    pages->setCurrentWidget(fraImages[page]);
    if (!Loading)
        cmdTakeFocus->setFocus();
}

void frmBrowse::optImageStyle_Click(int index) {
    if (Loading)
        return;
    pending_.ImageStyle = index;
    tbsImages->setCurrentIndex(index);
}

void frmBrowse::SelectImageStyle(int style) {
    pending_.ImageStyle = style;
    const QSignalBlocker block(grpImageStyle);
    optImageStyle[style]->setChecked(true);
}

bool frmBrowse::IsBaseIndex(std::int32_t index) const {
    return index >= 1 && index <= std::int32_t(basePictures_.size());
}

void frmBrowse::MarkCaption(int index, bool marked) {
    if (index < 1 || index > int(lblPhotos.size()))
        return;
    QLabel* label = lblPhotos[index - 1];
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, marked ? QColor(0, 0, 192) : QColor(Qt::black));
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(marked);
    label->setFont(font);
}

void frmBrowse::imgPhotos_Click(int index) {
    if (!IsBaseIndex(index))
        return; // an empty place of the grid
    MarkCaption(pending_.ImageIndex, false);
    pending_.ImageIndex = index;
    pending_.ImageTag = basePictures_[index - 1].tag;
    MarkCaption(index, true);
}

void frmBrowse::imgPhotos_DblClick(int index) {
    if (!IsBaseIndex(index))
        return;
    imgPhotos_Click(index);
    SelectImageStyle(0);
    cmdOK_Click();
}

void frmBrowse::drvImages_Change() {
    if (Loading)
        return;
    const QString root = drvImages->currentData().toString();
    if (root == drive_)
        return;
    drive_ = root;
    SetFolderListPath(root);
    dirImages_Change();
}

void frmBrowse::OpenFolder(const QModelIndex& index) {
    const QString before = folder_;
    SetFolderListPath(folderModel_->filePath(index));
    // Only a change of folder starts the file list afresh: opening the open folder again keeps the choice.
    if (folder_ != before)
        dirImages_Change();
}

void frmBrowse::dirImages_Change() {
    if (Loading)
        return;
    SetDriveList(DriveOf(folder_));
    SetFileListPath(folder_);
    ClearFileChoice();
}

QString frmBrowse::CurrentListedFile() const {
    const QModelIndex index = flbFiles->currentIndex();
    if (!index.isValid() || index.parent() != flbFiles->rootIndex() || fileModel_->isDir(index))
        return {};
    return fileModel_->fileName(index);
}

void frmBrowse::flbFiles_Click() {
    if (Loading)
        return;
    const QString name = CurrentListedFile();
    if (name.isEmpty())
        return;
    pending_.ImageDrive = drive_;
    pending_.ImagePath = folder_;
    SetFileListPath(folder_);
    if (name == pending_.ImageName)
        return;
    ClearFileChoice();
    pending_.ImageName = name;
    if (ShowFilePreview(pending_.ImagePath, pending_.ImageName))
        ShowSizeCaption(true);
    else
        RefuseUnreadable(name);
}

void frmBrowse::RefuseUnreadable(const QString& name) {
    // Nothing is chosen: the pending values say "no file" and the list shows no selection.
    ClearFileChoice();
    {
        const QSignalBlocker block(flbFiles->selectionModel());
        flbFiles->selectionModel()->clear();
    }
    ui::ShowMessage({this,
                     QStringLiteral("The file \"%1\" cannot be read as a picture.").arg(name),
                     QMessageBox::Information,
                     QMessageBox::Ok,
                     {}});
}

void frmBrowse::flbFiles_DblClick() {
    flbFiles_Click();
    SelectImageStyle(1);
    cmdOK_Click();
}

bool frmBrowse::ShowFilePreview(QString& folder, const QString& name) {
    if (!folder.endsWith(core::FolderSeparator()))
        folder += core::FolderSeparator();
    const double tppX = ui::TwipsPerPixelX();
    const double tppY = ui::TwipsPerPixelY();

    // The natural size decides the fit; some formats tell it only once the picture is read.
    core::PreviewFit fit;
    QSize shown;
    const auto fitTo = [&](QSize natural) {
        fit = core::FitPreview(natural.width() * tppX, natural.height() * tppY);
        shown = fit.reduced ? QSize(std::max(1, core::RoundToInt32(fit.width / tppX)),
                                    std::max(1, core::RoundToInt32(fit.height / tppY)))
                            : natural;
    };
    QImageReader reader(QDir::fromNativeSeparators(folder + name));
    QSize natural = reader.size();
    if (natural.isValid()) {
        fitTo(natural);
        // A large picture is decoded straight to the preview's size.
        if (fit.reduced && reader.supportsOption(QImageIOHandler::ScaledSize))
            reader.setScaledSize(shown);
    }
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    if (!natural.isValid()) {
        natural = image.size();
        fitTo(natural);
    }

    txtCurImage->setText(name);
    pending_.ImageName = name;
    picturePixelWidth_ = natural.width();
    picturePixelHeight_ = natural.height();

    imgPreview->setPixmap(QPixmap::fromImage(
        image.size() == shown ? image
                              : image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    imgPreview->resize(shown);
    // Centred in the frame.
    const QRect inside = fraPreview->contentsRect();
    imgPreview->move(inside.x() + std::max(0, (inside.width() - shown.width()) / 2),
                     inside.y() + std::max(0, (inside.height() - shown.height()) / 2));
    imgPreview->show();
    lblPreview->setText(core::PreviewCaption(fit.reduced, picturePixelWidth_, picturePixelHeight_));
    return true;
}

void frmBrowse::ClearFileChoice() {
    if (Loading)
        return;
    imgPreview->clear();
    imgPreview->hide();
    lblPreview->setText(QStringLiteral("Preview"));
    txtCurImage->setText(kNoImage);
    pending_.ImageName.clear();
    pending_.ImageSize = 1;
    ShowSizeCaption(false);
}

void frmBrowse::ShowSizeCaption(bool hasPicture) {
    const core::SizeCaption caption =
        core::ImageSizeCaption(hasPicture, pending_.ImageSize, picturePixelWidth_, picturePixelHeight_);
    lblSize->setText(caption.size);
    lblScrollSize->setText(caption.scrollSize);
}

void frmBrowse::cmdSize_Click(int index) {
    const core::SizeCheckInput input{picturePixelWidth_,   picturePixelHeight_,  ui::TwipsPerPixelX(),
                                     ui::TwipsPerPixelY(), screenTwips_.width(), screenTwips_.height()};
    const core::SizeStep step = core::PressSizeButton(pending_.ImageSize, core::SizeButton(index), input);
    pending_.ImageSize = step.size;
    if (step.refusal != core::SizeRefusal::None) {
        const QString text =
            step.refusal == core::SizeRefusal::TooLarge ? core::TooLargeMessage() : core::TooSmallMessage();
        ui::ShowMessage({this, text, QMessageBox::Information, QMessageBox::Ok, {}});
        cmdTakeFocus->setFocus();
        return;
    }
    ShowSizeCaption(true);
    cmdTakeFocus->setFocus();
}

void frmBrowse::cmdOK_Click() {
    if (pending_.ImageName.isEmpty() && pending_.ImageStyle == 1) {
        const QString blanks(10, u' ');
        ui::ShowMessage({this,
                         QStringLiteral("Using a File Image without selecting an Image is not allowed.") +
                             blanks + kBreak + kBreak +
                             QStringLiteral("Please select a File Image or change to using a Base Image.") +
                             blanks + kBreak + kBreak,
                         QMessageBox::Critical,
                         QMessageBox::Ok,
                         {}});
        return;
    }
    Q_EMIT ImageAccepted();
    accept();
}

void frmBrowse::cmdCancel_Click() {
    pending_ = loaded_;
    reject();
}

void frmBrowse::SetDriveList(const QString& root) {
    drive_ = root;
    const QSignalBlocker block(drvImages);
    int at = drvImages->findData(root);
    if (at < 0) {
        drvImages->addItem(root, root);
        at = drvImages->count() - 1;
    }
    drvImages->setCurrentIndex(at);
}

void frmBrowse::SetFolderListPath(const QString& folder) {
    folder_ = FolderText(folder);
    const QModelIndex index = folderModel_->index(QDir::fromNativeSeparators(folder_));
    if (!index.isValid())
        return;
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        dirImages->expand(up);
    dirImages->expand(index);
    dirImages->setCurrentIndex(index);
    dirImages->scrollTo(index);
}

void frmBrowse::SetFileListPath(const QString& folder) {
    const QString text = FolderText(folder);
    if (text == fileFolder_)
        return;
    fileFolder_ = text;
    fileToSelect_.clear();
    // A fresh model for every folder: a model that has been at a subfolder keeps showing it in its
    // parent folder, whatever its filter says.
    auto* model = new QFileSystemModel(this);
    model->setFilter(QDir::Files);
    model->setNameFilters(FilePatterns());
    model->setNameFilterDisables(false);
    const QString path = QDir::fromNativeSeparators(text);
    model->setRootPath(path);
    QItemSelectionModel* oldSelection = flbFiles->selectionModel();
    flbFiles->setModel(model);
    flbFiles->setRootIndex(model->index(path));
    delete oldSelection;
    if (fileModel_)
        fileModel_->deleteLater();
    fileModel_ = model;

    connect(flbFiles->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (fileClicks_.Handle(FileListClicks::Event::SelectionMoved))
            flbFiles_Click();
    });
    connect(model, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        if (!fileToSelect_.isEmpty() && FolderText(loaded) == fileFolder_)
            SelectListedFile(fileToSelect_);
    });
}

void frmBrowse::SelectListedFile(const QString& name) {
    // The list reads its folder in the background: select now when it can, or once it has read it.
    fileToSelect_ = name;
    const QModelIndex index = fileModel_->index(QDir(QDir::fromNativeSeparators(fileFolder_)).filePath(name));
    if (!index.isValid() || index.parent() != flbFiles->rootIndex())
        return;
    fileClicks_.DialogSelects(true);
    flbFiles->setCurrentIndex(index);
    flbFiles->scrollTo(index);
    fileClicks_.DialogSelects(false);
    fileToSelect_.clear();
}

} // namespace saver
