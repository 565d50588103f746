#pragma once
// A lab report as a text document, in the window's language: a title block (the course,
// the labs included, the date, the program's version, room for the student's name), then
// for each press its lab, its law or order, its parameters as typed, its charts with their
// titles and legends, its results with their captions (or the error of a press that
// failed) and room for the conclusions; an appendix holds the session record, which gives
// the numbers back when it is replayed.

#include "app/session/press_capture.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTextDocument;

namespace strs::session {

struct ReportContent {
    QString course;    // the window's title
    QString version;   // the program's
    QDateTime made;
    std::vector<PressCapture> presses;
    QStringList record;  // the session file's text, a line each
};

// How the charts are put in: drawings, for a page description that keeps them vectors
// (PDF), or pictures at twice their size (a document of bitmaps such as ODT).
enum class ChartForm { Drawing, Picture };

// The document; for ChartForm::Drawing it draws the charts from content, which must
// outlive it.
std::unique_ptr<QTextDocument> MakeReportDocument(const ReportContent& content, ChartForm form);

}  // namespace strs::session
