#include "app/session/press_capture.h"

#include "app/main_window.h"
#include "app/scripting/replay_session.h"
#include "app/scripting/snapshot.h"
#include "shell/accessibility.h"
#include "shell/chart_widget.h"
#include "shell/page_parts.h"

#include <QLabel>
#include <QPainter>
#include <QTabWidget>

#include <algorithm>

namespace strs::session {

namespace {

QColor ColourOf(TColor colour) { return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)); }

ChartCapture CaptureChart(const ChartWidget& chart) {
    ChartCapture capture;
    capture.title = chart.titleLines().join(u' ');
    capture.size = chart.pictureSize();
    const QRect rect(QPoint(0, 0), capture.size);
    QPainter drawing(&capture.drawing);
    chart.paint(drawing, rect);
    drawing.end();
    capture.picture = QImage(capture.size * 2, QImage::Format_RGB32);
    capture.picture.fill(Qt::white);
    QPainter picture(&capture.picture);
    picture.scale(2, 2);
    chart.paint(picture, rect);
    picture.end();
    const auto& series = chart.allSeries();
    for (std::size_t s = 0; s < series.size(); ++s) {
        // A line is drawn in the colours its points carry: the first point's stands for it.
        const auto& points = series[s]->points();
        const TColor colour = points.empty() ? series[s]->colour() : points.front().colour;
        capture.legend.emplace_back(SeriesCaption(chart, int(s)), ColourOf(colour));
    }
    return capture;
}

PressCapture Capture(TForm1& window, const replay::RecordedPress& press, const QStringList& errors) {
    const auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    const QWidget& page = *pages->widget(press.page - 1);
    PressCapture capture;
    capture.press = press;
    capture.labName = pages->tabText(press.page - 1);
    capture.labTitle = PageTitle(page);
    capture.error = errors.value(errors.size() - 1);
    for (const QString& name : replay::WrittenLabelNames()) {
        const auto* label = page.findChild<QLabel*>(name);
        if (label != nullptr && label->isVisibleTo(&page) && !ReadingCaption(*label).isEmpty() && !label->text().isEmpty())
            capture.results.emplace_back(ReadingCaption(*label), label->text());
    }
    QList<ChartWidget*> charts = page.findChildren<ChartWidget*>();
    std::sort(charts.begin(), charts.end(), [](const ChartWidget* a, const ChartWidget* b) { return a->y() < b->y(); });
    for (const ChartWidget* chart : charts)
        if (chart->isVisibleTo(&page))
            capture.charts.push_back(CaptureChart(*chart));
    return capture;
}

}  // namespace

std::vector<PressCapture> CapturePresses(const replay::SessionRecord& record, const std::vector<std::size_t>& chosen) {
    std::vector<PressCapture> captures;
    if (chosen.empty())
        return captures;
    replay::ReplaySession session([](const QByteArray&) {}, replay::ReplaySession::Windows::Hidden);
    const QStringList& lines = record.lines();
    auto next = chosen.begin();
    for (int i = 0; i < lines.size() && next != chosen.end(); ++i) {
        const replay::RecordedPress& press = record.presses()[*next];
        if (i == press.line)
            session.takeErrors();  // only the chosen press's own error is its outcome
        session.execute(replay::ParseScriptLine(lines[i], i + 1));
        if (i == press.line) {
            captures.push_back(Capture(session.window(), press, session.takeErrors()));
            ++next;
        }
    }
    return captures;
}

}  // namespace strs::session
