// SPDX-License-Identifier: GPL-3.0-or-later
// The window's rays: Animate the ray (View menu; on at first, remembered
// between runs), Keep earlier rays and Clear rays (Picture menu and the
// picture's context menu), and the travelling ray itself: after Beam the
// newest ray is drawn piece by piece by a frame timer, each frame only its
// new segments, until it ends on the pixels an instant Beam draws.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "animated_scene.hpp"

class QAction;
class QMenu;
class QWidget;

namespace korvath {
class Session;
}

namespace korvath::ui {

// The commands' captions (the web page's menu has them too).
inline constexpr const char* kAnimateRayCaption =
    QT_TRANSLATE_NOOP("korvath::ui::RayCommands", "Animate the &ray");
inline constexpr const char* kKeepRaysCaption =
    QT_TRANSLATE_NOOP("korvath::ui::RayCommands", "&Keep earlier rays");
inline constexpr const char* kClearRaysCaption =
    QT_TRANSLATE_NOOP("korvath::ui::RayCommands", "C&lear rays");

class RayCommands final : public QObject {
    Q_OBJECT
  public:
    // Rays travel on `scene`; the actions act on `session`.
    RayCommands(QWidget& window, Session& session, Scene& scene);

    // The scene the session's drawing goes through, rays travelling on it.
    AnimatedScene& animatedScene() { return animated_; }
    // Adds the actions to the menus (and the picture's context menu).
    void addTo(QMenu& viewMenu, QMenu& pictureMenu, QWidget& picture);
    // After each change of the session: a new ray starts travelling, and
    // Clear rays is offered while rays are shown.
    void sessionChanged();
    // Runs when a travelling ray has reached its end.
    void onRayEnded(std::function<void()> ended) { ended_ = std::move(ended); }

    QAction* animateAction() const { return animate_; }
    QAction* keepAction() const { return keep_; }
    QAction* clearAction() const { return clear_; }
    QTimer& frameTimer() { return frames_; }

  private:
    void nextFrame();

    Session& session_;
    AnimatedScene animated_;
    QTimer frames_;
    QElapsedTimer clock_;
    std::function<void()> ended_;
    QAction* animate_;
    QAction* keep_;
    QAction* clear_;
};

}  // namespace korvath::ui
