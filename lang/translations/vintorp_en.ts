<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>CutTemplate</name>
    <message>
        <source>Шаблон…</source>
        <translation>Template…</translation>
    </message>
    <message>
        <source>Детали в натуральную величину: печать, PDF или SVG</source>
        <translation>The parts at true size: print, PDF or SVG</translation>
    </message>
    <message>
        <source>10 × 10 мм</source>
        <translation>10 × 10 mm</translation>
    </message>
    <message>
        <source>Не удалось начать вывод шаблона.</source>
        <translation>Could not start writing the template.</translation>
    </message>
    <message>
        <source>Не удалось начать новый лист.</source>
        <translation>Could not start a new sheet.</translation>
    </message>
    <message>
        <source>Сохранить шаблон</source>
        <translation>Save template</translation>
    </message>
    <message>
        <source>Лист слишком мал для шаблона: нужна область печати не меньше %1 × %2 мм.</source>
        <translation>The sheet is too small for the template: it needs a printable area of at least %1 × %2 mm.</translation>
    </message>
    <message>
        <source>Шаблону нужно больше %1 листов: проверьте размеры.</source>
        <translation>The template needs more than %1 sheets: check the sizes.</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Could not write the file %1: %2</translation>
    </message>
    <message>
        <source>Шаблон каркаса катушки</source>
        <translation>Coil bobbin template</translation>
    </message>
    <message>
        <source>Щека %1 из %2</source>
        <translation>Bobbin cheek %1 of %2</translation>
    </message>
    <message>
        <source>%1 × %2, окно %3 × %4</source>
        <translation>%1 × %2, window %3 × %4</translation>
    </message>
    <message>
        <source>Стенка с выступами %1 из %2</source>
        <translation>Tabbed wall %1 of %2</translation>
    </message>
    <message>
        <source>выс. %1 (%2; %3)</source>
        <translation>height %1 (%2; %3)</translation>
    </message>
    <message>
        <source>шир. %1 / %2</source>
        <translation>width %1 / %2</translation>
    </message>
    <message>
        <source>Гладкая стенка %1 из %2</source>
        <translation>Plain wall %1 of %2</translation>
    </message>
    <message>
        <source>выс. %1 (%2)</source>
        <translation>height %1 (%2)</translation>
    </message>
    <message>
        <source>материал %1 мм</source>
        <translation>material %1 mm</translation>
    </message>
    <message>
        <source>отверстия не размечены:</source>
        <translation>holes not marked:</translation>
    </message>
    <message>
        <source>полоса у окна узка</source>
        <translation>the band at the window is too narrow</translation>
    </message>
    <message>
        <source>часть %1 из %2: ряд %3, столбец %4</source>
        <translation>piece %1 of %2: row %3, column %4</translation>
    </message>
    <message>
        <source>склейте с соседними частями,</source>
        <translation>glue to the neighbouring pieces,</translation>
    </message>
    <message>
        <source>совместив метки ⊕ (перекрытие %1 мм)</source>
        <translation>lining up the ⊕ marks (overlap %1 mm)</translation>
    </message>
    <message>
        <source>%1 · лист %2 из %3 · каркасов: %4 · вырезать по сплошным линиям</source>
        <translation>%1 · sheet %2 of %3 · bobbins: %4 · cut along the solid lines</translation>
    </message>
    <message>
        <source>Печатайте в масштабе 100 %, без подгонки под размер листа.</source>
        <translation>Print at 100 %, without fitting to the page.</translation>
    </message>
    <message>
        <source>Проверьте: линейка ровно 100 мм, квадрат 10 × 10 мм.</source>
        <translation>Check: the ruler is exactly 100 mm, the square 10 × 10 mm.</translation>
    </message>
    <message>
        <source>Шаблон не построен: в поле %1 не число.</source>
        <translation>No template: field %1 does not hold a number.</translation>
    </message>
    <message>
        <source>Шаблон не построен: размер в поле %1 записан с порядком (E), такую деталь не вырезать.</source>
        <translation>No template: the size in field %1 is written with an exponent (E); no such part can be cut.</translation>
    </message>
    <message>
        <source>Шаблон не построен: размер в поле %1 равен нулю или отрицателен.</source>
        <translation>No template: the size in field %1 is zero or negative.</translation>
    </message>
    <message>
        <source>Шаблон не построен: размер в поле %1 больше %2 м.</source>
        <translation>No template: the size in field %1 is over %2 m.</translation>
    </message>
    <message>
        <source>Шаблон не построен: окно щеки не меньше самой щеки.</source>
        <translation>No template: the cheek&apos;s window is not smaller than the cheek.</translation>
    </message>
    <message>
        <source>Шаблон не построен: у стенки с выступами нет места для выступов (поле %1).</source>
        <translation>No template: the tabbed wall has no room for its tabs (field %1).</translation>
    </message>
    <message>
        <source>Шаблон не построен: средняя часть стенки не короче самой стенки (поле %1).</source>
        <translation>No template: the middle section of a wall is not shorter than the wall (field %1).</translation>
    </message>
    <message>
        <source>Число каркасов должно быть от 1 до %1.</source>
        <translation>The number of bobbins must be 1 to %1.</translation>
    </message>
    <message>
        <source>в имени файла есть знак NUL</source>
        <translation>the file name holds a NUL character</translation>
    </message>
    <message>
        <source>это не обычный файл, он не будет заменён</source>
        <translation>it is not a regular file and will not be replaced</translation>
    </message>
    <message>
        <source>Шаблон SVG не записан: знак U+%1 в его тексте недопустим в XML.</source>
        <translation>The SVG template was not written: the character U+%1 in its text is not allowed in XML.</translation>
    </message>
    <message>
        <source>линия реза</source>
        <translation>cut line</translation>
    </message>
    <message>
        <source>линия сгиба</source>
        <translation>fold line</translation>
    </message>
    <message>
        <source>опорная линия</source>
        <translation>reference line</translation>
    </message>
    <message>
        <source>отход</source>
        <translation>waste</translation>
    </message>
    <message>
        <source>Шаблон сохраняется только в файл .pdf, .svg или .dxf.</source>
        <translation>The template can only be saved as a .pdf, .svg or .dxf file.</translation>
    </message>
    <message>
        <source>Шаблон DXF не записан: знак U+%1 в его тексте недопустим в DXF.</source>
        <translation>The DXF template was not written: the character U+%1 in its text is not allowed in DXF.</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;SVG (*.svg);;DXF R12 (*.dxf)</source>
        <translation>PDF (*.pdf);;SVG (*.svg);;DXF R12 (*.dxf)</translation>
    </message>
</context>
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
    <name>vintorp::cut::TemplateOutputDialog</name>
    <message>
        <source>Шаблон в натуральную величину</source>
        <translation>Template at true size</translation>
    </message>
    <message>
        <source>Детали каркаса в масштабе 1:1: распечатайте шаблон,
наклейте на материал и вырежьте по сплошным линиям.</source>
        <translation>The bobbin parts at 1:1: print the template,
glue it onto the sheet and cut along the solid lines.</translation>
    </message>
    <message>
        <source>Число каркасов:</source>
        <translation>Bobbins:</translation>
    </message>
    <message>
        <source>Для П и ПЛ нужны два каркаса.</source>
        <translation>A U-core needs two bobbins.</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Сохранить…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vintorp::ui::TForm1</name>
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
