#include "ShowFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using saver::kRunFullScreen;
using saver::kRunPreview;

// A full-screen show with its text and picture in the middle of an 800 x 600 window: a horizontal pass
// through the centre, the picture below the text.
const ShowFixture::Keys kCentred = {
    {"Position", "0"}, {"Horizontal", "1"}, {"Direction", "0"}, {"Speed", "1500"}, {"ImageUsed", "1"}};

// A point of the background near the bottom-left corner, in the full-screen window and the preview alike.
const auto Background = [](const saver::frmMain& form) { return QPoint(4, form.height() - 8); };

void MoveMouse(saver::frmMain& form, int times) {
    for (int i = 0; i < times; ++i)
        QTest::mouseMove(&form, Background(form) + QPoint(7 * (i + 1), 0));
}

const auto ClickMiddle = [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); };

// A key with the text the X11 keyboard gives it.
void Key(saver::frmMain& f, Qt::Key key, char16_t text, Qt::KeyboardModifiers modifiers = {}) {
    QTest::sendKeyEvent(QTest::Click, &f, key, QChar(text), modifiers);
}

struct InputCase {
    const char* name;
    std::function<void(saver::frmMain&)> act;
    bool endsFullScreen;
};

// The end-to-end tests end a real show with a left click and a letter and keep it on Shift, and send a
// daemon's window clicks, a letter, moves and Escape, which it leaves alone; the move test counts the
// eighth and ninth moves.
const InputCase kInputs[] = {
    {"nine mouse moves", [](saver::frmMain& f) { MoveMouse(f, 9); }, true},
    {"right button down on the background",
     [](saver::frmMain& f) { QTest::mousePress(&f, Qt::RightButton, {}, Background(f)); }, true},
    {"click on the title line", [](saver::frmMain& f) { ClickMiddle(f.lblText); }, false},
    {"click on the picture", [](saver::frmMain& f) { ClickMiddle(f.imgPhoto); }, false},
    {"mouse moves over the text",
     [](saver::frmMain& f) {
         for (int i = 0; i < 12; ++i)
             QTest::mouseMove(f.lblTime, QPoint(2 + i, 2));
     },
     false},
    {"an arrow key", [](saver::frmMain& f) { QTest::keyClick(&f, Qt::Key_Left); }, false},
    {"Escape", [](saver::frmMain& f) { QTest::keyClick(&f, Qt::Key_Escape); }, true},
    {"Delete", [](saver::frmMain& f) { Key(f, Qt::Key_Delete, 0x7f); }, false},
    {"Ctrl+A", [](saver::frmMain& f) { Key(f, Qt::Key_A, 0x01, Qt::ControlModifier); }, true}};

TEST(frmMainInput, FullScreenEndsOnClickCharacterOrNinthMove) {
    for (const InputCase& input : kInputs) {
        ShowFixture show;
        saver::frmMain& form = show.Start(kRunFullScreen, kCentred);
        show.BringTextIntoView();
        ASSERT_TRUE(form.imgPhoto->isVisible());
        ASSERT_GT(form.lblText->x(), 0) << input.name;
        input.act(form);
        EXPECT_EQ(show.Ended(), input.endsFullScreen) << input.name;
        EXPECT_EQ(form.isVisible(), !input.endsFullScreen) << input.name;
    }
}

// Moves over a preview end nothing: the end-to-end hosts test's.
TEST(frmMainInput, MovesAreNotResetByPasses) {
    ShowFixture full;
    saver::frmMain& screen = full.Start(kRunFullScreen, kCentred);
    MoveMouse(screen, 5);
    for (int i = 0; i < 200; ++i) // several passes go by
        screen.tmrScroll_Timer();
    MoveMouse(screen, 3);
    EXPECT_FALSE(full.Ended());
    MoveMouse(screen, 1);
    EXPECT_TRUE(full.Ended());
}

TEST(frmMainInput, EndingGivesThePointerBackAndStopsTheTimer) {
    ShowFixture show;
    saver::frmMain& form = show.Start(kRunFullScreen, kCentred);
    EXPECT_EQ(form.cursor().shape(), Qt::BlankCursor);
    EXPECT_TRUE(form.tmrScroll->isActive());
    QTest::keyClick(&form, 'x');
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(form.tmrScroll->isActive());
    EXPECT_EQ(show.ended->count(), 1);
    QTest::keyClick(&form, 'y'); // ends once only
    EXPECT_EQ(show.ended->count(), 1);
}

TEST(frmMainInput, ClosingThePreviewEndsIt) {
    ShowFixture show;
    saver::frmMain& form = show.Start(kRunPreview, kCentred, {152, 112});
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
    form.close();
    EXPECT_TRUE(show.Ended());
    EXPECT_FALSE(form.tmrScroll->isActive());
}

} // namespace
