#pragma once
// A result label shows its numbers rounded for reading; it also keeps the exact doubles
// behind the text, so that a check (the replay snapshot) sees every bit the page computed
// while the window shows only the rounded text.

#include <QList>
#include <QString>

#include <initializer_list>

class QLabel;

namespace strs {

// Shows `text` and keeps `exact`, the numbers the text was written from, in its order.
void ShowNumbers(QLabel* label, const QString& text, std::initializer_list<double> exact);

// The numbers behind the label's text; empty while it shows none of ours (a caption, or
// a result label before the first press).
QList<double> ShownNumbers(const QLabel& label);

}  // namespace strs
