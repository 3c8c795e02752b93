// SPDX-License-Identifier: GPL-3.0-or-later
#include "values_table.hpp"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "number_display.hpp"
#include "session.hpp"

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

QList<ValueRow> valueRows(const Session& session) {
    const QString metres = ValuesTable::tr("m");
    const QString perSquareMetre = ValuesTable::tr("m⁻²");
    const QString percent = ValuesTable::tr("position 0 to 100");
    const std::pair<QString, QString> rows[] = {
        {ValuesTable::tr("Radius"), metres},
        {ValuesTable::tr("Mass"), ValuesTable::tr("kg")},
        {ValuesTable::tr("Density"), ValuesTable::tr("g/cm³")},
        {ValuesTable::tr("Schwarzschild radius"), metres},
        {ValuesTable::tr("Curvature at 1 body radius"), perSquareMetre},
        {ValuesTable::tr("Radius of curvature at 1 body radius"), metres},
        {ValuesTable::tr("Curvature at 1.5 body radii"), perSquareMetre},
        {ValuesTable::tr("Radius of curvature at 1.5 body radii"), metres},
        {ValuesTable::tr("Curvature at 2 body radii"), perSquareMetre},
        {ValuesTable::tr("Radius of curvature at 2 body radii"), metres},
        {ValuesTable::tr("Curvature at 2.5 body radii"), perSquareMetre},
        {ValuesTable::tr("Radius of curvature at 2.5 body radii"), metres},
        {ValuesTable::tr("Radius, coarse bar"), percent},
        {ValuesTable::tr("Radius, fine bar"), percent},
        {ValuesTable::tr("Mass, coarse bar"), percent},
        {ValuesTable::tr("Mass, fine bar"), percent},
        {ValuesTable::tr("Beam start"), ValuesTable::tr("scene units")},
    };
    static_assert(std::size(rows) == kShownValueCount);
    QList<ValueRow> out;
    for (int i = 0; i < kShownValueCount; ++i) {
        const auto& [quantity, unit] = rows[i];
        out.append({quantity, localizedNumber(session.text(static_cast<ShownValue>(i))), unit});
    }
    return out;
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
