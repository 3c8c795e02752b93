#include "help_launcher.hpp"

#include <QTimer>
#include <cmath>

#include "checked.hpp"

namespace korvath::help {

namespace {
constexpr int kClientWidthTwips = 4680;
constexpr int kClientHeightTwips = 3090;
constexpr int kTickMs = 100;
constexpr std::int16_t kTicksShown = 2;
constexpr double kTwipsPerInch = 1440.0;
}  // namespace

HelpLauncher::HelpLauncher(QWidget* parent) : QDialog(parent), timer_(new QTimer(this)) {
    setObjectName("Form2");
    setWindowTitle("HELP");
    setSizeGripEnabled(false);
    const double dpi = logicalDpiX();
    resize(static_cast<int>(std::lround(kClientWidthTwips * dpi / kTwipsPerInch)),
           static_cast<int>(std::lround(kClientHeightTwips * dpi / kTwipsPerInch)));
    timer_->setObjectName("Timer1");
    timer_->setInterval(kTickMs);
    connect(timer_, &QTimer::timeout, this, &HelpLauncher::tick);
}

int HelpLauncher::toPixels(float twips) const {
    return static_cast<int>(std::lround(twips * logicalDpiX() / kTwipsPerInch));
}

void HelpLauncher::setLeftTwips(float left) {
    if (!loaded_) load();
    move(toPixels(left), y());
}

void HelpLauncher::setTopTwips(float top) {
    if (!loaded_) load();
    move(x(), toPixels(top));
}

// Load: the tick count starts again and the timer runs from here, so the
// window closes about 200 ms after it was placed.
void HelpLauncher::load() {
    loaded_ = true;
    tickCount_ = 0;
    timer_->start();
}

void HelpLauncher::tick() {
    tickCount_ = checked::add16(tickCount_, 1);
    if (tickCount_ == kTicksShown) done(Accepted);
}

// Unload, whatever caused it (the second tick or the close box): the timer stops.
void HelpLauncher::done(int result) {
    timer_->stop();
    loaded_ = false;
    QDialog::done(result);
}

}  // namespace korvath::help
