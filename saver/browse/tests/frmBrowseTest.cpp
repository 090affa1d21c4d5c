#include "frmBrowse.h"

#include "ClickLabel.h"
#include "MessageLog.h"
#include "ScreenUnits.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStorageInfo>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <vector>

namespace saver {
void PrintTo(const PendingImage& p, std::ostream* os) {
    *os << "{style " << p.ImageStyle << ", name \"" << p.ImageName.toStdString() << "\", path \""
        << p.ImagePath.toStdString() << "\", size " << p.ImageSize << ", index " << p.ImageIndex << ", tag \""
        << p.ImageTag.toStdString() << "\", drive \"" << p.ImageDrive.toStdString() << "\"}";
}
} // namespace saver

namespace {

using saver::frmBrowse;
using saver::PendingImage;

const QString kTooLarge = QStringLiteral("The Image Size you have selected will be larger than          \r\n"
                                         "your Screen Size.\r\n\r\nIt will not be increased further.");
const QString kTooSmall =
    QStringLiteral("The Image Size you have selected will be too small.          \r\n\r\n"
                   "It will not be decreased further.");
const QString kNoFile =
    QStringLiteral("Using a File Image without selecting an Image is not allowed.          \r\n\r\n"
                   "Please select a File Image or change to using a Base Image.          \r\n\r\n");

enum Button { Smaller = 0, Actual = 1, Larger = 2 };

bool WaitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 60000);
}

std::vector<saver::BaseImage> Pictures() {
    std::vector<saver::BaseImage> pictures;
    for (int n = 1; n <= 9; ++n) {
        QImage image(150, 75, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(n * 36, 200, 220));
        pictures.push_back({image, QStringLiteral("Tag%1").arg(n)});
    }
    return pictures;
}

class BrowseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = QDir(dir.path()).canonicalPath() + u'/';
        WriteImage("wide.bmp", 300, 150);
        WriteImage("fits.bmp", 248, 252); // 3720 x 3780 twips: inside the 3732 x 3792 frame
        WriteImage("over.bmp", 249, 252); // 3735 twips wide: wider than the frame
        WriteFile("broken.jpg", "this is no picture");
        WriteFile("notes.txt", "not listed");
        ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("sub")));
        WriteImage("sub/inner.gif", 40, 20);
        drive = QDir::toNativeSeparators(QStorageInfo(folder).rootPath());
    }

    void WriteImage(const char* name, int width, int height) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        ASSERT_TRUE(image.save(folder + QString::fromUtf8(name), "BMP"));
    }
    void WriteFile(const char* name, const QByteArray& bytes) {
        QFile file(folder + QString::fromUtf8(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // The stored choice of a picture file in the test folder.
    PendingImage Stored(const QString& name, int style = 1, int size = 1) const {
        return {style, name, folder, size, 2, QStringLiteral("Tag2"), drive};
    }

    frmBrowse& Open(const PendingImage& values) {
        pending = values;
        loaded = values;
        return Open();
    }
    // Opens a fresh dialog, its messages and acceptances counted from here.
    frmBrowse& Open() {
        messages.clear();
        accepted = 0;
        dialog = std::make_unique<frmBrowse>(pending, loaded, Pictures(), QSizeF(28800, 16200), "Pellmora");
        QObject::connect(dialog.get(), &frmBrowse::ImageAccepted, [this] { ++accepted; });
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get(), 60000));
        return *dialog;
    }

    // The list reads its folder in the background and sorts it a moment later; click only once it has
    // every file of the folder, in order.
    QModelIndex FileIndex(const QString& name) {
        auto* model = static_cast<QFileSystemModel*>(dialog->flbFiles->model());
        QModelIndex index;
        QStringList shown;
        const bool listed = WaitFor([&] {
            const QModelIndex root = dialog->flbFiles->rootIndex();
            shown.clear();
            for (int row = 0; row < model->rowCount(root); ++row)
                shown << model->index(row, 0, root).data().toString();
            QStringList expected =
                QDir(dialog->FileListPath()).entryList(frmBrowse::FilePatterns(), QDir::Files, QDir::Name);
            index = model->index(QDir(dialog->FileListPath()).filePath(name));
            return shown == expected && index.isValid() && index.parent() == root &&
                   !dialog->flbFiles->visualRect(index).isEmpty();
        });
        EXPECT_TRUE(listed) << name.toStdString() << " in " << dialog->FileListPath().toStdString()
                            << ", shown " << shown.join(' ').toStdString();
        return index;
    }
    void ShowPage(int page) {
        QTest::mouseClick(dialog->tbsImages, Qt::LeftButton, {}, dialog->tbsImages->tabRect(page).center());
    }
    void ClickFile(const QString& name) {
        ShowPage(1);
        const QModelIndex index = FileIndex(name);
        QTest::mouseClick(dialog->flbFiles->viewport(), Qt::LeftButton, {},
                          dialog->flbFiles->visualRect(index).center());
    }
    void DoubleClickFile(const QString& name) {
        ClickFile(name);
        QTest::mouseDClick(dialog->flbFiles->viewport(), Qt::LeftButton, {},
                           dialog->flbFiles->visualRect(FileIndex(name)).center());
    }
    void DoubleClick(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton);
        QTest::mouseDClick(widget, Qt::LeftButton);
    }
    // Changes the folder as a user does: select it in the folder list and press Enter.
    void ChangeFolder(const QString& path) {
        auto* model = static_cast<QFileSystemModel*>(dialog->dirImages->model());
        const QModelIndex index = model->index(QDir::cleanPath(path));
        ASSERT_TRUE(index.isValid()) << path.toStdString();
        dialog->dirImages->setCurrentIndex(index);
        dialog->dirImages->setFocus();
        QTest::keyClick(dialog->dirImages, Qt::Key_Return);
    }

    QTemporaryDir dir;
    QString folder; // with the final separator
    QString drive;
    PendingImage pending;
    PendingImage loaded;
    std::unique_ptr<frmBrowse> dialog;
    MessageLog log;
    std::vector<ui::MessageRequest>& messages = log.requests;
    int accepted = 0;
};

TEST_F(BrowseTest, SizeButtonsStepAndRefuseWithTheirMessages) {
    // The steps, limits and captions themselves are checked in core; here the buttons and messages.
    // wide.bmp is 300 x 150 pixels on a 1920 x 1080 screen: 6 times fits, 7 times does not; reduced
    // 19 times it is 16 x 8 pixels, 20 times would make it narrower than 15.
    const struct {
        int storedSize;
        std::vector<Button> presses;
        int size;
        QString sizeText, scrollText;
        QStringList messages;
    } rows[] = {{4, {Actual}, 1, "Use Actual Size", "300 x 150", {}},
                {5, {Larger, Larger}, 6, "Increase 6 times", "1800 x 900", {kTooLarge}},
                {-19, {Smaller}, -19, "Decrease 19 times", "16 x 8", {kTooSmall}}};
    for (const auto& r : rows) {
        frmBrowse& d = Open(Stored("wide.bmp", 1, r.storedSize));
        for (Button b : r.presses)
            QTest::mouseClick(d.cmdSize[b], Qt::LeftButton);
        EXPECT_EQ(pending.ImageSize, r.size) << r.storedSize;
        EXPECT_EQ(d.lblSize->text(), r.sizeText) << r.storedSize;
        EXPECT_EQ(d.lblScrollSize->text(), r.scrollText) << r.storedSize;
        EXPECT_EQ(log.Texts(), r.messages) << r.storedSize;
        for (const auto& m : messages)
            EXPECT_EQ(m.icon, QMessageBox::Information) << r.storedSize;
        EXPECT_TRUE(d.isVisible()) << r.storedSize;
    }
}

TEST_F(BrowseTest, OkRefusesAFileStyleWithoutAFile) {
    const struct {
        const char* name;
        PendingImage stored;
        bool closes;
    } rows[] = {{"file style, no file", Stored("", 1), false},
                {"base style, no file", Stored("", 0), true},
                {"file style with a file, even one gone from its folder", Stored("gone.bmp", 1), true}};
    for (const auto& r : rows) {
        frmBrowse& d = Open(r.stored);
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        EXPECT_EQ(d.isVisible(), !r.closes) << r.name;
        EXPECT_EQ(accepted, r.closes ? 1 : 0) << r.name;
        EXPECT_EQ(pending, r.stored) << r.name; // OK itself changes nothing
        EXPECT_EQ(log.Texts(), r.closes ? QStringList() : QStringList{kNoFile}) << r.name;
        if (r.closes)
            EXPECT_EQ(d.result(), QDialog::Accepted) << r.name;
        else
            EXPECT_EQ(messages[0].icon, QMessageBox::Critical) << r.name;
    }
}

TEST_F(BrowseTest, ThumbnailsMarkTheirCaptionAndADoubleClickChooses) {
    const struct {
        const char* name;
        int picture;
        bool onCaption, doubleClick;
    } rows[] = {{"click a thumbnail", 5, false, false},
                {"click a caption", 9, true, false},
                {"double click a thumbnail", 7, false, true},
                {"double click a caption", 1, true, true}};
    for (const auto& r : rows) {
        frmBrowse& d = Open(Stored("", 1)); // no file chosen: only the base style passes OK
        ShowPage(0);
        QWidget* target =
            r.onCaption ? static_cast<QWidget*>(d.lblPhotos[r.picture - 1]) : d.imgPhotos[r.picture - 1];
        if (r.doubleClick)
            DoubleClick(target);
        else
            QTest::mouseClick(target, Qt::LeftButton);
        EXPECT_EQ(pending.ImageIndex, r.picture) << r.name;
        EXPECT_EQ(pending.ImageTag, QStringLiteral("Tag%1").arg(r.picture)) << r.name;
        EXPECT_EQ(pending.ImageStyle, r.doubleClick ? 0 : 1) << r.name;
        EXPECT_EQ(d.isVisible(), !r.doubleClick) << r.name;
        EXPECT_EQ(accepted, r.doubleClick ? 1 : 0) << r.name;
        for (int n = 1; n <= 9; ++n) {
            const QLabel* caption = d.lblPhotos[n - 1];
            const QColor ink = n == r.picture ? QColor(0, 0, 192) : QColor(Qt::black);
            EXPECT_EQ(caption->font().bold(), n == r.picture) << r.name << ", caption " << n;
            EXPECT_EQ(caption->palette().color(QPalette::WindowText), ink) << r.name << ", caption " << n;
        }
    }
}

TEST_F(BrowseTest, FilesArePreviewedAndADoubleClickChoosesOne) {
    frmBrowse& d = Open({0, "", folder, 3, 4, "Tag4", drive});
    ClickFile("wide.bmp");
    EXPECT_EQ(pending.ImageName, "wide.bmp");
    EXPECT_EQ(pending.ImagePath, folder);
    EXPECT_EQ(pending.ImageSize, 1); // a new file starts at its natural size
    EXPECT_EQ(pending.ImageStyle, 0);
    EXPECT_EQ(d.txtCurImage->text(), "wide.bmp");
    EXPECT_TRUE(d.isVisible()); // the preview's captions are the preview and size tests'

    // The keyboard moves the choice too, past notes.txt, which is no picture and not listed.
    ClickFile("fits.bmp");
    QTest::keyClick(d.flbFiles, Qt::Key_Down);
    EXPECT_EQ(pending.ImageName, "over.bmp");
    EXPECT_EQ(d.txtCurImage->text(), "over.bmp");
    ClickFile("wide.bmp");

    // Clicking the chosen file again stores the folder as the folder list spells it.
    ClickFile("wide.bmp");
    EXPECT_EQ(pending.ImagePath, QDir::toNativeSeparators(QDir::cleanPath(folder)));
    DoubleClickFile("fits.bmp");
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(accepted, 1);
    // The double click clicks the chosen file once more, so the folder again lacks its final separator.
    const PendingImage expected{1,      "fits.bmp", QDir::toNativeSeparators(QDir::cleanPath(folder)), 1, 4,
                                "Tag4", drive};
    EXPECT_EQ(pending, expected);
    EXPECT_TRUE(messages.empty());
}

TEST_F(BrowseTest, PreviewShrinksOnlyPicturesLargerThanTheFrame) {
    ASSERT_EQ(ui::TwipsPerPixelX(), 15.0); // the sizes below are worked out for 96 dpi
    ASSERT_EQ(ui::TwipsPerPixelY(), 15.0);
    const struct {
        const char* file;
        QString caption;
        QSize shown;
    } rows[] = {{"fits.bmp", "Preview - Actual Size 248 x 252", {248, 252}},
                // 249 / 252 < 1: width 3732 x 249 / 252 twips, height 3792 - 200 twips.
                {"over.bmp", "Preview - (Reduced) - Actual Size 249 x 252", {246, 239}},
                // Landscape: width 3732 - 80 twips, height 3792 / 2 twips.
                {"wide.bmp", "Preview - (Reduced) - Actual Size 300 x 150", {243, 126}}};
    frmBrowse& d = Open(Stored("", 1));
    for (const auto& r : rows) {
        ClickFile(QString::fromUtf8(r.file));
        EXPECT_EQ(d.lblPreview->text(), r.caption) << r.file;
        EXPECT_EQ(d.imgPreview->size(), r.shown) << r.file;
    }
}

TEST_F(BrowseTest, CancelRestoresAllSevenLoadedValues) {
    const struct {
        const char* name;
        bool escapeKey;
    } rows[] = {{"Cancel button", false}, {"Escape key", true}};
    for (const auto& r : rows) {
        loaded = {1, "fits.bmp", folder + "old/", -3, 6, "Tag6", "/elsewhere"};
        pending = {1, "wide.bmp", folder, 2, 3, "Tag3", drive}; // an earlier OK while the settings stay open
        frmBrowse& d = Open();
        QTest::mouseClick(d.optImageStyle[0], Qt::LeftButton);
        QTest::mouseClick(d.imgPhotos[8], Qt::LeftButton);
        ClickFile("over.bmp");
        QTest::mouseClick(d.cmdSize[Larger], Qt::LeftButton);
        ChangeFolder(folder + "sub");
        ClickFile("inner.gif");
        ASSERT_EQ(pending, (PendingImage{0, "inner.gif", folder + "sub/", 1, 9, "Tag9", drive})) << r.name;
        if (r.escapeKey)
            QTest::keyClick(&d, Qt::Key_Escape);
        else
            QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
        EXPECT_FALSE(d.isVisible()) << r.name;
        EXPECT_EQ(d.result(), QDialog::Rejected) << r.name;
        EXPECT_EQ(pending, loaded) << r.name;
        EXPECT_EQ(accepted, 0) << r.name;
    }
}

TEST_F(BrowseTest, TheCloseBoxKeepsTheChangesWithoutTheCheck) {
    frmBrowse& d = Open(Stored("wide.bmp", 1));
    ChangeFolder(folder + "sub"); // clears the file choice: OK would refuse
    d.close();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(pending, (PendingImage{1, "", folder, 1, 2, "Tag2", drive}));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(accepted, 0);
}

TEST_F(BrowseTest, OpeningShowsTheStoredChoice) {
    frmBrowse& d = Open(Stored("wide.bmp", 1, -2));
    EXPECT_EQ(d.pages->currentWidget(), d.fraImages[1]);
    EXPECT_TRUE(d.optImageStyle[1]->isChecked());
    EXPECT_EQ(d.txtCurImage->text(), "wide.bmp");
    EXPECT_TRUE(WaitFor([&] {
        const auto* model = static_cast<QFileSystemModel*>(d.flbFiles->model());
        return model->fileName(d.flbFiles->currentIndex()) == "wide.bmp";
    }));
    EXPECT_EQ(pending, Stored("wide.bmp", 1, -2)); // opening alone changes nothing
    // Opening the folder that is already open keeps the choice.
    QTest::keyClick(d.dirImages, Qt::Key_Return);
    EXPECT_EQ(pending, Stored("wide.bmp", 1, -2));
    EXPECT_EQ(d.txtCurImage->text(), "wide.bmp");
    EXPECT_TRUE(messages.empty());
}

TEST_F(BrowseTest, AGoneFolderOrDriveOpensOnTheDriveWithNothingChosen) {
    const struct {
        const char* name;
        QString path, drive, listedFolder;
    } rows[] = {{"folder gone", folder + "gone/", drive, drive},
                {"drive gone", folder, "/no/such/drive", QDir::toNativeSeparators(QDir::rootPath())},
                {"relative drive", folder, "no/such/drive", QDir::toNativeSeparators(QDir::rootPath())}};
    for (const auto& r : rows) {
        const PendingImage stored{1, "wide.bmp", r.path, 3, 2, "Tag2", r.drive};
        frmBrowse& d = Open(stored);
        EXPECT_EQ(d.FolderListPath(), r.listedFolder) << r.name;
        EXPECT_EQ(d.FileListPath(), r.listedFolder) << r.name;
        EXPECT_EQ(d.txtCurImage->text(), "No Image") << r.name;
        EXPECT_EQ(d.pages->currentWidget(), d.fraImages[0]) << r.name;
        EXPECT_EQ(pending, (PendingImage{1, "", r.path, 1, 2, "Tag2", r.drive})) << r.name; // nothing chosen
        EXPECT_TRUE(messages.empty()) << r.name;

        // The dialog works on from there.
        ChangeFolder(folder);
        ClickFile("wide.bmp");
        EXPECT_EQ(pending.ImageName, "wide.bmp") << r.name;
        EXPECT_EQ(pending.ImagePath, folder) << r.name;
        EXPECT_EQ(pending.ImageDrive, drive) << r.name;
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        EXPECT_FALSE(d.isVisible()) << r.name;
    }
}

TEST_F(BrowseTest, AFolderThatCannotBeListedIsReportedAndLeftBehind) {
    const QString locked = folder + "locked";
    ASSERT_TRUE(QDir(folder).mkdir("locked"));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::Permissions()));
    if (QFileInfo(locked).isReadable())
        GTEST_SKIP() << "this user can list every folder (root, or no permissions on this system)";
    const PendingImage stored{1, "wide.bmp", locked + "/", 2, 2, "Tag2", drive};
    frmBrowse& d = Open(stored);
    EXPECT_EQ(log.Texts(), QStringList{"Error Number: 70\r\nPermission denied"});
    EXPECT_EQ(pending, stored);
    EXPECT_EQ(d.txtCurImage->text(), "No Image");

    ChangeFolder(folder);
    ClickFile("wide.bmp");
    EXPECT_EQ(pending.ImageName, "wide.bmp");
    ChangeFolder(locked); // opening it from the list shows nothing and chooses nothing
    EXPECT_EQ(pending.ImageName, "");
    EXPECT_EQ(d.FileListPath(), locked);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A stored file that is no picture is reported and kept, as one gone from its folder is; one clicked in the
// list is reported and leaves nothing chosen.
TEST_F(BrowseTest, AFileThatIsNoPictureIsReported) {
    const QString notPicture = QStringLiteral("The file \"broken.jpg\" cannot be read as a picture.");
    frmBrowse& d = Open(Stored("broken.jpg", 1, 2));
    EXPECT_EQ(log.Texts(), QStringList{notPicture});
    EXPECT_EQ(d.txtCurImage->text(), "No Image");
    EXPECT_EQ(pending, Stored("broken.jpg", 1, 2));
    ClickFile("fits.bmp");
    ClickFile("broken.jpg");
    ASSERT_EQ(log.Texts(), QStringList({notPicture, notPicture}));
    EXPECT_EQ(pending, (PendingImage{1, "", folder, 1, 2, "Tag2", drive}));
    EXPECT_EQ(d.txtCurImage->text(), "No Image");
    EXPECT_EQ(d.lblPreview->text(), "Preview");
    EXPECT_FALSE(d.imgPreview->isVisibleTo(&d));
    EXPECT_FALSE(d.flbFiles->currentIndex().isValid());
    ClickFile("fits.bmp"); // the dialog stays usable
    EXPECT_EQ(pending.ImageName, "fits.bmp");
}

TEST_F(BrowseTest, StoredValuesOutOfRangeOpenTheFirstPictureOnTheBasePage) {
    const struct {
        int style, index, expectedStyle, expectedIndex;
        QString expectedTag;
    } rows[] = {{1, 0, 1, 1, "Tag1"}, {0, 10, 0, 1, "Tag1"}, {7, 4, 0, 4, "Tag2"}, {-1, -5, 0, 1, "Tag1"}};
    for (const auto& r : rows) {
        frmBrowse& d = Open({r.style, "", folder, 1, r.index, "Tag2", drive});
        EXPECT_EQ(pending.ImageStyle, r.expectedStyle) << r.style << "/" << r.index;
        EXPECT_EQ(pending.ImageIndex, r.expectedIndex) << r.style << "/" << r.index;
        EXPECT_EQ(pending.ImageTag, r.expectedTag) << r.style << "/" << r.index;
        EXPECT_TRUE(d.optImageStyle[r.expectedStyle]->isChecked());
        EXPECT_EQ(d.pages->currentWidget(), d.fraImages[r.expectedStyle]);
        for (int n = 1; n <= 9; ++n)
            EXPECT_EQ(d.lblPhotos[n - 1]->font().bold(), n == r.expectedIndex) << "caption " << n;
    }
}

} // namespace
