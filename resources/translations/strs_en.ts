<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
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
</context>
<context>
    <name>strs::ChartSaving</name>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
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
</context>
</TS>
