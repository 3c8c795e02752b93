// SPDX-License-Identifier: GPL-3.0-or-later
#include "values_table.hpp"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <iterator>

#include "number_display.hpp"
#include "picture_description.hpp"
#include "session.hpp"

namespace korvath::ui {

namespace {

struct ValuesTable {
    Q_DECLARE_TR_FUNCTIONS(ValuesTable)
};

QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A model number text that JSON reads as a number, or null: "NaN",
// "Infinity" and an empty (not yet computed) text are none.
QString jsonNumber(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]+)?([eE][-+]?[0-9]+)?$"));
    return number.match(text).hasMatch() ? text : QStringLiteral("null");
}

// The stable key and unit of each shown value, in the order of ShownValue.
struct StableName {
    const char* key;
    const char* unit;
};
constexpr StableName kStableNames[] = {
    {"radius_m", "m"},
    {"mass_kg", "kg"},
    {"density_g_per_cm3", "g/cm^3"},
    {"schwarzschild_radius_m", "m"},
    {"curvature_at_1_radius_per_m2", "m^-2"},
    {"radius_of_curvature_at_1_radius_m", "m"},
    {"curvature_at_1_5_radii_per_m2", "m^-2"},
    {"radius_of_curvature_at_1_5_radii_m", "m"},
    {"curvature_at_2_radii_per_m2", "m^-2"},
    {"radius_of_curvature_at_2_radii_m", "m"},
    {"curvature_at_2_5_radii_per_m2", "m^-2"},
    {"radius_of_curvature_at_2_5_radii_m", "m"},
    {"radius_coarse_bar", "position"},
    {"radius_fine_bar", "position"},
    {"mass_coarse_bar", "position"},
    {"mass_fine_bar", "position"},
    {"beam_start", "scene units"},
};
static_assert(std::size(kStableNames) == kShownValueCount);

constexpr size_t at(ShownValue value) {
    return static_cast<size_t>(value);
}

}  // namespace

QList<std::pair<QString, QString>> valueQuantities() {
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
    return {std::begin(rows), std::end(rows)};
}

QList<ValueRow> valueRows(const Session& session) {
    const QList<std::pair<QString, QString>> quantities = valueQuantities();
    QList<ValueRow> out;
    for (int i = 0; i < kShownValueCount; ++i) {
        const auto& [quantity, unit] = quantities[i];
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

QString stableValues(const Session& session, TableFormat format) {
    QList<ValueRow> rows;
    for (int i = 0; i < kShownValueCount; ++i)
        rows.append({QString::fromLatin1(kStableNames[i].key),
                     QString::fromStdString(session.text(static_cast<ShownValue>(i))),
                     QString::fromLatin1(kStableNames[i].unit)});
    // Then each ray on the picture: where it started and what became of it.
    for (size_t i = 0; i < session.rays().size(); ++i) {
        const TracedRay& ray = session.rays()[i];
        const QString key = QStringLiteral("ray_%1_").arg(i + 1);
        rows.append({key + QLatin1String("start"), QString::number(ray.start),
                     QString::fromLatin1(kStableNames[at(ShownValue::BeamStart)].unit)});
        rows.append({key + QLatin1String("fate"),
                     QString::fromStdString(rayFateKey(describeRay(ray.path))), QString()});
    }
    if (format != TableFormat::Json) return formatValueRows(rows, format);
    // Keys, units and fates are plain ASCII without quotes or backslashes.
    QString out = QStringLiteral("[\n");
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const bool fate = rows[i].quantity.endsWith(QLatin1String("_fate"));  // a word
        const QString value =
            fate ? QLatin1Char('"') + rows[i].value + QLatin1Char('"') : jsonNumber(rows[i].value);
        out += QStringLiteral("    {\"key\": \"%1\", \"value\": %2, \"unit\": \"%3\"}%4\n")
                   .arg(rows[i].quantity, value, rows[i].unit,
                        i + 1 < rows.size() ? QStringLiteral(",") : QString());
    }
    return out + QStringLiteral("]\n");
}

}  // namespace korvath::ui
