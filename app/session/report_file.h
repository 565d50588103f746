#pragma once
// A report as a file: PDF (A4, the charts as vector drawings) or ODT (opens and edits in
// LibreOffice and Word, the charts as pictures at twice their size).

#include "app/session/report_document.h"
#include "shell/file_saving.h"

#include <QByteArray>
#include <QList>

namespace strs::session {

enum class ReportType { Pdf, Odt };

// The types a report is saved as, PDF first, in ReportType's order.
QList<FileType> ReportFileTypes();

// The report's bytes; throws strs::Error when they cannot be made.
QByteArray ReportBytes(const ReportContent& content, ReportType type);

}  // namespace strs::session
