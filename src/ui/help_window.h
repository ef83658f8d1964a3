#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;

namespace corvanta::ui {

// The manual's pages in a browser: its contents beside it, back and forward, and a search
// that goes on through the following pages when the current one has no more matches.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QString helpFolder, QWidget* parent = nullptr);

    // Shows a page of the manual ("ledger.html").
    void showPage(const QString& page);
    // Finds the next match of the search box's text; false when no page holds it.
    bool findNext();
    [[nodiscard]] QString currentPage() const;

  private:
    void fillContents();
    void markCurrentPage();
    [[nodiscard]] bool pageContains(const QString& page, const QString& text) const;

    QString folder_;
    QStringList pages_;  // in the order of the contents
    QTextBrowser* browser_ = nullptr;
    QListWidget* contents_ = nullptr;
    QLineEdit* search_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QLabel* searchNote_ = nullptr;
};

// The manual's page about a window, from its object name; the contents for any other.
QString helpPageFor(const QWidget* window);

// Opens the help window at `page`. Over a modal dialog the manual opens as that dialog's own
// window, which the dialog does not block. Returns the window shown, or null when the manual
// is not installed (which is then reported).
HelpWindow* showManual(QWidget* from, const QString& page);

// Makes F1 open the manual at the page of the window that has the keyboard, in every window
// of the program.
void installHelpKey(QObject* owner);

}  // namespace corvanta::ui
