// QLineEdit draws no caret once read-only; this one draws it itself, blinking like Qt's own.
#include "runtime/qt/textboxedit.h"

#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>
#include <QTimerEvent>

namespace freefall {

TextBoxEdit::TextBoxEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::cursorPositionChanged, this, &TextBoxEdit::restartCaret);
}

bool TextBoxEdit::isReadOnlyCaretShown() const
{
    return isReadOnly() && hasFocus() && caretPhaseOn_;
}

void TextBoxEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ReadOnlyChange) {
        // Its text stays selectable, so the pointer stays the text beam rather than Qt's arrow.
        setCursor(Qt::IBeamCursor);
        restartCaret();
    }
}

void TextBoxEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    restartCaret();
}

void TextBoxEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    restartCaret();
}

void TextBoxEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (!isReadOnlyCaretShown())
        return;
    // The cursor rectangle is widened by five pixels on the left for repainting; the caret
    // itself starts there.
    const QRect around = cursorRect();
    const int width = style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
    QPainter painter(this);
    painter.fillRect(QRect(around.left() + 5, around.top(), qMax(width, 1), around.height()),
                     palette().text());
}

void TextBoxEdit::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != blinkTimer_.timerId()) {
        QLineEdit::timerEvent(event);
        return;
    }
    caretPhaseOn_ = !caretPhaseOn_;
    update();
}

// Each move of the caret shows it at once and starts the blinking over, as the editable box does.
void TextBoxEdit::restartCaret()
{
    blinkTimer_.stop();
    caretPhaseOn_ = isReadOnly() && hasFocus();
    if (caretPhaseOn_) {
        const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
        if (flashTime >= 2)
            blinkTimer_.start(flashTime / 2, this);
    }
    update();
}

} // namespace freefall
