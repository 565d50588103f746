#include "shell/numeric_field.h"

#include "core/number_grammar.h"
#include "shell/number_text.h"

#include <QKeyEvent>

#include <algorithm>

namespace strs {

NumericField::NumericField(QWidget* parent, bool allowLoneMinus)
    : QLineEdit(parent), allowLoneMinus_(allowLoneMinus) {
    // textChanged, unlike textEdited, also reports texts set by the program, and stays
    // silent when a text is set to the one it already holds.
    connect(this, &QLineEdit::textChanged, this, &NumericField::applyRule);
}

double NumericField::value() const { return StrToFloat(text()); }

void NumericField::replaceExactZero() {
    if (text() == QStringLiteral("0"))
        setText(LocalizedText("0,001"));
}

namespace {

// A key that the line edit turns into text at the caret.
bool InsertsText(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString typed = event.text();
    return !typed.isEmpty() && std::all_of(typed.begin(), typed.end(), [](QChar c) { return c.isPrint(); });
}

}  // namespace

void NumericField::keyPressEvent(QKeyEvent* event) {
    // A character typed into a full field makes a text the rule takes back at once. Taking
    // it back here, as the rule would, spares the line edit laying the long text out twice
    // per key, which made a long run of typing slow down quadratically.
    if (InsertsText(*event) && !hasSelectedText() &&
        static_cast<std::size_t>(text().size()) >= kLongestNumberText) {
        setText(lastAccepted_);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumericField::applyRule() {
    const QString current = text();
    if (current.isEmpty())
        return;  // allowed while editing, never remembered
    if (allowLoneMinus_ && current == QStringLiteral("-"))
        return;  // start of a negative number

    double discarded = 0.0;
    if (TryStrToFloat(current, discarded)) {
        lastAccepted_ = current;
        return;
    }

    // Runs this rule once more, nested, on a text that passes or is empty; should even
    // that text fail (the locale changed meanwhile), setting it again is no change, so
    // the nesting ends there as well. Setting the text also puts the caret at its end
    // and drops any selection.
    setText(lastAccepted_);
}

}  // namespace strs
