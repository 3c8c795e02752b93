// SPDX-License-Identifier: GPL-3.0-or-later
#include "values_table.hpp"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "main_window_layout.hpp"
#include "value_field.hpp"

namespace korvath::ui {

namespace {

struct ValuesTable {
    Q_DECLARE_TR_FUNCTIONS(ValuesTable)
};

QString csvField(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace

QList<ValueRow> valueRows(const MainWindowControls& c) {
    const QString metres = ValuesTable::tr("m");
    const QString perSquareMetre = ValuesTable::tr("m⁻²");
    const QString percent = ValuesTable::tr("position 0 to 100");
    return {
        {ValuesTable::tr("Radius"), c.radiusValue->text(), metres},
        {ValuesTable::tr("Mass"), c.massValue->text(), ValuesTable::tr("kg")},
        {ValuesTable::tr("Density"), c.densityValue->text(), ValuesTable::tr("g/cm³")},
        {ValuesTable::tr("Schwarzschild radius"), c.schwarzschildRadiusValue->text(), metres},
        {ValuesTable::tr("Curvature at 1 body radius"), c.curvatureAt1RadiusValue->text(),
         perSquareMetre},
        {ValuesTable::tr("Radius of curvature at 1 body radius"),
         c.radiusOfCurvatureAt1RadiusValue->text(), metres},
        {ValuesTable::tr("Curvature at 1.5 body radii"), c.curvatureAt1_5RadiiValue->text(),
         perSquareMetre},
        {ValuesTable::tr("Radius of curvature at 1.5 body radii"),
         c.radiusOfCurvatureAt1_5RadiiValue->text(), metres},
        {ValuesTable::tr("Curvature at 2 body radii"), c.curvatureAt2RadiiValue->text(),
         perSquareMetre},
        {ValuesTable::tr("Radius of curvature at 2 body radii"),
         c.radiusOfCurvatureAt2RadiiValue->text(), metres},
        {ValuesTable::tr("Curvature at 2.5 body radii"), c.curvatureAt2_5RadiiValue->text(),
         perSquareMetre},
        {ValuesTable::tr("Radius of curvature at 2.5 body radii"),
         c.radiusOfCurvatureAt2_5RadiiValue->text(), metres},
        {ValuesTable::tr("Radius, coarse bar"), c.radiusCoarseValue->text(), percent},
        {ValuesTable::tr("Radius, fine bar"), c.radiusFineValue->text(), percent},
        {ValuesTable::tr("Mass, coarse bar"), c.massCoarseValue->text(), percent},
        {ValuesTable::tr("Mass, fine bar"), c.massFineValue->text(), percent},
        {ValuesTable::tr("Beam start"), c.beamStartValue->text(), ValuesTable::tr("scene units")},
    };
}

QString formatValueRows(const QList<ValueRow>& rows, TableFormat format) {
    QString out;
    switch (format) {
        case TableFormat::Tsv:
            for (const ValueRow& r : rows)
                out += r.quantity + QLatin1Char('\t') + r.value + QLatin1Char('\t') + r.unit +
                       QLatin1Char('\n');
            return out;
        case TableFormat::Csv:
            for (const ValueRow& r : rows)
                out += csvField(r.quantity) + QLatin1Char(',') + csvField(r.value) +
                       QLatin1Char(',') + csvField(r.unit) + QLatin1String("\r\n");
            return out;
        case TableFormat::Json: {
            QJsonArray array;
            for (const ValueRow& r : rows)
                array.append(QJsonObject{{QStringLiteral("quantity"), r.quantity},
                                         {QStringLiteral("value"), r.value},
                                         {QStringLiteral("unit"), r.unit}});
            return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
        }
    }
    return out;
}

}  // namespace korvath::ui
