// SPDX-License-Identifier: GPL-3.0-or-later
// The window in each of its languages: every text translated, nothing
// clipped, faults worded in the language, and the language chosen from the
// desktop or the command line.
#include "language.hpp"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QTextBrowser>
#include <iterator>
#include <map>

#include "help_command.hpp"
#include "help_viewer.hpp"
#include "korvath_build_info.hpp"
#include "window_rig.hpp"

namespace korvath {
namespace {

using testing::WindowRig;

// English again after each test, as the rest of the suite expects.
class InLanguage : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override { ASSERT_EQ(ui::installLanguage(GetParam()).language, GetParam()); }
    void TearDown() override { ui::installLanguage("en"); }
};

// Every text a user sees or hears on the main window, by where it stands.
QList<std::pair<QString, QString>> visibleTexts(const ui::MainWindow& window) {
    QList<std::pair<QString, QString>> texts{{"title", window.windowTitle()}};
    for (QAction* a : window.menuBar()->actions()) {
        texts.append({a->objectName(), a->text()});
        if (a->menu()) {  // and every command in the menu
            for (QAction* item : a->menu()->actions())
                if (!item->isSeparator()) texts.append({item->objectName(), item->text()});
        }
    }
    for (QWidget* w : window.clientArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString name = w->objectName();
        if (auto* b = qobject_cast<QPushButton*>(w)) texts.append({name, b->text()});
        if (auto* l = qobject_cast<QLabel*>(w); l && name.endsWith("Caption"))
            texts.append({name, l->text()});
        if (!w->accessibleName().isEmpty()) texts.append({name + " name", w->accessibleName()});
        if (!w->accessibleDescription().isEmpty())
            texts.append({name + " description", w->accessibleDescription()});
    }
    return texts;
}

TEST_P(InLanguage, EveryTextIsTranslatedAndFitsItsBox) {
    QList<std::pair<QString, QString>> english;
    {
        ui::installLanguage("en");
        WindowRig rig;
        english = visibleTexts(*rig.window);
        ASSERT_TRUE(ui::installLanguage(GetParam()).warning.isEmpty());
    }
    WindowRig rig;
    const auto translated = visibleTexts(*rig.window);
    ASSERT_EQ(translated.size(), english.size());
    static const QRegularExpression letters("\\p{L}");
    for (qsizetype i = 0; i < english.size(); ++i) {
        if (!english[i].second.contains(letters)) continue;  // "<<", "<": no words
        EXPECT_NE(translated[i].second, english[i].second)
            << english[i].first.toStdString()
            << " is not translated: " << english[i].second.toStdString();
    }
    // Nothing is cut off, in the face actually resolved for the language.
    for (QWidget* w : rig.window->clientArea()->findChildren<QWidget*>()) {
        if (auto* l = qobject_cast<QLabel*>(w); l && w->objectName().endsWith("Caption")) {
            EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width())
                << w->objectName().toStdString() << ": " << l->text().toStdString();
        }
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            EXPECT_LT(b->fontMetrics().horizontalAdvance(b->text()), b->width())
                << w->objectName().toStdString() << ": " << b->text().toStdString();
        }
    }
}

TEST_P(InLanguage, AFaultIsWordedInTheLanguage) {
    WindowRig rig;
    rig.window->session().choose({0, kEarth.mass});  // no control reaches this
    ASSERT_EQ(rig.window->faultNotice().count(), 1);
    const QString message = rig.window->faultNotice().lastMessage();
    EXPECT_NE(message, "The body cannot be computed: its radius is 0 m.");
    EXPECT_TRUE(message.contains("0")) << message.toStdString();
}

TEST_P(InLanguage, TheHelpOpensInTheLanguage) {
    static const std::map<std::string, QString> kWord{{"de", "Schwarzschild-Radius"},
                                                      {"fr", "rayon de Schwarzschild"},
                                                      {"es", "radio de Schwarzschild"},
                                                      {"ja", "シュワルツシルト半径"}};
    WindowRig rig;
    help::HelpCommand& command = rig.window->helpCommand();
    command.setHelpFolders({QStringLiteral(QT_TESTCASE_SOURCEDIR "/../resources")});
    command.run();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return command.viewer() && command.viewer()->isVisible(); }, 5000));
    EXPECT_TRUE(command.helpFile().endsWith(QStringLiteral("vesker_%1.hlp").arg(GetParam())))
        << command.helpFile().toStdString();
    const QString text = command.viewer()->browser()->toPlainText();
    EXPECT_TRUE(text.contains(kWord.at(GetParam()))) << text.left(300).toStdString();
    EXPECT_NE(command.viewer()->windowTitle(), "Korvath simulation Help");
    command.viewer()->close();
}

INSTANTIATE_TEST_SUITE_P(Languages, InLanguage,
                         ::testing::ValuesIn(std::begin(buildinfo::kLanguages) + 1,
                                             std::end(buildinfo::kLanguages)));

// Every caption and mark in every language, English included: its text
// drawn as the label draws it, in the face resolved for the language, leaves
// no ink outside the label's box. (ctest runs this at scale 2 as well.)
class CaptionInk : public InLanguage {};

// The ink of `label`'s text, in the label's coordinates, drawn on a larger
// image so that what the label would cut off shows.
QRectF inkOf(const QLabel* label) {
    const double dpr = label->devicePixelRatioF();
    const int pad = 30;
    QImage image((label->size() + QSize(2 * pad, 2 * pad)) * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(label->font());
    painter.setPen(Qt::black);
    painter.translate(pad, pad);
    // QLabel's text rectangle: the contents less the margin, and the indent
    // of a framed label (half an "x") on the side of its alignment.
    const Qt::Alignment align =
        QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    QRect r = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                             -label->margin());
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = label->fontMetrics().horizontalAdvance('x') / 2 - label->margin();
    if (indent > 0 && (align & Qt::AlignLeft)) r.setLeft(r.left() + indent);
    if (indent > 0 && (align & Qt::AlignRight)) r.setRight(r.right() - indent);
    if (indent > 0 && (align & Qt::AlignTop)) r.setTop(r.top() + indent);
    if (indent > 0 && (align & Qt::AlignBottom)) r.setBottom(r.bottom() - indent);
    // Not clipped to that rectangle, as the label would: what it would cut
    // off is what this measures.
    label->style()->drawItemText(&painter, r, static_cast<int>(align) | Qt::TextDontClip,
                                 label->palette(), true, label->text());
    painter.end();
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 224) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0) return {};
    return QRectF(left / dpr - pad, top / dpr - pad, (right + 1 - left) / dpr,
                  (bottom + 1 - top) / dpr);
}

TEST_P(CaptionInk, NoCaptionLosesInkOutsideItsBox) {
    WindowRig rig;
    int checked = 0;
    for (QWidget* w : rig.window->clientArea()->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(w);
        if (!label || !(w->objectName().endsWith("Caption") || w->objectName().endsWith("Mark")))
            continue;
        const QRectF ink = inkOf(label);
        ASSERT_FALSE(ink.isEmpty()) << w->objectName().toStdString();
        EXPECT_TRUE(QRectF(label->contentsRect()).contains(ink))
            << w->objectName().toStdString() << " \"" << label->text().toStdString() << "\" in "
            << QFontInfo(label->font()).family().toStdString() << " " << label->font().pointSizeF()
            << " pt: ink " << ink.left() << "," << ink.top() << " to " << ink.right() << ","
            << ink.bottom() << ", box " << label->contentsRect().width() << " x "
            << label->contentsRect().height();
        ++checked;
    }
    EXPECT_EQ(checked, 16);
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionInk, ::testing::ValuesIn(buildinfo::kLanguages));

TEST(Language, CodesNameTheirLanguageAndUnknownOnesFallBackToEnglishWithAWarning) {
    EXPECT_EQ(ui::languageOf("de"), "de");
    EXPECT_EQ(ui::languageOf("de_AT"), "de");
    EXPECT_EQ(ui::languageOf("fr-CA"), "fr");
    EXPECT_EQ(ui::languageOf("JA"), "ja");
    EXPECT_EQ(ui::languageOf("pt_BR"), "");
    const auto unknown = ui::installLanguage("xx");
    EXPECT_EQ(unknown.language, "en");
    EXPECT_TRUE(unknown.warning.contains("'xx'")) << unknown.warning.toStdString();
    EXPECT_FALSE(unknown.warning.contains('\n'));
    EXPECT_EQ(ui::currentLanguage(), "en");
}

TEST(Language, JapaneseTextHasACjkFace) {
    const QStringList families = QFontDatabase::families(QFontDatabase::Japanese);
    const bool noto = std::any_of(families.begin(), families.end(),
                                  [](const QString& f) { return f.contains("Noto Sans CJK"); });
    EXPECT_TRUE(noto) << "install fonts-noto-cjk";
}

}  // namespace
}  // namespace korvath
