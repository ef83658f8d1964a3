#include "ui/numeric_key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

#include "base/core/numeric_text.h"
#include "ui/select_on_focus.h"

namespace corvanta::ui {
namespace {

// Every change of the box's text passes here, however it was made; the text is cut to the
// characters a key press admits and the cursor kept after the same characters.
class NumericTextValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        const QString kept = numericBoxText(input);
        if (kept.size() != input.size()) {
            pos = static_cast<int>(numericBoxText(input.left(pos)).size());
            input = kept;
        }
        return Acceptable;
    }
};

}  // namespace

QString numericBoxText(const QString& text) {
    // Characters outside Latin-1 are never among those kept; they become one that is not.
    QByteArray latin;
    for (const QChar c : text) latin += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?';
    return QString::fromStdString(corvanta::entryCharactersOf(latin.toStdString()));
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
    box->installEventFilter(new NumericKeyFilter(box));
    box->setValidator(new NumericTextValidator(box));
    SelectOnFocus::install(box);
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Shortcuts (paste, copy, undo...) pass whatever text the platform gives them; what a
        // paste brings is filtered by the box's validator.
        const bool shortcut =
            (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != Qt::NoModifier;
        if (!shortcut && !isNumericKeyText(key->text())) return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvanta::ui
