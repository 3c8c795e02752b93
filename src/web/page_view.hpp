// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's view of a session: the picture on a raster surface, kept as
// the scene's recording so that a new canvas size draws it again, the newest
// ray travelling across it while animated (the page's animation frames move
// it on), and what the session changed, gathered until the page takes it.
// The page reads the texts and bar positions from the session itself. The
// native trace driver uses the same view, not animated, so that both builds
// can be compared.
//
// Plain C++: it is compiled to WebAssembly for the page and natively for the
// comparison.
#pragma once

#include <vector>

#include "animated_scene.hpp"
#include "picture_description.hpp"
#include "raster_surface.hpp"
#include "scene.hpp"
#include "scene_recording.hpp"
#include "session.hpp"

namespace korvath::web {

// What the session changed since the page last looked: the values (texts and
// the Schwarzschild mark), the bar positions, the picture, whether a ray
// started travelling (its clock starts now) and whether a travelling ray
// ended, and the faults to show, oldest first.
struct PageChange {
    bool values = false;
    bool bars = false;
    bool picture = false;
    bool rayStarted = false;
    bool rayEnded = false;
    std::vector<Fault> faults;
};

class PageView final : public SessionView {
  public:
    PageView();
    PageView(const PageView&) = delete;
    PageView& operator=(const PageView&) = delete;

    void sessionChanged(const Session& session, const SessionChange& change) override;

    // The changes since the last call, merged.
    PageChange takeChange();

    // The canvas's size in device pixels, device pixels per scene unit and
    // the line width: the surface takes it and the picture is drawn again.
    void setCanvas(int width, int height, double pixelsPerUnit, int lineWidth);
    RasterSurface& surface() { return surface_; }
    // What the picture shows now, for its accessible description (a
    // travelling ray counts as drawn).
    const PictureDescription& picture() const { return described_.description(); }

    // Whether the newest ray travels (off at first; turning it off finishes
    // a travelling ray).
    void setAnimated(bool on) { animated_.setAnimated(on); }
    bool travelling() const { return animated_.travelling(); }
    // The travelling ray drawn as far as it goes `elapsedMs` after it
    // started; false once it has ended.
    bool advance(double elapsedMs);
    // The rest of a travelling ray drawn at once.
    void finishRay() { animated_.finish(); }

  private:
    RasterSurface surface_;
    Scene scene_{surface_};
    AnimatedScene animated_{scene_};
    DescribedScene described_{animated_, [](const PictureDescription&) {}};
    SceneRecording recording_{described_};
    PageChange change_;
};

}  // namespace korvath::web
