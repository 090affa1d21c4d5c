#pragma once

#include "FileListClicks.h"

#include "BaseImage.h"
#include "SaverSettings.h"

#include <QDialog>
#include <QSizeF>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class QButtonGroup;
class QComboBox;
class QFileSystemModel;
class QFrame;
class QLabel;
class QLineEdit;
class QModelIndex;
class QListView;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabBar;
class QToolButton;
class QTreeView;

namespace saver {

class ClickLabel;

// The image browser: chooses the screensaver's picture, one of the base pictures or a picture file
// with a size factor. It edits the pending picture values in place; OK keeps them (and announces it
// with ImageAccepted), Cancel puts back the values as loaded, the close box keeps them silently.
class frmBrowse : public QDialog {
    Q_OBJECT
public:
    // pending: edited in place. loaded: the values as loaded from the store, which Cancel restores.
    // basePictures: the built-in pictures, first to ninth. screenTwips: the screen size for the
    // enlargement check. productName: ends the caption.
    frmBrowse(PendingImage& pending, const PendingImage& loaded, const std::vector<BaseImage>& basePictures,
              QSizeF screenTwips, const QString& productName, QWidget* parent = nullptr);

    // The drive, folder and file lists' places, in this platform's spelling (no final separator except
    // at a root).
    QString DriveListDrive() const { return drive_; }
    QString FolderListPath() const { return folder_; }
    QString FileListPath() const { return fileFolder_; }
    // Natural size in pixels of the picture last shown in the preview (0 before any).
    std::int32_t PicturePixelWidth() const { return picturePixelWidth_; }
    std::int32_t PicturePixelHeight() const { return picturePixelHeight_; }

    // The pattern of the file list.
    static QStringList FilePatterns();

    QTabBar* tbsImages = nullptr;
    QStackedWidget* pages = nullptr; // holds the two overlaid pages
    std::array<QFrame*, 2> fraImages{};
    std::array<ClickLabel*, 9> imgPhotos{}; // picture n is imgPhotos[n - 1]
    std::array<ClickLabel*, 9> lblPhotos{};
    QComboBox* drvImages = nullptr;
    QTreeView* dirImages = nullptr;
    QListView* flbFiles = nullptr;
    QLabel* lblDrives = nullptr;
    QLabel* lblFolders = nullptr;
    QLabel* lblFiles = nullptr;
    QLabel* lblCurFile = nullptr;
    QLineEdit* txtCurImage = nullptr;
    QFrame* fraPreview = nullptr;
    QLabel* imgPreview = nullptr;
    QLabel* lblPreview = nullptr;
    QLabel* lblResize = nullptr;
    QLabel* lblSmaller = nullptr;
    QLabel* lblLarger = nullptr;
    std::array<QToolButton*, 3> cmdSize{};
    QLabel* lblSize = nullptr;
    QLabel* lblScrollSize = nullptr;
    QLabel* lblImageStyleMsg = nullptr;
    std::array<QRadioButton*, 2> optImageStyle{};
    QButtonGroup* grpImageStyle = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdTakeFocus = nullptr;

Q_SIGNALS:
    // OK passed its check; the pending values hold the choice.
    void ImageAccepted();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void ConnectHandlers();

    void Form_Load(const QString& productName);
    void OpenStoredFolder();
    void cmdOK_Click();
    void cmdCancel_Click();
    void tbsImages_Click();
    void optImageStyle_Click(int index);
    void imgPhotos_Click(int index);
    void imgPhotos_DblClick(int index);
    void flbFiles_Click();
    void flbFiles_DblClick();
    void dirImages_Change();
    void OpenFolder(const QModelIndex& index);
    void KeepFolderInSight();
    void drvImages_Change();
    void cmdSize_Click(int index);

    // Loads the file into the preview; false (and nothing shown) when it cannot be read as a picture.
    // Makes the folder end with the separator.
    bool ShowFilePreview(QString& folder, const QString& name);
    void ClearFileChoice();
    void ShowSizeCaption(bool hasPicture);
    void RefuseUnreadable(const QString& name);

    void MarkCaption(int index, bool marked);
    void SelectImageStyle(int style);
    bool IsBaseIndex(std::int32_t index) const;

    void SetDriveList(const QString& root);
    void SetFolderListPath(const QString& folder);
    void SetFileListPath(const QString& folder);
    void SelectListedFile(const QString& name);
    QString CurrentListedFile() const;

    PendingImage& pending_;
    const PendingImage loaded_;
    std::vector<BaseImage> basePictures_;
    QSizeF screenTwips_;

    bool Loading = false;
    FileListClicks fileClicks_;
    bool followFolder_ = true; // the folder list scrolls to its folder until the user scrolls it
    std::int32_t picturePixelWidth_ = 0;
    std::int32_t picturePixelHeight_ = 0;

    QFileSystemModel* folderModel_ = nullptr;
    QFileSystemModel* fileModel_ = nullptr;
    QString drive_;
    QString folder_;
    QString fileFolder_;
    QString fileToSelect_; // selected once the file list has read its folder
};

} // namespace saver
