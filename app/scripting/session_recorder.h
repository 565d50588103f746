#pragma once
// Keeps the session record of one main window from its start: the law and order choices
// as they are made, and at each press of a page's «Обновить» the page's field texts that
// changed since they were last recorded, the press with its time, and its outcome.

#include "app/scripting/session_record.h"

#include <QDateTime>
#include <QObject>

#include <map>
#include <optional>

namespace strs {
class NumericField;
class TForm1;
}  // namespace strs

namespace strs::replay {

class SessionRecorder : public QObject {
    Q_OBJECT
public:
    // Records from the window's state now, as a fresh start under the default locale;
    // a child of the window.
    explicit SessionRecorder(TForm1& window);

    const SessionRecord& record() const { return record_; }
    // The record as a session file holds it: the record, then the texts of fields changed
    // since they were last recorded, and the page shown, so that the file, carried out,
    // leaves the window as it is now.
    QStringList sessionLines() const;

    // The next press is recorded with this time instead of the clock's (a session file
    // being carried out keeps its presses' times).
    void setNextPressTime(const QDateTime& time) { nextPressTime_ = time; }

private:
    void watchPage(int page, QWidget& widget);
    void pressStarts(int page);
    void pressEnded(int page);

    TForm1& window_;
    SessionRecord record_;
    std::map<const NumericField*, QString> recordedTexts_;  // as the record has set them
    std::map<const NumericField*, QString> textsAtPress_;   // when «Обновить» went down
    int errorsBeforePress_ = 0;
    std::optional<QDateTime> nextPressTime_;
};

}  // namespace strs::replay
