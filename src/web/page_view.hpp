// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's view of a session: the picture on a raster surface and the
// faults to show, kept until the page takes them. The page reads the texts
// and bar positions from the session itself. The native trace driver uses
// the same view, so that both builds can be compared.
//
// Plain C++: it is compiled to WebAssembly for the page and natively for the
// comparison.
#pragma once

#include <string_view>
#include <vector>

#include "picture_description.hpp"
#include "raster_surface.hpp"
#include "scene.hpp"
#include "session.hpp"

namespace korvath::web {

// Which control of the window's layout shows each value and is each bar.
std::string_view valueFieldName(ShownValue value);
std::string_view barName(Bar bar);

class PageView final : public SessionView {
  public:
    void sessionChanged(const Session& session, const SessionChange& change) override;

    RasterSurface& surface() { return surface_; }
    // Faults reported since the last call, oldest first.
    std::vector<Fault> takeFaults();
    // What the picture shows now, for its accessible description.
    const PictureDescription& picture() const { return described_.description(); }

  private:
    RasterSurface surface_;
    Scene scene_{surface_};
    DescribedScene described_{scene_, [](const PictureDescription&) {}};
    std::vector<Fault> faults_;
};

}  // namespace korvath::web
