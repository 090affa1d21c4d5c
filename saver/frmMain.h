#pragma once

#include "SaverPaths.h"
#include "SaverSettings.h"
#include "SaverTimeLeft.h"
#include "SettingsStore.h"

#include <QRect>
#include <QWidget>

#include <cstdint>

class QLabel;
class QTimer;

namespace saver {

// What Main hands the display window before it loads.
struct LaunchValues {
    std::int32_t RunMode = kRunSettings;
    QRect SaverRect; // pixels: the desktop (full screen), the host window's inside (preview, hosted)
    // Preview only: the start of the text and the preview area's width, twips.
    std::int32_t TextX = 0;
    std::int32_t TextY = 0;
    std::int32_t PreviewExtent = 0;
};

// The show: two labels moving across a coloured background in passes, with an optional picture behind
// them. Full screen the first click, character key or ninth mouse move ends it; in the preview and inside
// a daemon's window input is left alone.
class frmMain : public QWidget {
    Q_OBJECT
public:
    frmMain(const LaunchValues& launch, core::SettingsStore& store, QWidget* parent = nullptr);

    // The load sequence: settings, texts, picture, labels, layout, the first pass, the timer.
    void Form_Load();
    void EndScreenSaver();
    void EndPreview();

    std::int32_t RunMode() const { return runMode_; }
    const LoadedSettings& Settings() const { return loaded_; }
    const DisplayTexts& Texts() const { return texts_; }
    const ShowState& State() const { return state_; }
    std::int32_t MoveCount() const { return moveCount_; }

    QLabel* lblText;
    QLabel* lblTime;
    QLabel* imgPhoto;
    QTimer* tmrScroll;

Q_SIGNALS:
    // The program should end now; emitted once.
    void ProgramEnded();

public Q_SLOTS:
    void tmrScroll_Timer();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Click();
    void Form_DblClick();
    void Form_MouseDown();
    void Form_KeyPress();
    void Form_MouseMove();
    void Form_Unload();
    void StartPass();
    void ChoosePath();
    void LoadPicture();
    void FormatLabel(QLabel* label, int slot, const QString& caption);
    void PlaceLabels();
    bool ShowsFullScreen() const;
    ShowArea Area() const;
    int ToPixelsX(std::int32_t twips) const;
    int ToPixelsY(std::int32_t twips) const;
    std::int32_t ToTwipsX(int pixels) const;
    std::int32_t ToTwipsY(int pixels) const;
    void EndProgram();

    core::SettingsStore& store_;
    const std::int32_t runMode_;
    const QRect saverRect_;
    const double twipsPerPixelX_;
    const double twipsPerPixelY_;
    LoadedSettings loaded_;
    DisplayTexts texts_;
    ShowState state_;
    std::int32_t moveCount_ = 0;
    bool clickStarted_ = false;
    bool firstLoad_ = true;
    bool ended_ = false;
    bool unloaded_ = false;
};

} // namespace saver
