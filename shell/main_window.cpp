#include "shell/main_window.h"

#include "shell/error_guard.h"
#include "shell/formula_pictures.h"
#include "shell/legend_panel.h"
#include "shell/number_text.h"
#include "shell/picture_file.h"
#include "shell/pictures.h"
#include "shell/radio_group.h"
#include "shell/ui_texts.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>

namespace strs {

namespace {

constexpr int kFieldHeight = 21;
constexpr int kResultLabelWidth = 198;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int x, int y,
                  int width = -1, bool windowColour = true)
{
    auto* label = new QLabel(text, parent);
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

// A result label: fixed width, empty until the lab writes it.
QLabel* makeResultLabel(QWidget* parent, const char* name, int x, int y)
{
    auto* label = makeLabel(parent, name, QString(), x, y, kResultLabelWidth);
    label->setFixedHeight(13);
    return label;
}

QLabel* makeTitle(QWidget* page, const char* name, const QString& text, QRect geometry,
                  Qt::Alignment alignment)
{
    auto* label = new QLabel(text, page);
    label->setObjectName(QString::fromLatin1(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(geometry);
    PaintWindowColour(label);
    return label;
}

NumericField* makeField(QWidget* parent, const char* name, const char* commaText, int x, int y,
                        int width, bool allowLoneMinus = false)
{
    auto* field = new NumericField(parent, allowLoneMinus);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(x, y, width, kFieldHeight);
    // The default text is the design-time text: it has not passed the rule yet, so the
    // field's last accepted text stays empty.
    const QSignalBlocker quiet(field);
    field->setText(LocalizedText(commaText));
    return field;
}

QGroupBox* makeGroup(QWidget* parent, const char* name, const QString& title, QRect geometry,
                     bool windowColour)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(geometry);
    UseCaptionInFrameStyle(group);
    if (windowColour)
        PaintWindowColour(group);
    return group;
}

QPushButton* makeRefreshButton(QWidget* page, const char* name)
{
    auto* button = new QPushButton(QStringLiteral("Обновить"), page);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(16, 413, 73, 25);
    return button;
}

ChartWidget* makeChart(QGroupBox* group, const char* name, int top, const QStringList& title)
{
    auto* chart = new ChartWidget(group);
    chart->setObjectName(QString::fromLatin1(name));
    chart->setGeometry(8, top, 409, 209);
    chart->setTitleLines(title);
    chart->setVisible(false);
    return chart;
}

ChartSeries* lineSeries(ChartWidget* chart, const char* name, TColor colour)
{
    return chart->addSeries(QString::fromLatin1(name), ChartSeries::Kind::Line, colour);
}

RadioGroup* makeOrderGroup(QWidget* page, const char* name)
{
    auto* group = new RadioGroup(QStringLiteral("Порядок последовательности"),
                                 {QStringLiteral("СП первого порядка"),
                                  QStringLiteral("СП второго порядка ")},
                                 page);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(8, 65, 225, 80);
    UseCaptionInFrameStyle(group);
    group->button(0)->setChecked(true);
    return group;
}

QGroupBox* makeChartGroup(QWidget* page, const char* name)
{
    return makeGroup(page, name, QStringLiteral("Графики"), QRect(248, 10, 425, 433), true);
}

QWidget* makePage(QTabWidget* tabs, const char* name, const QString& caption)
{
    auto* page = new QWidget(tabs);
    page->setObjectName(QString::fromLatin1(name));
    PaintPageColour(page);
    tabs->addTab(page, caption);
    return page;
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    RegisterPictures();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Статистическая теория радиотехнических систем"));
    setFont(WindowFont());
    PaintWindowColour(this);
    setFixedSize(kClientWidth, kClientHeight);
    move(202, 189);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, kClientWidth, kClientHeight);
    TS1 = makePage(PageControl1, "TS1", QStringLiteral("Лаб. №1"));
    TS2 = makePage(PageControl1, "TS2", QStringLiteral("Лаб. №2"));
    TS3 = makePage(PageControl1, "TS3", QStringLiteral("Лаб. №3"));
    TS4 = makePage(PageControl1, "TS4", QStringLiteral("Лаб. №4"));

    buildPage1();
    buildPage2();
    buildPage3();
    buildPage4();
    buildSaving();
    connectHandlers();

    PageControl1->setCurrentWidget(TS1);
    // Every key typed anywhere in the window reaches pr first (key preview).
    qApp->installEventFilter(this);

    FormCreate();
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
}

void TForm1::buildPage1()
{
    L1 = makeTitle(TS1, "L1",
                   QStringLiteral("Моделирование случайных величин с заданными законами распределения"),
                   QRect(8, 16, 241, 41), Qt::AlignLeft);

    CB1 = new QComboBox(TS1);
    CB1->setObjectName(QStringLiteral("CB1"));
    CB1->setGeometry(8, 72, 217, 21);
    CB1->addItems({QStringLiteral("Нормальное распределение"),
                   QStringLiteral("Равномерное распределение"),
                   QStringLiteral("Распределение Вейбулла"),
                   QStringLiteral("Распределение Рэлея"),
                   QStringLiteral("Экспоненциальное распределение")});
    CB1->setCurrentIndex(0);

    InPar1 = makeGroup(TS1, "InPar1", QStringLiteral("Входные параметры"), QRect(8, 112, 217, 129), true);
    L11 = makeLabel(InPar1, "L11", QStringLiteral("a"), 8, 16);
    E11 = makeField(InPar1, "E11", "1,2", 16, 36, 97, true);
    L12 = makeLabel(InPar1, "L12", QStringLiteral("b"), 8, 72);
    E12 = makeField(InPar1, "E12", "1,5", 16, 96, 97, true);
    I0 = new QLabel(InPar1);
    I0->setObjectName(QStringLiteral("I0"));
    I0->setGeometry(116, 19, 95, 95);
    I0->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    OutPar1 = makeGroup(TS1, "OutPar1", QStringLiteral("Выходные параметры"), QRect(8, 248, 217, 129), true);
    L13 = makeLabel(OutPar1, "L13", QStringLiteral("Математическое ожидание"), 16, 24);
    L14 = makeResultLabel(OutPar1, "L14", 16, 48);
    L15 = makeLabel(OutPar1, "L15", QStringLiteral("Дисперсия"), 16, 72);
    L16 = makeResultLabel(OutPar1, "L16", 16, 96);

    BB1 = makeRefreshButton(TS1, "BB1");

    Graf1 = makeChartGroup(TS1, "Graf1");
    Chart11 = makeChart(Graf1, "Chart11", 16, {QStringLiteral("Случайная величина")});
    Chart12 = makeChart(Graf1, "Chart12", 216, {QStringLiteral("Гистограмма")});
    Chart12->setBottomLabelsVisible(false);
    Chart12->setBottomMarginPercent(7);
    Chart12->raise();  // the lower chart lies in front of the upper one's bottom rows
    Series11 = lineSeries(Chart11, "Series11", clRed);
    Series12 = Chart12->addSeries(QStringLiteral("Series12"), ChartSeries::Kind::Bar, clHistogram);

    // The value scale under the histogram, in place of the hidden bottom labels.
    const struct { QLabel** label; const char* name; int left; int width; } scale[] = {
        {&ch1, "ch1", 40, 49}, {&ch2, "ch2", 122, -1}, {&ch3, "ch3", 216, 41},
        {&ch4, "ch4", 302, 49}, {&ch5, "ch5", 372, 41}};
    for (const auto& s : scale) {
        *s.label = makeLabel(Chart12, s.name, QStringLiteral("0"), s.left, 192, s.width, false);
        QPalette palette = (*s.label)->palette();
        palette.setColor(QPalette::Window, Qt::white);
        (*s.label)->setPalette(palette);
        (*s.label)->setAutoFillBackground(true);
    }
}

void TForm1::buildPage2()
{
    Label21 = makeTitle(TS2, "Label21",
                        QStringLiteral("Моделирование авторегрессионных случайных последовательностей"),
                        QRect(8, 16, 241, 41), Qt::AlignHCenter);
    RG2 = makeOrderGroup(TS2, "RG2");

    InPar2 = makeGroup(TS2, "InPar2", QStringLiteral("Входные параметры"), QRect(8, 160, 225, 120), false);
    L21 = makeLabel(InPar2, "L21", QStringLiteral("Коэффициент корреляции"), 8, 23, 201);
    E21 = makeField(InPar2, "E21", "0,8", 16, 43, 105);
    Es = makeField(InPar2, "Es", "0,9", 72, 43, 50);
    Es->setVisible(false);
    L22 = makeLabel(InPar2, "L22", QStringLiteral("Дисперсия СП"), 8, 71);
    E22 = makeField(InPar2, "E22", "1", 16, 91, 105);

    OutPar2 = makeGroup(TS2, "OutPar2", QStringLiteral("Выходные параметры"), QRect(8, 290, 225, 119), false);
    L23 = makeLabel(OutPar2, "L23", QStringLiteral("Экспериментальная дисперсии"), 16, 24);
    L24 = makeResultLabel(OutPar2, "L24", 16, 48);
    L25 = makeLabel(OutPar2, "L25", QStringLiteral("Теоретическая дисперсия"), 16, 64);
    L26 = makeResultLabel(OutPar2, "L26", 16, 84);

    BitBtn1 = makeRefreshButton(TS2, "BitBtn1");

    Graf2 = makeChartGroup(TS2, "Graf2");
    Chart21 = makeChart(Graf2, "Chart21", 16, {QStringLiteral("Отображение первых 200 значений СП")});
    Chart22 = makeChart(Graf2, "Chart22", 216,
                        {QStringLiteral("Экспериментальная и теоретическая "),
                         QStringLiteral("корреляционные функции")});
    Chart22->raise();
    Series21 = lineSeries(Chart21, "Series21", clRed);
    Series22 = lineSeries(Chart22, "Series22", clRed);
    Series23 = lineSeries(Chart22, "Series23", clBlue);
}

void TForm1::buildPage3()
{
    L3 = makeTitle(TS3, "L3", QStringLiteral("Исследование скалярного фильтра Калмана"),
                   QRect(16, 16, 193, 65), Qt::AlignHCenter);

    InPar3 = makeGroup(TS3, "InPar3", QStringLiteral("Входные параметры"), QRect(8, 64, 225, 193), true);
    Label33 = makeLabel(InPar3, "Label33", QStringLiteral("Дисперсия СП"), 16, 24);
    E33 = makeField(InPar3, "E33", "1", 16, 48, 100);
    Label32 = makeLabel(InPar3, "Label32", QStringLiteral("Значение коэффициента корреляции"), 16, 73,
                        -1, false);
    E32 = makeField(InPar3, "E32", "0,9", 16, 98, 100);
    Label2 = makeLabel(InPar3, "Label2", QStringLiteral("Дисперсия шума наблюдений"), 16, 128, -1, false);
    E34 = makeField(InPar3, "E34", "4", 16, 156, 100);

    BB3 = makeRefreshButton(TS3, "BB3");

    Graf3 = makeChartGroup(TS3, "Graf3");
    Chart32 = makeChart(Graf3, "Chart32", 16, {QStringLiteral("Дисперсия ошибок оценивания")});
    Chart31 = makeChart(Graf3, "Chart31", 216, {QStringLiteral("Результат работы фильтра Калмана")});
    Chart31->raise();
    Series32 = lineSeries(Chart32, "Series32", clRed);
    Series311 = lineSeries(Chart31, "Series311", clRed);
    Series312 = lineSeries(Chart31, "Series312", clGreen);
    Series313 = lineSeries(Chart31, "Series313", clBlue);

    Panel2 = new LegendPanel(Chart31, QStringLiteral("Image3"));
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->move(265, 35);
}

void TForm1::buildPage4()
{
    Label1 = makeTitle(TS4, "Label1", QStringLiteral("Исследование фильтра Винера"),
                       QRect(8, 16, 241, 41), Qt::AlignHCenter);
    RG4 = makeOrderGroup(TS4, "RG4");

    InPar4 = makeGroup(TS4, "InPar4", QStringLiteral("Входные параметры"), QRect(8, 160, 225, 177), false);
    L41 = makeLabel(InPar4, "L41", QStringLiteral("Коэффициент корреляции"), 21, 23, 201);
    E41 = makeField(InPar4, "E41", "0,8", 21, 44, 105);
    Es4 = makeField(InPar4, "Es4", "0,9", 77, 44, 50);
    Es4->setVisible(false);
    L42 = makeLabel(InPar4, "L42", QStringLiteral("Дисперсия СП"), 21, 73);
    E42 = makeField(InPar4, "E42", "1", 21, 97, 105);
    Label3 = makeLabel(InPar4, "Label3", QStringLiteral("Дисперсия шума наблюдений"), 21, 125, -1, false);
    E43 = makeField(InPar4, "E43", "4", 21, 147, 105);

    BitBtn2 = makeRefreshButton(TS4, "BitBtn2");

    Graf4 = makeChartGroup(TS4, "Graf4");
    Chart41 = makeChart(Graf4, "Chart41", 16, {QStringLiteral("Дисперсия ошибок оценивания")});
    Chart42 = makeChart(Graf4, "Chart42", 216, {QStringLiteral("Результат работы фильтра Винера")});
    Chart42->raise();
    Series411 = lineSeries(Chart41, "Series411", clRed);
    Series421 = lineSeries(Chart42, "Series421", clRed);
    Series422 = lineSeries(Chart42, "Series422", clGreen);
    Series423 = lineSeries(Chart42, "Series423", clBlue);

    Panel1 = new LegendPanel(Chart42, QStringLiteral("Image1"));
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->move(265, 35);
}

void TForm1::buildSaving()
{
    contecst = new QMenu(this);
    contecst->setObjectName(QStringLiteral("contecst"));
    N1 = contecst->addAction(QStringLiteral("Сохранить"));
    N1->setObjectName(QStringLiteral("N1"));

    SavePictureDialog = new QFileDialog(this);
    SavePictureDialog->setObjectName(QStringLiteral("SavePictureDialog"));
    ConfigureSavePictureDialog(*SavePictureDialog);
}

void TForm1::connectHandlers()
{
    // Every handler runs inside the one guard that shows the system's errors.
    auto guarded = [this](void (TForm1::*handler)()) {
        return [this, handler] { RunGuarded(this, [this, handler] { (this->*handler)(); }); };
    };

    connect(CB1, &QComboBox::currentIndexChanged, this, guarded(&TForm1::CB1Change));
    connect(BB1, &QPushButton::clicked, this, guarded(&TForm1::BB1Click));
    connect(RG2, &RadioGroup::clicked, this, guarded(&TForm1::RG2Click));
    connect(BitBtn1, &QPushButton::clicked, this, guarded(&TForm1::BitBtn1Click));
    connect(BB3, &QPushButton::clicked, this, guarded(&TForm1::BB3Click));
    connect(RG4, &RadioGroup::clicked, this, guarded(&TForm1::RG4Click));
    connect(BitBtn2, &QPushButton::clicked, this, guarded(&TForm1::BitBtn2Click));

    for (ChartWidget* chart : charts()) {
        connect(chart, &ChartWidget::contextMenuRequested, this, [this](ChartWidget* c) {
            RunGuarded(this, [this, c] { con(c); });
        });
    }
    connect(N1, &QAction::triggered, this, guarded(&TForm1::N1Click));

    connect(Panel1, &LegendPanel::panelPressed, this, guarded(&TForm1::PanZverVniz));
    connect(Panel1, &LegendPanel::picturePressed, this, guarded(&TForm1::ImDaw));
    connect(Panel2, &LegendPanel::panelPressed, this, guarded(&TForm1::PanZverVniz2));
    connect(Panel2, &LegendPanel::picturePressed, this, guarded(&TForm1::ImDaw2));
}

void TForm1::FormCreate()
{
    I0->setPixmap(FormulaPicture(QStringLiteral("norm")));
}

std::vector<ChartWidget*> TForm1::charts() const
{
    return {Chart11, Chart12, Chart21, Chart22, Chart31, Chart32, Chart41, Chart42};
}

std::vector<NumericField*> TForm1::numericFields() const
{
    return {E11, E12, E21, Es, E22, E33, E32, E34, E41, Es4, E42, E43};
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    // Key preview: a typed character reaches pr once, before the focused control, and
    // then goes on unchanged to that control.
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool firstDelivery = widget != nullptr
            && (widget == QApplication::focusWidget()
                || (QApplication::focusWidget() == nullptr && widget == this));
        if (firstDelivery && widget->window() == this) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            for (QChar c : text)
                pr(c);
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace strs
