// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping a label's whole text visible in its fixed place. The layout sizes
// every text for Arial 9 pt; a desktop without a face of Arial's widths, or a
// style sheet, can make a text wider than its place, and a face with deep
// descenders (the CJK faces of Japanese text) taller than its place. Rather
// than cut characters off with no mark, a label that does not fit shrinks its
// font in half-point steps, down to kSmallestFontPoints; a text that still
// does not fit is shown shortened with "…", and its whole text goes to the
// tooltip and to the screen reader.
#pragma once

#include <array>

#include <QFont>
#include <QLabel>
#include <QString>

namespace korvath::ui {

inline constexpr double kSmallestFontPoints = 6;
inline constexpr double kFontStepPoints = 0.5;

// The width in pixels that `label` gives its text when drawn in `font`: the
// contents rectangle less the margins and the indent a framed label adds on
// the side of its alignment (half the width of an "x", as QLabel does).
int labelTextWidth(const QLabel& label, const QFont& font);

// Whether the ink of `text` in `font`, descenders included, stays within
// the label's height where QLabel places the line.
bool inkFitsHeight(const QLabel& label, const QFont& font, const QString& text);

// Whether `text` fits `label` in `font`, measured as QLabel lays it out: its
// advance within the width, its ink within the height.
bool textFits(const QLabel& label, const QFont& font, const QString& text);

struct FontFit {
    QFont font;
    bool fits = true;  // false: not even kSmallestFontPoints is small enough
};

// `normal` when the text fits in it; otherwise the largest size below it, in
// steps of kFontStepPoints and not under kSmallestFontPoints, in which the
// text fits, or the smallest size with fits = false.
FontFit fitLabelFont(const QLabel& label, const QFont& normal, const QString& text);

// The font a label wants when it shows its text at the normal size, and the
// font it has been given instead. A label's font changed by anyone else (the
// window, a style sheet) becomes its new normal font.
class FontShrinker {
  public:
    // Call from the label's FontChange; true if the change was not ours.
    bool noteFontChange(const QLabel& label);
    // Gives the label the font in which `text` fits; returns whether it fits.
    bool apply(QLabel& label, const QString& text);

  private:
    void remember(const QLabel& label);
    void setFont(QLabel& label, const QFont* font);
    // Whether a number's text certainly fits at the normal size, without
    // laying it out: it holds only the characters numbers are written with,
    // and even that many of the widest of them would fit. (A recomputation
    // writes seventeen fields; laying each text out would cost more than the
    // rest of showing it.)
    bool numberSurelyFits(const QLabel& label, const QString& text);

    bool known_ = false;
    // For numberSurelyFits, at the normal font and the width it was taken at:
    // the advance of each character of a number, and the room for the text.
    int surelyFitsWidth_ = -1;
    std::array<double, 15> advances_{};
    double room_ = 0;
    QFont normal_;
    bool normalInherited_ = true;  // the normal font came from the parent
    bool shrunk_ = false;
    bool adjusting_ = false;
};

// A label that keeps its whole text visible as above: it fits its text
// whenever the text (given with setFittedText), its size, its font or its
// style changes. A text that does not fit even at kSmallestFontPoints is
// painted shortened with "…", while text() stays the whole text, which then
// is the tooltip and the name a screen reader reads as well. The window's
// captions and marks are such labels, and so are its value fields.
class FittedLabel : public QLabel {
    Q_OBJECT
  public:
    explicit FittedLabel(QWidget* parent) : QLabel(parent) {}
    FittedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

    // Shows `text` and fits it. (A text given with QLabel::setText is fitted
    // at the next change of size, font or style.)
    void setFittedText(const QString& text);
    // True while the text is shown shortened.
    bool elided() const { return elided_; }

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void fit();

    FontShrinker shrinker_;
    bool elided_ = false;
    bool fitting_ = false;
};

}  // namespace korvath::ui
