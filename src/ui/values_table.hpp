// SPDX-License-Identifier: GPL-3.0-or-later
// Every value a session shows as a table to take away: quantity, value and
// unit, one row each, in the window's language and number format, with the
// bar positions and the beam start.
#pragma once

#include <QList>
#include <QString>

namespace korvath {
class Session;
}

namespace korvath::ui {

struct ValueRow {
    QString quantity;
    QString value;  // exactly as the window shows it
    QString unit;
};

QList<ValueRow> valueRows(const Session& session);

enum class TableFormat { Tsv, Csv, Json };

// Tab-separated lines (pastes into a spreadsheet or a document), CSV with
// quoted fields, or a JSON array of objects.
QString formatValueRows(const QList<ValueRow>& rows, TableFormat format);

}  // namespace korvath::ui
