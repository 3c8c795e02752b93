// SPDX-License-Identifier: GPL-3.0-or-later
#include "fault_text.hpp"

#include <QCoreApplication>
#include <cmath>

#include "number_display.hpp"
#include "picture_text.hpp"

namespace korvath::ui {

namespace {

// The translation context of these texts.
struct FaultText {
    Q_DECLARE_TR_FUNCTIONS(FaultText)
};

// A text marked with QT_TRANSLATE_NOOP in this context, translated.
QString translated(const char* text) {
    return QCoreApplication::translate("FaultText", text);
}

QString arithmeticName(ArithmeticFault fault) {
    switch (fault) {
        case ArithmeticFault::Overflow:
            return FaultText::tr("overflow");
        case ArithmeticFault::DivisionByZero:
            return FaultText::tr("division by zero");
        case ArithmeticFault::InvalidOperation:
            return FaultText::tr("invalid operation");
    }
    return FaultText::tr("arithmetic fault");
}

// "its radius is 0 m", "its mass is not a number", ...
QString badInput(FaultValue value, const QString& valueText, const char* notANumber,
                 const char* infinite, const char* amount) {
    if (value == FaultValue::NotANumber) return translated(notANumber);
    if (value == FaultValue::Infinite) return translated(infinite);
    return translated(amount).arg(valueText);
}

}  // namespace

FaultValue faultValueOf(double value) {
    if (std::isnan(value)) return FaultValue::NotANumber;
    if (std::isinf(value)) return FaultValue::Infinite;
    return FaultValue::Number;
}

QString faultText(const Fault& f) {
    return withCount(faultTemplate(f.kind, f.arithmetic, faultValueOf(f.value),
                                   localizedNumber(f.value), QString::number(f.pass), f.segments),
                     f.segments);
}

QString faultTemplate(Fault::Kind kind, ArithmeticFault arithmeticFault, FaultValue value,
                      const QString& valueText, const QString& pass, int segments) {
    const QString arithmetic = arithmeticName(arithmeticFault);
    QString reason;
    switch (kind) {
        case Fault::Kind::Radius:
            reason = badInput(value, valueText,
                              QT_TRANSLATE_NOOP("FaultText", "its radius is not a number"),
                              QT_TRANSLATE_NOOP("FaultText", "its radius is infinite"),
                              QT_TRANSLATE_NOOP("FaultText", "its radius is %1 m"));
            break;
        case Fault::Kind::Mass:
            reason = badInput(value, valueText,
                              QT_TRANSLATE_NOOP("FaultText", "its mass is not a number"),
                              QT_TRANSLATE_NOOP("FaultText", "its mass is infinite"),
                              QT_TRANSLATE_NOOP("FaultText", "its mass is %1 kg"));
            break;
        case Fault::Kind::Volume:
            reason = FaultText::tr("its radius of %1 m is too large to give a volume (%2)")
                         .arg(valueText, arithmetic);
            break;
        case Fault::Kind::Density:
            reason = FaultText::tr("its density cannot be computed (%1)").arg(arithmetic);
            break;
        case Fault::Kind::SearchTooLong:
            reason = FaultText::tr(
                         "its radius of %1 m lies more than 32767 search steps above its "
                         "Schwarzschild radius")
                         .arg(valueText);
            break;
        case Fault::Kind::Search:
            reason = FaultText::tr("the search for its Schwarzschild radius failed (%1)")
                         .arg(arithmetic);
            break;
        case Fault::Kind::Curvature:
            reason = FaultText::tr("the curvature at %1 times the body's radius cannot be computed (%2)")
                         .arg(valueText, arithmetic);
            break;
        case Fault::Kind::EventArithmetic:
            return FaultText::tr("The change cannot be made: its arithmetic fails (%1).")
                .arg(arithmetic);
        case Fault::Kind::RayArithmetic:
            return countedTemplate("FaultText",
                                   QT_TRANSLATE_N_NOOP("FaultText",
                                                       "The light ray stops after %n segments: its "
                                                       "arithmetic fails at pass %1 (%2)."),
                                   segments)
                .arg(pass, arithmetic);
    }
    return FaultText::tr("The body cannot be computed: %1.").arg(reason);
}

}  // namespace korvath::ui
