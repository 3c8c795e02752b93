// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch.hpp"

#include <algorithm>

#include "main_window.hpp"
#include "main_window_layout.hpp"
#include "picture_description.hpp"
#include "picture_export.hpp"
#include "scene.hpp"
#include "scene_picture.hpp"
#include "scene_recording.hpp"
#include "session.hpp"
#include "twips.hpp"
#include "worksheet.hpp"

namespace korvath::ui {

namespace {

// The picture as the window would show it, on a widget that is never shown:
// the session draws on it through the scene, and the recording keeps the
// calls for a vector drawing.
class OffscreenPicture final : public SessionView {
  public:
    OffscreenPicture() {
        const auto& layout = mainWindowLayout();
        const auto entry = std::find_if(layout.begin(), layout.end(), [](const ControlSpec& c) {
            return c.objectName == "scenePicture";
        });
        const double dpi = picture_.logicalDpiX();
        picture_.setGeometry(
            twipsToPixels(entry->left, entry->top, entry->width, entry->height, dpi));
    }
    void sessionChanged(const Session& session, const SessionChange& change) override {
        session.draw(described_, change);
    }
    QString write(const QByteArray& file, int scale) {
        return writePicture(recording_, picture_.contentsRect().size(), scale, file);
    }
    QString writeWorksheet(const Session& session, const QByteArray& file) {
        return ui::writeWorksheet(
            {session, recording_, picture_.contentsRect().size(), described_.description()}, file);
    }

    // Brings `session`, started, into the requested state, drawn here.
    void draw(Session& session, const Setup& request) {
        session.addView(*this);
        session.start();
        applySetup(session, request);
        session.removeView(*this);
    }

  private:
    ScenePicture picture_;
    Scene scene_{picture_};
    SceneRecording recording_{scene_};
    DescribedScene described_{recording_, nullptr};
};

}  // namespace

QString valuesFor(const Setup& request, TableFormat format, ValuesFor reader) {
    Session session;
    session.start();
    applySetup(session, request);
    return reader == ValuesFor::Scripts ? stableValues(session, format)
                                        : formatValueRows(valueRows(session), format);
}

QString writePictureFor(const Setup& request, const QByteArray& file, int scale) {
    Session session;
    OffscreenPicture picture;
    picture.draw(session, request);
    return picture.write(file, scale);
}

QString writeWorksheetFor(const Setup& request, const QByteArray& file) {
    Session session;
    OffscreenPicture picture;
    picture.draw(session, request);
    return picture.writeWorksheet(session, file);
}

void startInRequestedState(MainWindow& window, const Setup& request) {
    window.session().start();
    applySetup(window.session(), request);
}

}  // namespace korvath::ui
