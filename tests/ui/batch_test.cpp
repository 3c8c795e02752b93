// SPDX-License-Identifier: GPL-3.0-or-later
// Values and pictures made without a window on screen agree with what the
// window itself shows after the same actions by a user.
#include "batch.hpp"

#include <gtest/gtest.h>

#include <unistd.h>

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>
#include <random>

#include "language.hpp"
#include "scene_picture.hpp"
#include "session.hpp"
#include "value_field.hpp"
#include "window_rig.hpp"

namespace korvath {
namespace {

using testing::WindowRig;


// Moves a bar one arrow step at a time, as a user clicking its arrows would.
void stepTo(QScrollBar* bar, int value) {
    while (bar->value() < value)
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    while (bar->value() > value)
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
}

// A started window brought into the requested state by clicks and arrow steps.
void actLikeAUser(WindowRig& rig, const korvath::Setup& r) {
    if (r.sun) rig.click("sunButton");
    if (r.radiusBars) {
        stepTo(rig.bar("radiusCoarseBar"), r.radiusBars->first);
        stepTo(rig.bar("radiusFineBar"), r.radiusBars->second);
    }
    if (r.massBars) {
        stepTo(rig.bar("massCoarseBar"), r.massBars->first);
        stepTo(rig.bar("massFineBar"), r.massBars->second);
    }
    if (r.beamStart) {
        // Down stops at 6050: the last steps to 6100 or 6150 are DOWN's 300.
        const auto y = [&] { return rig.window->session().state().beamY.value(); };
        while (y() < *r.beamStart)
            rig.click((*r.beamStart - y()) % 300 == 0 ? "beamBigDownButton" : "beamDownButton");
        while (y() > *r.beamStart)
            rig.click("beamUpButton");
    }
    if (r.trace) rig.click("beamButton");
}

// The scene's colours, told apart even where an edge is smoothed.
enum class Hue { Black, Blue, Red, Yellow, White, Other };
Hue hueOf(QRgb p) {
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    if (std::max({r, g, b}) < 60) return Hue::Black;
    if (r > 120 && g > 120 && b > 120) return Hue::White;
    if (b > 2 * std::max(r, g)) return Hue::Blue;
    if (r > 2 * std::max(g, b)) return Hue::Red;
    if (r > 2 * b && g > 2 * b) return Hue::Yellow;
    return Hue::Other;
}

qsizetype litPixels(const QImage& image) {
    qsizetype lit = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            lit += hueOf(image.pixel(x, y)) != Hue::Black;
    return lit;
}

// Lit pixels of `a` whose hue appears nowhere within one pixel in `b`.
qsizetype unmatchedPixels(const QImage& a, const QImage& b) {
    qsizetype unmatched = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const Hue hue = hueOf(a.pixel(x, y));
            if (hue == Hue::Black || hue == Hue::Other) continue;
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx) {
                    const QPoint q(x + dx, y + dy);
                    found = b.rect().contains(q) && hueOf(b.pixel(q)) == hue;
                }
            unmatched += !found;
        }
    return unmatched;
}

korvath::Setup randomRequest(std::mt19937& random) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    korvath::Setup r;
    r.sun = pick(0, 1) == 1;
    if (pick(0, 3) > 0) r.radiusBars = std::pair{pick(0, 100), pick(0, 100)};
    if (pick(0, 3) > 0) r.massBars = std::pair{pick(0, 100), pick(0, 100)};
    if (pick(0, 1)) r.beamStart = pick(0, 3) ? 50 * pick(1, 123) : 50 * pick(122, 123);
    r.trace = pick(0, 1) == 1;
    return r;
}

TEST(Batch, ValuesAreTheFieldsTheWindowShowsForSeededStates) {
    std::mt19937 random(20261207);
    for (int i = 0; i < 12; ++i) {
        korvath::Setup request = randomRequest(random);
        request.beamStart.reset();  // the values do not depend on it, but for its own field
        WindowRig rig;
        actLikeAUser(rig, request);
        const auto shown = ui::valueRows(rig.window->session());
        const QString expected = ui::formatValueRows(shown, ui::TableFormat::Tsv);
        EXPECT_EQ(ui::valuesFor(request, ui::TableFormat::Tsv, ui::ValuesFor::People).toStdString(),
                  expected.toStdString())
            << "state " << i;
        ASSERT_EQ(shown.size(), kShownValueCount);
        for (int v = 0; v < kShownValueCount; ++v)
            EXPECT_EQ(shown[v].value,
                      rig.window->values().field(static_cast<ShownValue>(v))->text());
    }
}

TEST(Batch, ScriptsGetKeysAndCNumbersInEveryLanguage) {
    korvath::Setup request;
    request.sun = true;
    request.massBars = std::pair{60, 40};
    ui::installLanguage(QStringLiteral("en"));
    const QString json = ui::valuesFor(request, ui::TableFormat::Json);
    const QString tsv = ui::valuesFor(request, ui::TableFormat::Tsv);
    const QString csv = ui::valuesFor(request, ui::TableFormat::Csv);
    for (const char* language : {"de", "fr", "ja"}) {
        ui::installLanguage(QString::fromLatin1(language));
        EXPECT_EQ(ui::valuesFor(request, ui::TableFormat::Json), json) << language;
        EXPECT_EQ(ui::valuesFor(request, ui::TableFormat::Tsv), tsv) << language;
        EXPECT_EQ(ui::valuesFor(request, ui::TableFormat::Csv), csv) << language;
    }
    ui::installLanguage();

    Session session;
    session.start();
    applySetup(session, request);
    QJsonParseError error;
    const QJsonArray rows = QJsonDocument::fromJson(json.toUtf8(), &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.toStdString();
    ASSERT_EQ(rows.size(), kShownValueCount);
    const QStringList tsvRows = tsv.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(tsvRows.size(), kShownValueCount);
    for (int i = 0; i < kShownValueCount; ++i) {
        const QJsonObject row = rows[i].toObject();
        const std::string text = session.text(static_cast<ShownValue>(i));
        ASSERT_TRUE(row[QStringLiteral("value")].isDouble()) << i;
        EXPECT_EQ(row[QStringLiteral("value")].toDouble(), QString::fromStdString(text).toDouble())
            << i;
        EXPECT_EQ(tsvRows[i],
                  QStringList({row[QStringLiteral("key")].toString(), QString::fromStdString(text),
                               row[QStringLiteral("unit")].toString()})
                      .join(QLatin1Char('\t')));
    }
    EXPECT_EQ(rows[1].toObject()[QStringLiteral("key")].toString(), QStringLiteral("mass_kg"));
    EXPECT_EQ(rows[2].toObject()[QStringLiteral("unit")].toString(), QStringLiteral("g/cm^3"));
    EXPECT_TRUE(csv.startsWith(QStringLiteral("radius_m,696000000,m\r\nmass_kg,")))
        << csv.toStdString();
}

TEST(Batch, AWindowStartedInARequestedStateShowsItAndKeepsItPastItsStartUpTimer) {
    korvath::Setup request;
    request.massBars = std::pair{79, 50};
    request.beamStart = 2500;
    request.trace = true;
    WindowRig rig(WindowRig::Start::NotShown);
    ui::startInRequestedState(*rig.window, request);
    ASSERT_TRUE(rig.show());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !rig.window->startTimer()->isActive(); }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(rig.bar("massCoarseBar")->value(), 79);
    EXPECT_EQ(rig.window->session().state().beamY.value(), 2500);
    for (int v = 0; v < kShownValueCount; ++v)
        EXPECT_EQ(rig.window->values().field(static_cast<ShownValue>(v))->text(),
                  ui::valueRows(rig.window->session())[v].value);
    EXPECT_EQ(ui::formatValueRows(ui::valueRows(rig.window->session()), ui::TableFormat::Tsv),
              ui::valuesFor(request, ui::TableFormat::Tsv, ui::ValuesFor::People));
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("p.png"));
    ASSERT_EQ(ui::writePictureFor(request, QFile::encodeName(png)), QString());
    EXPECT_EQ(rig.window->picture()->image().convertToFormat(QImage::Format_RGB32),
              QImage(png).convertToFormat(QImage::Format_RGB32));
}

TEST(Batch, ThePngIsTheWindowsPictureAndTheSvgDrawsTheSameScene) {
    std::mt19937 random(7);
    QTemporaryDir folder;
    for (int i = 0; i < 4; ++i) {
        korvath::Setup request = randomRequest(random);
        request.trace = true;
        if (i == 0) request.massBars = std::pair{79, 50};  // the ray swings round the body
        WindowRig rig;
        actLikeAUser(rig, request);
        const QImage onScreen =
            rig.window->picture()->image().convertToFormat(QImage::Format_RGB32);

        const QString png = folder.filePath(QStringLiteral("p%1.png").arg(i));
        ASSERT_EQ(ui::writePictureFor(request, QFile::encodeName(png)), QString());
        EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), onScreen) << "state " << i;

        // The SVG, drawn at the same size, shows the same figures in the same
        // colours: every lit pixel of either has its colour within a pixel in
        // the other (the SVG renderer smooths edges, the screen does not).
        const QString svg = folder.filePath(QStringLiteral("p%1.svg").arg(i));
        ASSERT_EQ(ui::writePictureFor(request, QFile::encodeName(svg)), QString());
        QSvgRenderer renderer(svg);
        ASSERT_TRUE(renderer.isValid());
        QImage drawn(onScreen.size(), QImage::Format_RGB32);
        drawn.fill(Qt::black);
        QPainter painter(&drawn);
        renderer.render(&painter);
        painter.end();
        EXPECT_GT(litPixels(onScreen), 10000);
        EXPECT_LT(unmatchedPixels(onScreen, drawn), litPixels(onScreen) / 50) << "state " << i;
        EXPECT_LT(unmatchedPixels(drawn, onScreen), litPixels(drawn) / 50) << "state " << i;
    }
}

TEST(Batch, AFileThatCannotBeWrittenIsReportedAndNothingIsLeft) {
    QTemporaryDir folder;
    const QString inMissingFolder = folder.filePath(QStringLiteral("missing/p.png"));
    EXPECT_NE(ui::writePictureFor({}, QFile::encodeName(inMissingFolder)), QString());
    EXPECT_FALSE(QFile::exists(inMissingFolder));
    // A file in a read-only folder (not for root, who may write anyway).
    if (geteuid() != 0) {
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_NE(
            ui::writePictureFor({}, QFile::encodeName(folder.filePath(QStringLiteral("p.png")))),
            QString());
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

}  // namespace
}  // namespace korvath
