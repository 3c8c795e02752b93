// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_viewer.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvath::help {

namespace {

constexpr QSize kPreferredSize(640, 560);

using Problem = HelpViewer::Problem;

// The help file's bytes, or why there are none.
struct HelpFileBytes {
    Problem problem = Problem::None;
    QByteArray data;
    QString reason;   // Unreadable: the system's words; NotAFile: what it is
    qint64 size = 0;  // TooLarge: the size found
};

HelpFileBytes refused(Problem problem, const QString& reason = QString(), qint64 size = 0) {
    return {problem, QByteArray(), reason, size};
}

QString kindOfFile(mode_t mode) {
    if (S_ISFIFO(mode)) return HelpViewer::tr("a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return HelpViewer::tr("a device");
    if (S_ISDIR(mode)) return HelpViewer::tr("a folder");
    if (S_ISSOCK(mode)) return HelpViewer::tr("a socket");
    return HelpViewer::tr("a special file");
}

HelpFileBytes checkStat(const struct stat& st) {
    if (!S_ISREG(st.st_mode)) return refused(Problem::NotAFile, kindOfFile(st.st_mode));
    if (st.st_size == 0) return refused(Problem::Empty);
    if (st.st_size > kMaxHelpFileBytes) return refused(Problem::TooLarge, QString(), st.st_size);
    return {};
}

// Only a regular file is ever opened, and without waiting: a pipe or a device is
// recognised from its status and left alone. The file opened is checked again,
// in case the name was given to something else in between (QFile would open a
// pipe put there and wait on it, hence the system's own open).
HelpFileBytes readHelpFile(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return refused(Problem::Unreadable, qt_error_string(errno));
    if (HelpFileBytes checked = checkStat(st); checked.problem != Problem::None) return checked;

    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return refused(Problem::Unreadable, qt_error_string(errno));
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return refused(Problem::Unreadable, qt_error_string(error));
    }
    if (HelpFileBytes checked = checkStat(st); checked.problem != Problem::None) {
        ::close(fd);
        return checked;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refused(Problem::Unreadable, file.errorString());
    }
    // At most one byte more than the limit, for a file that grew in between.
    HelpFileBytes bytes;
    bytes.data = file.read(kMaxHelpFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(Problem::Unreadable, file.errorString());
    if (bytes.data.size() > kMaxHelpFileBytes)
        return refused(Problem::TooLarge, QString(),
                       std::max<qint64>(st.st_size, bytes.data.size()));
    if (bytes.data.isEmpty()) return refused(Problem::Empty);
    return bytes;
}

// The text of the page in the encoding its <meta> names, UTF-8 unless it names one.
QString decodeHtml(const QByteArray& data) {
    QStringDecoder decoder = QStringDecoder::decoderForHtml(data);
    if (!decoder.isValid()) decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(data);
}

// The help serves the desktop window and the web page alike: what only the
// page has is marked class="page" (a li, p, tr or span), and the window leaves
// it out. The browser has no display:none, so such an element is taken out of
// the text: from its opening tag to the first closing tag of its name after
// it, which is its own as long as it holds no element of its name. One whose
// closing tag is missing is left in, so that no text after it is lost. The
// closing tags are found in one pass, so a file of many marked elements takes
// no longer than one of a few.

bool isAsciiLetterOrDigit(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

// The attributes of an opening tag (what follows its name) give it the class
// "page" and no other.
bool markedPageOnly(QStringView attributes) {
    static const QRegularExpression pageClass(
        QStringLiteral(R"((?:^|\s)class\s*=\s*(?:"page"|'page'|page(?:[\s/]|$)))"),
        QRegularExpression::CaseInsensitiveOption);
    return pageClass.match(attributes).hasMatch();
}

// Where each closing tag ends, in order, by the tag's name in lower case.
QHash<QString, QList<qsizetype>> closingTagEnds(QStringView html) {
    QHash<QString, QList<qsizetype>> ends;
    for (qsizetype at = html.indexOf(u"</"); at >= 0; at = html.indexOf(u"</", at + 2)) {
        qsizetype nameEnd = at + 2;
        while (nameEnd < html.size() && isAsciiLetterOrDigit(html.at(nameEnd)))
            ++nameEnd;
        qsizetype end = nameEnd;
        while (end < html.size() && html.at(end).isSpace())
            ++end;
        if (nameEnd > at + 2 && end < html.size() && html.at(end) == u'>')
            ends[html.sliced(at + 2, nameEnd - at - 2).toString().toLower()].append(end + 1);
    }
    return ends;
}

QString withoutPageOnlyParts(const QString& html) {
    const QStringView text(html);
    std::optional<QHash<QString, QList<qsizetype>>> closings;  // found at the first marked element
    QString shown;
    qsizetype copied = 0;  // the text before this is in `shown` or left out
    for (qsizetype at = text.indexOf(u'<'); at >= 0; at = text.indexOf(u'<', at)) {
        qsizetype nameEnd = at + 1;
        while (nameEnd < text.size() && isAsciiLetterOrDigit(text.at(nameEnd)))
            ++nameEnd;
        // The tag runs to the next '>', unless another tag starts first.
        qsizetype tagEnd = nameEnd;
        while (tagEnd < text.size() && text.at(tagEnd) != u'>' && text.at(tagEnd) != u'<')
            ++tagEnd;
        if (tagEnd == text.size() || text.at(tagEnd) == u'<' || nameEnd == at + 1 ||
            !text.at(at + 1).isLetter() ||
            !markedPageOnly(text.sliced(nameEnd, tagEnd - nameEnd))) {
            at = tagEnd;
            continue;
        }
        if (!closings) closings = closingTagEnds(text);
        const QList<qsizetype> ends =
            closings->value(text.sliced(at + 1, nameEnd - at - 1).toString().toLower());
        const auto end = std::upper_bound(ends.begin(), ends.end(), tagEnd);
        if (end == ends.end()) {
            at = tagEnd;  // not closed: left in
            continue;
        }
        shown += text.sliced(copied, at - copied);
        copied = at = *end;
    }
    if (copied == 0) return html;
    shown += text.sliced(copied);
    return shown;
}

// The help's text as the window shows it.
QString helpText(const QByteArray& data) {
    return withoutPageOnlyParts(decodeHtml(data));
}

// Laying out nested tables takes about twice as long with each level (14
// levels 0.2 s, 16 levels 0.7 s here) and many tables add up: a page beyond
// these limits could freeze the window for minutes, one within them is laid
// out in a small part of a second.
constexpr int kDeepestTables = 12;
constexpr int kMostTables = 3000;

bool tooComplexToLayOut(const QString& html) {
    int depth = 0, tables = 0;
    for (qsizetype at = html.indexOf(QLatin1Char('<')); at >= 0;
         at = html.indexOf(QLatin1Char('<'), at + 1)) {
        if (QStringView(html).mid(at + 1, 5).compare(QLatin1String("table"), Qt::CaseInsensitive) ==
            0) {
            if (++tables > kMostTables || ++depth > kDeepestTables) return true;
        } else if (QStringView(html).mid(at + 1, 6).compare(QLatin1String("/table"),
                                                            Qt::CaseInsensitive) == 0) {
            depth = std::max(depth - 1, 0);
        }
    }
    return false;
}

// Pictures and pages the help links to are read as the help file is: only a
// regular file of at most kMaxHelpFileBytes, never a pipe or a device, which
// would hang the window.
class HelpBrowser final : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;
    // What is refused is given as empty (no picture, an empty page): given
    // nothing, the document would open the file itself.
    QVariant loadResource(int type, const QUrl& name) override {
        const bool page = type == QTextDocument::HtmlResource;
        const QVariant nothing = page ? QVariant(QString()) : QVariant(QByteArray());
        const QUrl url = document()->baseUrl().resolved(name);
        if (url.scheme() == QLatin1String("qrc")) return QTextBrowser::loadResource(type, name);
        if (!url.isLocalFile()) return nothing;
        const HelpFileBytes bytes = readHelpFile(url.toLocalFile());
        if (bytes.problem != Problem::None) return nothing;
        if (!page) return bytes.data;
        const QString html = helpText(bytes.data);
        return tooComplexToLayOut(html) ? nothing : QVariant(html);
    }
};

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path).toHtmlEscaped();
}

}  // namespace

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new HelpBrowser(this)) {
    setObjectName("helpViewer");
    setWindowTitle(tr(kHelpWindowTitle));
    browser_->setObjectName("helpText");
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(kPreferredSize);
}

// The file is read again each time: it may have changed.
void HelpViewer::showFile(const QString& path) {
    const HelpFileBytes bytes = readHelpFile(path);
    problem_ = bytes.problem;
    const QString file = shownPath(path);
    const QLocale locale;
    switch (problem_) {
        case Problem::None: {
            const QString html = helpText(bytes.data);
            if (tooComplexToLayOut(html)) {
                problem_ = Problem::TooComplex;
                showReport(tr(kHelpNotOpened),
                           tr("The help file <b>%1</b> holds too many tables, or tables nested too "
                              "deep, to be shown in good time.")
                               .arg(file));
                break;
            }
            const QFileInfo info(path);
            browser_->setSearchPaths({info.absolutePath()});
            browser_->document()->setBaseUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
            setPage(html);
            break;
        }
        case Problem::Unreadable:
            showReport(tr(kHelpNotOpened),
                       tr(kHelpNotRead).arg(file, bytes.reason.toHtmlEscaped()));
            break;
        case Problem::NotAFile:
            showReport(tr(kHelpNotOpened),
                       tr("The help file <b>%1</b> is %2, not a regular file, so it is not read.")
                           .arg(file, bytes.reason.toHtmlEscaped()));
            break;
        case Problem::Empty:
            showReport(tr(kHelpNotOpened), tr("The help file <b>%1</b> is empty.").arg(file));
            break;
        case Problem::TooLarge:
            showReport(tr(kHelpNotOpened),
                       tr("The help file <b>%1</b> is %2 long; a help file may be at most %3.")
                           .arg(file, locale.formattedDataSize(bytes.size),
                                locale.formattedDataSize(kMaxHelpFileBytes)));
            break;
        case Problem::FolderUnknown:  // not a result of reading
        case Problem::TooComplex:     // found above
            break;
    }
    present();
}

void HelpViewer::showFolderUnknown(bool programFolderUnnamed, const QStringList& missingFolders) {
    problem_ = Problem::FolderUnknown;
    QStringList reasons;
    if (programFolderUnnamed)
        reasons << tr(
            "The program could not tell which folder it was started from (the "
            "folder's name may not be valid text in the system's language settings).");
    if (!missingFolders.isEmpty()) {
        QStringList folders;
        for (const QString& folder : missingFolders)
            folders << QStringLiteral("<b>%1</b>").arg(shownPath(folder));
        reasons << tr("These folders do not exist: %1.").arg(folders.join(QStringLiteral(", ")));
    }
    reasons << tr("So the help file <b>%1</b> could not be looked for.")
                   .arg(QString::fromLatin1(kHelpFileName));
    showReport(tr("The help could not be found"), reasons.join(QLatin1Char(' ')));
    present();
}

void HelpViewer::showReport(const QString& title, const QString& reason) {
    browser_->setSearchPaths({});
    browser_->document()->setBaseUrl(QUrl());
    setPage(QStringLiteral("<h2>%1</h2><p>%2</p><p>%3</p>").arg(title, reason, tr(kHelpGoesOn)));
}

// The page has no colours of its own: its text and background are the
// browser's palette. Its links take the application's link colour when the
// page is read; they follow this window's palette from then on.
void HelpViewer::setPage(const QString& html) {
    linkColour_ = QGuiApplication::palette().color(QPalette::Link);
    browser_->setHtml(html);
    recolourLinks();
}

void HelpViewer::recolourLinks() {
    const QColor colour = palette().color(QPalette::Link);
    if (colour == linkColour_) return;
    QTextDocument* document = browser_->document();
    std::vector<std::pair<int, int>> links;  // position, length
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty() &&
                format.foreground().color() == linkColour_)
                links.emplace_back(fragment.position(), fragment.length());
        }
    }
    QTextCharFormat recoloured;
    recoloured.setForeground(colour);
    QTextCursor cursor(document);
    for (const auto& [position, length] : links) {
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(recoloured);
    }
    linkColour_ = colour;
}

void HelpViewer::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) recolourLinks();
}

void HelpViewer::present() {
    browser_->verticalScrollBar()->setValue(0);
    browser_->moveCursor(QTextCursor::Start);
    if (!isVisible()) fitToScreen();
    show();
    raise();
    activateWindow();
}

// Opens within the available area of the main window's screen: 640 x 560, or
// less on a smaller screen; centred on the main window the first time, where
// it was afterwards, and moved inside the area wherever it would cross its edge.
void HelpViewer::fitToScreen() {
    QWidget* mainWindow = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen* screen = mainWindow ? mainWindow->screen() : this->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();

    // The frame: this window's own once it has been shown, else the main window's.
    QMargins frame;
    if (placed_ && windowHandle())
        frame = windowHandle()->frameMargins();
    else if (mainWindow && mainWindow->windowHandle())
        frame = mainWindow->windowHandle()->frameMargins();

    const QSize room = area.size().shrunkBy(frame).expandedTo(QSize(1, 1));
    const QSize client = (placed_ ? size() : kPreferredSize).boundedTo(room);
    resize(client);

    QRect outer(QPoint(0, 0), client.grownBy(frame));
    if (placed_)
        outer.moveTopLeft(pos());
    else
        outer.moveCenter(mainWindow ? mainWindow->frameGeometry().center() : area.center());
    outer.moveLeft(
        std::max(area.left(), std::min(outer.left(), area.x() + area.width() - outer.width())));
    outer.moveTop(
        std::max(area.top(), std::min(outer.top(), area.y() + area.height() - outer.height())));
    move(outer.topLeft());
    placed_ = true;
}

}  // namespace korvath::help
