#include "ui/numeric_key_filter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QValidator>

#include "base/core/numeric_text.h"
#include "ui/message_box.h"
#include "ui/select_on_focus.h"

namespace corvanta::ui {
namespace {

// Every change of the box's text passes here, however it was made; one that brings a
// character a key press would drop is refused whole, so the box keeps its text.
class NumericTextValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override {
        return numericBoxText(input).size() == input.size() ? Acceptable : Invalid;
    }
};

// Ctrl+V (or Shift+Insert): the clipboard's text goes in only when it is one plain number.
void pasteNumber(QLineEdit* box) {
    const QString pasted = QGuiApplication::clipboard()->text();
    if (!isPlainNumberText(pasted)) {
        showUserMessage(box->window(), {fromQt(refusedPasteMessage(pasted)), "Paste"});
        box->setFocus();
        return;
    }
    box->insert(pasted.trimmed());
}

}  // namespace

QString numericBoxText(const QString& text) {
    // Characters outside Latin-1 are never among those kept; they become one that is not.
    QByteArray latin;
    for (const QChar c : text) latin += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?';
    return QString::fromStdString(corvanta::entryCharactersOf(latin.toStdString()));
}

bool isPlainNumberText(const QString& text) {
    static const QRegularExpression plain(QStringLiteral("^-?([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    return plain.match(text.trimmed()).hasMatch();
}

QString refusedPasteMessage(const QString& pasted) {
    QString shown = pasted.trimmed();
    if (shown.size() > 40) shown = shown.left(40) + "...";
    return "The pasted text \"" + shown +
           "\" is not one number, so nothing was pasted and the box keeps its text.\r\n"
           "Paste or type a plain number such as 40.5.";
}

bool isNumericKeyText(const QString& text) {
    static const QString allowed = QStringLiteral("0123456789 -.");
    for (const QChar c : text) {
        // Control characters are keys such as backspace, Tab or Ctrl shortcuts.
        if (c.unicode() >= 0x20 && c.unicode() != 0x7f && !allowed.contains(c)) return false;
    }
    return true;
}

void NumericKeyFilter::install(QLineEdit* box) {
    installInCell(box);
    SelectOnFocus::install(box);
}

void NumericKeyFilter::installInCell(QLineEdit* box) {
    box->installEventFilter(new NumericKeyFilter(box));
    box->setValidator(new NumericTextValidator(box));
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box != nullptr && key->matches(QKeySequence::Paste)) {
            if (!box->isReadOnly()) pasteNumber(box);
            return true;
        }
        // Other shortcuts (copy, undo...) pass whatever text the platform gives them.
        const bool shortcut =
            (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != Qt::NoModifier;
        if (!shortcut && !isNumericKeyText(key->text())) return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvanta::ui
