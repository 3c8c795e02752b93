// SPDX-License-Identifier: GPL-3.0-or-later
// The picture's description as a sentence in the window's language, for the
// screen reader. Its parts are templates the window fills: numbers come in as
// text (the window gives the numbers; the page's export gives placeholders
// that the page fills), and a counted part keeps its count as %n, in the form
// its count takes.
#pragma once

#include <QString>

#include "picture_description.hpp"

namespace korvath::ui {

QString pictureText(const PictureDescription& description);

// What the description says before the first values.
QString emptyPictureText();
// The body, its Schwarzschild radius (a ratio below 1 or not, drawn as
// `circle`) and the beam start, with the ratio and the height as given.
QString bodyText(bool ratioBelowOne, PictureDescription::Circle circle, const QString& ratio,
                 const QString& beamStart);
// Where the ray went, %n standing for its steps or degrees.
QString rayTemplate(const RayDescription& ray);
// What names a ray before its fate when more than one is shown, with its
// number and start as given ("Ray 2, from 800:").
QString rayHeading(const QString& number, const QString& start);

// A counted text of `context` (marked with QT_TRANSLATE_N_NOOP) in the
// window's language, in the form for `n`, its count left as %n: the form the
// installed translations give tr() for n.
QString countedTemplate(const char* context, const char* source, int n);
// A template's %n (and %Ln) filled with `n`, as tr() fills it.
QString withCount(QString text, int n);

}  // namespace korvath::ui
