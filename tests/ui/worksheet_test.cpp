// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet as a reader finds it: the PDF's own text (read back by
// pdftotext, Debian package poppler-utils) holds the setup and every value
// in the chosen language, on one page.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "batch.hpp"
#include "korvath_build_info.hpp"
#include "language.hpp"
#include "session.hpp"
#include "values_table.hpp"
#include "worksheet.hpp"

namespace korvath {
namespace {

// A PDF tool's output for `file`, or a failure.
QString run(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        ADD_FAILURE() << tool.toStdString() << " is missing (Debian package poppler-utils)";
        return {};
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        ADD_FAILURE() << tool.toStdString() << " failed";
    return QString::fromUtf8(process.readAllStandardOutput());
}

class Worksheets : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override { ASSERT_EQ(ui::installLanguage(GetParam()).language, GetParam()); }
    void TearDown() override { ui::installLanguage("en"); }
};

TEST_P(Worksheets, ThePdfsTextHoldsTheSetupAndEveryValueOnOnePage) {
    korvath::Setup setup;
    setup.massBars = std::pair{79, 50};
    setup.rays = {1500, 300};
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("sheet.pdf"));
    ASSERT_EQ(ui::writeWorksheetFor(setup, QFile::encodeName(file)), QString());

    EXPECT_TRUE(run("pdfinfo", {file}).contains(QRegularExpression("Pages: +1\n")));
    // Laid out as on the page: each value on its quantity's line.
    const QString text = run("pdftotext", {"-layout", file, "-"});
    Session session;
    session.start();
    ASSERT_EQ(applySetup(session, setup), std::nullopt);
    EXPECT_TRUE(text.contains(ui::setupCommand(session)));
    EXPECT_TRUE(text.contains(QStringLiteral("--rays 1500,300")));
    for (const ui::ValueRow& row : ui::valueRows(session)) {
        const QRegularExpression line(QRegularExpression::escape(row.quantity) + " +" +
                                      QRegularExpression::escape(row.value) + " +" +
                                      QRegularExpression::escape(row.unit));
        EXPECT_TRUE(text.contains(line)) << line.pattern().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, Worksheets, ::testing::ValuesIn(buildinfo::kLanguages));

}  // namespace
}  // namespace korvath
