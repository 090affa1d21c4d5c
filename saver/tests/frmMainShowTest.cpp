#include "BasePictures.h"
#include "MessageLog.h"
#include "SaverPicture.h"
#include "ShowFixture.h"

#include <QDataStream>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using saver::kRunFullScreen;
using saver::kRunPreview;
using saver::kRunSettings;
using Keys = ShowFixture::Keys;

const auto S = [](const char* text) { return QString::fromLatin1(text); };

QImage Shown(const saver::frmMain& form) {
    return form.imgPhoto->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(frmMainShow, OneLineAndTwoLineBlocks) {
    ShowFixture one;
    saver::frmMain& line = one.Start(kRunFullScreen, {{"Style", "0"}, {"TextFontSize1", "30"}});
    line.tmrScroll_Timer();
    EXPECT_EQ(line.lblText->text(), S("Our wedding"));
    EXPECT_EQ(line.lblTime->text(), S(" 7 months  7 days!"));
    EXPECT_EQ(line.lblTime->x(), line.lblText->x() + line.lblText->width());
    EXPECT_EQ(line.lblTime->y(), line.lblText->y());
    EXPECT_EQ(line.lblText->height(), line.lblTime->height()); // the taller one's height
    EXPECT_EQ(line.State().BlockWidth, (line.lblText->width() + line.lblTime->width()) * 15);

    ShowFixture two;
    saver::frmMain& lines = two.Start(kRunFullScreen, {{"Style", "1"}, {"TextFontSize0", "40"}});
    lines.tmrScroll_Timer();
    EXPECT_EQ(lines.lblTime->x(), lines.lblText->x());
    EXPECT_EQ(lines.lblTime->y(), lines.lblText->y() + lines.lblText->height());
    EXPECT_EQ(lines.lblText->width(), lines.lblTime->width()); // the wider one's width
    EXPECT_EQ(lines.State().BlockHeight, (lines.lblText->height() + lines.lblTime->height()) * 15);
}

TEST(frmMainShow, FontSlotsFollowTheTargetState) {
    const Keys fonts = {
        {"TextFontName0", "Liberation Serif"}, {"TextFontSize0", "20"},     {"TextFontSize1", "24"},
        {"TextFontColor1", "65280"},           {"TextFontItalic1", "True"}, {"TextFontSize2", "36"},
        {"TextFontUnderline2", "1"},           {"Background", "8388608"}};
    const struct {
        const char *state, *date;
        std::int32_t mode;
        int titlePoints, timePoints;
        QColor timeInk;
        bool italic, underline;
    } rows[] = {{"ahead", "2027-07-13", kRunFullScreen, 20, 24, Qt::green, true, false},
                {"target day", "2026-12-06", kRunFullScreen, 20, 24, Qt::green, true, false},
                {"passed", "2026-11-01", kRunFullScreen, 20, 36, Qt::red, false, true},
                {"preview", "2027-07-13", kRunPreview, 8, 8, Qt::green, true, false}};
    for (const auto& r : rows) {
        ShowFixture show;
        show.store.Put(core::Section::Common, S("Date"), S(r.date));
        saver::frmMain& f =
            show.Start(r.mode, fonts, r.mode == kRunPreview ? QSize(152, 112) : QSize(800, 600));
        EXPECT_EQ(f.lblText->font().family(), S("Liberation Serif")) << r.state;
        EXPECT_EQ(f.lblText->font().pointSize(), r.titlePoints) << r.state;
        EXPECT_EQ(f.lblTime->font().pointSize(), r.timePoints) << r.state;
        EXPECT_EQ(f.lblTime->font().italic(), r.italic) << r.state;
        EXPECT_EQ(f.lblTime->font().underline(), r.underline) << r.state;
        EXPECT_EQ(f.lblTime->palette().color(QPalette::WindowText), r.timeInk) << r.state;
        EXPECT_EQ(f.palette().color(QPalette::Window), QColor(0, 0, 128)) << r.state;
    }
}

TEST(frmMainShow, VerticalCentrePathCentresTheText) {
    ShowFixture show;
    saver::frmMain& form = show.Start(
        kRunFullScreen, {{"Position", "1"}, {"Vertical", "1"}, {"Direction", "2"}, {"Style", "1"}});
    EXPECT_TRUE(form.lblTime->alignment() & Qt::AlignHCenter);
    form.tmrScroll_Timer();
    EXPECT_EQ(form.lblText->x(), (800 - form.lblText->width()) / 2);
    EXPECT_EQ(form.lblText->y(), -form.lblText->height() - form.lblTime->height());
}

// The preview's picture sits above the text line, which runs down pinned to the left edge.
TEST(frmMainShow, PreviewPinsBothLinesLeftGoingDown) {
    ShowFixture show;
    saver::frmMain& form =
        show.Start(kRunPreview, {{"Direction", "2"}, {"Style", "0"}, {"ImageUsed", "1"}}, {152, 112});
    EXPECT_EQ(form.imgPhoto->pos(), QPoint(26, 112 * 7 / 15 - 50));
    const std::int32_t startY = form.State().TextY;
    form.tmrScroll_Timer();                          // places the labels where Main starts them, then steps
    EXPECT_EQ(form.lblText->pos(), QPoint(152, 52)); // just right of the area, 112 x 7 twips down
    form.tmrScroll_Timer();
    EXPECT_EQ(form.lblText->x(), 0);
    EXPECT_EQ(form.lblTime->x(), 0);
    EXPECT_EQ(form.State().TextY, startY + 50); // two half steps of the default speed
}

// A bitmap header that claims 50000 x 50000 pixels: far more than any picture may take.
void WriteHugeBitmapHeader(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(54 + 64) << quint32(0) << quint32(54);
    out << quint32(40) << qint32(50000) << qint32(50000) << quint16(1) << quint16(24) << quint32(0)
        << quint32(0) << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    out.writeRawData(QByteArray(64, '\x7f').constData(), 64);
}

TEST(frmMainShow, PicturesAndTheirFallbacks) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QImage photo(300, 200, QImage::Format_RGB32);
    photo.fill(QColor(10, 200, 30));
    ASSERT_TRUE(photo.save(folder.filePath(S("photo.png"))));
    {
        QFile corrupt(folder.filePath(S("corrupt.png")));
        ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
        corrupt.write(QByteArray("\x89PNG\r\n\x1a\n") + QByteArray(300, 'x'));
    }
    WriteHugeBitmapHeader(folder.filePath(S("huge.bmp")));

    const QImage green = photo;
    const struct {
        const char* name;
        std::int32_t mode;
        const char *used, *style, *file, *size, *index;
        QSize shown;       // empty: no picture
        int baseNumber;    // the base picture expected at natural size, 0 when not checked
        bool greenPicture; // the photo's colour
    } rows[] = {
        {"no picture wanted", kRunFullScreen, "0", "1", "photo.png", "0", "1", {}, 0, false},
        {"file, natural size", kRunFullScreen, "1", "1", "photo.png", "0", "1", {300, 200}, 0, true},
        {"file, doubled", kRunFullScreen, "1", "1", "photo.png", "2", "1", {600, 400}, 0, true},
        {"file, hand-edited factor", kRunFullScreen, "1", "1", "photo.png", "9", "1", {800, 533}, 0, true},
        {"missing file, factor 2", kRunFullScreen, "1", "1", "gone.png", "2", "4", {300, 150}, 0, false},
        {"corrupt file", kRunFullScreen, "1", "1", "corrupt.png", "0", "2", {150, 75}, 2, false},
        {"too large to decode", kRunFullScreen, "1", "1", "huge.bmp", "0", "7", {150, 75}, 7, false},
        {"base picture", kRunFullScreen, "1", "0", "photo.png", "2", "9", {150, 75}, 9, false},
        {"unknown picture style", kRunFullScreen, "1", "3", "photo.png", "0", "1", {}, 0, false},
        {"preview: built-in picture", kRunPreview, "1", "1", "photo.png", "2", "3", {100, 50}, 0, false},
        {"settings: built-in picture", kRunSettings, "1", "0", "", "0", "3", {100, 50}, 0, false}};
    for (const auto& r : rows) {
        ShowFixture show;
        const Keys keys{{"ImageUsed", r.used}, {"ImageStyle", r.style}, {"ImagePath", folder.path()},
                        {"ImageName", r.file}, {"ImageSize", r.size},   {"ImageIndex", r.index}};
        saver::frmMain& form =
            show.Start(r.mode, keys, r.mode == kRunPreview ? QSize(152, 112) : QSize(800, 600));
        if (r.shown.isEmpty()) {
            EXPECT_FALSE(form.imgPhoto->isVisible()) << r.name;
            continue;
        }
        EXPECT_TRUE(form.imgPhoto->isVisible() || r.mode == kRunSettings) << r.name;
        EXPECT_EQ(form.imgPhoto->size(), r.shown) << r.name;
        EXPECT_EQ(Shown(form).size(), r.shown) << r.name;
        if (r.baseNumber) {
            EXPECT_EQ(Shown(form), saver::BasePicture(r.baseNumber)) << r.name;
        }
        EXPECT_EQ(Shown(form).pixelColor(r.shown.width() / 2, r.shown.height() / 2) == green.pixelColor(0, 0),
                  r.greenPicture)
            << r.name;
        if (r.mode != kRunFullScreen) {
            EXPECT_EQ(Shown(form), saver::PreviewPicture()) << r.name;
        } else {
            EXPECT_EQ(form.imgPhoto->x(), (800 - r.shown.width()) / 2) << r.name; // centred, cropped alike
        }
    }
}

// Top placement: position A puts the picture just below the text, B at the bottom of the screen.
TEST(frmMainShow, PicturePlacesAlternateAndRepeatOnceAtADayChange) {
    ShowFixture show;
    saver::frmMain& form = show.Start(
        kRunFullScreen,
        {{"Position", "0"}, {"Horizontal", "0"}, {"Direction", "0"}, {"Speed", "30000"}, {"ImageUsed", "1"}});
    form.tmrScroll->stop();
    const int a = form.lblText->height();
    const int b = 600 - 75;
    auto nextPass = [&form] {
        const std::int32_t before = form.State().PictureToggle;
        for (int i = 0; i < 10 && form.State().PictureToggle == before; ++i)
            form.tmrScroll_Timer();
    };
    EXPECT_EQ(form.imgPhoto->y(), a);
    nextPass();
    EXPECT_EQ(form.imgPhoto->y(), b);
    nextPass();
    EXPECT_EQ(form.imgPhoto->y(), a);
    const QString before = form.lblTime->text();
    EXPECT_EQ(before, S(" 7 months  7 days!"));

    show.SetToday(QDate(2026, 12, 7));
    form.tmrScroll_Timer(); // the pass after midnight reloads
    EXPECT_EQ(form.lblTime->text(), S(" 7 months  6 days!"));
    EXPECT_EQ(form.Settings().Today, QDate(2026, 12, 7));
    EXPECT_EQ(form.imgPhoto->y(), a); // the same place as the pass before the change
    nextPass();
    EXPECT_EQ(form.imgPhoto->y(), b);
    nextPass();
    EXPECT_EQ(form.imgPhoto->y(), a);
}

TEST(frmMainShow, ABadDateIsReportedOnceNotAgainAtMidnight) {
    const MessageLog log;
    ShowFixture show;
    show.store.Put(core::Section::Common, S("Date"), S("next summer"));
    saver::frmMain& form = show.Start(kRunFullScreen, {{"Speed", "30000"}});
    EXPECT_EQ(log.requests.size(), 1u);
    EXPECT_TRUE(form.tmrScroll->isActive()); // the show goes on with whatever texts it has
    show.SetToday(QDate(2026, 12, 7));
    form.tmrScroll_Timer();
    form.tmrScroll_Timer();
    EXPECT_EQ(form.Settings().Today, QDate(2026, 12, 7));
    EXPECT_EQ(log.requests.size(), 1u);
}

} // namespace
