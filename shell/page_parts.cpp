#include "shell/page_parts.h"

#include "shell/accessibility.h"
#include "shell/number_text.h"
#include "shell/numeric_field.h"
#include "shell/ui_texts.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace strs {

namespace {

// The context of the texts every page shows.
struct PageTexts {
    Q_DECLARE_TR_FUNCTIONS(strs::PageParts)
};

constexpr int kFieldHeight = 21;
constexpr int kResultLabelWidth = 198;
constexpr int kLowerChartTop = 216;
// Marks the label that is the page's title.
constexpr const char* kPageTitleProperty = "strsPageTitle";

}  // namespace

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, int width,
                  bool windowColour) {
    return PlaceLabel(new QLabel(parent), name, text, x, y, width, windowColour);
}

QLabel* PlaceLabel(QLabel* label, const char* name, const QString& text, int x, int y, int width,
                   bool windowColour) {
    label->setText(text);
    label->setObjectName(QString::fromLatin1(name));
    if (width < 0) {
        label->move(x, y);
        label->adjustSize();
    } else {
        label->setGeometry(x, y, width, label->sizeHint().height());
    }
    if (windowColour)
        PaintWindowColour(label);
    return label;
}

QLabel* MakeResultLabel(QWidget* parent, const char* name, int x, int y, const QLabel* caption) {
    auto* label = MakeLabel(parent, name, QString(), x, y, kResultLabelWidth);
    label->setFixedHeight(13);
    ReadWithCaption(label, caption);
    return label;
}

QLabel* MakeTitle(QWidget* page, const char* name, const QString& text, QRect geometry,
                  Qt::Alignment alignment) {
    auto* label = new QLabel(text, page);
    label->setObjectName(QString::fromLatin1(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(geometry);
    PaintWindowColour(label);
    label->setProperty(kPageTitleProperty, true);
    return label;
}

QString PageTitle(const QWidget& page) {
    for (const QLabel* label : page.findChildren<QLabel*>())
        if (label->property(kPageTitleProperty).toBool())
            return label->text();
    return {};
}

NumericField* MakeField(QWidget* parent, const char* name, const char* commaText, int x, int y, int width,
                        bool allowLoneMinus) {
    auto* field = new NumericField(parent, allowLoneMinus);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(x, y, width, kFieldHeight);
    // The default text is the design-time text: it has not passed the rule yet, so the
    // field's last accepted text stays empty.
    const QSignalBlocker quiet(field);
    field->setText(LocalizedText(commaText));
    return field;
}

void DescribeField(NumericField* field, const QString& name, Quantity quantity) {
    QString description;
    switch (quantity) {
    case Quantity::LawParameter:
        description = PageTexts::tr("Параметр закона распределения: число, без единиц измерения");
        break;
    case Quantity::Correlation:
        description = PageTexts::tr("Коэффициент корреляции: число от -1 до 1, без единиц измерения");
        break;
    case Quantity::Variance:
        description = PageTexts::tr("Дисперсия: положительное число, без единиц измерения");
        break;
    }
    Describe(field, name, description);
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& title, QRect geometry,
                     bool windowColour) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(geometry);
    UseCaptionInFrameStyle(group);
    if (windowColour)
        PaintWindowColour(group);
    return group;
}

QPushButton* MakeRefreshButton(QWidget* page, const char* name) {
    auto* button = new QPushButton(PageTexts::tr("Обновить"), page);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(16, 413, 73, 25);
    Describe(button, button->text(), PageTexts::tr("Моделирует заново и показывает графики и результаты"));
    // Enter and Return press the focused button, as Space does; outside a dialog a push
    // button answers them only when it is an auto-default one.
    button->setAutoDefault(true);
    return button;
}

QGroupBox* MakeChartGroup(QWidget* page, const char* name) {
    return MakeGroup(page, name, PageTexts::tr("Графики"), QRect(248, 10, 425, 433), true);
}

ChartWidget* MakeChart(QGroupBox* group, const char* name, int top, const QStringList& title) {
    auto* chart = new ChartWidget(group);
    chart->setObjectName(QString::fromLatin1(name));
    chart->setGeometry(8, top, 409, 209);
    // The lower chart lies over the upper one's last rows.
    if (top < kLowerChartTop)
        chart->setCoveredBottomRows(top + 209 - kLowerChartTop);
    chart->setTitleLines(title);
    chart->setVisible(false);
    return chart;
}

ChartSeries* AddLineSeries(ChartWidget* chart, const char* name, TColor colour) {
    return chart->addSeries(QString::fromLatin1(name), ChartSeries::Kind::Line, colour);
}

}  // namespace strs
