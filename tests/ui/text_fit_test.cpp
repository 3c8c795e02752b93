// SPDX-License-Identifier: GPL-3.0-or-later
// No character of a value or a caption is ever hidden without a mark: not
// where "Arial" is a wider face than Liberation Sans, not under a style sheet.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QFontInfo>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdlib>

#include "main_window_layout.hpp"
#include "text_fit.hpp"
#include "value_field.hpp"
#include "window_rig.hpp"

namespace korvath {
namespace {

using testing::WindowRig;
using ui::ValueField;

// The widest texts the bars produce, and the value fields that show them.
const char* const kWidestValues[] = {"8.88888888888888E+88", "0.000123456789012345",
                                     "-1.23456789012345E-100", "6.30206710256463E+39"};

// Where a label's text starts: after the indent a framed label adds (half an
// "x" of its font), as QLabel places plain text.
int textIndent(const QLabel* label) {
    return label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance('x') / 2 : 0;
}

// The whole text, in the label's own font as the window system resolved it,
// lies inside the label's contents rectangle.
::testing::AssertionResult textFitsItsPlace(const QLabel* label, const QString& text) {
    const int needed = textIndent(label) + label->fontMetrics().horizontalAdvance(text);
    const int room = label->contentsRect().width();
    if (needed <= room) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << label->objectName().toStdString() << ": \"" << text.toStdString() << "\" needs "
           << needed << " px in " << QFontInfo(label->font()).family().toStdString() << " "
           << label->font().pointSizeF() << " pt, the field has " << room;
}

// Every caption, mark and value field of the window shows its whole text,
// unshortened, at a readable size; returns how many were made smaller.
int expectEveryTextFits(WindowRig& rig) {
    int shrunk = 0;
    for (const ui::ControlSpec& item : ui::mainWindowLayout()) {
        auto* label = rig.find<QLabel>(item.objectName.data());
        if (!label || qobject_cast<ValueField*>(label)) continue;
        const auto* fitted = qobject_cast<ui::FittedLabel*>(label);
        EXPECT_TRUE(fitted && !fitted->elided()) << item.objectName;  // not shortened
        EXPECT_TRUE(textFitsItsPlace(label, label->text()));
        EXPECT_GE(label->font().pointSizeF(), ui::kSmallestFontPoints);
        shrunk += label->font().pointSizeF() < (item.fontPoints > 0 ? item.fontPoints : 9.0);
    }
    const auto check = [&](const char* name, const char* value) {
        auto* field = rig.find<ValueField>(name);
        field->setFittedText(value);
        EXPECT_EQ(field->text(), value);
        EXPECT_FALSE(field->elided()) << name << " " << value;
        EXPECT_TRUE(textFitsItsPlace(field, value));
        EXPECT_GE(field->font().pointSizeF(), ui::kSmallestFontPoints);
        shrunk += field->font().pointSizeF() < 9.0;
    };
    for (const char* name : testing::resultFields())
        for (const char* value : kWidestValues)
            check(name, value);
    // The small fields, of the bars' positions and the beam start, at their widest.
    for (int i = static_cast<int>(ShownValue::RadiusCoarsePosition); i < kShownValueCount; ++i) {
        const auto id = static_cast<ShownValue>(i);
        check(testing::nameShowing(id), id == ShownValue::BeamStart ? "6150" : "100");
    }
    return shrunk;
}

// An application style sheet for one test, the previous one restored after.
class ScopedStyleSheet {
  public:
    explicit ScopedStyleSheet(const QString& sheet) : previous_(qApp->styleSheet()) {
        qApp->setStyleSheet(sheet);
    }
    ~ScopedStyleSheet() { qApp->setStyleSheet(previous_); }

  private:
    QString previous_;
};

TEST(TextFit, UnderAStyleSheetEveryControlKeepsTheWindowFontAndEveryTextFits) {
    const ScopedStyleSheet sheet("QPushButton { padding: 1px; }");
    WindowRig rig;
    const QString arial = QFontInfo(rig.window->font()).family();
    for (const ui::ControlSpec& item : ui::mainWindowLayout()) {
        QWidget* w = rig.find(item.objectName.data());
        EXPECT_EQ(QFontInfo(w->font()).family(), arial) << item.objectName;
        // Its own size; a caption may have shrunk, where Arial is a wider face.
        const double points = item.fontPoints > 0 ? item.fontPoints : 9.0;
        if (qobject_cast<QLabel*>(w)) {
            EXPECT_LE(w->font().pointSizeF(), points) << item.objectName;
        } else {
            EXPECT_EQ(w->font().pointSizeF(), points) << item.objectName;
        }
    }
    EXPECT_EQ(QFontInfo(rig.window->menuBar()->font()).family(), arial);
    const int shrunk = expectEveryTextFits(rig);
    if (arial == "Liberation Sans" || arial == "Arial") {
        EXPECT_EQ(shrunk, 0);
    }
}

TEST(TextFit, WithArialsWidthsNothingShrinks) {
    WindowRig rig;
    const QString face = QFontInfo(rig.window->font()).family();
    if (face != "Liberation Sans" && face != "Arial")
        GTEST_SKIP() << "Arial is " << face.toStdString();
    EXPECT_EQ(expectEveryTextFits(rig), 0);
}

// A field and a plain label set up alike, side by side on one window.
struct FieldAndLabel {
    QWidget window;
    ValueField* field = new ValueField(&window);
    QLabel* label = new QLabel(&window);
    explicit FieldAndLabel(int width) {
        QFont font("Arial");
        font.setPointSizeF(9);
        window.setFont(font);
        label->setTextFormat(Qt::PlainText);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        field->setGeometry(0, 0, width, 17);
        label->setGeometry(0, 20, width, 17);
        window.resize(width, 40);
    }
};

TEST(TextFit, AFieldWhoseTextFitsLooksExactlyAsAPlainLabel) {
    FieldAndLabel pair(153);
    pair.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pair.window));
    const QFont normal = pair.field->font();
    for (const char* text :
         {"6378000", "0.00826186203267893", "-1.23456789012345E-100", "8.88888888888888E+88"}) {
        pair.field->setFittedText(text);
        pair.label->setText(text);
        EXPECT_EQ(pair.field->font(), normal) << text;
        EXPECT_FALSE(pair.field->testAttribute(Qt::WA_SetFont)) << text;  // still inherited
        EXPECT_EQ(pair.field->grab().toImage(), pair.label->grab().toImage()) << text;
        EXPECT_TRUE(pair.field->toolTip().isEmpty());
    }
}

TEST(TextFit, ATooWideValueShrinksThenShortensWithTheWholeTextForReaders) {
    FieldAndLabel pair(153);
    ValueField* field = pair.field;
    pair.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pair.window));
    const QFont normal = field->font();
    const QString value = "-1.23456789012345E-100";
    // Room for the value at 9 pt, in whatever face Arial is here.
    const int roomy = textIndent(field) + field->fontMetrics().horizontalAdvance(value) +
                      2 * field->frameWidth() + 2;
    const int narrow = roomy * 4 / 5;

    // Narrower than the value at 9 pt: a smaller font, whole text, no mark.
    field->resize(narrow, 17);
    field->setFittedText(value);
    EXPECT_LT(field->font().pointSizeF(), 9.0);
    EXPECT_GE(field->font().pointSizeF(), ui::kSmallestFontPoints);
    EXPECT_TRUE(textFitsItsPlace(field, value));
    EXPECT_FALSE(field->elided());
    EXPECT_TRUE(field->toolTip().isEmpty());
    // The next size up would not have fitted: shrunk no further than needed.
    QFont larger = field->font();
    larger.setPointSizeF(larger.pointSizeF() + ui::kFontStepPoints);
    EXPECT_GT(QFontMetrics(larger).horizontalAdvance(value) + textIndent(field),
              field->contentsRect().width());

    // Too narrow even at the smallest size: shortened with a mark, the whole
    // value in the tooltip and for a screen reader, text() unchanged.
    field->resize(60, 17);
    EXPECT_TRUE(field->elided());
    EXPECT_EQ(field->font().pointSizeF(), ui::kSmallestFontPoints);
    EXPECT_EQ(field->text(), value);
    EXPECT_EQ(field->toolTip(), value);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(field);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), value);
    // What is painted is the shortened text, not the cut-off whole one.
    pair.label->setFont(field->font());
    pair.label->resize(60, 17);
    pair.label->setText(field->fontMetrics().elidedText(
        value, Qt::ElideRight, field->contentsRect().width() - textIndent(field)));
    ASSERT_TRUE(pair.label->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(field->grab().toImage(), pair.label->grab().toImage());

    // Room again: the normal font, nothing in the tooltip.
    field->resize(roomy, 17);
    EXPECT_FALSE(field->elided());
    EXPECT_EQ(field->font(), normal);
    EXPECT_FALSE(field->testAttribute(Qt::WA_SetFont));
    EXPECT_TRUE(field->toolTip().isEmpty());
    EXPECT_EQ(iface->text(QAccessible::Name), value);
    field->resize(narrow, 17);
    field->setFittedText("5.1504");  // a shorter value fits at 9 pt again
    EXPECT_EQ(field->font(), normal);
}

TEST(TextFit, ACaptionThatDoesNotFitShrinksAndOnlyThenShortens) {
    QWidget window;
    QFont font("Arial");
    font.setPointSizeF(9);
    auto* caption = new ui::FittedLabel("The radius of curvature of stellar radius(m)", &window);
    caption->setFont(font);
    caption->setGeometry(0, 0, 232, 15);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QString whole = caption->text();
    const bool arialWidths = QFontInfo(font).family() == "Liberation Sans";
    if (arialWidths) {
        EXPECT_EQ(caption->font().pointSizeF(), 9.0);
    }

    caption->resize(180, 15);
    EXPECT_LT(caption->font().pointSizeF(), 9.0);
    EXPECT_TRUE(textFitsItsPlace(caption, whole));
    EXPECT_EQ(caption->text(), whole);

    caption->resize(80, 15);
    EXPECT_TRUE(caption->elided());
    EXPECT_EQ(caption->text(), whole);
    EXPECT_EQ(caption->toolTip(), whole);
    EXPECT_EQ(caption->accessibleName(), whole);

    caption->resize(400, 15);
    EXPECT_FALSE(caption->elided());
    EXPECT_EQ(caption->text(), whole);
    EXPECT_EQ(caption->font().pointSizeF(), 9.0);
    EXPECT_TRUE(caption->toolTip().isEmpty());
}

// ---------------------------------------------------------------------------
// Where "Arial" resolves to DejaVu Sans. Fontconfig is read once per process,
// so the window runs in a child process of this test program with a
// fontconfig set-up of its own that holds the DejaVu faces only.

constexpr const char* kChildMarker = "KORVATH_TEST_WITHOUT_LIBERATION";

TEST(TextFit, WhereArialIsAWiderFaceEveryTextStillFits) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile conf(dir.filePath("fonts.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write(QString(R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>%1</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
</fontconfig>
)")
                   .arg(dir.filePath("cache"))
                   .toUtf8());
    conf.close();

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("FONTCONFIG_FILE", conf.fileName());
    env.insert(kChildMarker, "1");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=WithoutLiberation.*", "--gtest_brief=0"});
    ASSERT_TRUE(child.waitForFinished(120000));
    const QString output = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test.")) << output.toStdString();
    EXPECT_FALSE(output.contains("SKIPPED")) << output.toStdString();
}

TEST(WithoutLiberation, WidestValuesAndCaptionsFitInTheFaceArialResolvesTo) {
    if (!std::getenv(kChildMarker))
        GTEST_SKIP() << "runs as a child of TextFit.WhereArialIsAWiderFaceEveryTextStillFits";
    WindowRig rig;
    const QString face = QFontInfo(rig.window->font()).family();
    ASSERT_NE(face, "Liberation Sans");
    ASSERT_NE(face, "Arial");
    // Texts measured in the face in use, which is wider: some must have shrunk.
    EXPECT_GT(expectEveryTextFits(rig), 0) << face.toStdString();
    for (const char* name : {"earthButton", "sunButton", "beamBigUpButton", "beamUpButton",
                             "beamDownButton", "beamBigDownButton", "beamButton"}) {
        auto* button = rig.find<QPushButton>(name);
        EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8)
            << name;
    }
}

}  // namespace
}  // namespace korvath
