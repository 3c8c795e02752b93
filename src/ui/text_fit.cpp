// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_fit.hpp"

#include <algorithm>

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <cmath>

namespace korvath::ui {

int labelTextWidth(const QLabel& label, const QFont& font) {
    const int margin = label.margin();
    int width = label.contentsRect().width() - 2 * margin;
    int indent = label.indent();
    if (indent < 0 && label.frameWidth() > 0)
        indent = QFontMetrics(font, &label).horizontalAdvance(QLatin1Char('x')) / 2 - margin;
    const Qt::Alignment align = QStyle::visualAlignment(label.layoutDirection(), label.alignment());
    if (indent > 0 && (align & (Qt::AlignLeft | Qt::AlignRight))) width -= indent;
    return width;
}

bool inkFitsHeight(const QLabel& label, const QFont& font, const QString& text) {
    if (text.isEmpty()) return true;
    // The line as QLabel lays it out: its height takes the ascent and
    // descent of every face it draws with (a Japanese caption's CJK face
    // among them), placed in the label's height by its alignment.
    QTextLayout layout(text, font, const_cast<QLabel*>(&label));
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid()) return true;
    const double room = label.contentsRect().height() - 2 * label.margin();
    const Qt::Alignment align = label.alignment();
    double top = 0;  // of the line, from the top of the text's room
    if (align & Qt::AlignBottom)
        top = room - line.height();
    else if (align & Qt::AlignVCenter)
        top = (room - line.height()) / 2;
    const double baseline = top + line.ascent();
    // The glyphs' own ink above and below the baseline: descenders and
    // brackets reach below it.
    const QRectF ink = QFontMetricsF(font, &label).tightBoundingRect(text);
    return baseline + ink.top() >= 0 && baseline + ink.bottom() <= room;
}

bool textFits(const QLabel& label, const QFont& font, const QString& text) {
    return QFontMetrics(font, &label).horizontalAdvance(text) <= labelTextWidth(label, font) &&
           inkFitsHeight(label, font, text);
}

FontFit fitLabelFont(const QLabel& label, const QFont& normal, const QString& text) {
    if (textFits(label, normal, text)) return {normal, true};
    double points = normal.pointSizeF();
    if (points <= 0) points = QFontInfo(normal).pointSizeF();  // a font sized in pixels
    QFont font = normal;
    // The half points below the normal size: 8.5, 8, ... for 9 pt; 11, 10.5, ... for 11.25 pt.
    for (double p = std::ceil(points / kFontStepPoints) * kFontStepPoints - kFontStepPoints;
         p >= kSmallestFontPoints; p -= kFontStepPoints) {
        font.setPointSizeF(p);
        if (textFits(label, font, text)) return {font, true};
    }
    font.setPointSizeF(std::min(points, kSmallestFontPoints));
    return {font, false};
}

void FontShrinker::remember(const QLabel& label) {
    surelyFitsWidth_ = -1;
    normal_ = label.font();
    normalInherited_ = !label.testAttribute(Qt::WA_SetFont);
    known_ = true;
}

bool FontShrinker::noteFontChange(const QLabel& label) {
    if (adjusting_) return false;
    remember(label);
    shrunk_ = false;
    return true;
}

void FontShrinker::setFont(QLabel& label, const QFont* font) {
    adjusting_ = true;
    // A default font unsets the label's own, so it inherits again.
    label.setFont(font ? *font : QFont());
    adjusting_ = false;
}

bool FontShrinker::numberSurelyFits(const QLabel& label, const QString& text) {
    static const QString kNumberCharacters = QStringLiteral("0123456789.,+-E");
    const int width = label.contentsRect().width();
    if (width != surelyFitsWidth_) {
        const QFontMetricsF metrics(normal_, &label);
        for (qsizetype i = 0; i < kNumberCharacters.size(); ++i)
            advances_[static_cast<size_t>(i)] = metrics.horizontalAdvance(kNumberCharacters[i]);
        room_ = labelTextWidth(label, normal_);
        surelyFitsWidth_ = width;
    }
    double needed = 0;
    for (QChar c : text) {
        const qsizetype i = kNumberCharacters.indexOf(c);
        if (i < 0) return false;
        needed += advances_[static_cast<size_t>(i)];
    }
    // A margin for the rounding of a laid-out line.
    return needed * 1.02 + 1 <= room_;
}

bool FontShrinker::apply(QLabel& label, const QString& text) {
    if (!known_) remember(label);
    // The usual cases: a number that surely fits, or a text measured once.
    if (!shrunk_ && (numberSurelyFits(label, text) || textFits(label, normal_, text))) return true;
    const FontFit fit = fitLabelFont(label, normal_, text);
    const bool normal = fit.fits && fit.font == normal_;
    if (normal) {
        if (shrunk_) {
            setFont(label, normalInherited_ ? nullptr : &normal_);
            shrunk_ = false;
        }
    } else if (!shrunk_ || label.font() != fit.font) {
        setFont(label, &fit.font);
        shrunk_ = true;
    }
    return fit.fits;
}

void FittedLabel::setFittedText(const QString& text) {
    setText(text);
    fit();
}

void FittedLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if ((event->type() == QEvent::FontChange && shrinker_.noteFontChange(*this)) ||
        event->type() == QEvent::StyleChange)
        fit();
}

void FittedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit();
}

void FittedLabel::fit() {
    if (fitting_) return;
    fitting_ = true;
    const bool elide = !shrinker_.apply(*this, text());
    if (elide || elide != elided_) {
        setToolTip(elide ? text() : QString());
        setAccessibleName(elide ? text() : QString());
        elided_ = elide;
        update();
    }
    fitting_ = false;
}

void FittedLabel::paintEvent(QPaintEvent* event) {
    if (!elided_) {
        QLabel::paintEvent(event);
        return;
    }
    // As QLabel lays out plain text, with the text shortened to its width.
    QPainter painter(this);
    drawFrame(&painter);
    const int width = labelTextWidth(*this, font());
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    if (align & Qt::AlignRight)
        area.setWidth(width);
    else
        area.setLeft(area.right() + 1 - width);
    style()->drawItemText(&painter, area, int(align), palette(), isEnabled(),
                          fontMetrics().elidedText(text(), Qt::ElideRight, width),
                          foregroundRole());
}

}  // namespace korvath::ui
