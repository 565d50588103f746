#include "app/session/report_file.h"

#include "core/errors.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextDocumentWriter>

namespace strs::session {

namespace {

// The page is laid out in the screen's units: the charts' texts, whose sizes are in
// points, then keep their proportions to the charts' lines, which are in pixels. The PDF
// itself is made of vectors and text, as sharp at any resolution.
constexpr int kPdfResolution = 96;

QByteArray Pdf(const ReportContent& content) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kPdfResolution);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        pdf.setTitle(content.course);
        pdf.setCreator(QStringLiteral("STRS Workbench ") + content.version);
        // print() lays the document out on the page with margins of 2 cm.
        MakeReportDocument(content, ChartForm::Drawing)->print(&pdf);
    }
    return bytes;
}

QByteArray Odt(const ReportContent& content) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "odf");
    if (!writer.write(MakeReportDocument(content, ChartForm::Picture).get()))
        throw Error("The report could not be written as ODT");
    return bytes;
}

}  // namespace

QList<FileType> ReportFileTypes() {
    return {{QStringLiteral("PDF (*.pdf)"), QStringLiteral(".pdf")},
            {QCoreApplication::translate("strs::session::Report", "Документ ODT (*.odt)"), QStringLiteral(".odt")}};
}

QByteArray ReportBytes(const ReportContent& content, ReportType type) {
    const QByteArray bytes = type == ReportType::Pdf ? Pdf(content) : Odt(content);
    if (bytes.isEmpty())
        throw Error("The report could not be made");
    return bytes;
}

}  // namespace strs::session
