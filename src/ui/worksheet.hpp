// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet: one page for a lab sheet, in the chosen language. The
// program's name and the date, the body and the four bar positions with the
// command line that sets them up again, the picture as vector drawing (sharp
// at any print resolution), every value with its quantity and unit, the
// picture's description and ruled lines for notes. The same painting serves
// the printer (the window's Print) and a PDF file (the window's export and
// the command line's --worksheet).
#pragma once

#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QPageSize>
#include <QSize>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace korvath {
class SceneRecording;
class Session;
struct PictureDescription;
}  // namespace korvath

namespace korvath::ui {

struct WorksheetContent {
    const Session& session;
    const SceneRecording& picture;  // what the picture shows
    QSize pictureArea;              // its drawing area in pixels at 96 dpi
    const PictureDescription& description;
    QDate date = QDate::currentDate();
};

// The worksheet's own words in the current language (the page prints them
// on its sheet too).
struct WorksheetWords {
    QString title;  // "Korvath simulation: worksheet"
    QString name, body, radiusBars, massBars, beamStart, setUp, notes;
};
WorksheetWords worksheetWords();

// A4, or Letter where the locale's country prints on Letter paper.
QPageSize worksheetPageSize(const QLocale& locale = QLocale());

// The command line that opens the program in the session's state.
QString setupCommand(const Session& session);

// Paints the worksheet on the page `painter` is active on (its device's
// page, margins excluded: `page` in device pixels at `dpi`); returns the
// texts written.
QString paintWorksheet(QPainter& painter, const QRectF& page, double dpi,
                       const WorksheetContent& content);

// The worksheet as a one-page PDF whose text can be searched and copied.
QByteArray worksheetPdf(const WorksheetContent& content);

// Writes worksheetPdf to the file `file` leads to (writeFileSafely).
// Returns the reason it failed, empty on success.
QString writeWorksheet(const WorksheetContent& content, const QByteArray& file);

}  // namespace korvath::ui
