#include "app/session/report_document.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <set>

namespace strs::session {

namespace {

// The report's words, in the window's language.
struct ReportTexts {
    Q_DECLARE_TR_FUNCTIONS(strs::session::Report)
};

// A chart on the page is half as wide again as on the screen: the labels stay readable.
constexpr qreal kChartScale = 1.5;
constexpr int kScreenDpi = 96;
constexpr int kChartObject = QTextFormat::UserObject + 1;
constexpr int kChartIndex = QTextFormat::UserProperty + 1;

// Draws a chart object from its drawing: vectors on a page description, sharp at any scale.
class ChartDrawer : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    ChartDrawer(const std::vector<const ChartCapture*>& charts, QObject* parent)
        : QObject(parent), charts_(charts) {}

    QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat& format) override {
        return SizeOn(document, chart(format).size);
    }
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format) override {
        const ChartCapture& c = chart(format);
        painter->save();
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / c.size.width(), rect.height() / c.size.height());
        painter->drawPicture(0, 0, c.drawing);
        painter->restore();
    }

    // A chart's size on the document's device: screen pixels grown by kChartScale.
    static QSizeF SizeOn(const QTextDocument* document, QSize screen) {
        const QPaintDevice* device = document->documentLayout()->paintDevice();
        const qreal dpi = device != nullptr ? device->logicalDpiX() : kScreenDpi;
        return QSizeF(screen) * kChartScale * dpi / kScreenDpi;
    }

private:
    const ChartCapture& chart(const QTextFormat& format) const {
        return *charts_.at(std::size_t(format.property(kChartIndex).toInt()));
    }

    std::vector<const ChartCapture*> charts_;
};

class ReportWriter {
public:
    ReportWriter(QTextDocument& document, const ReportContent& content, ChartForm form)
        : document_(document), content_(content), form_(form), cursor_(&document) {}

    void write() {
        titleBlock();
        for (const PressCapture& press : content_.presses)
            lab(press);
        appendix();
    }

private:
    QTextCharFormat text(qreal points = 10, bool bold = false) const {
        QTextCharFormat format;
        QFont font;
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
        font.setPointSizeF(points);
        font.setBold(bold);
        format.setFont(font);
        return format;
    }

    void paragraph(const QString& words, const QTextCharFormat& format, bool newPage = false, int spaceAfter = 4) {
        QTextBlockFormat block;
        block.setBottomMargin(spaceAfter);
        if (newPage)
            block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        if (!first_)
            cursor_.insertBlock(block, format);
        else
            cursor_.setBlockFormat(block);
        first_ = false;
        cursor_.setCharFormat(format);
        cursor_.insertText(words, format);
    }

    // A table of two columns: what, and its value.
    void pairs(const std::vector<std::pair<QString, QString>>& rows) {
        if (rows.empty())
            return;
        QTextTableFormat format;
        format.setBorder(0.5);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setCellPadding(3);
        format.setCellSpacing(0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 60),
                                          QTextLength(QTextLength::PercentageLength, 40)});
        QTextTable* table = cursor_.insertTable(int(rows.size()), 2, format);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            table->cellAt(int(r), 0).firstCursorPosition().insertText(rows[r].first, text());
            table->cellAt(int(r), 1).firstCursorPosition().insertText(rows[r].second, text());
        }
        cursor_.movePosition(QTextCursor::End);
    }

    void titleBlock() {
        paragraph(content_.course, text(18, true), false, 8);
        paragraph(ReportTexts::tr("Отчёт о лабораторных работах"), text(14), false, 12);
        std::set<int> pages;
        for (const PressCapture& press : content_.presses)
            pages.insert(press.press.page);
        QStringList labs;
        for (int page : pages)
            labs << QString::number(page);
        paragraph(ReportTexts::tr("Лабораторные работы: %1").arg(labs.join(QStringLiteral(", "))), text());
        paragraph(ReportTexts::tr("Дата: %1").arg(QLocale().toString(content_.made.date(), QLocale::LongFormat)), text());
        paragraph(ReportTexts::tr("Программа: STRS Workbench %1").arg(content_.version), text());
        paragraph(ReportTexts::tr("Студент: ________________________________   Группа: ____________"), text(), false, 12);
    }

    void lab(const PressCapture& capture) {
        const replay::RecordedPress& press = capture.press;
        paragraph(ReportTexts::tr("Лабораторная работа №%1. %2").arg(press.page).arg(capture.labTitle), text(14, true), true, 6);
        paragraph(ReportTexts::tr("Нажатие «Обновить»: %1").arg(QLocale().toString(press.time, QLocale::ShortFormat)), text());
        if (!press.choice.isEmpty())
            paragraph(QStringLiteral("%1: %2").arg(press.choiceCaption, press.choice), text());
        paragraph(ReportTexts::tr("Параметры"), text(11, true));
        pairs(press.parameters);
        if (!capture.error.isEmpty()) {
            paragraph(ReportTexts::tr("Расчёт не выполнен: %1").arg(capture.error), text(10, true));
        }
        for (const ChartCapture& chart : capture.charts)
            this->chart(chart);
        if (!capture.results.empty()) {
            paragraph(ReportTexts::tr("Результаты"), text(11, true));
            pairs(capture.results);
        }
        paragraph(ReportTexts::tr("Выводы"), text(11, true), false, 6);
        for (int i = 0; i < 6; ++i)
            paragraph(QString(80, u'_'), text(), false, 10);
    }

    // The chart (its drawing holds its title), then its legend.
    void chart(const ChartCapture& chart) {
        paragraph(QString(), text(), false, 2);
        const int index = charts_++;
        if (form_ == ChartForm::Drawing) {
            QTextCharFormat object;
            object.setObjectType(kChartObject);
            object.setProperty(kChartIndex, index);
            cursor_.insertText(QString(QChar::ObjectReplacementCharacter), object);
        } else {
            const QUrl name(QStringLiteral("chart-%1.png").arg(index));
            document_.addResource(QTextDocument::ImageResource, name, chart.picture);
            QTextImageFormat image;
            image.setName(name.toString());
            image.setWidth(chart.size.width() * kChartScale);
            image.setHeight(chart.size.height() * kChartScale);
            cursor_.insertImage(image);
        }
        // The legend: each series' caption after a square of its colour.
        paragraph(QString(), text(), false, 8);
        for (const auto& [caption, colour] : chart.legend) {
            QTextCharFormat mark = text();
            mark.setForeground(colour);
            cursor_.insertText(QStringLiteral("■ "), mark);
            cursor_.insertText(caption + QStringLiteral("    "), text());
        }
    }

    void appendix() {
        paragraph(ReportTexts::tr("Приложение. Запись сеанса"), text(14, true), true, 6);
        paragraph(ReportTexts::tr("Эта запись даёт числа отчёта снова: сохраните её в файл с расширением .strs и откройте "
                     "в программе («Открыть сеанс…») или выполните strs-replay с этим файлом."),
                  text(), false, 8);
        QTextCharFormat code = text(8);
        QFont mono = code.font();
        mono.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"), QStringLiteral("Courier New")});
        code.setFont(mono);
        for (const QString& line : content_.record)
            paragraph(line, code, false, 0);
    }

    QTextDocument& document_;
    const ReportContent& content_;
    ChartForm form_;
    QTextCursor cursor_;
    bool first_ = true;
    int charts_ = 0;  // put in so far: the next one's index
};

// Every chart of the report, in the order the report shows them.
std::vector<const ChartCapture*> ChartsOf(const ReportContent& content) {
    std::vector<const ChartCapture*> charts;
    for (const PressCapture& press : content.presses)
        for (const ChartCapture& chart : press.charts)
            charts.push_back(&chart);
    return charts;
}

}  // namespace

std::unique_ptr<QTextDocument> MakeReportDocument(const ReportContent& content, ChartForm form) {
    auto document = std::make_unique<QTextDocument>();
    document->setDocumentMargin(0);
    if (form == ChartForm::Drawing)
        document->documentLayout()->registerHandler(kChartObject, new ChartDrawer(ChartsOf(content), document.get()));
    ReportWriter(*document, content, form).write();
    return document;
}

}  // namespace strs::session

#include "report_document.moc"
