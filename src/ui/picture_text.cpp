// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_text.hpp"

#include <QCoreApplication>
#include <cmath>

#include "number_display.hpp"
#include "number_text.hpp"

namespace korvath::ui {

namespace {

// The translation context of these texts.
struct PictureText {
    Q_DECLARE_TR_FUNCTIONS(PictureText)
};

// A text marked with QT_TRANSLATE_NOOP in this context, translated.
QString translated(const char* text) {
    return QCoreApplication::translate("PictureText", text);
}

// A ratio to two significant figures, written as the window writes numbers.
QString twoFigures(double value) {
    return localizedNumber(twoSignificantFigures(value));
}

QString circleText(PictureDescription::Circle circle) {
    switch (circle) {
        case PictureDescription::Circle::Smallest:
            return PictureText::tr("the smallest yellow circle");
        case PictureDescription::Circle::InsideBody:
            return PictureText::tr("the yellow circle inside the disc");
        case PictureDescription::Circle::OnDiscEdge:
            return PictureText::tr("the yellow circle on the edge of the disc");
        case PictureDescription::Circle::InsideInnerRing:
            return PictureText::tr("the yellow circle between the disc and the innermost red ring");
        case PictureDescription::Circle::OnInnerRing:
            return PictureText::tr("the yellow circle on the innermost red ring");
        case PictureDescription::Circle::BetweenInnerAndMiddleRing:
            return PictureText::tr(
                "the yellow circle between the innermost and the middle red ring");
        case PictureDescription::Circle::OnMiddleRing:
            return PictureText::tr("the yellow circle on the middle red ring");
        case PictureDescription::Circle::BetweenMiddleAndOuterRing:
            return PictureText::tr(
                "the yellow circle between the middle and the outermost red ring");
        case PictureDescription::Circle::OnOuterRing:
            return PictureText::tr("the yellow circle on the outermost red ring");
        case PictureDescription::Circle::BeyondRings:
            return PictureText::tr("the yellow circle outside the red rings");
        case PictureDescription::Circle::OutsidePicture:
            return PictureText::tr("a yellow circle that lies beyond the picture");
    }
    return {};
}

QString rayText(const RayDescription& ray) {
    using Outcome = RayDescription::Outcome;
    if (ray.outcome == Outcome::FallsIntoBody)
        return PictureText::tr("The light ray falls into the body after %n steps.", nullptr,
                               ray.steps);
    if (ray.outcome == Outcome::StopsInPicture)
        return PictureText::tr("The light ray stops after %n steps.", nullptr, ray.steps);
    static const char* const kStraight[] = {
        QT_TRANSLATE_NOOP(
            "PictureText",
            "The light ray passes the body in a straight line and leaves at the left edge."),
        QT_TRANSLATE_NOOP(
            "PictureText",
            "The light ray passes the body in a straight line and leaves at the right edge."),
        QT_TRANSLATE_NOOP(
            "PictureText",
            "The light ray passes the body in a straight line and leaves at the top edge."),
        QT_TRANSLATE_NOOP(
            "PictureText",
            "The light ray passes the body in a straight line and leaves at the bottom edge.")};
    static const char* const kBent[] = {
        QT_TRANSLATE_N_NOOP(
            "PictureText",
            "The light ray passes the body and leaves at the left edge, bent by %n degrees."),
        QT_TRANSLATE_N_NOOP(
            "PictureText",
            "The light ray passes the body and leaves at the right edge, bent by %n degrees."),
        QT_TRANSLATE_N_NOOP(
            "PictureText",
            "The light ray passes the body and leaves at the top edge, bent by %n degrees."),
        QT_TRANSLATE_N_NOOP(
            "PictureText",
            "The light ray passes the body and leaves at the bottom edge, bent by %n degrees.")};
    static const char* const kSwings[] = {
        QT_TRANSLATE_NOOP("PictureText",
                          "The light ray swings round the body and leaves at the left edge."),
        QT_TRANSLATE_NOOP("PictureText",
                          "The light ray swings round the body and leaves at the right edge."),
        QT_TRANSLATE_NOOP("PictureText",
                          "The light ray swings round the body and leaves at the top edge."),
        QT_TRANSLATE_NOOP("PictureText",
                          "The light ray swings round the body and leaves at the bottom edge.")};
    const auto edge = static_cast<size_t>(ray.edge);
    if (ray.swingsRound()) return translated(kSwings[edge]);
    const long degrees = std::lround(std::abs(ray.turningDegrees));
    if (degrees == 0) return translated(kStraight[edge]);
    return QCoreApplication::translate("PictureText", kBent[edge], nullptr,
                                       static_cast<int>(degrees));
}

}  // namespace

QString pictureText(const PictureDescription& d) {
    if (!d.computed)
        return PictureText::tr("The picture is empty until the first values are shown.");
    const QString ratio = twoFigures(d.schwarzschildRatio);
    QString text =
        d.schwarzschildRatio < 1
            ? PictureText::tr(
                  "The body fills the blue disc; its Schwarzschild radius is %1 of its "
                  "radius, drawn as %2.")
                  .arg(ratio, circleText(d.circle))
            : PictureText::tr(
                  "The body fills the blue disc; its Schwarzschild radius is %1 times its "
                  "radius, drawn as %2.")
                  .arg(ratio, circleText(d.circle));
    text += QLatin1Char(' ') + PictureText::tr("Beam start at %1.").arg(d.beamStart);
    if (d.ray) text += QLatin1Char(' ') + rayText(*d.ray);
    return text;
}

}  // namespace korvath::ui
