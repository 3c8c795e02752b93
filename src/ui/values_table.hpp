// SPDX-License-Identifier: GPL-3.0-or-later
// Every value a session shows as a table to take away, one row each with the
// bar positions and the beam start: either in the window's language and
// number format (for people and spreadsheets), or with stable English keys and
// C numbers (for scripts).
#pragma once

#include <QList>
#include <QString>
#include <utility>

namespace korvath {
class Session;
}

namespace korvath::ui {

struct ValueRow {
    QString quantity;
    QString value;  // exactly as the window shows it
    QString unit;
};

// Quantity, value and unit in the window's language, with the user's decimal
// separator.
QList<ValueRow> valueRows(const Session& session);
// The quantity and the unit of each value, in the order of ShownValue.
QList<std::pair<QString, QString>> valueQuantities();

enum class TableFormat { Tsv, Csv, Json };

// Tab-separated lines (pastes into a spreadsheet or a document), CSV lines
// (fields quoted where they hold a comma, a quote or a line break), or a JSON
// array of objects with the fields quantity, value and unit.
QString formatValueRows(const QList<ValueRow>& rows, TableFormat format);

// The same values for scripts, identical under every language and locale:
// a key such as radius_m, the number as the model writes it ("5.59736E+24",
// "." as the decimal point) and an ASCII unit. TSV and CSV rows hold key,
// value and unit; JSON is an array of objects {"key", "value", "unit"} whose
// value is a JSON number (null for a value that is not a finite number).
QString stableValues(const Session& session, TableFormat format);

}  // namespace korvath::ui
