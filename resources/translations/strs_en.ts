<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>strs::Accessibility</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Нет значений</source>
        <translation>No values</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n значений, от %2 до %3</source>
        <translation>
            <numerusform>%1: %n value, from %2 to %3</numerusform>
            <numerusform>%1: %n values, from %2 to %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>strs::ArSequencePage</name>
    <message>
        <source>Моделирование авторегрессионных случайных последовательностей</source>
        <translation>Modelling autoregressive random sequences</translation>
    </message>
    <message>
        <source>Входные параметры</source>
        <translation>Input parameters</translation>
    </message>
    <message>
        <source>Коэффициент корреляции</source>
        <translation>Correlation coefficient</translation>
    </message>
    <message>
        <source>Дисперсия СП</source>
        <translation>Sequence variance</translation>
    </message>
    <message>
        <source>Выходные параметры</source>
        <translation>Output parameters</translation>
    </message>
    <message>
        <source>Экспериментальная дисперсии</source>
        <translation>Experimental variance</translation>
    </message>
    <message>
        <source>Теоретическая дисперсия</source>
        <translation>Theoretical variance</translation>
    </message>
    <message>
        <source>Отображение первых 200 значений СП</source>
        <translation>The first 200 values of the sequence</translation>
    </message>
    <message>
        <source>Экспериментальная и теоретическая </source>
        <translation>Experimental and theoretical </translation>
    </message>
    <message>
        <source>корреляционные функции</source>
        <translation>correlation functions</translation>
    </message>
    <message>
        <source>Значение СП</source>
        <translation>Sequence value</translation>
    </message>
    <message>
        <source>Экспериментальная</source>
        <translation>Experimental</translation>
    </message>
    <message>
        <source>Теоретическая</source>
        <translation>Theoretical</translation>
    </message>
</context>
<context>
    <name>strs::BrowserDownload</name>
    <message>
        <source>Браузер не сохранил файл %1: %2</source>
        <translation>The browser did not save the file %1: %2</translation>
    </message>
</context>
<context>
    <name>strs::ChartExport</name>
    <message>
        <source>Нижняя граница</source>
        <translation>Lower bound</translation>
    </message>
    <message>
        <source>Верхняя граница</source>
        <translation>Upper bound</translation>
    </message>
</context>
<context>
    <name>strs::ChartSaving</name>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Таблица значений</source>
        <translation>Table of values</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Сохранить данные…</source>
        <translation>Save data…</translation>
    </message>
    <message>
        <source>Сохранить данные</source>
        <translation>Save data</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>strs::CreditDisplay</name>
    <message>
        <source>Здорово салаги!</source>
        <translation>Hello, rookies!</translation>
    </message>
</context>
<context>
    <name>strs::KalmanPage</name>
    <message>
        <source>Исследование скалярного фильтра Калмана</source>
        <translation>Study of the scalar Kalman filter</translation>
    </message>
    <message>
        <source>Входные параметры</source>
        <translation>Input parameters</translation>
    </message>
    <message>
        <source>Дисперсия СП</source>
        <translation>Sequence variance</translation>
    </message>
    <message>
        <source>Значение коэффициента корреляции</source>
        <translation>Correlation coefficient value</translation>
    </message>
    <message>
        <source>Дисперсия шума наблюдений</source>
        <translation>Observation noise variance</translation>
    </message>
    <message>
        <source>Дисперсия ошибок оценивания</source>
        <translation>Estimation error variance</translation>
    </message>
    <message>
        <source>Результат работы фильтра Калмана</source>
        <translation>Output of the Kalman filter</translation>
    </message>
    <message>
        <source>Дисперсия ошибки</source>
        <translation>Error variance</translation>
    </message>
</context>
<context>
    <name>strs::LegendPanel</name>
    <message>
        <source>Наблюдения y</source>
        <translation>Observations y</translation>
    </message>
    <message>
        <source>Исходный сигнал x</source>
        <translation>Original signal x</translation>
    </message>
    <message>
        <source>Оценки xx</source>
        <translation>Estimates xx</translation>
    </message>
    <message>
        <source>Легенда</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>Красная линия: %1, зелёная: %2, синяя: %3. Стрелки передвигают легенду</source>
        <translation>Red line: %1, green: %2, blue: %3. The arrow keys move the legend</translation>
    </message>
    <message>
        <source>Легенда: %1</source>
        <translation>Legend: %1</translation>
    </message>
</context>
<context>
    <name>strs::NameDialog</name>
    <message>
        <source>Имя файла</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Браузер сохранит файл под этим именем</source>
        <translation>The browser saves the file under this name</translation>
    </message>
    <message>
        <source>Тип файла</source>
        <translation>File type</translation>
    </message>
    <message>
        <source>Имя файла:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Тип файла:</source>
        <translation>File type:</translation>
    </message>
</context>
<context>
    <name>strs::OrderLayout</name>
    <message>
        <source>Порядок последовательности</source>
        <translation>Sequence order</translation>
    </message>
    <message>
        <source>СП первого порядка</source>
        <translation>First-order sequence</translation>
    </message>
    <message>
        <source>СП второго порядка </source>
        <translation>Second-order sequence</translation>
    </message>
    <message>
        <source>Коэффициент корреляции</source>
        <translation>Correlation coefficient</translation>
    </message>
    <message>
        <source>КФ R1       КФ R2</source>
        <translation>Coef. R1   Coef. R2</translation>
    </message>
    <message>
        <source>Коэффициент корреляции R1</source>
        <translation>Correlation coefficient R1</translation>
    </message>
    <message>
        <source>Коэффициент корреляции R2</source>
        <translation>Correlation coefficient R2</translation>
    </message>
</context>
<context>
    <name>strs::PageParts</name>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Графики</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Параметр закона распределения: число, без единиц измерения</source>
        <translation>Parameter of the distribution law: a number without a unit</translation>
    </message>
    <message>
        <source>Коэффициент корреляции: число от -1 до 1, без единиц измерения</source>
        <translation>Correlation coefficient: a number from -1 to 1 without a unit</translation>
    </message>
    <message>
        <source>Дисперсия: положительное число, без единиц измерения</source>
        <translation>Variance: a positive number without a unit</translation>
    </message>
    <message>
        <source>Моделирует заново и показывает графики и результаты</source>
        <translation>Runs the simulation again and shows the charts and results</translation>
    </message>
</context>
<context>
    <name>strs::PictureFile</name>
    <message>
        <source>Файл %1 уже существует. Заменить?</source>
        <translation>The file %1 already exists. Replace it?</translation>
    </message>
</context>
<context>
    <name>strs::RandomVariablePage</name>
    <message>
        <source>экспер: %1  теор: %2</source>
        <translation>sample: %1  theory: %2</translation>
    </message>
    <message>
        <source>экспер:%1 теор: %2</source>
        <translation>sample:%1 theory: %2</translation>
    </message>
    <message>
        <source>Моделирование случайных величин с заданными законами распределения</source>
        <translation>Modelling random variables with given distribution laws</translation>
    </message>
    <message>
        <source>Входные параметры</source>
        <translation>Input parameters</translation>
    </message>
    <message>
        <source>Выходные параметры</source>
        <translation>Output parameters</translation>
    </message>
    <message>
        <source>Математическое ожидание</source>
        <translation>Expected value</translation>
    </message>
    <message>
        <source>Дисперсия</source>
        <translation>Variance</translation>
    </message>
    <message>
        <source>Случайная величина</source>
        <translation>Random variable</translation>
    </message>
    <message>
        <source>Гистограмма</source>
        <translation>Histogram</translation>
    </message>
    <message>
        <source>Закон распределения</source>
        <translation>Distribution law</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Число значений в интервале</source>
        <translation>Number of values in the interval</translation>
    </message>
    <message>
        <source>Параметр %1</source>
        <translation>Parameter %1</translation>
    </message>
    <message>
        <source>Шкала гистограммы, минимум</source>
        <translation>Histogram scale, minimum</translation>
    </message>
    <message>
        <source>Шкала гистограммы, первая четверть</source>
        <translation>Histogram scale, first quarter</translation>
    </message>
    <message>
        <source>Шкала гистограммы, середина</source>
        <translation>Histogram scale, midpoint</translation>
    </message>
    <message>
        <source>Шкала гистограммы, третья четверть</source>
        <translation>Histogram scale, third quarter</translation>
    </message>
    <message>
        <source>Шкала гистограммы, максимум</source>
        <translation>Histogram scale, maximum</translation>
    </message>
    <message>
        <source>Формула: %1</source>
        <translation>Formula: %1</translation>
    </message>
</context>
<context>
    <name>strs::TForm1</name>
    <message>
        <source>Статистическая теория радиотехнических систем</source>
        <translation>Statistical Theory of Radio Engineering Systems</translation>
    </message>
    <message>
        <source>Лаб. №1</source>
        <translation>Lab 1</translation>
    </message>
    <message>
        <source>Лаб. №2</source>
        <translation>Lab 2</translation>
    </message>
    <message>
        <source>Лаб. №3</source>
        <translation>Lab 3</translation>
    </message>
    <message>
        <source>Лаб. №4</source>
        <translation>Lab 4</translation>
    </message>
    <message>
        <source>Лабораторные работы</source>
        <translation>Labs</translation>
    </message>
</context>
<context>
    <name>strs::ValueTableWindow</name>
    <message>
        <source>Таблица значений: %1</source>
        <translation>Table of values: %1</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Значения графика: строка на точку, столбец на ряд</source>
        <translation>The chart&apos;s values: one row a point, one column a series</translation>
    </message>
</context>
<context>
    <name>strs::WienerPage</name>
    <message>
        <source>Исследование фильтра Винера</source>
        <translation>Study of the Wiener filter</translation>
    </message>
    <message>
        <source>Входные параметры</source>
        <translation>Input parameters</translation>
    </message>
    <message>
        <source>Коэффициент корреляции</source>
        <translation>Correlation coefficient</translation>
    </message>
    <message>
        <source>Дисперсия СП</source>
        <translation>Sequence variance</translation>
    </message>
    <message>
        <source>Дисперсия шума наблюдений</source>
        <translation>Observation noise variance</translation>
    </message>
    <message>
        <source>Дисперсия ошибок оценивания</source>
        <translation>Estimation error variance</translation>
    </message>
    <message>
        <source>Результат работы фильтра Винера</source>
        <translation>Output of the Wiener filter</translation>
    </message>
    <message>
        <source>Дисперсия ошибки</source>
        <translation>Error variance</translation>
    </message>
</context>
<context>
    <name>strs::WindowCommands</name>
    <message>
        <source>Сеанс</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>Сеанс и отчёт</source>
        <translation>Session and report</translation>
    </message>
    <message>
        <source>Сохранить и открыть сеанс, отчёт, ответы по вариантам</source>
        <translation>Save and open a session, a report, answer keys for variants</translation>
    </message>
</context>
<context>
    <name>strs::random_variable::Law</name>
    <message>
        <source>Нормальное распределение</source>
        <translation>Normal distribution</translation>
    </message>
    <message>
        <source>Случайная величина</source>
        <translation>Random variable</translation>
    </message>
    <message>
        <source>Равномерное распределение</source>
        <translation>Uniform distribution</translation>
    </message>
    <message>
        <source>Распределение Вейбулла</source>
        <translation>Weibull distribution</translation>
    </message>
    <message>
        <source>Теоретическое распределение</source>
        <translation>Theoretical distribution</translation>
    </message>
    <message>
        <source>Распределение Рэлея</source>
        <translation>Rayleigh distribution</translation>
    </message>
    <message>
        <source>Дисперсия СВ X1 и X2</source>
        <translation>Variance of X1 and X2</translation>
    </message>
    <message>
        <source>Экспоненциальное распределение</source>
        <translation>Exponential distribution</translation>
    </message>
    <message>
        <source>Y = 1/6 · сумма Xi при i от 1 до 6</source>
        <translation>Y = 1/6 · sum of Xi for i from 1 to 6</translation>
    </message>
    <message>
        <source>ω(x) = 1 / (b − a)</source>
        <translation>ω(x) = 1 / (b − a)</translation>
    </message>
    <message>
        <source>Y = корень степени β из (−ln X / α)</source>
        <translation>Y = root of degree β of (−ln X / α)</translation>
    </message>
    <message>
        <source>Y = квадратный корень из (X1² + X2²)</source>
        <translation>Y = square root of (X1² + X2²)</translation>
    </message>
    <message>
        <source>Y = −(1/λ) · ln X</source>
        <translation>Y = −(1/λ) · ln X</translation>
    </message>
</context>
<context>
    <name>strs::replay::Variants</name>
    <message>
        <source>первое</source>
        <translation>first</translation>
    </message>
    <message>
        <source>последнее</source>
        <translation>last</translation>
    </message>
    <message>
        <source>наименьшее</source>
        <translation>smallest</translation>
    </message>
    <message>
        <source>наибольшее</source>
        <translation>largest</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>Ответы по вариантам</source>
        <translation>Answers by variant</translation>
    </message>
    <message>
        <source>Строка</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>strs::session::ClassKeys</name>
    <message>
        <source>Страница HTML (*.html)</source>
        <translation>HTML page (*.html)</translation>
    </message>
    <message>
        <source>Варианты считаются…</source>
        <translation>Computing the variants…</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ответы по вариантам не составлены:
%1</source>
        <translation>No answer keys were made:
%1</translation>
    </message>
</context>
<context>
    <name>strs::session::Report</name>
    <message>
        <source>Документ ODT (*.odt)</source>
        <translation>ODT document (*.odt)</translation>
    </message>
    <message>
        <source>Отчёт о лабораторных работах</source>
        <translation>Report on the laboratory works</translation>
    </message>
    <message>
        <source>Лабораторные работы: %1</source>
        <translation>Laboratory works: %1</translation>
    </message>
    <message>
        <source>Дата: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Программа: STRS Workbench %1</source>
        <translation>Program: STRS Workbench %1</translation>
    </message>
    <message>
        <source>Студент: ________________________________   Группа: ____________</source>
        <translation>Student: ________________________________   Group: ____________</translation>
    </message>
    <message>
        <source>Лабораторная работа №%1. %2</source>
        <translation>Laboratory work %1. %2</translation>
    </message>
    <message>
        <source>Нажатие «Обновить»: %1</source>
        <translation>«Refresh» pressed: %1</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Расчёт не выполнен: %1</source>
        <translation>The computation failed: %1</translation>
    </message>
    <message>
        <source>Результаты</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Выводы</source>
        <translation>Conclusions</translation>
    </message>
    <message>
        <source>Приложение. Запись сеанса</source>
        <translation>Appendix. The session record</translation>
    </message>
    <message>
        <source>Эта запись даёт числа отчёта снова: сохраните её в файл с расширением .strs и откройте в программе («Открыть сеанс…») или выполните strs-replay с этим файлом.</source>
        <translation>This record gives the report&apos;s numbers again: save it in a file with the extension .strs and open it in the program («Open session…»), or run strs-replay with that file.</translation>
    </message>
</context>
<context>
    <name>strs::session::ReportDialog</name>
    <message>
        <source>Отчёт</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Нажатия «Обновить», которые войдут в отчёт:</source>
        <translation>The presses of «Refresh» the report is to hold:</translation>
    </message>
    <message>
        <source>Лаб.</source>
        <translation>Lab</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Нажатия сеанса</source>
        <translation>The session&apos;s presses</translation>
    </message>
    <message>
        <source>Отмеченные нажатия войдут в отчёт; пробел отмечает</source>
        <translation>The ticked presses go into the report; Space ticks one</translation>
    </message>
    <message>
        <source>выполнено</source>
        <translation>done</translation>
    </message>
    <message>
        <source>Сохранить отчёт…</source>
        <translation>Save report…</translation>
    </message>
</context>
<context>
    <name>strs::session::Workbench</name>
    <message>
        <source>Сеанс STRS (*.strs)</source>
        <translation>STRS session (*.strs)</translation>
    </message>
    <message>
        <source>Сохранить сеанс…</source>
        <translation>Save session…</translation>
    </message>
    <message>
        <source>Открыть сеанс…</source>
        <translation>Open session…</translation>
    </message>
    <message>
        <source>Отчёт…</source>
        <translation>Report…</translation>
    </message>
    <message>
        <source>Ответы по вариантам…</source>
        <translation>Answer keys for variants…</translation>
    </message>
    <message>
        <source>Сохранить сеанс</source>
        <translation>Save session</translation>
    </message>
    <message>
        <source>сеанс</source>
        <translation>session</translation>
    </message>
    <message>
        <source>Открыть сеанс</source>
        <translation>Open session</translation>
    </message>
    <message>
        <source>Сеанс STRS (*.strs);;Все файлы (*)</source>
        <translation>STRS session (*.strs);;All files (*)</translation>
    </message>
    <message>
        <source>Не удаётся прочитать %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>Сеанс %1 не открыт: %2</source>
        <translation>Session %1 was not opened: %2</translation>
    </message>
    <message>
        <source>Открыть сеанс %1? Всё, что показывают страницы сейчас, заменится им.</source>
        <translation>Open session %1? It takes the place of everything the pages show now.</translation>
    </message>
    <message>
        <source>В сеансе ещё не было нажатий «Обновить»: отчёту не о чем рассказать.</source>
        <translation>The session has no press of «Refresh» yet: a report would have nothing to tell.</translation>
    </message>
    <message>
        <source>Сохранить отчёт</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>отчёт</source>
        <translation>report</translation>
    </message>
    <message>
        <source>Сохранить ответы по вариантам</source>
        <translation>Save answer keys for variants</translation>
    </message>
    <message>
        <source>ответы</source>
        <translation>answer-keys</translation>
    </message>
    <message>
        <source>Строки таблицы, которые не вошли в ответы:
%1</source>
        <translation>Rows of the table left out of the answer keys:
%1</translation>
    </message>
    <message>
        <source>Таблица вариантов (*.csv *.txt *.tsv);;Все файлы (*)</source>
        <translation>Table of variants (*.csv *.txt *.tsv);;All files (*)</translation>
    </message>
    <message>
        <source>Таблица вариантов</source>
        <translation>Table of variants</translation>
    </message>
</context>
</TS>
