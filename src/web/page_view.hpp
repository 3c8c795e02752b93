// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's view of a session: the picture on a raster surface, kept as
// the scene's recording so that a new canvas size draws it again, and what
// the session changed, gathered until the page takes it. The page reads the
// texts and bar positions from the session itself. The native trace driver
// uses the same view, so that both builds can be compared.
//
// Plain C++: it is compiled to WebAssembly for the page and natively for the
// comparison.
#pragma once

#include <vector>

#include "picture_description.hpp"
#include "raster_surface.hpp"
#include "scene.hpp"
#include "scene_recording.hpp"
#include "session.hpp"

namespace korvath::web {

// What the session changed since the page last looked: the values (texts and
// the Schwarzschild mark), the bar positions, the picture, and the faults
// to show, oldest first.
struct PageChange {
    bool values = false;
    bool bars = false;
    bool picture = false;
    std::vector<Fault> faults;
};

class PageView final : public SessionView {
  public:
    void sessionChanged(const Session& session, const SessionChange& change) override;

    // The changes since the last call, merged.
    PageChange takeChange();

    // The canvas's size in device pixels, device pixels per scene unit and
    // the line width: the surface takes it and the picture is drawn again.
    void setCanvas(int width, int height, double pixelsPerUnit, int lineWidth);
    RasterSurface& surface() { return surface_; }
    // What the picture shows now, for its accessible description.
    const PictureDescription& picture() const { return described_.description(); }

  private:
    RasterSurface surface_;
    Scene scene_{surface_};
    DescribedScene described_{scene_, [](const PictureDescription&) {}};
    SceneRecording recording_{described_};
    PageChange change_;
};

}  // namespace korvath::web
