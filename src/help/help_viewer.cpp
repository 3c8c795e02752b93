#include "help_viewer.hpp"

#include <QFile>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace korvath::help {

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName("helpViewer");
    setWindowTitle(tr("Korvath simulation Help"));
    browser_->setObjectName("helpText");
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 560);
}

void HelpViewer::showFile(const QString& path) {
    QFile file(path);
    failed_ = !file.open(QIODevice::ReadOnly);
    if (failed_) {
        browser_->clear();
        browser_->setHtml(tr("<h2>The help could not be opened</h2>"
                             "<p>The help file <b>%1</b> could not be read: %2.</p>"
                             "<p>The simulation goes on normally; you can close this window.</p>")
                              .arg(path.toHtmlEscaped(), file.errorString().toHtmlEscaped()));
    } else {
        file.close();
        // Same file again: reload it anyway, it may have changed.
        browser_->setSource(QUrl(), QTextDocument::HtmlResource);
        browser_->setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
    }
    browser_->verticalScrollBar()->setValue(0);
    browser_->moveCursor(QTextCursor::Start);
    show();
    raise();
    activateWindow();
}

}  // namespace korvath::help
