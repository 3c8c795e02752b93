// SPDX-License-Identifier: GPL-3.0-or-later
#include "ray_commands.hpp"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "session.hpp"
#include "settings.hpp"

namespace korvath::ui {

namespace {

constexpr const char* kAnimateKey = "picture/animateRays";
constexpr int kFrameMs = 16;  // about 60 frames a second

}  // namespace

RayCommands::RayCommands(QWidget& window, Session& session, Scene& scene)
    : QObject(&window),
      session_(session),
      animated_(scene),
      animate_(new QAction(tr(kAnimateRayCaption), &window)),
      keep_(new QAction(tr(kKeepRaysCaption), &window)),
      clear_(new QAction(tr(kClearRaysCaption), &window)) {
    animate_->setObjectName("animateRayAction");
    animate_->setCheckable(true);
    animate_->setChecked(readSetting(kAnimateKey).value<QString>() != QLatin1String("false"));
    animated_.setAnimated(animate_->isChecked());
    connect(animate_, &QAction::toggled, this, [this](bool on) {
        animated_.setAnimated(on);  // off: a travelling ray ends at once
        writeSetting(kAnimateKey, on);
    });

    keep_->setObjectName("keepRaysAction");
    keep_->setCheckable(true);
    connect(keep_, &QAction::toggled, this, [this](bool on) { session_.keepRays(on); });

    clear_->setObjectName("clearRaysAction");
    clear_->setShortcut(QKeySequence::Delete);
    clear_->setShortcutContext(Qt::WindowShortcut);
    clear_->setEnabled(false);
    window.addAction(clear_);  // the key works with the menu closed
    connect(clear_, &QAction::triggered, this, [this] { session_.clearRays(); });

    frames_.setTimerType(Qt::PreciseTimer);
    frames_.setInterval(kFrameMs);
    connect(&frames_, &QTimer::timeout, this, &RayCommands::nextFrame);
    animated_.finished = [this] {
        frames_.stop();
        if (ended_) ended_();
    };
}

void RayCommands::addTo(QMenu& viewMenu, QMenu& pictureMenu, QWidget& picture) {
    viewMenu.addSeparator();
    viewMenu.addAction(animate_);
    pictureMenu.addSeparator();
    pictureMenu.addAction(keep_);
    pictureMenu.addAction(clear_);
    picture.addAction(keep_);
    picture.addAction(clear_);
}

void RayCommands::sessionChanged() {
    // A setup may have asked for kept rays.
    if (keep_->isChecked() != session_.keepsRays()) keep_->setChecked(session_.keepsRays());
    clear_->setEnabled(!session_.rays().empty());
    if (animated_.travelling() && !frames_.isActive()) {
        clock_.start();
        frames_.start();
    }
}

void RayCommands::nextFrame() {
    animated_.advance(static_cast<double>(clock_.nsecsElapsed()) / 1e6);
}

}  // namespace korvath::ui
