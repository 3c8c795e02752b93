// SPDX-License-Identifier: GPL-3.0-or-later
// helpSplash, the small "HELP" window the Help command shows for a moment before
// it opens the help file. It closes itself on the second tick of its own
// 100 ms timer, or earlier by its close box.
#pragma once

#include <QDialog>
#include <QtGlobal>
#include <cstdint>

class QTimer;

namespace korvath::help {

// The small window's client size in twips, its title, and its timer: it
// closes itself on the second tick of 100 ms.
inline constexpr int kSplashWidthTwips = 4680;
inline constexpr int kSplashHeightTwips = 3090;
inline constexpr const char* kSplashTitle = QT_TRANSLATE_NOOP("korvath::help::HelpSplash", "HELP");
inline constexpr int kSplashTickMs = 100;
inline constexpr std::int16_t kSplashTicksShown = 2;

class HelpSplash final : public QDialog {
    Q_OBJECT
  public:
    explicit HelpSplash(QWidget* parent);

    // Places the window on the screen, in twips (single precision, as the
    // screen size is read). Placing a window that is not counting ticks starts
    // its count from 0 and its timer.
    void setLeftTwips(float left);
    void setTopTwips(float top);

    bool isStarted() const { return started_; }
    std::int16_t tickCount() const { return tickCount_; }
    QTimer* timer() const { return timer_; }

    // Closes the window and stops its timer (the modal showing then returns).
    void done(int result) override;

  private:
    void start();
    void tick();

    QTimer* timer_;
    std::int16_t tickCount_ = 0;
    bool started_ = false;
};

}  // namespace korvath::help
