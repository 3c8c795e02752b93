#include "fault_text.hpp"

#include <QCoreApplication>
#include <cmath>

#include "number_display.hpp"

namespace korvath::ui {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("FaultText", text);
}

QString arithmeticName(ArithmeticFault fault) {
    switch (fault) {
        case ArithmeticFault::Overflow:
            return tr("overflow");
        case ArithmeticFault::DivisionByZero:
            return tr("division by zero");
        case ArithmeticFault::InvalidOperation:
            return tr("invalid operation");
    }
    return tr("arithmetic fault");
}

// "its radius is 0 m", "its mass is not a number", ...
QString badInput(double value, const char* notANumber, const char* infinite, const char* amount) {
    if (std::isnan(value)) return tr(notANumber);
    if (std::isinf(value)) return tr(infinite);
    return tr(amount).arg(localizedNumber(value));
}

}  // namespace

QString faultText(const Fault& f) {
    const QString arithmetic = arithmeticName(f.arithmetic);
    QString reason;
    switch (f.kind) {
        case Fault::Kind::Radius:
            reason = badInput(f.value, QT_TRANSLATE_NOOP("FaultText", "its radius is not a number"),
                              QT_TRANSLATE_NOOP("FaultText", "its radius is infinite"),
                              QT_TRANSLATE_NOOP("FaultText", "its radius is %1 m"));
            break;
        case Fault::Kind::Mass:
            reason = badInput(f.value, QT_TRANSLATE_NOOP("FaultText", "its mass is not a number"),
                              QT_TRANSLATE_NOOP("FaultText", "its mass is infinite"),
                              QT_TRANSLATE_NOOP("FaultText", "its mass is %1 kg"));
            break;
        case Fault::Kind::Volume:
            reason = tr("its radius of %1 m is too large to give a volume (%2)")
                         .arg(localizedNumber(f.value), arithmetic);
            break;
        case Fault::Kind::Density:
            reason = tr("its density cannot be computed (%1)").arg(arithmetic);
            break;
        case Fault::Kind::SearchTooLong:
            reason = tr("its radius of %1 m lies more than 32767 search steps above its "
                        "Schwarzschild radius")
                         .arg(localizedNumber(f.value));
            break;
        case Fault::Kind::Search:
            reason = tr("the search for its Schwarzschild radius failed (%1)").arg(arithmetic);
            break;
        case Fault::Kind::Curvature:
            reason = tr("the curvature at %1 body radii cannot be computed (%2)")
                         .arg(localizedNumber(f.value), arithmetic);
            break;
        case Fault::Kind::EventArithmetic:
            return tr("The change cannot be made: its arithmetic fails (%1).").arg(arithmetic);
        case Fault::Kind::RayArithmetic:
            return tr("The light ray stops after %1 segments: its arithmetic fails at pass %2 "
                      "(%3).")
                .arg(f.segments)
                .arg(f.pass)
                .arg(arithmetic);
    }
    return tr("The body cannot be computed: %1.").arg(reason);
}

}  // namespace korvath::ui
