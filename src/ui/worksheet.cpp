// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheet.hpp"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

#include "file_writer.hpp"
#include "korvath_build_info.hpp"
#include "main_window_layout.hpp"
#include "painter_surface.hpp"
#include "picture_description.hpp"
#include "picture_text.hpp"
#include "scene.hpp"
#include "scene_recording.hpp"
#include "session.hpp"
#include "setup.hpp"
#include "values_table.hpp"

namespace korvath::ui {

namespace {

struct Worksheet {
    Q_DECLARE_TR_FUNCTIONS(Worksheet)
};

// Resolution of the PDF's coordinates: fine enough that no line or letter
// lands off its place.
constexpr int kPdfDpi = 1200;
constexpr double kMarginMm = 15;
constexpr double kPictureWidthMm = 120;
constexpr double kRayLineMm = 0.25;  // the picture's lines on paper
constexpr int kNoteLines = 8;        // ruled lines, as many as the page leaves room for

QFont sheetFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Lays the sheet out from the top of the page down, in device pixels, and
// keeps every text it wrote.
class SheetPainter {
  public:
    SheetPainter(QPainter& painter, const QRectF& page, double dpi)
        : p_(painter), page_(page), dpi_(dpi), y_(page.top()) {}
    QString written;

    double mm(double millimetres) const { return millimetres * dpi_ / 25.4; }
    double y() const { return y_; }
    void skip(double millimetres) { y_ += mm(millimetres); }

    // A line of text across the page, or left and right parts of one.
    void line(const QString& left, const QFont& font, const QString& right = QString()) {
        p_.setFont(font);
        written += left + right;
        const QFontMetricsF metrics(font, p_.device());
        const QRectF box(page_.left(), y_, page_.width(), metrics.height());
        p_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, left);
        if (!right.isEmpty()) p_.drawText(box, Qt::AlignRight | Qt::AlignVCenter, right);
        y_ += metrics.height() * 1.15;
    }
    // Text that wraps within the page's width.
    void paragraph(const QString& text, const QFont& font) {
        p_.setFont(font);
        written += text;
        const QRectF room(page_.left(), y_, page_.width(), page_.bottom() - y_);
        const QRectF used = p_.boundingRect(room, Qt::TextWordWrap, text);
        p_.drawText(room, Qt::TextWordWrap, text);
        y_ += used.height() + QFontMetricsF(font, p_.device()).height() * 0.3;
    }
    // Rows of columns, each column starting at its fraction of the width.
    void rows(const QList<QStringList>& rows, const QList<double>& starts, const QFont& font) {
        p_.setFont(font);
        const QFontMetricsF metrics(font, p_.device());
        for (const QStringList& row : rows) {
            written += row.join(QString());
            for (qsizetype c = 0; c < row.size(); ++c) {
                const double left = page_.left() + starts[c] * page_.width();
                const double right = c + 1 < starts.size()
                                         ? page_.left() + starts[c + 1] * page_.width()
                                         : page_.right();
                p_.drawText(QRectF(left, y_, right - left, metrics.height()),
                            Qt::AlignLeft | Qt::AlignVCenter, row[c]);
            }
            y_ += metrics.height() * 1.1;
        }
    }
    // The picture, `widthMm` wide and centred, drawn by the scene.
    void picture(const SceneRecording& recording, QSize area, double widthMm) {
        const double width = mm(widthMm);
        const double height = width * area.height() / area.width();
        const QRectF place(page_.left() + (page_.width() - width) / 2, y_, width, height);
        p_.save();
        p_.setClipRect(place);
        p_.translate(place.topLeft());
        // Scene units are twips of the picture at 96 dpi, drawn `width` wide.
        const double pictureDpi = width * 96.0 / area.width();
        PainterSurface surface(p_, place.size(), pictureDpi, mm(kRayLineMm),
                               PainterSurface::Lines::DrawingUnits);
        Scene scene(surface);
        recording.replay(scene);
        p_.restore();
        y_ += height + mm(3);
    }
    // Ruled lines down to the bottom margin, at most `count`.
    void ruledLines(int count) {
        const double gap = mm(8);
        p_.save();
        p_.setPen(QPen(Qt::gray, mm(0.2)));
        for (int i = 0; i < count && y_ + gap <= page_.bottom(); ++i) {
            y_ += gap;
            p_.drawLine(QPointF(page_.left(), y_), QPointF(page_.right(), y_));
        }
        p_.restore();
    }

  private:
    QPainter& p_;
    QRectF page_;
    double dpi_;
    double y_;
};

}  // namespace

WorksheetWords worksheetWords() {
    // The program by its name in the language, as its window is titled.
    const QString program = QCoreApplication::translate("MainWindow", kMainWindowTitle);
    return {Worksheet::tr("%1: worksheet").arg(program),
            Worksheet::tr("Name:"),
            Worksheet::tr("Body"),
            Worksheet::tr("Radius bars (coarse, fine)"),
            Worksheet::tr("Mass bars (coarse, fine)"),
            Worksheet::tr("Beam start"),
            Worksheet::tr("To set it up again:"),
            Worksheet::tr("Notes:")};
}

QPageSize worksheetPageSize(const QLocale& locale) {
    // The countries whose schools print on Letter paper.
    switch (locale.territory()) {
        case QLocale::UnitedStates:
        case QLocale::Canada:
        case QLocale::Mexico:
        case QLocale::Philippines:
        case QLocale::Chile:
        case QLocale::Colombia:
        case QLocale::Venezuela:
        case QLocale::CostaRica:
        case QLocale::Guatemala:
        case QLocale::PuertoRico:
            return QPageSize(QPageSize::Letter);
        default:
            return QPageSize(QPageSize::A4);
    }
}

QString setupCommand(const Session& session) {
    QString command = QString::fromUtf8(buildinfo::kExecutableName);
    for (const auto& [option, value] : givenOptions(setupOf(session))) {
        command += QStringLiteral(" --") + QUtf8StringView(setupOptionName(option)).toString();
        if (!value.empty()) command += QLatin1Char(' ') + QString::fromStdString(value);
    }
    return command;
}

QString paintWorksheet(QPainter& painter, const QRectF& page, double dpi,
                       const WorksheetContent& content) {
    const Session& session = content.session;
    SheetPainter sheet(painter, page, dpi);
    const WorksheetWords words = worksheetWords();
    painter.setPen(Qt::black);
    sheet.line(words.title, sheetFont(15, true),
               QLocale().toString(content.date, QLocale::LongFormat));
    sheet.skip(1);
    sheet.line(words.name, sheetFont(10));
    sheet.skip(2);

    const bool sun = session.state().presetRadius == kSun.radius;
    const auto pair = [&](Bar coarse, Bar fine) {
        return QStringLiteral("%1, %2").arg(session.bar(coarse)).arg(session.bar(fine));
    };
    // The body by its button's caption.
    const QString body = QCoreApplication::translate("MainWindow", sun ? "Sun" : "Earth");
    sheet.rows({{words.body, body},
                {words.radiusBars, pair(Bar::RadiusCoarse, Bar::RadiusFine)},
                {words.massBars, pair(Bar::MassCoarse, Bar::MassFine)},
                {words.beamStart, QString::number(session.state().beamY.value())}},
               {0, 0.4}, sheetFont(10));
    sheet.line(words.setUp, sheetFont(10));
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setPointSizeF(9);
    sheet.paragraph(setupCommand(session), mono);
    sheet.skip(1);

    sheet.picture(content.picture, content.pictureArea, kPictureWidthMm);
    sheet.paragraph(pictureText(content.description), sheetFont(9));

    QList<QStringList> values;
    for (const ValueRow& row : valueRows(session))
        values.append({row.quantity, row.value, row.unit});
    sheet.rows(values, {0, 0.55, 0.85}, sheetFont(9));
    sheet.skip(2);
    sheet.line(words.notes, sheetFont(10, true));
    sheet.ruledLines(kNoteLines);
    return sheet.written;
}

// A PDF tells a reader which character each glyph stands for (its ToUnicode
// maps), and Qt names the lowest code point a font draws with that glyph.
// Fonts for Japanese draw a few characters with the glyph of another one
// (月 as the radical ⽉, ・ as ‧), so that copying or searching the text
// found other characters than those written. Each such code point becomes
// the written character that shares its glyph; the maps stay as long.
QByteArray withTextAsWritten(QByteArray pdf, const QString& written) {
    QSet<char32_t> writtenChars;
    for (char32_t c : written.toUcs4())
        writtenChars.insert(c);
    const QRawFont cjk = QRawFont::fromFont(QFont(QStringLiteral("Noto Sans CJK JP")));
    const auto glyphOf = [&](char32_t c) {
        const QList<quint32> glyphs = cjk.glyphIndexesForString(QString::fromUcs4(&c, 1));
        return glyphs.isEmpty() ? 0u : glyphs.first();
    };
    static const QRegularExpression code(QStringLiteral("<([0-9A-F]{4})>"));
    qsizetype at = 0;
    while ((at = pdf.indexOf("beginbfrange", at)) >= 0) {
        const qsizetype end = pdf.indexOf("endbfrange", at);
        if (end < 0) break;
        QString map = QString::fromLatin1(pdf.mid(at, end - at));
        for (const QRegularExpressionMatch& m : code.globalMatch(map)) {
            const char32_t named = m.captured(1).toUInt(nullptr, 16);
            const quint32 glyph = glyphOf(named);
            if (writtenChars.contains(named) || glyph == 0) continue;
            for (char32_t c : writtenChars) {
                if (c <= 0xFFFF && glyphOf(c) == glyph) {
                    map.replace(
                        m.capturedStart(1), 4,
                        QStringLiteral("%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper());
                    break;
                }
            }
        }
        pdf.replace(at, end - at, map.toLatin1());
        at = end;
    }
    return pdf;
}

QByteArray worksheetPdf(const WorksheetContent& content) {
    QString written;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kPdfDpi);
        pdf.setPageSize(worksheetPageSize());
        pdf.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                           QPageLayout::Millimeter);
        pdf.setTitle(worksheetWords().title);
        pdf.setCreator(QString::fromUtf8(buildinfo::kDisplayName));
        QPainter painter(&pdf);
        written = paintWorksheet(painter, QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height())),
                                 kPdfDpi, content);
    }
    return withTextAsWritten(buffer.data(), written);
}

QString writeWorksheet(const WorksheetContent& content, const QByteArray& file) {
    return writeFileSafely(file, worksheetPdf(content));
}

}  // namespace korvath::ui
