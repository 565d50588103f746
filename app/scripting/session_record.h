#pragma once
// What a session did that decides what the pages show, as a replay script: the law and
// order choices, each field's text at each press, the presses. It holds actions, never
// charts, so it stays small however long the session; replayed from a fresh start it
// gives the same numbers. Beside the script it keeps what a list of the presses shows.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace strs::replay {

// One press of a page's «Обновить».
struct RecordedPress {
    int page = 0;  // 1-4
    QDateTime time;
    QString choiceCaption;  // what the page's choice is: the law, the order; empty on page 3
    QString choice;         // the law or the order, as the page shows it
    std::vector<std::pair<QString, QString>> parameters;  // each field's caption and text
    QString error;  // the error box's text of a press that failed; empty when it ran
    int line = 0;   // the index of its "press" line in lines()
};

class SessionRecord {
public:
    SessionRecord() = default;
    // A record that starts as a fresh program start under this locale does.
    explicit SessionRecord(const QString& localeName);

    void add(const QString& line) { lines_.append(line); }
    // The press line ("press BB1") after a comment with its time ("# pressed 2026-…").
    void addPress(const QString& pressLine, RecordedPress press);

    const QStringList& lines() const { return lines_; }
    const std::vector<RecordedPress>& presses() const { return presses_; }
    const QString& localeName() const { return localeName_; }

    // The lines up to and including the press's own: replayed from a fresh start they
    // bring the window to what it showed right after the press.
    QStringList linesThrough(const RecordedPress& press) const;

private:
    QString localeName_;
    QStringList lines_;
    std::vector<RecordedPress> presses_;
};

}  // namespace strs::replay
