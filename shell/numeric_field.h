#pragma once
// A single-line numeric field: on every change of its text the field rule takes back a
// text that is not a number (to the last accepted text, caret at the end).

#include <QLineEdit>

class QKeyEvent;

namespace strs {

class NumericField : public QLineEdit {
    Q_OBJECT
public:
    // allowLoneMinus: a lone "-" is left standing (the two fields of page 1).
    NumericField(QWidget* parent, bool allowLoneMinus = false);

    // The value of the text; throws strs::ConversionError.
    double value() const;

    // A text of exactly "0" becomes "0,001" (locale separator); other zeros stay.
    void replaceExactZero();

    const QString& lastAccepted() const { return lastAccepted_; }

public slots:
    // The field rule; runs on every change of the text.
    void applyRule();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool allowLoneMinus_;
    QString lastAccepted_;
};

}  // namespace strs
