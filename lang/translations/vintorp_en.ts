<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Accessibility</name>
    <message>
        <source>высота окна щеки</source>
        <translation>height of the flange&apos;s window</translation>
    </message>
    <message>
        <source>полная высота щеки</source>
        <translation>overall height of the flange</translation>
    </message>
    <message>
        <source>полная ширина щеки</source>
        <translation>overall width of the flange</translation>
    </message>
    <message>
        <source>ширина окна щеки</source>
        <translation>width of the flange&apos;s window</translation>
    </message>
    <message>
        <source>высота средней части стенок с выступами (1 и 3)</source>
        <translation>height of the middle section of the tabbed walls (1 and 3)</translation>
    </message>
    <message>
        <source>высота стенок с выступами между линиями выступов, без выступов</source>
        <translation>height of the tabbed walls between their tab lines, tabs excluded</translation>
    </message>
    <message>
        <source>полная высота стенок с выступами, включая выступы</source>
        <translation>overall height of the tabbed walls, tabs included</translation>
    </message>
    <message>
        <source>ширина верхней и нижней частей стенок с выступами</source>
        <translation>width of the tabbed walls&apos; upper and lower sections</translation>
    </message>
    <message>
        <source>ширина выступов и средней части стенок с выступами</source>
        <translation>width of the tabbed walls&apos; tabs and middle section</translation>
    </message>
    <message>
        <source>высота средней части гладких стенок (2 и 4)</source>
        <translation>height of the middle section of the plain walls (2 and 4)</translation>
    </message>
    <message>
        <source>полная высота гладких стенок</source>
        <translation>overall height of the plain walls</translation>
    </message>
    <message>
        <source>ширина средней части гладких стенок</source>
        <translation>width of the plain walls&apos; middle section</translation>
    </message>
    <message>
        <source>ширина верхней и нижней частей гладких стенок</source>
        <translation>width of the plain walls&apos; upper and lower sections</translation>
    </message>
    <message>
        <source>толщина листового материала</source>
        <translation>thickness of the sheet material</translation>
    </message>
    <message>
        <source>A, ширина стержня, на котором стоит каркас</source>
        <translation>A, width of the leg that carries the bobbin</translation>
    </message>
    <message>
        <source>B, толщина набора сердечника</source>
        <translation>B, depth of the core&apos;s stack</translation>
    </message>
    <message>
        <source>C, ширина окна сердечника</source>
        <translation>C, width of the core&apos;s window</translation>
    </message>
    <message>
        <source>H, высота окна сердечника</source>
        <translation>H, height of the core&apos;s window</translation>
    </message>
    <message>
        <source>толщина материала каркаса</source>
        <translation>thickness of the bobbin&apos;s sheet material</translation>
    </message>
    <message>
        <source>толщина стяжки сердечника ПЛ</source>
        <translation>thickness of the C-core&apos;s clamping band</translation>
    </message>
    <message>
        <source>Сердечник ШЛ с размерами A, B, C и H</source>
        <translation>E-core with its dimensions A, B, C and H</translation>
    </message>
    <message>
        <source>Сердечник ПЛ с размерами A, B, C и H</source>
        <translation>C-core (ПЛ, П) with its dimensions A, B, C and H</translation>
    </message>
    <message>
        <source>в миллиметрах</source>
        <translation>in millimetres</translation>
    </message>
    <message>
        <source>Чертёж каркаса: две щеки и четыре стенки трубки с размерами в миллиметрах</source>
        <translation>Bobbin drawing: two flanges and the tube&apos;s four walls, dimensions in millimetres</translation>
    </message>
    <message>
        <source>%1: %2 мм</source>
        <translation>%1: %2 mm</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>вырезать нечего: расчёт не удался</source>
        <translation>nothing to cut: the calculation did not succeed</translation>
    </message>
    <message>
        <source>шаблоны недоступны</source>
        <translation>templates are not available</translation>
    </message>
    <message>
        <source>значение ключа &quot;%1&quot; должно быть строкой</source>
        <translation>key &quot;%1&quot; must be a string</translation>
    </message>
    <message>
        <source>значение ключа &quot;%1&quot; должно быть числом</source>
        <translation>key &quot;%1&quot; must be a number</translation>
    </message>
    <message>
        <source>значение ключа &quot;%1&quot; должно быть целым числом</source>
        <translation>key &quot;%1&quot; must be a whole number</translation>
    </message>
    <message>
        <source>значение ключа &quot;%1&quot; должно быть true или false</source>
        <translation>key &quot;%1&quot; must be true or false</translation>
    </message>
    <message>
        <source>мотать не на что: расчёт не удался</source>
        <translation>nothing to wind on: the calculation did not succeed</translation>
    </message>
    <message>
        <source>значение ключа &quot;windings&quot; должно быть списком обмоток</source>
        <translation>key &quot;windings&quot; must be a list of windings</translation>
    </message>
    <message>
        <source>обмотка %1 должна быть объектом</source>
        <translation>winding %1 must be an object</translation>
    </message>
    <message>
        <source>обмотка %1 («%2»): провод шире длины намотки</source>
        <translation>winding %1 (&quot;%2&quot;): the wire is wider than the winding length</translation>
    </message>
    <message>
        <source>значение ключа &quot;winding_factors&quot; должно быть объектом</source>
        <translation>key &quot;winding_factors&quot; must be an object</translation>
    </message>
    <message>
        <source>winding_factors: margin — не меньше половины длины намотки, виткам не остаётся места</source>
        <translation>winding_factors: margin is half the winding length or more, leaving no room for a turn</translation>
    </message>
    <message>
        <source>у каркаса нет места для обмоток: длина намотки L %1 мм, глубина D %2 мм</source>
        <translation>the bobbin has no winding room: winding length L %1 mm, depth D %2 mm</translation>
    </message>
    <message>
        <source>обмотка %1: name должно быть строкой</source>
        <translation>winding %1: name must be a string</translation>
    </message>
    <message>
        <source>в ключе &quot;windings&quot; больше %1 обмоток</source>
        <translation>key &quot;windings&quot; holds more than %1 windings</translation>
    </message>
    <message>
        <source>обмотка %1 («%2»): turns — целое число от %3 до %4</source>
        <translation>winding %1 (&quot;%2&quot;): turns must be a whole number from %3 to %4</translation>
    </message>
    <message>
        <source>обмотка %1 («%2»): wire — число от %3 до %4 мм</source>
        <translation>winding %1 (&quot;%2&quot;): wire must be a number from %3 to %4 mm</translation>
    </message>
    <message>
        <source>обмотка %1 («%2»): between — число от %3 до %4 мм</source>
        <translation>winding %1 (&quot;%2&quot;): between must be a number from %3 to %4 mm</translation>
    </message>
    <message>
        <source>обмотка %1 («%2»): over — число от %3 до %4 мм</source>
        <translation>winding %1 (&quot;%2&quot;): over must be a number from %3 to %4 mm</translation>
    </message>
    <message>
        <source>обмотка %1 («%2»): layer — число от %3 до %4</source>
        <translation>winding %1 (&quot;%2&quot;): layer must be a number from %3 to %4</translation>
    </message>
    <message>
        <source>winding_factors: margin — число от %1 до %2 мм</source>
        <translation>winding_factors: margin must be a number from %1 to %2 mm</translation>
    </message>
    <message>
        <source>winding_factors: bulge — число от %1 до %2</source>
        <translation>winding_factors: bulge must be a number from %1 to %2</translation>
    </message>
    <message>
        <source>обмотка %1 («%2»): copper — число от %3 до %4 мм</source>
        <translation>winding %1 (&quot;%2&quot;): copper must be a number from %3 to %4 mm</translation>
    </message>
    <message>
        <source>обмотка %1 («%2»): grade — целое число от %3 до %4</source>
        <translation>winding %1 (&quot;%2&quot;): grade must be a whole number from %3 to %4</translation>
    </message>
    <message>
        <source>winding_factors: temperature — число от %1 до %2 °C</source>
        <translation>winding_factors: temperature must be a number from %1 to %2 °C</translation>
    </message>
    <message>
        <source>обмотка %1 («%2»): нужен wire (от %3 до %4 мм) или copper (от %5 до %6 мм)</source>
        <translation>winding %1 (&quot;%2&quot;): give wire (%3 to %4 mm) or copper (%5 to %6 mm)</translation>
    </message>
    <message>
        <source>значение ключа &quot;%1&quot; должно быть объектом</source>
        <translation>key &quot;%1&quot; must be an object</translation>
    </message>
    <message>
        <source>в ключе &quot;transformer&quot; больше %1 значений на одном уровне</source>
        <translation>key &quot;transformer&quot; holds more than %1 values on one level</translation>
    </message>
    <message>
        <source>%1: нет значения</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>%1: %2 — должно быть от %3 до %4</source>
        <translation>%1: %2 must be %3 to %4</translation>
    </message>
    <message>
        <source>%1: %2 — должно быть целым числом от %3 до %4</source>
        <translation>%1: %2 must be a whole number from %3 to %4</translation>
    </message>
    <message>
        <source>%1: %2 — должно быть списком из %3–%4 вторичных обмоток</source>
        <translation>%1: %2 must be a list of %3 to %4 secondaries</translation>
    </message>
    <message>
        <source>%1: вторичных обмоток %2, а можно от %3 до %4</source>
        <translation>%1: %2 secondaries, must be %3 to %4</translation>
    </message>
    <message>
        <source>%1: %2 — должно быть строкой не длиннее %3 символов</source>
        <translation>%1: %2 must be a string of at most %3 characters</translation>
    </message>
    <message>
        <source>%1: имя из %2 символов, а можно не больше %3</source>
        <translation>%1: a name of %2 characters, must be at most %3</translation>
    </message>
    <message>
        <source>transformer: размеры сердечника A, B, C и H должны быть положительными числами</source>
        <translation>transformer: the core&apos;s A, B, C and H must be positive numbers</translation>
    </message>
    <message>
        <source>обмотка %1 («%2»): её ток при этой плотности тока не несёт ни один стандартный провод — нужно %3 мм² меди, у самого толстого провода таблицы %4 мм²</source>
        <translation>winding %1 (&quot;%2&quot;): no standard wire carries its current at this current density: it needs %3 mm² of copper, the thickest wire of the table has %4 mm²</translation>
    </message>
    <message>
        <source>обмотка %1 («%2»): выходит %3 витков — витков на вольт слишком мало для напряжения сети, или сопротивление обмотки забирает его целиком</source>
        <translation>winding %1 (&quot;%2&quot;): %3 turns: too few turns per volt for the mains voltage, or the winding&apos;s own resistance takes all of it</translation>
    </message>
    <message>
        <source>обмотка %1 («%2»): выходит %3 витков, больше %4</source>
        <translation>winding %1 (&quot;%2&quot;): %3 turns, more than %4</translation>
    </message>
    <message>
        <source>transformer: витки и провод не установились за %1 приближений, результата нет; ток первичной обмотки на границе двух проводов, density чуть больше или меньше это обычно исправляет</source>
        <translation>transformer: the turns and the wire have not settled after %1 rounds; no result; the primary&apos;s current lies on the boundary between two wire sizes, a slightly higher or lower density usually mends it</translation>
    </message>
    <message>
        <source>%1 %2: должно быть от %3 до %4</source>
        <translation>%1 %2: must be %3 to %4</translation>
    </message>
    <message>
        <source>%1 %2 мм: должно быть от %3 до %4 мм</source>
        <translation>%1 %2 mm: must be %3 to %4 mm</translation>
    </message>
    <message>
        <source>hole %1 мм: должно быть больше kerf %2 мм</source>
        <translation>hole %1 mm: must be more than kerf %2 mm</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Расчёт каркаса катушки трансформатора</source>
        <translation>Transformer coil bobbin calculator</translation>
    </message>
    <message>
        <source>Проект, который нужно открыть</source>
        <translation>The design to open</translation>
    </message>
</context>
<context>
    <name>CutTemplate</name>
    <message>
        <source>Шаблон…</source>
        <translation>Template…</translation>
    </message>
    <message>
        <source>Детали в натуральную величину: печать, PDF, SVG или DXF</source>
        <translation>Full-size (1:1) parts: print, PDF, SVG or DXF</translation>
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
        <source>Шаблон каркаса катушки</source>
        <translation>Coil bobbin template</translation>
    </message>
    <message>
        <source>Щека %1 из %2</source>
        <translation>Bobbin flange %1 of %2</translation>
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
        <source>ширина щеки</source>
        <translation>flange width</translation>
    </message>
    <message>
        <source>высота щеки</source>
        <translation>flange height</translation>
    </message>
    <message>
        <source>ширина окна щеки</source>
        <translation>width of the flange&apos;s window</translation>
    </message>
    <message>
        <source>высота окна щеки</source>
        <translation>height of the flange&apos;s window</translation>
    </message>
    <message>
        <source>высота стенки с выступами</source>
        <translation>height of the tabbed wall</translation>
    </message>
    <message>
        <source>расстояние между линиями выступов</source>
        <translation>distance between the tab lines</translation>
    </message>
    <message>
        <source>высота средней части стенки с выступами</source>
        <translation>height of the tabbed wall&apos;s middle section</translation>
    </message>
    <message>
        <source>ширина верхней и нижней частей стенки с выступами</source>
        <translation>width of the tabbed wall&apos;s upper and lower sections</translation>
    </message>
    <message>
        <source>ширина выступов и средней части стенки</source>
        <translation>width of the tabs and of the wall&apos;s middle section</translation>
    </message>
    <message>
        <source>высота гладкой стенки</source>
        <translation>height of the plain wall</translation>
    </message>
    <message>
        <source>высота средней части гладкой стенки</source>
        <translation>height of the plain wall&apos;s middle section</translation>
    </message>
    <message>
        <source>ширина средней части гладкой стенки</source>
        <translation>width of the plain wall&apos;s middle section</translation>
    </message>
    <message>
        <source>ширина верхней и нижней частей гладкой стенки</source>
        <translation>width of the plain wall&apos;s upper and lower sections</translation>
    </message>
    <message>
        <source>толщина материала</source>
        <translation>material thickness</translation>
    </message>
    <message>
        <source>Шаблон не построен: %1 — не число («%2»).</source>
        <translation>No template: the %1 is not a number (“%2”).</translation>
    </message>
    <message>
        <source>Шаблон не построен: %1 %2 — число с порядком (E), такую деталь не вырезать.</source>
        <translation>No template: the %1 %2 is a number with an exponent (E); no such part can be cut.</translation>
    </message>
    <message>
        <source>Шаблон не построен: %1 %2 мм — не больше нуля.</source>
        <translation>No template: the %1 %2 mm is not greater than zero.</translation>
    </message>
    <message>
        <source>Шаблон не построен: %1 %2 мм больше %3 м.</source>
        <translation>No template: the %1 %2 mm is more than %3 m.</translation>
    </message>
    <message>
        <source>Шаблон не построен: окно щеки %1 × %2 мм не меньше самой щеки %3 × %4 мм.</source>
        <translation>No template: the flange&apos;s window %1 × %2 mm is not smaller than the flange itself, %3 × %4 mm.</translation>
    </message>
    <message>
        <source>Шаблон не построен: расстояние между линиями выступов %1 мм не меньше высоты стенки с выступами %2 мм, для выступов нет места.</source>
        <translation>No template: the distance between the tab lines %1 mm is not less than the tabbed wall&apos;s height %2 mm; there is no room for the tabs.</translation>
    </message>
    <message>
        <source>Шаблон не построен: высота средней части стенки с выступами %1 мм не меньше расстояния между линиями выступов %2 мм.</source>
        <translation>No template: the height of the tabbed wall&apos;s middle section %1 mm is not less than the distance between the tab lines %2 mm.</translation>
    </message>
    <message>
        <source>Шаблон не построен: высота средней части гладкой стенки %1 мм не меньше высоты самой стенки %2 мм.</source>
        <translation>No template: the height of the plain wall&apos;s middle section %1 mm is not less than the wall&apos;s height %2 mm.</translation>
    </message>
    <message>
        <source>обрежьте по штриховой линии края листа</source>
        <translation>trim along the dashed sheet edge</translation>
    </message>
    <message>
        <source>и наложите на соседнюю часть по ромбам</source>
        <translation>and lay it over the next piece, matching the diamonds</translation>
    </message>
    <message>
        <source>(перекрытие %1 мм)</source>
        <translation>(overlap %1 mm)</translation>
    </message>
    <message>
        <source>← лист %1</source>
        <translation>← sheet %1</translation>
    </message>
    <message>
        <source>лист %1 →</source>
        <translation>sheet %1 →</translation>
    </message>
    <message>
        <source>↑ лист %1</source>
        <translation>↑ sheet %1</translation>
    </message>
    <message>
        <source>↓ лист %1</source>
        <translation>↓ sheet %1</translation>
    </message>
    <message>
        <source>Ширина реза и листы для резака — только для файлов SVG и DXF; PDF печатают.</source>
        <translation>A kerf and a cutter&apos;s sheets are for SVG and DXF files only; a PDF is for printing.</translation>
    </message>
    <message>
        <source>окно шире на %1 мм с каждой стороны</source>
        <translation>window %1 mm larger on each side</translation>
    </message>
    <message>
        <source>Ширина реза: 0 мм, контуры по размерам чертежа. 1 единица = 1 мм.</source>
        <translation>Kerf: 0 mm, outlines at the drawing&apos;s sizes. 1 unit = 1 mm.</translation>
    </message>
    <message>
        <source>Ширина реза: %1 мм; наружные контуры сдвинуты наружу, окна и отверстия внутрь на половину её. 1 единица = 1 мм.</source>
        <translation>Kerf: %1 mm; outer outlines moved out, windows and holes in, by half of it. 1 unit = 1 mm.</translation>
    </message>
    <message>
        <source>Сборка</source>
        <translation>Assembly</translation>
    </message>
    <message>
        <source>щека спереди, в окне стенки 1–4</source>
        <translation>flange from the front, walls 1–4 in its window</translation>
    </message>
    <message>
        <source>разрез вдоль трубки</source>
        <translation>section along the tube</translation>
    </message>
    <message>
        <source>Вырежьте детали по сплошным линиям; окна щёк — отход.</source>
        <translation>Cut the parts along the solid lines; the flanges&apos; windows are waste.</translation>
    </message>
    <message>
        <source>Сложите трубку: стенки с выступами (1, 3) — вдоль верха и низа окна,
гладкие (2, 4) — по бокам; склейте по углам.</source>
        <translation>Fold the tube: the tabbed walls (1, 3) along the window&apos;s top and bottom,
the plain ones (2, 4) at its sides; glue the corners.</translation>
    </message>
    <message>
        <source>Наденьте щёки на трубку так, чтобы их наружные стороны легли
точно на линии сгиба выступов.</source>
        <translation>Slide the flanges onto the tube so that their outer faces lie
exactly on the tabs&apos; fold lines.</translation>
    </message>
    <message>
        <source>Отогните выступы по линиям сгиба наружу, на щёки, и приклейте.</source>
        <translation>Fold the tabs outward along the fold lines, onto the flanges, and glue them.</translation>
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
    <message>
        <source>Когда клей высохнет, просверлите размеченные отверстия для выводов.</source>
        <translation>When the glue has dried, drill the marked holes for the leads.</translation>
    </message>
    <message>
        <source>Деталь %1 × %2 мм с подписью и промежутками не помещается на лист %3 × %4 мм.</source>
        <translation>A part of %1 × %2 mm with its label and gaps does not fit on the %3 × %4 mm sheet.</translation>
    </message>
    <message>
        <source>Между промежутками на листе материала должно оставаться не меньше %1 мм.</source>
        <translation>At least %1 mm of the material sheet must be left between the gaps.</translation>
    </message>
    <message>
        <source>диаметр отверстий для выводов %1 мм: должен быть больше ширины реза %2 мм</source>
        <translation>lead hole diameter %1 mm: must be more than the kerf %2 mm</translation>
    </message>
    <message>
        <source>число каркасов %1: должно быть от %2 до %3</source>
        <translation>number of bobbins %1: must be %2 to %3</translation>
    </message>
    <message>
        <source>зазор окна щеки %1 мм: должен быть от %2 до %3 мм</source>
        <translation>flange window clearance %1 mm: must be %2 to %3 mm</translation>
    </message>
    <message>
        <source>ширина реза %1 мм: должна быть от %2 до %3 мм</source>
        <translation>kerf %1 mm: must be %2 to %3 mm</translation>
    </message>
    <message>
        <source>диаметр отверстий для выводов %1 мм: должен быть от %2 до %3 мм</source>
        <translation>lead hole diameter %1 mm: must be %2 to %3 mm</translation>
    </message>
    <message>
        <source>ширина листа материала %1 мм: должна быть от %2 до %3 мм</source>
        <translation>width of the material sheet %1 mm: must be %2 to %3 mm</translation>
    </message>
    <message>
        <source>высота листа материала %1 мм: должна быть от %2 до %3 мм</source>
        <translation>height of the material sheet %1 mm: must be %2 to %3 mm</translation>
    </message>
    <message>
        <source>промежуток между деталями %1 мм: должен быть от %2 до %3 мм</source>
        <translation>gap between parts %1 mm: must be %2 to %3 mm</translation>
    </message>
    <message>
        <source>значение %1: должно быть от %2 до %3</source>
        <translation>value %1: must be %2 to %3</translation>
    </message>
    <message>
        <source>сверло %1 мм</source>
        <translation>drill %1 mm</translation>
    </message>
    <message>
        <source>метка совмещения</source>
        <translation>alignment mark</translation>
    </message>
    <message>
        <source>Выступы выйдут за край щёк на %1 мм.</source>
        <translation>The tabs reach %1 mm past the flanges&apos; edges.</translation>
    </message>
    <message>
        <source>%1 (%2, ACI %3)</source>
        <translation>%1 (%2, ACI %3)</translation>
    </message>
    <message>
        <source>тёмно-зелёный</source>
        <translation>dark green</translation>
    </message>
    <message>
        <source>чёрный</source>
        <translation>black</translation>
    </message>
    <message>
        <source>красный</source>
        <translation>red</translation>
    </message>
    <message>
        <source>синий</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>фиолетовый</source>
        <translation>purple</translation>
    </message>
    <message>
        <source>серый</source>
        <translation>grey</translation>
    </message>
    <message>
        <source>Шаблон сохранён, по файлу на лист:
%1
в папке %2</source>
        <translation>The template was saved as one file per sheet:
%1
in the folder %2</translation>
    </message>
    <message>
        <source>голубой</source>
        <translation>sky blue</translation>
    </message>
    <message>
        <source>оливковый</source>
        <translation>olive</translation>
    </message>
</context>
<context>
    <name>Design</name>
    <message>
        <source>Проекты Vintorp (*.vintorp)</source>
        <translation>Vintorp designs (*.vintorp)</translation>
    </message>
    <message>
        <source>Открыть проект</source>
        <translation>Open design</translation>
    </message>
    <message>
        <source>Сохранить проект</source>
        <translation>Save design</translation>
    </message>
    <message>
        <source>Проект «%1» изменён. Сохранить изменения?</source>
        <translation>The design “%1” has changed. Save the changes?</translation>
    </message>
    <message>
        <source>Обмотки ещё не сохранены. Сохранить проект?</source>
        <translation>The windings are not saved yet. Save the design?</translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>это не JSON, ошибка в строке %1, столбце %2</source>
        <translation>it is not JSON: error at line %1, column %2</translation>
    </message>
    <message>
        <source>это не JSON</source>
        <translation>it is not JSON</translation>
    </message>
    <message>
        <source>это не проект Vintorp</source>
        <translation>it is not a Vintorp design</translation>
    </message>
    <message>
        <source>проект сохранён более новой версией программы</source>
        <translation>the design was saved by a newer version of the program</translation>
    </message>
    <message>
        <source>нет значения «%1»</source>
        <translation>“%1” is missing</translation>
    </message>
    <message>
        <source>неверный тип значения «%1»</source>
        <translation>“%1” has a value of the wrong type</translation>
    </message>
    <message>
        <source>значение «%1» вне допустимого диапазона</source>
        <translation>“%1” is out of range</translation>
    </message>
    <message>
        <source>«%1» содержит %2 символов, поле — %3</source>
        <translation>«%1» holds %2 characters, the field %3</translation>
    </message>
    <message>
        <source>в «%1» запятая: проект хранит числа с точкой</source>
        <translation>“%1” holds a comma: a design stores numbers with a point</translation>
    </message>
    <message>
        <source>Не удалось открыть проект %1: %2</source>
        <translation>Could not open the design %1: %2</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>файл больше %1 МБ</source>
        <translation>the file is larger than %1 MB</translation>
    </message>
    <message>
        <source>«%1» и «%2» не могут быть вместе</source>
        <translation>“%1” and “%2” cannot be given together</translation>
    </message>
</context>
<context>
    <name>DrawingPrinter</name>
    <message>
        <source>Vintorp — чертёж каркаса</source>
        <translation>Vintorp — bobbin drawing</translation>
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
    <name>Transformer</name>
    <message>
        <source>первичной обмотки «%1»</source>
        <translation>the primary «%1»</translation>
    </message>
    <message>
        <source>вторичной обмотки %1</source>
        <translation>secondary %1</translation>
    </message>
    <message>
        <source>вторичной обмотки «%1»</source>
        <translation>the secondary «%1»</translation>
    </message>
    <message>
        <source>%1 = %2%3: допустимо %4.</source>
        <translation>%1 = %2%3: it may be %4.</translation>
    </message>
    <message>
        <source> В</source>
        <translation> V</translation>
    </message>
    <message>
        <source> мм</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Напряжение сети U₁</source>
        <translation>Mains voltage U₁</translation>
    </message>
    <message>
        <source>Частота f</source>
        <translation>Frequency f</translation>
    </message>
    <message>
        <source> Гц</source>
        <translation> Hz</translation>
    </message>
    <message>
        <source>Индукция B</source>
        <translation>Peak flux density B</translation>
    </message>
    <message>
        <source> Тл</source>
        <translation> T</translation>
    </message>
    <message>
        <source>Коэффициент заполнения стали kₛ</source>
        <translation>Stacking factor kₛ</translation>
    </message>
    <message>
        <source>Плотность тока j</source>
        <translation>Current density j</translation>
    </message>
    <message>
        <source> А/мм²</source>
        <translation> A/mm²</translation>
    </message>
    <message>
        <source>Класс изоляции</source>
        <translation>Insulation grade</translation>
    </message>
    <message>
        <source>Рабочая температура θ</source>
        <translation>Working temperature θ</translation>
    </message>
    <message>
        <source> °C</source>
        <translation> °C</translation>
    </message>
    <message>
        <source>Удельные потери в стали p</source>
        <translation>Specific core loss p</translation>
    </message>
    <message>
        <source> Вт/кг</source>
        <translation> W/kg</translation>
    </message>
    <message>
        <source>Изоляция между слоями t</source>
        <translation>Insulation between layers t</translation>
    </message>
    <message>
        <source>Изоляция поверх обмотки u</source>
        <translation>Insulation over each winding u</translation>
    </message>
    <message>
        <source>Число вторичных обмоток</source>
        <translation>Number of secondaries</translation>
    </message>
    <message>
        <source>Название %1 длиннее %2 знаков.</source>
        <translation>The name of %1 is longer than %2 characters.</translation>
    </message>
    <message>
        <source>Напряжение %1 под нагрузкой</source>
        <translation>Voltage under load of %1</translation>
    </message>
    <message>
        <source>Ток %1</source>
        <translation>Current of %1</translation>
    </message>
    <message>
        <source> А</source>
        <translation> A</translation>
    </message>
    <message>
        <source>Размер сердечника %1 мм — не положительное число: рассчитайте каркас в главном окне.</source>
        <translation>A core size of %1 mm is not a positive number: calculate the bobbin in the main window.</translation>
    </message>
    <message>
        <source>У каркаса нет места для обмоток.</source>
        <translation>The bobbin has no winding room.</translation>
    </message>
    <message>
        <source>Зазор у щеки, коэффициент вспучивания или температура в окне обмоток не позволяют намотать обмотки: см. вывод окна.</source>
        <translation>The margin, the bulge factor or the temperature in the windings window leave no way to wind the windings: see the window&apos;s verdict.</translation>
    </message>
    <message>
        <source>Обмотку не намотать — у %1: %2.</source>
        <translation>A winding cannot be wound, %1: %2.</translation>
    </message>
    <message>
        <source>Обмотки не намотать на этот каркас.</source>
        <translation>The windings cannot be wound on this bobbin.</translation>
    </message>
    <message>
        <source>Для %1 нет провода: её ток при плотности %2 А/мм² требует сечения меди %3 мм², а у самого толстого провода таблицы оно %4 мм². Увеличьте плотность тока или разделите обмотку.</source>
        <translation>No wire for %1: at a current density of %2 A/mm² its current needs %3 mm² of copper, and the largest wire in the table has %4 mm². Raise the current density or split the winding.</translation>
    </message>
    <message>
        <source>У %1 выходит %2 витков — больше %3.</source>
        <translation>%1 would need %2 turns, more than %3.</translation>
    </message>
    <message>
        <source>Сопротивление первичной обмотки поглощает всё напряжение сети: для такой мощности сердечник мал.</source>
        <translation>The primary&apos;s own resistance takes the whole mains voltage: the core is too small for this power.</translation>
    </message>
    <message>
        <source>У %1 выходит меньше одного витка.</source>
        <translation>%1 would have less than one turn.</translation>
    </message>
    <message>
        <source>Расчёт не сошёлся за %1 шагов: витки и провод всё ещё меняются. Результата нет. Ток первичной обмотки лежит на границе двух проводов: плотность тока чуть больше или меньше это обычно исправляет.</source>
        <translation>The design did not settle in %1 rounds: the turns and the wire still change. There is no result. The primary&apos;s current lies on the boundary between two wire sizes: a slightly higher or lower current density usually mends it.</translation>
    </message>
</context>
<context>
    <name>Windings</name>
    <message>
        <source>от %1 до %2%3</source>
        <translation>%1 to %2%3</translation>
    </message>
    <message>
        <source>Введите число</source>
        <translation>Enter a number</translation>
    </message>
    <message>
        <source>Не число</source>
        <translation>Not a number</translation>
    </message>
    <message>
        <source> мм</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Витков: %1</source>
        <translation>Turns: %1</translation>
    </message>
    <message>
        <source>Диаметр провода: %1</source>
        <translation>Wire diameter: %1</translation>
    </message>
    <message>
        <source>Изоляция между слоями: %1</source>
        <translation>Insulation between layers: %1</translation>
    </message>
    <message>
        <source>Изоляция поверх обмотки: %1</source>
        <translation>Insulation over the winding: %1</translation>
    </message>
    <message>
        <source>Коэффициент укладки: %1</source>
        <translation>Layer factor: %1</translation>
    </message>
    <message>
        <source>неверное число витков</source>
        <translation>wrong number of turns</translation>
    </message>
    <message>
        <source>неверный диаметр провода</source>
        <translation>wrong wire diameter</translation>
    </message>
    <message>
        <source>неверная изоляция между слоями</source>
        <translation>wrong insulation between layers</translation>
    </message>
    <message>
        <source>неверная изоляция поверх</source>
        <translation>wrong insulation over the winding</translation>
    </message>
    <message>
        <source>неверный коэффициент укладки</source>
        <translation>wrong layer factor</translation>
    </message>
    <message>
        <source>провод шире длины намотки</source>
        <translation>the wire is wider than the winding length</translation>
    </message>
    <message>
        <source>Обмотка</source>
        <translation>Winding</translation>
    </message>
    <message>
        <source>Витков</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>Между слоями, мм</source>
        <translation>Between layers, mm</translation>
    </message>
    <message>
        <source>Поверх, мм</source>
        <translation>Over, mm</translation>
    </message>
    <message>
        <source>Коэф. укладки</source>
        <translation>Layer factor</translation>
    </message>
    <message>
        <source>В слое</source>
        <translation>Per layer</translation>
    </message>
    <message>
        <source>Слоёв</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>Толщина, мм</source>
        <translation>Build, mm</translation>
    </message>
    <message>
        <source>Название обмотки</source>
        <translation>The winding&apos;s name</translation>
    </message>
    <message>
        <source>Число витков</source>
        <translation>Number of turns</translation>
    </message>
    <message>
        <source>Толщина изоляции между слоями обмотки, мм</source>
        <translation>Insulation between the winding&apos;s layers, mm</translation>
    </message>
    <message>
        <source>Толщина изоляции поверх обмотки, мм</source>
        <translation>Insulation laid over the winding, mm</translation>
    </message>
    <message>
        <source>Витков в слое</source>
        <translation>Turns per layer</translation>
    </message>
    <message>
        <source>Число слоёв</source>
        <translation>Number of layers</translation>
    </message>
    <message>
        <source>Толщина обмотки с изоляцией, мм, без учёта вспучивания</source>
        <translation>The winding&apos;s build with its insulation, mm, before the bulge</translation>
    </message>
    <message>
        <source>Длина провода обмотки, м, без выводов</source>
        <translation>Wire length of the winding, m, leads not included</translation>
    </message>
    <message>
        <source>Нет размеров каркаса</source>
        <translation>No bobbin sizes</translation>
    </message>
    <message>
        <source>D %1 мм</source>
        <translation>D %1 mm</translation>
    </message>
    <message>
        <source>L %1 мм</source>
        <translation>L %1 mm</translation>
    </message>
    <message>
        <source>Сечение окна каркаса</source>
        <translation>Section of the bobbin&apos;s winding window</translation>
    </message>
    <message>
        <source>Нет места для обмоток</source>
        <translation>No winding room</translation>
    </message>
    <message>
        <source>Коэффициент укладки слоя, %1; пусто — по диаметру провода</source>
        <translation>Layer factor, %1: the turn pitch over the wire diameter, that is how closely the turns lie in a layer (1: touching); empty: from the wire diameter</translation>
    </message>
    <message>
        <source>неверный класс изоляции</source>
        <translation>wrong insulation grade</translation>
    </message>
    <message>
        <source>не задан провод</source>
        <translation>no wire given</translation>
    </message>
    <message>
        <source>Диаметр меди: %1</source>
        <translation>Copper diameter: %1</translation>
    </message>
    <message>
        <source>Класс изоляции: %1</source>
        <translation>Insulation grade: %1</translation>
    </message>
    <message>
        <source>Введите диаметр меди или диаметр провода с изоляцией</source>
        <translation>Enter the copper diameter or the outer diameter</translation>
    </message>
    <message>
        <source>неверный диаметр меди</source>
        <translation>wrong copper diameter</translation>
    </message>
    <message>
        <source>Медь, мм</source>
        <translation>Copper ⌀, mm</translation>
    </message>
    <message>
        <source>Изоляция</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>⌀ с изоляцией, мм</source>
        <translation>Outer ⌀, mm</translation>
    </message>
    <message>
        <source>Длина провода, м</source>
        <translation>Wire length, m</translation>
    </message>
    <message>
        <source>R при 20 °C, Ом</source>
        <translation>R at 20 °C, Ω</translation>
    </message>
    <message>
        <source>R при %1 °C, Ом</source>
        <translation>R at %1 °C, Ω</translation>
    </message>
    <message>
        <source>Медь, г</source>
        <translation>Copper, g</translation>
    </message>
    <message>
        <source>Диаметр меди провода, мм, %1; пусто — провод задан диаметром с изоляцией</source>
        <translation>The wire&apos;s copper diameter, mm, %1; empty: the wire is given by its outer diameter</translation>
    </message>
    <message>
        <source>Класс изоляции по IEC 60317: 1, 2 или 3; пусто — 2. В русской практике ПЭВ-1 примерно класс 1, ПЭВ-2 и ПЭТВ-2 — примерно класс 2</source>
        <translation>Insulation grade after IEC 60317: 1, 2 or 3; empty: 2. In Russian practice PEV-1 is about grade 1, PEV-2 and PETV-2 about grade 2</translation>
    </message>
    <message>
        <source>Наружный диаметр провода с изоляцией, мм; пусто — по таблице проводов из диаметра меди и класса изоляции</source>
        <translation>The wire&apos;s outer diameter over its insulation, mm; empty: from the wire table by the copper diameter and the grade</translation>
    </message>
    <message>
        <source>Сопротивление обмотки при 20 °C, Ом, без выводов</source>
        <translation>The winding&apos;s resistance at 20 °C, Ω, leads not included</translation>
    </message>
    <message>
        <source>Сопротивление обмотки при рабочей температуре, Ом, без выводов</source>
        <translation>The winding&apos;s resistance at the working temperature, Ω, leads not included</translation>
    </message>
    <message>
        <source>Масса меди обмотки, г, без выводов</source>
        <translation>The winding&apos;s copper mass, g, leads not included</translation>
    </message>
    <message>
        <source>Глубина окна D %1 мм, длина намотки L %2 мм</source>
        <translation>Window depth D %1 mm, winding length L %2 mm</translation>
    </message>
    <message>
        <source>; катушка Δ %1 мм выходит за край на %2 мм (красным)</source>
        <translation>; the coil Δ %1 mm passes the edge by %2 mm (in red)</translation>
    </message>
    <message>
        <source>; катушка Δ %1 мм помещается</source>
        <translation>; the coil Δ %1 mm fits</translation>
    </message>
    <message>
        <source>; обмоток на сечении нет</source>
        <translation>; no windings drawn</translation>
    </message>
</context>
<context>
    <name>WindingsPrinter</name>
    <message>
        <source>Vintorp — обмотки каркаса</source>
        <translation>Vintorp — bobbin windings</translation>
    </message>
</context>
<context>
    <name>WrittenFile</name>
    <message>
        <source>в имени файла есть знак NUL</source>
        <translation>the file name contains a NUL character</translation>
    </message>
    <message>
        <source>это не обычный файл, он не будет заменён</source>
        <translation>it is not a regular file and will not be replaced</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Could not write the file %1: %2</translation>
    </message>
</context>
<context>
    <name>vintorp::cut::TemplateOutputDialog</name>
    <message>
        <source>Шаблон в натуральную величину</source>
        <translation>Full-size (1:1) template</translation>
    </message>
    <message>
        <source>Детали каркаса в масштабе 1:1: распечатайте шаблон,
наклейте на материал и вырежьте по сплошным линиям.</source>
        <translation>The bobbin parts at full size (1:1). Print the template,
glue it onto the sheet and cut along the solid lines.</translation>
    </message>
    <message>
        <source>Число каркасов:</source>
        <translation>Number of bobbins:</translation>
    </message>
    <message>
        <source>Для П и ПЛ нужны два каркаса.</source>
        <translation>A C-core (ПЛ, П) needs two bobbins.</translation>
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
    <message>
        <source> мм</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>На столько окно щеки шире трубки с каждой стороны</source>
        <translation>How much wider than the tube the flange&apos;s window is on each side</translation>
    </message>
    <message>
        <source>Зазор окна щеки:</source>
        <translation>Flange window clearance:</translation>
    </message>
    <message>
        <source>Лист материала:</source>
        <translation>Material sheet:</translation>
    </message>
    <message>
        <source>Промежуток между деталями:</source>
        <translation>Gap between parts:</translation>
    </message>
    <message>
        <source>Контуры сдвигаются на половину ширины реза, чтобы детали вышли по размеру</source>
        <translation>Outlines move by half the kerf so that the parts come out at their sizes</translation>
    </message>
    <message>
        <source>Ширина реза:</source>
        <translation>Kerf:</translation>
    </message>
    <message>
        <source>Подписи деталей</source>
        <translation>Part labels</translation>
    </message>
    <message>
        <source>Файл для лазерного резака (SVG, DXF)</source>
        <translation>File for a laser cutter (SVG, DXF)</translation>
    </message>
    <message>
        <source>Ширина листа материала</source>
        <translation>Width of the material sheet</translation>
    </message>
    <message>
        <source>Высота листа материала</source>
        <translation>Height of the material sheet</translation>
    </message>
    <message>
        <source>Сверло для отверстий под выводы в щеках; от него и поля вокруг отверстий</source>
        <translation>The drill for the lead holes in the flanges; the margins around the holes follow it</translation>
    </message>
    <message>
        <source>Диаметр отверстий для выводов:</source>
        <translation>Lead hole diameter:</translation>
    </message>
    <message>
        <source>Только резка</source>
        <translation>Cut only</translation>
    </message>
    <message>
        <source>В файле только контуры деталей, отверстия и калибровочный квадрат</source>
        <translation>The file holds only the parts&apos; outlines, the holes and the calibration square</translation>
    </message>
</context>
<context>
    <name>vintorp::ui::DesignKeeper</name>
    <message>
        <source>каркас</source>
        <translation>bobbin</translation>
    </message>
    <message>
        <source>Проект не сохранён: %1</source>
        <translation>The design was not saved: %1</translation>
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
        <translation>E-core (ШЛ, Ш)</translation>
    </message>
    <message>
        <source>ПЛ, П</source>
        <translation>C-core (ПЛ, П)</translation>
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
        <translation>Clamp (C) =&gt;</translation>
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
        <translation>Thickness of material: </translation>
    </message>
    <message>
        <source>Примечание:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>1. Если обмоток много, то целесообразно увеличить</source>
        <translation>1. With many windings, increase dimension X</translation>
    </message>
    <message>
        <source>размер X, что бы не было проблем с размещением их выводов.</source>
        <translation>so there is room for the leads.</translation>
    </message>
    <message>
        <source>2. Для П и ПЛ необходимо изготовить два таких каркаса.</source>
        <translation>2. A C-core (ПЛ, П) needs two such bobbins.</translation>
    </message>
    <message>
        <source>Чертёж катушки</source>
        <translation>Bobbin drawing</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Обмотки…</source>
        <translation>Windings…</translation>
    </message>
    <message>
        <source>Поместятся ли обмотки на этот каркас</source>
        <translation>Will the windings fit on this bobbin?</translation>
    </message>
    <message>
        <source>почему?</source>
        <translation>why?</translation>
    </message>
    <message>
        <source>X на чертеже — полоса щеки между её окном и верхним краем, глубина места для обмоток; Z — полоса щеки сбоку от окна до её края.</source>
        <translation>X on the drawing is the band of the flange between its window and its top edge, the depth of the room for the windings; Z is the band of the flange beside the window, out to its edge.</translation>
    </message>
</context>
<context>
    <name>vintorp::ui::TransformerDialog</name>
    <message>
        <source>Трансформатор из напряжений</source>
        <translation>Transformer from voltages</translation>
    </message>
    <message>
        <source>Ток холостого хода не учитывается: ток первичной обмотки — только ток нагрузки, приведённый к ней.</source>
        <translation>The no-load current is not counted: the primary current is the load current referred to the primary only.</translation>
    </message>
    <message>
        <source>Заполнить т&amp;аблицу</source>
        <translation>F&amp;ill the table</translation>
    </message>
    <message>
        <source>Записать обмотки в таблицу окна обмоток (первичная «I», затем вторичные) и поставить в нём рабочую температуру θ</source>
        <translation>Write the windings into the windings table (the primary «I», then the secondaries) and set its working temperature to θ</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Закрыть (Esc); введённое остаётся до следующего открытия</source>
        <translation>Close (Esc); what you typed stays for the next opening</translation>
    </message>
    <message>
        <source>Сердечник ПЛ (П): две катушки, на каждой половина витков каждой обмотки; в таблицу окна идёт N/2.</source>
        <translation>C-core (ПЛ, П): two coils, each carrying half the turns of every winding; the table gets N/2.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source> В</source>
        <translation> V</translation>
    </message>
    <message>
        <source>Напряжение сети U₁</source>
        <translation>Mains voltage U₁</translation>
    </message>
    <message>
        <source>Действующее напряжение сети на первичной обмотке</source>
        <translation>RMS mains voltage across the primary</translation>
    </message>
    <message>
        <source> Гц</source>
        <translation> Hz</translation>
    </message>
    <message>
        <source>Частота сети f</source>
        <translation>Mains frequency f</translation>
    </message>
    <message>
        <source>Частота сети</source>
        <translation>Mains frequency</translation>
    </message>
    <message>
        <source> Тл</source>
        <translation> T</translation>
    </message>
    <message>
        <source>Индукция B</source>
        <translation>Peak flux density B</translation>
    </message>
    <message>
        <source>Амплитуда магнитной индукции в стали: 1,2–1,4 Тл для обычной трансформаторной стали</source>
        <translation>Peak flux density in the core: 1.2–1.4 T for ordinary transformer steel</translation>
    </message>
    <message>
        <source>Коэффициент заполнения стали kₛ</source>
        <translation>Stacking factor kₛ</translation>
    </message>
    <message>
        <source>Доля стали в наборе пластин (остальное — изоляция и зазоры)</source>
        <translation>The share of steel in the stack of laminations (the rest is insulation and gaps)</translation>
    </message>
    <message>
        <source> Вт/кг</source>
        <translation> W/kg</translation>
    </message>
    <message>
        <source>Удельные потери в стали p</source>
        <translation>Specific core loss p</translation>
    </message>
    <message>
        <source>Потери на килограмм стали при этих индукции и частоте</source>
        <translation>Loss per kilogram of steel at this flux density and frequency</translation>
    </message>
    <message>
        <source> А/мм²</source>
        <translation> A/mm²</translation>
    </message>
    <message>
        <source>Плотность тока j</source>
        <translation>Current density j</translation>
    </message>
    <message>
        <source>Допустимая плотность тока в меди: из неё выбирается провод</source>
        <translation>The current density allowed in the copper: the wire is chosen by it</translation>
    </message>
    <message>
        <source>Класс изоляции провода</source>
        <translation>Wire insulation grade</translation>
    </message>
    <message>
        <source>Класс изоляции эмалированного провода по IEC 60317, %1</source>
        <translation>Insulation grade of the enamelled wire after IEC 60317, %1</translation>
    </message>
    <message>
        <source> °C</source>
        <translation> °C</translation>
    </message>
    <message>
        <source>Рабочая температура обмоток θ</source>
        <translation>Working temperature of the windings θ</translation>
    </message>
    <message>
        <source>Температура обмоток в работе, для их сопротивления</source>
        <translation>The windings&apos; temperature in use, for their resistance</translation>
    </message>
    <message>
        <source> мм</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Изоляция между слоями t</source>
        <translation>Insulation between layers t</translation>
    </message>
    <message>
        <source>Толщина изоляции между слоями каждой обмотки</source>
        <translation>Thickness of the insulation between the layers of each winding</translation>
    </message>
    <message>
        <source>Изоляция поверх обмотки u</source>
        <translation>Insulation over each winding u</translation>
    </message>
    <message>
        <source>Толщина изоляции поверх каждой обмотки</source>
        <translation>Thickness of the insulation over each winding</translation>
    </message>
    <message>
        <source>Сеть и сердечник</source>
        <translation>Mains and core</translation>
    </message>
    <message>
        <source>&amp;Напряжение сети U₁:</source>
        <translation>&amp;Mains voltage U₁:</translation>
    </message>
    <message>
        <source>&amp;Частота f:</source>
        <translation>&amp;Frequency f:</translation>
    </message>
    <message>
        <source>&amp;Индукция B:</source>
        <translation>Peak flu&amp;x density B:</translation>
    </message>
    <message>
        <source>Коэффициент &amp;заполнения kₛ:</source>
        <translation>&amp;Stacking factor kₛ:</translation>
    </message>
    <message>
        <source>&amp;Удельные потери p:</source>
        <translation>Specific core &amp;loss p:</translation>
    </message>
    <message>
        <source>Провод и изоляция</source>
        <translation>Wire and insulation</translation>
    </message>
    <message>
        <source>&amp;Плотность тока j:</source>
        <translation>Current &amp;density j:</translation>
    </message>
    <message>
        <source>&amp;Класс изоляции:</source>
        <translation>Insulation &amp;grade:</translation>
    </message>
    <message>
        <source>Рабочая &amp;температура θ:</source>
        <translation>Working &amp;temperature θ:</translation>
    </message>
    <message>
        <source>Изоляция между &amp;слоями t:</source>
        <translation>Insulation &amp;between layers t:</translation>
    </message>
    <message>
        <source>Изоляция п&amp;оверх обмотки u:</source>
        <translation>Insulation &amp;over each winding u:</translation>
    </message>
    <message>
        <source>Вторичные обмотки</source>
        <translation>Secondaries</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Под нагрузкой</source>
        <translation>Under load</translation>
    </message>
    <message>
        <source>Ток</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Вторичная обмотка %1: название</source>
        <translation>Secondary %1: name</translation>
    </message>
    <message>
        <source>Название обмотки, как оно встанет в таблицу</source>
        <translation>The winding&apos;s name as the table will show it</translation>
    </message>
    <message>
        <source>Вторичная обмотка %1: напряжение под нагрузкой</source>
        <translation>Secondary %1: voltage under load</translation>
    </message>
    <message>
        <source>Напряжение обмотки под нагрузкой током, заданным справа</source>
        <translation>The winding&apos;s voltage when loaded with the current to its right</translation>
    </message>
    <message>
        <source> А</source>
        <translation> A</translation>
    </message>
    <message>
        <source>Вторичная обмотка %1: ток</source>
        <translation>Secondary %1: current</translation>
    </message>
    <message>
        <source>Ток нагрузки обмотки (действующий)</source>
        <translation>The winding&apos;s load current (RMS)</translation>
    </message>
    <message>
        <source>&amp;Добавить</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>Добавить вторичную обмотку (до %1)</source>
        <translation>Add a secondary (up to %1)</translation>
    </message>
    <message>
        <source>Уда&amp;лить последнюю</source>
        <translation>&amp;Remove last</translation>
    </message>
    <message>
        <source>Удалить последнюю вторичную обмотку</source>
        <translation>Remove the last secondary</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Витков на вольт w</source>
        <translation>Turns per volt w</translation>
    </message>
    <message>
        <source>Сечение стали S</source>
        <translation>Core section S</translation>
    </message>
    <message>
        <source>Ток первичной обмотки I₁</source>
        <translation>Primary current I₁</translation>
    </message>
    <message>
        <source>Мощность нагрузки P₂</source>
        <translation>Load power P₂</translation>
    </message>
    <message>
        <source>Потери в меди</source>
        <translation>Copper loss</translation>
    </message>
    <message>
        <source>Масса сердечника</source>
        <translation>Core mass</translation>
    </message>
    <message>
        <source>Потери в стали</source>
        <translation>Core loss</translation>
    </message>
    <message>
        <source>КПД η</source>
        <translation>Efficiency η</translation>
    </message>
    <message>
        <source>Катушка</source>
        <translation>Coil</translation>
    </message>
    <message>
        <source>w = 10⁶ / (4,44·f·B·S): витков на вольт</source>
        <translation>w = 10⁶ / (4.44·f·B·S): turns per volt</translation>
    </message>
    <message>
        <source>S = A·B·kₛ, A и B — как введены в главном окне</source>
        <translation>S = A·B·kₛ, A and B as typed in the main window</translation>
    </message>
    <message>
        <source>I₁ = Σ Iᵢ·Nᵢ / N₁, без тока холостого хода</source>
        <translation>I₁ = Σ Iᵢ·Nᵢ / N₁, without the no-load current</translation>
    </message>
    <message>
        <source>P₂ = Σ Uᵢ·Iᵢ</source>
        <translation>P₂ = Σ Uᵢ·Iᵢ</translation>
    </message>
    <message>
        <source>P = I₁²·R₁ + Σ Iᵢ²·Rᵢ, сопротивления при рабочей температуре θ</source>
        <translation>P = I₁²·R₁ + Σ Iᵢ²·Rᵢ, the resistances at the working temperature θ</translation>
    </message>
    <message>
        <source>m = 7,65 г/см³ · объём сердечника · kₛ</source>
        <translation>m = 7.65 g/cm³ · core volume · kₛ</translation>
    </message>
    <message>
        <source>P = p·m</source>
        <translation>P = p·m</translation>
    </message>
    <message>
        <source>η = P₂ / (P₂ + потери в меди + потери в стали)</source>
        <translation>η = P₂ / (P₂ + copper loss + core loss)</translation>
    </message>
    <message>
        <source>Толщина катушки со вспучиванием против глубины окна каркаса: помещается ли она</source>
        <translation>The coil&apos;s build with its bulge against the depth of the bobbin&apos;s window: whether it fits</translation>
    </message>
    <message>
        <source>%1 мм из %2 мм (%3 %)</source>
        <translation>%1 mm of %2 mm (%3 %)</translation>
    </message>
    <message>
        <source>Обмотки трансформатора</source>
        <translation>Transformer windings</translation>
    </message>
    <message>
        <source>По строке на обмотку: первичная «I», затем вторичные</source>
        <translation>A row per winding: the primary «I», then the secondaries</translation>
    </message>
    <message>
        <source>Напряжение,
В</source>
        <translation>Voltage,
V</translation>
    </message>
    <message>
        <source>Первичной — напряжение сети U₁, вторичной — напряжение под нагрузкой Uᵢ</source>
        <translation>The primary&apos;s: the mains voltage U₁; a secondary&apos;s: its voltage under load Uᵢ</translation>
    </message>
    <message>
        <source>Витков
N</source>
        <translation>Turns
N</translation>
    </message>
    <message>
        <source>N₁ = ⌊w·(U₁ − I₁·R₁) + 0,5⌋, Nᵢ = ⌈w·(Uᵢ + Iᵢ·Rᵢ)⌉; на сердечнике ПЛ (П) — до чётного</source>
        <translation>N₁ = ⌊w·(U₁ − I₁·R₁) + 0.5⌋, Nᵢ = ⌈w·(Uᵢ + Iᵢ·Rᵢ)⌉; on a C-core, up to an even number</translation>
    </message>
    <message>
        <source>На
катушку</source>
        <translation>Per
coil</translation>
    </message>
    <message>
        <source>На сердечнике ПЛ (П) две катушки, на каждой N/2 витков: это число идёт в таблицу</source>
        <translation>A C-core has two coils of N/2 turns each: this number goes into the table</translation>
    </message>
    <message>
        <source>Медь,
мм</source>
        <translation>Copper ⌀,
mm</translation>
    </message>
    <message>
        <source>Наименьший стандартный диаметр меди d с π·d²/4 ≥ I / j</source>
        <translation>The smallest standard copper diameter d with π·d²/4 ≥ I / j</translation>
    </message>
    <message>
        <source>⌀ с изоляцией,
мм</source>
        <translation>Outer ⌀,
mm</translation>
    </message>
    <message>
        <source>Наибольший наружный диаметр провода для класса изоляции, по таблице</source>
        <translation>The wire&apos;s maximum overall diameter for the insulation grade, from the table</translation>
    </message>
    <message>
        <source>Ток,
А</source>
        <translation>Current,
A</translation>
    </message>
    <message>
        <source>Первичной — I₁ = Σ Iᵢ·Nᵢ / N₁ (без тока холостого хода), вторичной — заданный</source>
        <translation>The primary&apos;s: I₁ = Σ Iᵢ·Nᵢ / N₁ (without the no-load current); a secondary&apos;s: as given</translation>
    </message>
    <message>
        <source>Плотность тока,
А/мм²</source>
        <translation>Current density,
A/mm²</translation>
    </message>
    <message>
        <source>I / (π·d²/4) в выбранном проводе</source>
        <translation>I / (π·d²/4) in the wire chosen</translation>
    </message>
    <message>
        <source>R при 20 °C,
Ом</source>
        <translation>R at 20 °C,
Ω</translation>
    </message>
    <message>
        <source>Сопротивление обмотки при 20 °C по её среднему витку на этом каркасе</source>
        <translation>The winding&apos;s resistance at 20 °C from its mean turn on this bobbin</translation>
    </message>
    <message>
        <source>R при θ,
Ом</source>
        <translation>R at θ,
Ω</translation>
    </message>
    <message>
        <source>Сопротивление при рабочей температуре θ: ρ = (1/58)·(1 + 0,00393·(θ − 20)) Ом·мм²/м</source>
        <translation>Resistance at the working temperature θ: ρ = (1/58)·(1 + 0.00393·(θ − 20)) Ω·mm²/m</translation>
    </message>
    <message>
        <source>Длина
провода, м</source>
        <translation>Wire
length, m</translation>
    </message>
    <message>
        <source>N·l, l — средний виток на этом каркасе; без выводов</source>
        <translation>N·l, l the mean turn on this bobbin; leads not included</translation>
    </message>
    <message>
        <source>Медь,
г</source>
        <translation>Copper,
g</translation>
    </message>
    <message>
        <source>8,89 г/см³ · π·d²/4 · длина провода</source>
        <translation>8.89 g/cm³ · π·d²/4 · wire length</translation>
    </message>
    <message>
        <source>Без нагрузки,
В</source>
        <translation>No-load
voltage, V</translation>
    </message>
    <message>
        <source>Напряжение холостого хода Uᵢ₀ = U₁·Nᵢ / N₁</source>
        <translation>No-load voltage Uᵢ₀ = U₁·Nᵢ / N₁</translation>
    </message>
    <message>
        <source>Изменение
напряжения, %</source>
        <translation>Regulation,
%</translation>
    </message>
    <message>
        <source>(Uᵢ₀ − Uᵢ) / Uᵢ: на сколько напряжение без нагрузки выше, чем под нагрузкой</source>
        <translation>(Uᵢ₀ − Uᵢ) / Uᵢ: how much higher the voltage is without load than under load</translation>
    </message>
    <message>
        <source>Чертёж не рассчитан: введите размеры и нажмите «Рассчитать» в главном окне.</source>
        <translation>No drawing: enter the sizes and press “Calculate” in the main window.</translation>
    </message>
    <message>
        <source>Нет результата. %1</source>
        <translation>No result. %1</translation>
    </message>
    <message>
        <source>%1 мм²</source>
        <translation>%1 mm²</translation>
    </message>
    <message>
        <source>%1 А</source>
        <translation>%1 A</translation>
    </message>
    <message>
        <source>%1 Вт</source>
        <translation>%1 W</translation>
    </message>
    <message>
        <source>%1 кг</source>
        <translation>%1 kg</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>помещается</source>
        <translation>fits</translation>
    </message>
    <message>
        <source>не помещается</source>
        <translation>does not fit</translation>
    </message>
    <message>
        <source>R при %1 °C,
Ом</source>
        <translation>R at %1 °C,
Ω</translation>
    </message>
    <message>
        <source>Первичная обмотка</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>Вторичная обмотка %1</source>
        <translation>Secondary %1</translation>
    </message>
    <message>
        <source>«%1», %2: %3</source>
        <translation>«%1», %2: %3</translation>
    </message>
</context>
<context>
    <name>vintorp::ui::WindingsDelegate</name>
    <message>
        <source>обмотка %1</source>
        <translation>winding %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>vintorp::ui::WindingsModel</name>
    <message>
        <source>%1 (авто)</source>
        <translation>%1 (auto)</translation>
    </message>
    <message>
        <source>авто</source>
        <translation>auto</translation>
    </message>
    <message>
        <source>Длину провода можно будет посчитать, когда будут исправлены обмотки, намотанные под этой</source>
        <translation>The wire length can be worked out once the windings wound under this one are corrected</translation>
    </message>
    <message>
        <source>обмотка %1: %2</source>
        <translation>winding %1: %2</translation>
    </message>
    <message>
        <source>%1 (по таблице)</source>
        <translation>%1 (from table)</translation>
    </message>
    <message>
        <source>Сопротивление и масса меди — когда задан диаметр меди</source>
        <translation>Resistance and copper mass are shown when the copper diameter is given</translation>
    </message>
    <message>
        <source>Ошибка: %1</source>
        <translation>Error: %1</translation>
    </message>
</context>
<context>
    <name>vintorp::ui::WindingsWindow</name>
    <message>
        <source>Обмотки</source>
        <translation>Windings</translation>
    </message>
    <message>
        <source>Ввод или F2 — изменить, Insert — добавить обмотку, Delete — удалить, Ctrl+↑/↓ — переместить</source>
        <translation>Enter or F2: edit; Insert: add a winding; Delete: remove it; Ctrl+↑/↓: move it</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Добавить обмотку (Insert)</source>
        <translation>Add a winding (Insert)</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Удалить обмотку (Delete)</source>
        <translation>Remove the winding (Delete)</translation>
    </message>
    <message>
        <source>Выше</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Переместить обмотку ближе к трубке (Ctrl+↑)</source>
        <translation>Move the winding nearer the tube (Ctrl+↑)</translation>
    </message>
    <message>
        <source>Ниже</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Переместить обмотку дальше от трубки (Ctrl+↓)</source>
        <translation>Move the winding farther from the tube (Ctrl+↓)</translation>
    </message>
    <message>
        <source> мм</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Место, оставленное свободным у каждой щеки</source>
        <translation>Room left free at each flange</translation>
    </message>
    <message>
        <source>Длина провода — без выводов. Толщина обмоток в таблице — без вспучивания.</source>
        <translation>Wire lengths do not include the leads. Builds in the table do not include the bulge.</translation>
    </message>
    <message>
        <source>Как считается?</source>
        <translation>How is it calculated?</translation>
    </message>
    <message>
        <source>Показать или скрыть описание расчёта</source>
        <translation>Show or hide how the check is calculated</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Напечатать таблицу и сечение на одной странице</source>
        <translation>Print the table and the section on one page</translation>
    </message>
    <message>
        <source>Коэффициент &amp;вспучивания:</source>
        <translation>&amp;Bulge factor:</translation>
    </message>
    <message>
        <source>&amp;Зазор у щеки:</source>
        <translation>&amp;Margin at each flange:</translation>
    </message>
    <message>
        <source>Чертёж не рассчитан: введите размеры и нажмите «Рассчитать» в главном окне.</source>
        <translation>No drawing: enter the sizes and press “Calculate” in the main window.</translation>
    </message>
    <message>
        <source>Окно каркаса: длина намотки L %1 мм, глубина D %2 мм (от трубки до края щеки), трубка %3 × %4 мм.</source>
        <translation>Winding window: winding length L %1 mm, depth D %2 mm (from the tube to the flange&apos;s edge), tube %3 × %4 mm.</translation>
    </message>
    <message>
        <source>Нет результата чертежа: проверить нечего.</source>
        <translation>The drawing has no result: nothing to check.</translation>
    </message>
    <message>
        <source>Добавьте обмотку (Insert).</source>
        <translation>Add a winding (Insert).</translation>
    </message>
    <message>
        <source>Исправьте отмеченные ячейки (обмоток с ошибкой: %1).</source>
        <translation>Correct the marked cells; windings to fix: %1.</translation>
    </message>
    <message>
        <source>Помещается: катушка %1 мм из %2 мм (%3 %), остаётся %4 мм.</source>
        <translation>Fits: the coil is %1 mm of %2 mm (%3 %), %4 mm left.</translation>
    </message>
    <message>
        <source>Не помещается: катушка %1 мм при глубине %2 мм (%3 %), не хватает %4 мм.</source>
        <translation>Does not fit: the coil is %1 mm in a depth of %2 mm (%3 %), %4 mm short.</translation>
    </message>
    <message>
        <source>Обмотка %1</source>
        <translation>Winding %1</translation>
    </message>
    <message>
        <source>Открыть…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Открыть проект (Ctrl+O)</source>
        <translation>Open a design (Ctrl+O)</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить размеры, обмотки и настройки шаблона в проект (Ctrl+S)</source>
        <translation>Save the sizes, the windings and the template settings as a design (Ctrl+S)</translation>
    </message>
    <message>
        <source>Сохранить как…</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>Сохранить проект в другой файл (Ctrl+Shift+S)</source>
        <translation>Save the design to another file (Ctrl+Shift+S)</translation>
    </message>
    <message>
        <source>Обмотки — %1</source>
        <translation>Windings — %1</translation>
    </message>
    <message>
        <source>У каркаса нет места для обмоток: длина намотки L %1 мм, глубина D %2 мм.</source>
        <translation>The bobbin has no winding room: winding length L %1 mm, depth D %2 mm.</translation>
    </message>
    <message>
        <source>Зазор у щеки %1 мм — не меньше половины длины намотки L %2 мм: виткам не остаётся места.</source>
        <translation>The margin of %1 mm at each flange is half the winding length L %2 mm or more: no room is left for a turn.</translation>
    </message>
    <message>
        <source>Во сколько раз катушка толще суммы обмоток: неплотная намотка, %1</source>
        <translation>How many times thicker the coil is than its windings added up (loose winding), %1</translation>
    </message>
    <message>
        <source>Коэффициент вспучивания: %1.</source>
        <translation>Bulge factor: %1.</translation>
    </message>
    <message>
        <source>Зазор у щеки: %1.</source>
        <translation>Margin at each flange: %1.</translation>
    </message>
    <message>
        <source>Рабочая температура: %1.</source>
        <translation>Working temperature: %1.</translation>
    </message>
    <message>
        <source> °C</source>
        <translation> °C</translation>
    </message>
    <message>
        <source>Температура обмоток в работе, для их сопротивления в нагретом состоянии, %1</source>
        <translation>The windings&apos; temperature in use, for their resistance when warm, %1</translation>
    </message>
    <message>
        <source>Витков в слое n = ⌊(L − 2e) / (k·d)⌋, слоёв m = ⌈N / n⌉, толщина обмотки δ = m·k·d + (m − 1)·t + u. Здесь L — длина намотки между щеками, e — зазор у каждой щеки, N — число витков, d — диаметр провода с изоляцией, k — коэффициент укладки (пусто — по диаметру провода), t — изоляция между слоями, u — изоляция поверх обмотки. Катушка вспучивается: Δ = k_в·Σδ; она помещается, если Δ ≤ D (глубина окна от трубки до края щеки), заполнение Δ / D. Средний виток l = 2(a + b) + 2π·x, где a × b — трубка снаружи, x = k_в·(толщина обмоток под ней + δ/2); длина провода N·l, без выводов.
Провод, заданный диаметром меди d₀ и классом изоляции, имеет d по таблице IEC 60317-0-1 (наибольший наружный диаметр; между размерами таблицы прибавка изоляции к меди берётся линейно); диаметр с изоляцией, введённый поверх, считается как введён. Сопротивление R = ρ₂₀·(1 + 0,00393·(θ − 20))·длина / (π·d₀²/4), ρ₂₀ = 1/58 Ом·мм²/м, θ — рабочая температура (при 20 °C множитель равен 1); масса меди = 8,89 г/см³ · π·d₀²/4 · длина.
Коэффициент укладки по умолчанию — по таблице из учебников (1,3 тоньше 0,15 мм, 1,25 тоньше 0,35, 1,2 тоньше 0,51, 1,1 до 1,0, 1,05 толще), но шаг витка k·d у более толстого провода никогда не меньше, чем у более тонкого: за ступенью таблицы шаг остаётся шагом её тонкой стороны, пока табличный не догонит его (0,51 мм — 1,2, пока 1,1·d не дойдёт до 0,612 мм при 0,5564 мм). Введённый коэффициент берётся как введён.</source>
        <translation>Turns per layer n = ⌊(L − 2e) / (k·d)⌋, layers m = ⌈N / n⌉, build of a winding δ = m·k·d + (m − 1)·t + u. Here L is the winding length between the flanges, e the margin at each flange, N the turns, d the wire diameter over its insulation, k the layer factor (empty: from the wire diameter), t the insulation between layers, u the insulation over the winding. The coil bulges: Δ = k_b·Σδ; it fits when Δ ≤ D (the depth from the tube to the flange&apos;s edge), its fill is Δ / D. A mean turn l = 2(a + b) + 2π·x, where a × b is the tube&apos;s outside and x = k_b·(the builds below the winding + δ/2); the wire is N·l long, leads not included.
A wire given by its copper diameter d₀ and insulation grade has d from the IEC 60317-0-1 table (the maximum overall diameter; between the table&apos;s sizes the insulation&apos;s increase over the copper is taken linearly); an outer diameter typed over it is used as typed. Resistance R = ρ₂₀·(1 + 0.00393·(θ − 20))·length / (π·d₀²/4), ρ₂₀ = 1/58 Ω·mm²/m, θ the working temperature (at 20 °C the factor is 1); copper mass = 8.89 g/cm³ · π·d₀²/4 · length.
The default layer factor follows the textbook table (1.3 below 0.15 mm, 1.25 below 0.35, 1.2 below 0.51, 1.1 up to 1.0, 1.05 above), but a thicker wire&apos;s pitch k·d is never smaller than a thinner one&apos;s: past a step of the table the pitch stays that of the step&apos;s thin side until the table&apos;s own catches up (0.51 mm takes 1.2 until 1.1·d reaches 0.612 mm at 0.5564 mm). A typed factor is used as typed.</translation>
    </message>
    <message>
        <source>Рабочая &amp;температура:</source>
        <translation>Working &amp;temperature:</translation>
    </message>
    <message>
        <source>Медь обмоток с диаметром меди: %1 г.</source>
        <translation>Copper of the windings with a copper diameter: %1 g.</translation>
    </message>
    <message>
        <source>Коэффициент вспучивания %1, зазор у щеки %2 мм, рабочая температура %3 °C. %4</source>
        <translation>Bulge factor %1, margin at each flange %2 mm, working temperature %3 °C. %4</translation>
    </message>
    <message>
        <source>Из напряжений…</source>
        <translation>From voltages…</translation>
    </message>
    <message>
        <source>Рассчитать трансформатор по напряжениям и токам и заполнить таблицу</source>
        <translation>Work the transformer out from its voltages and currents and fill the table</translation>
    </message>
    <message>
        <source>Таблица изменена вручную и больше не совпадает с расчётом из напряжений.</source>
        <translation>The table was edited by hand and no longer matches the transformer worked out from the voltages.</translation>
    </message>
    <message>
        <source>Из напряжений (A, B, C, H — как введены в главном окне; ток холостого хода не учитывается):
сечение стали S = A·B·kₛ;
витков на вольт w = 10⁶ / (4,44·f·B·S);
ρθ = (1/58)·(1 + 0,00393·(θ − 20)) Ом·мм²/м;
мощность нагрузки P₂ = Σ Uᵢ·Iᵢ; сначала R = 0, I₁ = P₂ / U₁;
N₁ = ⌊w·(U₁ − I₁·R₁) + 0,5⌋, Nᵢ = ⌈w·(Uᵢ + Iᵢ·Rᵢ)⌉; на сердечнике ПЛ (П) N — до чётного, на каждой из двух катушек N/2;
медь d — наименьший стандартный диаметр с π·d²/4 ≥ I / j, провод — её наибольший наружный диаметр для класса изоляции;
средний виток l — по намотке одной катушки (первичная первой), R = ρθ·N·l / 1000 / (π·d²/4);
I₁ = Σ Iᵢ·Nᵢ / N₁; всё повторяется, пока витки и провод не перестанут меняться (не более 50 раз);
напряжение холостого хода Uᵢ₀ = U₁·Nᵢ / N₁, изменение напряжения (Uᵢ₀ − Uᵢ) / Uᵢ;
потери в меди I₁²·R₁ + Σ Iᵢ²·Rᵢ (при θ);
объём сердечника ШЛ (Ш) B·((2A + 2C)·(H + A) − 2·C·H), ПЛ (П) B·((2A + C)·(H + 2A) − C·H) мм³;
масса сердечника m = 7,65·10⁻⁶ · объём · kₛ кг, потери в стали p·m;
КПД η = P₂ / (P₂ + потери в меди + потери в стали).</source>
        <translation>From voltages (A, B, C, H as typed in the main window; the no-load current is not counted):
core section S = A·B·kₛ;
turns per volt w = 10⁶ / (4.44·f·B·S);
ρθ = (1/58)·(1 + 0.00393·(θ − 20)) Ω·mm²/m;
load power P₂ = Σ Uᵢ·Iᵢ; to start, R = 0 and I₁ = P₂ / U₁;
N₁ = ⌊w·(U₁ − I₁·R₁) + 0.5⌋, Nᵢ = ⌈w·(Uᵢ + Iᵢ·Rᵢ)⌉; on a C-core every N up to an even number, N/2 on each of the two coils;
copper d: the smallest standard diameter with π·d²/4 ≥ I / j; the wire: its maximum overall diameter for the insulation grade;
mean turn l from the build-up of one coil (the primary first), R = ρθ·N·l / 1000 / (π·d²/4);
I₁ = Σ Iᵢ·Nᵢ / N₁; all of it again until the turns and the wire stop changing (at most 50 rounds);
no-load voltage Uᵢ₀ = U₁·Nᵢ / N₁, regulation (Uᵢ₀ − Uᵢ) / Uᵢ;
copper loss I₁²·R₁ + Σ Iᵢ²·Rᵢ (at θ);
core volume, E-core B·((2A + 2C)·(H + A) − 2·C·H), C-core B·((2A + C)·(H + 2A) − C·H) mm³;
core mass m = 7.65·10⁻⁶ · volume · kₛ kg, core loss p·m;
efficiency η = P₂ / (P₂ + copper loss + core loss).</translation>
    </message>
</context>
</TS>
