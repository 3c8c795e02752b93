// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_splash.hpp"

#include <QTimer>

#include "checked.hpp"
#include "twips.hpp"

namespace korvath::help {

HelpSplash::HelpSplash(QWidget* parent) : QDialog(parent), timer_(new QTimer(this)) {
    setObjectName("helpSplash");
    setWindowTitle(tr(kSplashTitle));
    setSizeGripEnabled(false);
    const double dpi = logicalDpiX();
    resize(twipsToPixels(kSplashWidthTwips, dpi), twipsToPixels(kSplashHeightTwips, dpi));
    timer_->setObjectName("splashTimer");
    timer_->setSingleShot(true);
    timer_->setInterval(kSplashTickMs);
    connect(timer_, &QTimer::timeout, this, &HelpSplash::tick);
}

void HelpSplash::setLeftTwips(float left) {
    if (!started_) start();
    move(twipsToPixels(left, logicalDpiX()), y());
}

void HelpSplash::setTopTwips(float top) {
    if (!started_) start();
    move(x(), twipsToPixels(top, logicalDpiX()));
}

// The tick count starts again and the timer runs from here, so the window
// closes on the second tick, about 200 ms after it was placed.
void HelpSplash::start() {
    started_ = true;
    tickCount_ = 0;
    timer_->start();
}

void HelpSplash::tick() {
    tickCount_ = checked::add16(tickCount_, 1);
    if (tickCount_ == kSplashTicksShown)
        done(Accepted);
    else
        timer_->start();
}

// Whatever closes the window (the second tick, its close box, the main window
// closing), the timer stops.
void HelpSplash::done(int result) {
    timer_->stop();
    started_ = false;
    QDialog::done(result);
}

}  // namespace korvath::help
