// The program's help viewer: a window that shows the help file, opened at its
// beginning. A file that cannot be read is reported in the window itself.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace korvath::help {

class HelpViewer final : public QWidget {
    Q_OBJECT
  public:
    explicit HelpViewer(QWidget* parent);

    // Shows the file (HTML) and brings the window to the front.
    void showFile(const QString& path);

    QTextBrowser* browser() const { return browser_; }
    // True when the last file shown could not be read.
    bool failed() const { return failed_; }

  private:
    QTextBrowser* browser_;
    bool failed_ = false;
};

}  // namespace korvath::help
