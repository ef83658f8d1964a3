#include "ui/help_window.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <map>
#include <utility>
#include <vector>

#include "ui/installed_files.h"
#include "ui/message_box.h"

namespace corvanta::ui {
namespace {

constexpr const char* kContentsPage = "index.html";

// The help browser draws a picture at its own size whatever the page's style asks, so a
// picture wider than the pane is given the pane's width here, keeping its proportions. The
// width left for pictures does not depend on whether the scroll bar shows, so fitting cannot
// bring the scroll bar and take it away in turn.
class PictureFitter : public QObject {
  public:
    PictureFitter(QTextBrowser* browser, QString folder)
        : QObject(browser), browser_(browser), folder_(std::move(folder)) {
        browser->viewport()->installEventFilter(this);
        connect(browser, &QTextBrowser::sourceChanged, this, [this] { fit(); });
    }

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Resize) fit();
        return false;
    }

  private:
    struct Picture {
        int position;
        int length;
        QTextImageFormat format;
    };

    [[nodiscard]] int room() const {
        const QScrollBar* bar = browser_->verticalScrollBar();
        const int barWidth =
            bar->isVisible() ? 0 : browser_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const auto margin = static_cast<int>(browser_->document()->documentMargin());
        return std::max(16, browser_->viewport()->width() - barWidth - 2 * margin - 8);
    }

    void fit() {
        QTextDocument* document = browser_->document();
        const int width = room();
        std::vector<Picture> resized;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                QTextImageFormat image = fragment.charFormat().toImageFormat();
                if (!image.isValid()) continue;
                const QSize taken = QImageReader(folder_ + "/" + image.name()).size();
                if (!taken.isValid()) continue;
                const int shown = std::min(taken.width(), width);
                if (static_cast<int>(image.width()) == shown) continue;
                image.setWidth(shown);
                image.setHeight(static_cast<double>(taken.height()) * shown / taken.width());
                resized.push_back({fragment.position(), fragment.length(), image});
            }
        }
        // Applied after the walk: a changed format may merge or split the fragments walked.
        QTextCursor cursor(document);
        for (const Picture& p : resized) {
            cursor.setPosition(p.position);
            cursor.setPosition(p.position + p.length, QTextCursor::KeepAnchor);
            cursor.setCharFormat(p.format);
        }
    }

    QTextBrowser* browser_;
    QString folder_;
};

QString readPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QToolButton* toolButton(QWidget* parent, const QString& name, QStyle::StandardPixmap icon,
                        const QString& text, const QKeySequence& keys) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setText(text);
    button->setToolTip(text + " (" + keys.toString(QKeySequence::NativeText) + ")");
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setShortcut(keys);
    return button;
}

}  // namespace

HelpWindow::HelpWindow(QString helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(std::move(helpFolder)) {
    setObjectName("helpWindow");
    setWindowTitle("Corvanta 2008 Help");
    auto* rows = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto* home = toolButton(this, "helpContents", QStyle::SP_DirHomeIcon, "&Contents",
                            QKeySequence(Qt::ALT | Qt::Key_Home));
    back_ = toolButton(this, "helpBack", QStyle::SP_ArrowBack, "&Back", QKeySequence::Back);
    forward_ =
        toolButton(this, "helpForward", QStyle::SP_ArrowForward, "&Forward", QKeySequence::Forward);
    auto* searchCaption = new QLabel("&Search:", this);
    search_ = new QLineEdit(this);
    search_->setObjectName("helpSearch");
    search_->setClearButtonEnabled(true);
    searchCaption->setBuddy(search_);
    searchNote_ = new QLabel(this);
    searchNote_->setObjectName("helpSearchNote");
    for (QWidget* w : {static_cast<QWidget*>(home), static_cast<QWidget*>(back_),
                       static_cast<QWidget*>(forward_), static_cast<QWidget*>(searchCaption)}) {
        bar->addWidget(w);
    }
    bar->addWidget(search_, 1);
    bar->addWidget(searchNote_);
    rows->addLayout(bar);

    auto* split = new QSplitter(this);
    contents_ = new QListWidget(split);
    contents_->setObjectName("helpContentsList");
    browser_ = new QTextBrowser(split);
    browser_->setObjectName("helpBrowser");
    browser_->setSearchPaths({folder_});
    browser_->setOpenExternalLinks(true);
    new PictureFitter(browser_, folder_);
    split->addWidget(contents_);
    split->addWidget(browser_);
    split->setStretchFactor(1, 1);
    split->setSizes({260, 640});
    rows->addWidget(split, 1);

    connect(home, &QToolButton::clicked, this, [this] { showPage(kContentsPage); });
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::historyChanged, this, [this] { markCurrentPage(); });
    connect(contents_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toString()); });
    connect(search_, &QLineEdit::returnPressed, this, [this] { findNext(); });
    back_->setEnabled(false);
    forward_->setEnabled(false);
    const std::array<QWidget*, 6> order{home, back_, forward_, search_, contents_, browser_};
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    fillContents();
    resize(940, 680);
}

void HelpWindow::fillContents() {
    // The contents page lists the chapters in reading order; the list follows it.
    const QString index = readPage(folder_ + "/" + kContentsPage);
    static const QRegularExpression link(R"re(<a href="([a-z0-9-]+\.html)">([^<]+)</a>)re");
    auto* first = new QListWidgetItem("Contents", contents_);
    first->setData(Qt::UserRole, QString(kContentsPage));
    pages_ = {kContentsPage};
    for (const auto& match : link.globalMatch(index)) {
        if (pages_.contains(match.captured(1))) continue;
        QTextDocument title;
        title.setHtml(match.captured(2));  // entities such as &amp;
        auto* item = new QListWidgetItem(title.toPlainText(), contents_);
        item->setData(Qt::UserRole, match.captured(1));
        pages_.append(match.captured(1));
    }
}

void HelpWindow::showPage(const QString& page) {
    browser_->setSource(QUrl(page.isEmpty() ? QString(kContentsPage) : page));
}

QString HelpWindow::currentPage() const { return browser_->source().fileName(); }

void HelpWindow::markCurrentPage() {
    const int row = static_cast<int>(pages_.indexOf(currentPage()));
    if (row >= 0) contents_->setCurrentRow(row);
}

bool HelpWindow::pageContains(const QString& page, const QString& text) const {
    QTextDocument document;
    document.setHtml(readPage(folder_ + "/" + page));
    return document.toPlainText().contains(text, Qt::CaseInsensitive);
}

bool HelpWindow::findNext() {
    const QString text = search_->text().trimmed();
    searchNote_->clear();
    if (text.isEmpty()) return false;
    if (browser_->find(text)) return true;
    // No more on this page: the next page holding it, from its top, going round once.
    const int here = static_cast<int>(pages_.indexOf(currentPage()));
    for (int step = 1; step <= pages_.size(); ++step) {
        const QString& page = pages_[(here + step) % pages_.size()];
        if (!pageContains(page, text)) continue;
        showPage(page);
        browser_->moveCursor(QTextCursor::Start);
        if (browser_->find(text)) return true;
    }
    searchNote_->setText("Not found");
    return false;
}

QString helpPageFor(const QWidget* window) {
    static const std::map<QString, QString> pages{
        {"Form1", "calculator-window.html"},
        {"frmDateMain", "calculator-window.html"},
        {"inputBox", "getting-started.html"},
        {"frmSaveUser", "files.html"},
        {"frmTaxInfo", "employee-dialog.html"},
        {"DialogState", "state-tax.html"},
        {"DialogCity", "local-tax.html"},
        {"DialogNonCity", "local-tax.html"},
        {"MDIForm1", "ledger.html"},
        {"frmChecks", "printing.html"},
        {"dlgPrintSet", "printing.html"},
        {"DialogHeader", "printing.html"},
        {"DialogCompany", "getting-started.html"},
        {"DialogVac", "leave-and-overtime.html"},
        {"Form2", "leave-and-overtime.html"},
        {"frmDate", "leave-and-overtime.html"},
        {"frmRegister", "register-window.html"},
        {"frmPayRun", "payroll.html"},
        {"frmYearEnd", "payroll.html"},
        {"frmCheckRegister", "printing.html"},
        {"frmEmployees", "employee-list.html"},
    };
    // A window without a page of its own is explained with the window it was opened from.
    for (const QWidget* w = window != nullptr ? window->window() : nullptr; w != nullptr;
         w = w->parentWidget() != nullptr ? w->parentWidget()->window() : nullptr) {
        const auto found = pages.find(w->objectName());
        if (found != pages.end()) return found->second;
    }
    return kContentsPage;
}

HelpWindow* showManual(QWidget* from, const QString& page) {
    const QString folder = installedHelpFolder();
    if (!QFileInfo::exists(folder + "/" + kContentsPage)) {
        showUserMessage(from,
                        {"The manual is not in the folder\r\n" + fromQt(folder) + ".", "Help"});
        return nullptr;
    }
    static QPointer<HelpWindow> shared;
    HelpWindow* window = nullptr;
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr) {
        window = new HelpWindow(folder, modal);
        window->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        if (shared == nullptr) {
            shared = new HelpWindow(folder);
            shared->setAttribute(Qt::WA_DeleteOnClose);
        }
        window = shared;
    }
    window->showPage(page);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

namespace {

class HelpKey : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 || !watched->isWidgetType()) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window()->objectName() == "helpWindow") return false;
        showManual(widget, helpPageFor(widget));
        return true;
    }
};

}  // namespace

void installHelpKey(QObject* owner) { qApp->installEventFilter(new HelpKey(owner)); }

}  // namespace corvanta::ui
