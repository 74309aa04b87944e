#include "InputField.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QValidator>

#include <string>

namespace fluvara {

namespace {

class TLengthValidator : public QValidator {
public:
    TLengthValidator(int maxChars, QObject* parent) : QValidator(parent), maxChars_(maxChars) { }

    State validate(QString& input, int&) const override { return input.size() <= maxChars_ ? Acceptable : Invalid; }

private:
    int maxChars_;
};

// QLineEdit lets every edit through while its current text fails the
// validator, as a long program-written text does. In that state this filter
// refuses whatever would not shorten the text.
class TLongTextGuard : public QObject {
public:
    TLongTextGuard(QLineEdit* field, int maxChars) : QObject(field), maxChars_(maxChars) { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The field's destructor still sends events (a focus-out) once the
        // line edit part of it is gone: the cast finds no QLineEdit then.
        const auto* field = qobject_cast<const QLineEdit*>(watched);
        if (!field)
            return false;
        const qsizetype length = field->text().size();
        if (length <= maxChars_)
            return false;
        qsizetype inserted = 0;
        switch (event->type()) {
        case QEvent::ContextMenu:
            return true;
        case QEvent::MouseButtonRelease:
            // the middle button pastes the selection on X11
            return static_cast<const QMouseEvent*>(event)->button() == Qt::MiddleButton;
        case QEvent::InputMethod:
            inserted = static_cast<const QInputMethodEvent*>(event)->commitString().size();
            if (inserted == 0)
                return false;
            break;
        case QEvent::KeyPress: {
            const auto* key = static_cast<const QKeyEvent*>(event);
            if (key->matches(QKeySequence::Paste))
                inserted = QGuiApplication::clipboard()->text().size();
            else if (!key->text().isEmpty() && key->text().at(0).isPrint())
                inserted = key->text().size();
            else
                return false;
            break;
        }
        default:
            return false;
        }
        const qsizetype after = length - field->selectedText().size() + inserted;
        return after > maxChars_ && after >= length;
    }

private:
    int maxChars_;
};

}  // namespace

void LimitTyping(QLineEdit* field, int maxChars)
{
    field->setValidator(new TLengthValidator(maxChars, field));
    field->installEventFilter(new TLongTextGuard(field, maxChars));
    field->setAcceptDrops(false);
}

std::string FieldText(const QLineEdit* field) { return field->text().toStdString(); }

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

bool IsEnterKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace fluvara
