<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
<!-- The window's own language: only the texts whose words change with a number. -->
<context>
    <name>strs::Accessibility</name>
    <message numerus="yes">
        <source>%1: %n значений, от %2 до %3</source>
        <translation>
            <numerusform>%1: %n значение, от %2 до %3</numerusform>
            <numerusform>%1: %n значения, от %2 до %3</numerusform>
            <numerusform>%1: %n значений, от %2 до %3</numerusform>
        </translation>
    </message>
</context>
</TS>
