// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_text.hpp"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
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

// The ray's count: the steps before it fell or stopped, or the degrees it
// turned by.
int rayCount(const RayDescription& ray) {
    if (ray.outcome != RayDescription::Outcome::LeavesPicture) return ray.steps;
    return static_cast<int>(std::lround(std::abs(ray.turningDegrees)));
}

}  // namespace

QString countedTemplate(const char* context, const char* source, int n) {
    // The translators installLanguage() installed, which the application
    // owns, asked as QCoreApplication::translate() asks them: the last
    // installed first; without a translation, the source text.
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app) return QString::fromUtf8(source);
    const QList<QTranslator*> translators =
        app->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly);
    for (auto it = translators.crbegin(); it != translators.crend(); ++it) {
        QString form = (*it)->translate(context, source, nullptr, n);
        if (!form.isNull()) return form;
    }
    return QString::fromUtf8(source);
}

QString withCount(QString text, int n) {
    text.replace(QLatin1String("%Ln"), QLocale().toString(n));
    return text.replace(QLatin1String("%n"), QString::number(n));
}

QString rayTemplate(const RayDescription& ray) {
    using Outcome = RayDescription::Outcome;
    if (ray.outcome == Outcome::FallsIntoBody)
        return countedTemplate(
            "PictureText",
            QT_TRANSLATE_N_NOOP("PictureText", "The light ray falls into the body after %n steps."),
            ray.steps);
    if (ray.outcome == Outcome::StopsInPicture)
        return countedTemplate(
            "PictureText",
            QT_TRANSLATE_N_NOOP("PictureText", "The light ray stops after %n steps."), ray.steps);
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
    const int degrees = rayCount(ray);
    if (degrees == 0) return translated(kStraight[edge]);
    return countedTemplate("PictureText", kBent[edge], degrees);
}

QString emptyPictureText() {
    return PictureText::tr("The picture is empty until the first values are shown.");
}

QString bodyText(bool ratioBelowOne, PictureDescription::Circle circle, const QString& ratio,
                 const QString& beamStart) {
    const QString body =
        ratioBelowOne
            ? PictureText::tr(
                  "The body fills the blue disc; its Schwarzschild radius is %1 of its "
                  "radius, drawn as %2.")
                  .arg(ratio, circleText(circle))
            : PictureText::tr(
                  "The body fills the blue disc; its Schwarzschild radius is %1 times its "
                  "radius, drawn as %2.")
                  .arg(ratio, circleText(circle));
    return body + QLatin1Char(' ') + PictureText::tr("Beam start at %1.").arg(beamStart);
}

QString rayHeading(const QString& number, const QString& start) {
    return PictureText::tr("Ray %1, from %2:").arg(number, start);
}

QString pictureText(const PictureDescription& d) {
    if (!d.computed) return emptyPictureText();
    QString text = bodyText(d.schwarzschildRatio < 1, d.circle, twoFigures(d.schwarzschildRatio),
                            QString::number(d.beamStart));
    if (!d.ray) return text;
    // With more than one ray, each is named by its number and start.
    const bool named = !d.earlierRays.empty();
    const auto add = [&](const RayDescription& ray) {
        text += QLatin1Char(' ');
        if (named)
            text += rayHeading(QString::number(ray.number), QString::number(ray.start)) +
                    QLatin1Char(' ');
        text += withCount(rayTemplate(ray), rayCount(ray));
    };
    for (const RayDescription& ray : d.earlierRays)
        add(ray);
    add(*d.ray);
    return text;
}

}  // namespace korvath::ui
