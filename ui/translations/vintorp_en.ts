<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Messages</name>
    <message>
        <source>Введите правильно размеры!</source>
        <translation>Enter valid dimensions!</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Invalid floating point operation</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Floating point division by zero</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Floating point overflow</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>There is no default printer currently selected</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Printer selected is not valid</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Printing in progress</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid floating point value</translation>
    </message>
</context>
<context>
    <name>vintorp::ui::TForm1</name>
    <message>
        <source>Vintorp v.1.0</source>
        <translation>Vintorp v.1.0</translation>
    </message>
    <message>
        <source>Тип сердечника</source>
        <translation>Core type</translation>
    </message>
    <message>
        <source>ШЛ, Ш</source>
        <translation>E-core</translation>
    </message>
    <message>
        <source>ПЛ, П</source>
        <translation>U-core</translation>
    </message>
    <message>
        <source>Толщина (мм)</source>
        <translation>Thickness (mm)</translation>
    </message>
    <message>
        <source>Материал =&gt;</source>
        <translation>Sheet =&gt;</translation>
    </message>
    <message>
        <source>Стяжка (ПЛ) =&gt;</source>
        <translation>Clamp (U) =&gt;</translation>
    </message>
    <message>
        <source>Размеры сердечника (мм)</source>
        <translation>Core dimensions (mm)</translation>
    </message>
    <message>
        <source>&quot; %1 &quot;   =&gt; </source>
        <translation>&quot; %1 &quot;   =&gt; </translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>vintorp::ui::TForm4</name>
    <message>
        <source>Все размеры в мм.</source>
        <translation>All dimensions in mm.</translation>
    </message>
    <message>
        <source>Толщина материала - </source>
        <translation>Sheet thickness - </translation>
    </message>
    <message>
        <source>Примечание:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>1. Если обмоток много, то целесообразно увеличить</source>
        <translation>1. With many windings, it is worth making</translation>
    </message>
    <message>
        <source>размер X, что бы не было проблем с размещением их выводов.</source>
        <translation>dimension X larger, so that their leads find room.</translation>
    </message>
    <message>
        <source>2. Для П и ПЛ необходимо изготовить два таких каркаса.</source>
        <translation>2. A U-core needs two such bobbins.</translation>
    </message>
    <message>
        <source>Чертёж катушки</source>
        <translation>Bobbin drawing</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
</context>
</TS>
