#pragma once
// What the window showed right after a press of the session, for a report: the page's
// lab, its results with their captions, its charts (a drawing for a vector page and a
// picture at twice the size for a document of bitmaps, with the title and the legend),
// or the error of a press that failed. Taken by replaying the record from a fresh start
// in a hidden window of its own, so that only the chosen presses are ever kept.

#include "app/scripting/session_record.h"

#include <QColor>
#include <QImage>
#include <QPicture>
#include <QSize>
#include <QString>

#include <utility>
#include <vector>

namespace strs::session {

struct ChartCapture {
    QString title;    // its title lines joined by a blank
    QSize size;       // on the screen
    QPicture drawing;
    QImage picture;   // twice the size, for a document without vector drawings
    std::vector<std::pair<QString, QColor>> legend;  // each series' caption and colour
};

struct PressCapture {
    replay::RecordedPress press;
    QString labName;   // the page's tab: "Лаб. №3"
    QString labTitle;  // the page's title
    std::vector<std::pair<QString, QString>> results;  // caption and text, as shown
    std::vector<ChartCapture> charts;                  // the upper one first
    QString error;     // the error box's text when the press failed
};

// The presses of the record at these indexes (ascending), as the window showed each
// right after it. The program's own state (its generator, locale, error box) is as it
// was afterwards.
std::vector<PressCapture> CapturePresses(const replay::SessionRecord& record, const std::vector<std::size_t>& chosen);

}  // namespace strs::session
