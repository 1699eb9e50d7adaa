<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ErrorText</name>
    <message>
        <source>.</source>
        <comment>the full stop added to a message</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>This is not a Wolf file</source>
        <translation>Это не файл Wolf</translation>
    </message>
    <message>
        <source>Bad Wolf page table</source>
        <translation>Повреждена таблица страниц Wolf</translation>
    </message>
    <message>
        <source>Bad Wolf page description</source>
        <translation>Повреждено описание страницы Wolf</translation>
    </message>
    <message>
        <source>Bad Wolf catalog</source>
        <translation>Поврежден каталог Wolf</translation>
    </message>
    <message>
        <source>Bad Wolf subcatalog</source>
        <translation>Поврежден подкаталог Wolf</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Ошибка чтения потока</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Ошибка записи в поток</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не удается открыть файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не удается создать файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot link &quot;%1&quot;. %2</source>
        <translation>Не удается создать ссылку на «%1». %2</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;. %2</source>
        <translation>Не удается переименовать «%1». %2</translation>
    </message>
    <message>
        <source>Cannot delete &quot;%1&quot;. %2</source>
        <translation>Не удается удалить «%1». %2</translation>
    </message>
    <message>
        <source>Can&apos;t rename &quot;%1&quot;.<byte value="xd"/>
Write protected file?</source>
        <translation>Не удается переименовать «%1».<byte value="xd"/>
Файл защищен от записи?</translation>
    </message>
    <message>
        <source>Bad TOC item level on line %1</source>
        <translation>Неверный уровень пункта оглавления в строке %1</translation>
    </message>
    <message>
        <source>Too many TOC items under one parent on line %1</source>
        <translation>Слишком много пунктов оглавления у одного родителя в строке %1</translation>
    </message>
    <message>
        <source>Bad TOC item - no page divider on line %1</source>
        <translation>Неверный пункт оглавления: нет разделителя страницы в строке %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a catalog file</source>
        <translation>«%1» слишком велик для файла каталога</translation>
    </message>
    <message>
        <source>The TOC item &quot;%1&quot; leads to page %2, but the book has only %3 pages</source>
        <translation>Пункт оглавления «%1» ведет на страницу %2, но в книге всего %3 стр.</translation>
    </message>
    <message>
        <source>The chapter title &quot;%1&quot; must not contain &quot;%2&quot;</source>
        <translation>Название главы «%1» не должно содержать «%2»</translation>
    </message>
    <message>
        <source>The table of contents has too many entries: a book holds at most %1 chapters and as many sections</source>
        <translation>В оглавлении слишком много пунктов: книга вмещает не более %1 глав и столько же разделов</translation>
    </message>
    <message>
        <source>The book would grow beyond 4 GB, which its 32-bit offsets cannot address</source>
        <translation>Книга превысит 4 ГБ, а ее 32-битные смещения не могут адресовать больше</translation>
    </message>
    <message>
        <source>The description&apos;s size does not match its text</source>
        <translation>Размер описания не соответствует его тексту</translation>
    </message>
    <message>
        <source>The description is %1 bytes long; a book holds at most 65535</source>
        <translation>Описание занимает %1 байт; книга вмещает не более 65535</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не удается записать в %1</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Не удалось записать данные для «%1»</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Недопустимый тип данных для «%1»</translation>
    </message>
    <message>
        <source>Failed to create key &apos;%1&apos;</source>
        <translation>Не удалось создать раздел «%1»</translation>
    </message>
    <message>
        <source>Missing resource %1</source>
        <translation>Отсутствует ресурс %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>A text page must not hold a zero byte: readers end the page there</source>
        <translation>Текстовая страница не должна содержать нулевой байт: устройства для чтения обрывают на нем страницу</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; could not be written</source>
        <translation>Не удалось записать книгу «%1»</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; ends before &quot;%2&quot;</source>
        <translation>Архив «%1» обрывается раньше «%2»</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; cannot unpack &quot;%2&quot;: %3</source>
        <translation>В архиве «%1» не удается распаковать «%2»: %3</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; cannot be opened: %2</source>
        <translation>Не удается открыть архив «%1»: %2</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is damaged: %2</source>
        <translation>Архив «%1» поврежден: %2</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds &quot;%2&quot;, which expands beyond %3 MB</source>
        <translation>В архиве «%1» файл «%2» после распаковки больше %3 МБ</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds &quot;%2&quot;, a path outside the archive; it is not used</source>
        <translation>Архив «%1» содержит «%2», путь за пределами архива; он не используется</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds no pictures</source>
        <translation>В архиве «%1» нет изображений</translation>
    </message>
    <message>
        <source>The catalog &quot;%1&quot; is not UTF-8 text</source>
        <translation>Каталог «%1» не является текстом UTF-8</translation>
    </message>
    <message>
        <source>The table of contents names page %1, but the book has %2 pages</source>
        <translation>Оглавление ссылается на страницу %1, но в книге всего %2 стр.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a JSON object: %2</source>
        <translation>«%1» не является объектом JSON: %2</translation>
    </message>
    <message>
        <source>The book folder &quot;%1&quot; holds no pages (0001.png, 0002.txt, ...)</source>
        <translation>В папке книги «%1» нет страниц (0001.png, 0002.txt, ...)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF that can be read: it is damaged or cut off</source>
        <translation>Не удается прочитать PDF «%1»: он поврежден или обрезан</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;. No such file or folder</source>
        <translation>Не удается открыть «%1». Нет такого файла или папки</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;. %2</source>
        <translation>Не удается открыть «%1». %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 pages; there is no page %3</source>
        <translation>В «%1» %2 стр.; страницы %3 нет</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 MB</source>
        <translation>«%1» больше %2 МБ</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture Karavel can read</source>
        <translation>«%1» не является изображением, которое Karavel может прочитать</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large (%2 x %3 pixels; at most %4 megapixels)</source>
        <translation>Изображение «%1» слишком велико (%2 × %3 пикс.; не более %4 Мп)</translation>
    </message>
    <message>
        <source>Cannot read the picture &quot;%1&quot;: %2</source>
        <translation>Не удается прочитать изображение «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no pictures or text</source>
        <translation>В «%1» нет изображений или текста</translation>
    </message>
    <message>
        <source>The text file &quot;%1&quot; is larger than %2 MB</source>
        <translation>Текстовый файл «%1» больше %2 МБ</translation>
    </message>
    <message>
        <source>Page %1 of this PDF could not be drawn.</source>
        <translation>Не удалось отрисовать страницу %1 этого PDF.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted and needs a password</source>
        <translation>«%1» зашифрован, и для него нужен пароль</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted, and the password given does not open it</source>
        <translation>«%1» зашифрован, и указанный пароль его не открывает</translation>
    </message>
    <message>
        <source>Cannot open the cover &quot;%1&quot;</source>
        <translation>Не удаётся открыть обложку «%1»</translation>
    </message>
    <message>
        <source>The text file &quot;%1&quot; is in an encoding that was not recognised (tried %2)</source>
        <translation>Кодировка текстового файла «%1» не распознана (проверены: %2)</translation>
    </message>
    <message>
        <source>The encoding &quot;%1&quot; named for the text file &quot;%2&quot; is not one this system knows</source>
        <translation>Кодировка «%1», указанная для текстового файла «%2», этой системе неизвестна</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds no FB2 book</source>
        <translation>В архиве «%1» нет книги FB2</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; has no META-INF/container.xml</source>
        <translation>В EPUB «%1» нет файла META-INF/container.xml</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; names no package file in META-INF/container.xml</source>
        <translation>EPUB «%1» не указывает файл пакета в META-INF/container.xml</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; has a damaged META-INF/container.xml: %2</source>
        <translation>В EPUB «%1» поврежден файл META-INF/container.xml: %2</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; lacks its package file &quot;%2&quot;</source>
        <translation>В EPUB «%1» нет его файла пакета «%2»</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; has a damaged package file &quot;%2&quot;: %3</source>
        <translation>В EPUB «%1» поврежден файл пакета «%2»: %3</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; has no reading order (spine) in &quot;%2&quot;</source>
        <translation>В EPUB «%1» нет порядка чтения (spine) в «%2»</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; names &quot;%2&quot; in its reading order, but its manifest has no such item</source>
        <translation>EPUB «%1» указывает «%2» в порядке чтения, но в его манифесте такого элемента нет</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; lacks &quot;%2&quot;, a part of its reading order</source>
        <translation>В EPUB «%1» нет «%2», части его порядка чтения</translation>
    </message>
    <message>
        <source>The FB2 book &quot;%1&quot; is in the encoding %2, which cannot be read here</source>
        <translation>Книга FB2 «%1» записана в кодировке %2, которую здесь нельзя прочитать</translation>
    </message>
    <message>
        <source>The FB2 book &quot;%1&quot; is damaged: %2</source>
        <translation>Книга FB2 «%1» повреждена: %2</translation>
    </message>
    <message>
        <source>The e-book &quot;%1&quot; holds more than %2 MB of text</source>
        <translation>В электронной книге «%1» больше %2 МБ текста</translation>
    </message>
    <message>
        <source>&quot;%1&quot; nests its elements deeper than %2</source>
        <translation>В «%1» элементы вложены глубже %2 уровней</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; is protected by DRM (its content is encrypted) and cannot be read</source>
        <translation>EPUB «%1» защищен DRM (его содержимое зашифровано), и прочитать его нельзя</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds &quot;%2&quot;, an archive nested deeper than %3 levels; it is not unpacked</source>
        <translation>Архив «%1» содержит «%2» — архив, вложенный глубже %3 уровней; он не распаковывается</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; expands beyond %2 MB in all</source>
        <translation>Архив «%1» после распаковки занимает в сумме больше %2 МБ</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; holds %2 pages; at most %3 are taken from one picture</source>
        <translation>Изображение «%1» содержит %2 страниц; из одного изображения берётся не больше %3</translation>
    </message>
    <message>
        <source>None of the %1 pictures could be read</source>
        <translation>Не удалось прочитать ни одно из изображений (%1)</translation>
    </message>
</context>
<context>
    <name>MakeOption</name>
    <message>
        <source>Screen:</source>
        <translation>Экран:</translation>
    </message>
    <message>
        <source>The reading device&apos;s screen: pages are made at its size.</source>
        <translation>Экран устройства для чтения: страницы делаются под его размер.</translation>
    </message>
    <message>
        <source>Crop blank margins</source>
        <translation>Обрезать пустые поля</translation>
    </message>
    <message>
        <source>Cuts white margins, ignoring specks and page numbers, so the text is larger.</source>
        <translation>Обрезает белые поля, не обращая внимания на соринки и номера страниц, чтобы текст стал крупнее.</translation>
    </message>
    <message>
        <source>Landscape pages:</source>
        <translation>Альбомные страницы:</translation>
    </message>
    <message>
        <source>What becomes of a landscape page, usually two facing pages.</source>
        <translation>Что делать с альбомной страницей, обычно это разворот из двух страниц.</translation>
    </message>
    <message>
        <source>Split into two pages</source>
        <translation>Разделить на две страницы</translation>
    </message>
    <message>
        <source>Turn a quarter</source>
        <translation>Повернуть на 90°</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Разделить и повернуть</translation>
    </message>
    <message>
        <source>Keep as it is</source>
        <translation>Оставить как есть</translation>
    </message>
    <message>
        <source>Right to left</source>
        <translation>Справа налево</translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation>Гамма:</translation>
    </message>
    <message>
        <source>Above 1 darkens the mid-tones; below 1 lightens them.</source>
        <translation>Больше 1 затемняет средние тона, меньше 1 осветляет их.</translation>
    </message>
    <message>
        <source>Stretch contrast</source>
        <translation>Растянуть контраст</translation>
    </message>
    <message>
        <source>Makes the darkest part black and the paper white.</source>
        <translation>Делает самые темные места черными, а бумагу белой.</translation>
    </message>
    <message>
        <source>Greys:</source>
        <translation>Оттенки серого:</translation>
    </message>
    <message>
        <source>Four greys look better; black and white makes smaller books.</source>
        <translation>Четыре оттенка серого выглядят лучше; черно-белые книги меньше.</translation>
    </message>
    <message>
        <source>Four greys (2 bits)</source>
        <translation>Четыре оттенка серого (2 бита)</translation>
    </message>
    <message>
        <source>Black and white (1 bit)</source>
        <translation>Черно-белое (1 бит)</translation>
    </message>
    <message>
        <source>Shading:</source>
        <translation>Полутона:</translation>
    </message>
    <message>
        <source>How the greys in between are drawn: error diffusion keeps detail, a pattern suits drawings, nearest grey keeps text crisp.</source>
        <translation>Как передаются промежуточные оттенки серого: диффузия ошибки сохраняет детали, растр подходит для рисунков, ближайший серый сохраняет четкость текста.</translation>
    </message>
    <message>
        <source>Error diffusion</source>
        <translation>Диффузия ошибки</translation>
    </message>
    <message>
        <source>Ordered pattern</source>
        <translation>Упорядоченный растр</translation>
    </message>
    <message>
        <source>Nearest grey</source>
        <translation>Ближайший серый</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>Заполнить экран</translation>
    </message>
    <message>
        <source>Stretches pages to the whole screen, ignoring their shape.</source>
        <translation>Растягивает страницы на весь экран, не сохраняя пропорций.</translation>
    </message>
    <message>
        <source>Enlarge small pictures</source>
        <translation>Увеличивать маленькие изображения</translation>
    </message>
    <message>
        <source>Pictures smaller than the screen are enlarged to fit it.</source>
        <translation>Изображения меньше экрана увеличиваются до его размера.</translation>
    </message>
    <message>
        <source>PDF pages:</source>
        <translation>Страницы PDF:</translation>
    </message>
    <message>
        <source>The pages of each PDF to take, as 3-120; empty takes all.</source>
        <translation>Какие страницы взять из каждого PDF, например 3-120; если пусто, берутся все.</translation>
    </message>
    <message>
        <source>all</source>
        <translation>все</translation>
    </message>
    <message>
        <source>give FIRST-LAST, counted from 1, such as 3-120</source>
        <translation>укажите ПЕРВАЯ-ПОСЛЕДНЯЯ, считая с 1, например 3-120</translation>
    </message>
    <message>
        <source>Text encoding:</source>
        <translation>Кодировка текста:</translation>
    </message>
    <message>
        <source>The encoding of text files, such as GB18030, windows-1251 or Shift_JIS; empty guesses it. A byte-order mark at the start of a file decides for that file.</source>
        <translation>Кодировка текстовых файлов, например GB18030, windows-1251 или Shift_JIS; если поле пусто, она определяется автоматически. Метка порядка байтов в начале файла решает за этот файл.</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>определяется автоматически</translation>
    </message>
    <message>
        <source>give an encoding this system knows, such as GB18030, windows-1251, Shift_JIS or UTF-16LE</source>
        <translation>укажите кодировку, известную системе, например GB18030, windows-1251, Shift_JIS или UTF-16LE</translation>
    </message>
    <message>
        <source>Text chapters:</source>
        <translation>Главы текста:</translation>
    </message>
    <message>
        <source>Which lines of a text file begin chapters: empty finds the usual headings (第一章, Chapter 1, Глава 1), &quot;off&quot; none; anything else is a regular expression that a whole line must match.</source>
        <translation>Какие строки текстового файла начинают главы: пустое поле находит обычные заголовки (第一章, Chapter 1, Глава 1), «off» — никакие; всё остальное — регулярное выражение, которому должна соответствовать вся строка.</translation>
    </message>
    <message>
        <source>usual headings</source>
        <translation>обычные заголовки</translation>
    </message>
    <message>
        <source>give auto, off or a valid regular expression</source>
        <translation>укажите auto, off или правильное регулярное выражение</translation>
    </message>
    <message>
        <source>For books read right to left (manga): the right half of a spread comes first. Off: as a comic&apos;s ComicInfo.xml says.</source>
        <translation>Для книг, которые читают справа налево (манга): правая половина разворота идёт первой. Если выключено — как указано в ComicInfo.xml комикса.</translation>
    </message>
    <message>
        <source>Long strips:</source>
        <translation>Длинные ленты:</translation>
    </message>
    <message>
        <source>Pictures far taller than the screen, as webtoons are: cut into pages as wide as the screen, at the white gaps between panels where there are any.</source>
        <translation>Изображения намного выше экрана, как у веб-комиксов: разрезаются на страницы шириной с экран — по белым промежуткам между кадрами, где они есть.</translation>
    </message>
    <message>
        <source>Cut into pages</source>
        <translation>Разрезать на страницы</translation>
    </message>
    <message>
        <source>Fit on one page</source>
        <translation>Уместить на одной странице</translation>
    </message>
    <message>
        <source>Leave out damaged pictures</source>
        <translation>Пропускать повреждённые изображения</translation>
    </message>
    <message>
        <source>Pictures that cannot be read are left out and named when the book is made; otherwise the first of them stops the book.</source>
        <translation>Изображения, которые не удаётся прочитать, пропускаются и перечисляются после создания книги; иначе первое же из них останавливает создание книги.</translation>
    </message>
</context>
<context>
    <name>TOCTree</name>
    <message>
        <source>(empty)</source>
        <translation>(пусто)</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Без названия</translation>
    </message>
</context>
<context>
    <name>TdmCommon</name>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Open Wolf file</source>
        <translation>Открыть файл Wolf</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Set preferences</source>
        <translation>Изменить настройки</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Первая страница</translation>
    </message>
    <message>
        <source>Go to first page</source>
        <translation>Перейти на первую страницу</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>Go to previous page</source>
        <translation>Перейти на предыдущую страницу</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Следующая страница</translation>
    </message>
    <message>
        <source>Go to next page</source>
        <translation>Перейти на следующую страницу</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Последняя страница</translation>
    </message>
    <message>
        <source>Go to last page</source>
        <translation>Перейти на последнюю страницу</translation>
    </message>
    <message>
        <source>Go To Page...</source>
        <translation>Перейти к странице...</translation>
    </message>
    <message>
        <source>Go to custom page</source>
        <translation>Перейти к указанной странице</translation>
    </message>
    <message>
        <source>Cover Page</source>
        <translation>Обложка</translation>
    </message>
    <message>
        <source>Show cover page</source>
        <translation>Показать обложку</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Show book description</source>
        <translation>Показать описание книги</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Оглавление</translation>
    </message>
    <message>
        <source>Show Table of Contents</source>
        <translation>Показать оглавление</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ориентация</translation>
    </message>
    <message>
        <source>Change orientation</source>
        <translation>Изменить ориентацию</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Книжная</translation>
    </message>
    <message>
        <source>Landscape Left</source>
        <translation>Альбомная влево</translation>
    </message>
    <message>
        <source>Landscape Right</source>
        <translation>Альбомная вправо</translation>
    </message>
    <message>
        <source>Edit Description</source>
        <translation>Изменить описание</translation>
    </message>
    <message>
        <source>Edit Table of Contents</source>
        <translation>Изменить оглавление</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>About program</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Show the page larger</source>
        <translation>Показать страницу крупнее</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Show the page smaller</source>
        <translation>Показать страницу мельче</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Во весь экран</translation>
    </message>
    <message>
        <source>Show the page on the whole screen</source>
        <translation>Показать страницу на весь экран</translation>
    </message>
    <message>
        <source>Make Book...</source>
        <translation>Создать книгу...</translation>
    </message>
    <message>
        <source>Make a book from PDFs, pictures, comics or text</source>
        <translation>Создать книгу из PDF, изображений, комиксов или текста</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ориентация</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Error reading Wolf file!</source>
        <translation>Ошибка чтения файла Wolf!</translation>
    </message>
    <message>
        <source>Karavel - [%1]</source>
        <translation>Karavel - [%1]</translation>
    </message>
    <message>
        <source>Wolf eBook (*.wol);;All Files (*)</source>
        <translation>Электронные книги Wolf (*.wol);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Current Wolf file will be changed!<byte value="xd"/>
Continue?</source>
        <translation>Текущий файл Wolf будет изменен!<byte value="xd"/>
Продолжить?</translation>
    </message>
    <message>
        <source>Cover Page</source>
        <translation>Обложка</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message>
        <source>This page is not a valid Wolf page</source>
        <translation>Эта страница не является допустимой страницей Wolf</translation>
    </message>
</context>
<context>
    <name>TfrmPageNum</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Go to page...</source>
        <translation>Перейти к странице...</translation>
    </message>
    <message>
        <source>Enter page (1..%1):</source>
        <translation>Введите номер страницы (1..%1):</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>Fit Page</source>
        <translation>По размеру страницы</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>По ширине</translation>
    </message>
</context>
<context>
    <name>dialogs::TMakeOptionControls</name>
    <message>
        <source>%1-inch screen, %2 x %3</source>
        <translation>%1-дюймовый экран, %2 × %3</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmAbout</name>
    <message>
        <source> About</source>
        <translation> О программе</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>версия %1</translation>
    </message>
    <message>
        <source>    Build: %1</source>
        <translation>    Сборка: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmDescription</name>
    <message>
        <source> Description</source>
        <translation> Описание</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Автор</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>Адаптация</translation>
    </message>
    <message>
        <source>Translator</source>
        <translation>Переводчик</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Издательство</translation>
    </message>
    <message>
        <source>Publish Time</source>
        <translation>Дата издания</translation>
    </message>
    <message>
        <source>Annotation</source>
        <translation>Аннотация</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>The description holds characters that the book&apos;s encoding (%1) cannot store.</source>
        <translation>В описании есть символы, которые кодировка книги (%1) не может сохранить.</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmMakeBook</name>
    <message>
        <source>Make Book</source>
        <translation>Создание книги</translation>
    </message>
    <message>
        <source>Save Book As</source>
        <translation>Сохранить книгу как</translation>
    </message>
    <message>
        <source>Wolf books (*.wol)</source>
        <translation>Книги Wolf (*.wol)</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>Источники</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Оглавление</translation>
    </message>
    <message>
        <source>Make Book...</source>
        <translation>Создать книгу...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>Добавить файлы...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>Добавить папку...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Добавить файлы</translation>
    </message>
    <message>
        <source>Books&apos; sources (%1);;All files (*)</source>
        <translation>Источники книг (%1);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Hold the mouse over an option to see what it does.</source>
        <translation>Наведите указатель на параметр, чтобы узнать, что он делает.</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Страница</translation>
    </message>
    <message>
        <source>From File...</source>
        <translation>Из файла...</translation>
    </message>
    <message>
        <source>A table of contents in catalog text (UTF-8), with the new book&apos;s page numbers.</source>
        <translation>Оглавление в виде текста каталога (UTF-8) с номерами страниц новой книги.</translation>
    </message>
    <message>
        <source>From Sources</source>
        <translation>Из источников</translation>
    </message>
    <message>
        <source>The source page to preview.</source>
        <translation>Страница источника для предпросмотра.</translation>
    </message>
    <message>
        <source>Preview of page:</source>
        <translation>Предпросмотр страницы:</translation>
    </message>
    <message>
        <source> of %1</source>
        <translation> из %1</translation>
    </message>
    <message>
        <source>Source page</source>
        <translation>Страница источника</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>Оглавление</translation>
    </message>
    <message>
        <source>Catalog text (*.cat *.txt);;All files (*)</source>
        <translation>Текст каталога (*.cat *.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Add the pages&apos; sources first.</source>
        <translation>Сначала добавьте источники страниц.</translation>
    </message>
    <message>
        <source>Making &quot;%1&quot;...</source>
        <translation>Создание «%1»...</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pages done, %2 left</source>
        <translation>
            <numerusform>Готово %1 из %n страницы, осталось %2</numerusform>
            <numerusform>Готово %1 из %n страниц, осталось %2</numerusform>
            <numerusform>Готово %1 из %n страниц, осталось %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped; no book was written.</source>
        <translation>Остановлено; книга не записана.</translation>
    </message>
    <message>
        <source>Made &quot;%1&quot;.</source>
        <translation>Книга «%1» создана.</translation>
    </message>
    <message numerus="yes">
        <source>%v of %n pages</source>
        <translation>
            <numerusform>%v из %n страницы</numerusform>
            <numerusform>%v из %n страниц</numerusform>
            <numerusform>%v из %n страниц</numerusform>
        </translation>
    </message>
    <message>
        <source>Title</source>
        <comment>a chapter&apos;s</comment>
        <translation>Название</translation>
    </message>
    <message>
        <source>PDF Password</source>
        <translation>Пароль PDF</translation>
    </message>
    <message>
        <source>The password does not open &quot;%1&quot;. Try another:</source>
        <translation>Пароль не открывает «%1». Попробуйте другой:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted. Its password:</source>
        <translation>«%1» зашифрован. Его пароль:</translation>
    </message>
    <message>
        <source>Add pictures, folders, comic archives, PDFs, e-books (EPUB, FB2) or text files, or drop them here.</source>
        <translation>Добавьте изображения, папки, архивы комиксов, PDF, электронные книги (EPUB, FB2) или текстовые файлы либо перетащите их сюда.</translation>
    </message>
    <message>
        <source>The PDFs&apos; outlines, the e-books&apos; own contents and the folders&apos; names.</source>
        <translation>Закладки PDF, собственное оглавление электронных книг и имена папок.</translation>
    </message>
    <message numerus="yes">
        <source>Made &quot;%1&quot;; %n pictures that cannot be read were left out:</source>
        <translation>
            <numerusform>Книга «%1» создана; пропущено %n изображение, которое не удалось прочитать:</numerusform>
            <numerusform>Книга «%1» создана; пропущено %n изображения, которые не удалось прочитать:</numerusform>
            <numerusform>Книга «%1» создана; пропущено %n изображений, которые не удалось прочитать:</numerusform>
        </translation>
    </message>
    <message>
        <source>Check &quot;%1&quot; to go on past such pictures.</source>
        <translation>Отметьте «%1», чтобы продолжать, пропуская такие изображения.</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Allow only one instance (activate on next run)</source>
        <translation>Только один экземпляр программы (со следующего запуска)</translation>
    </message>
    <message>
        <source>Auto hide TOC after selecting</source>
        <translation>Скрывать оглавление после выбора</translation>
    </message>
    <message>
        <source>Reopen books at the page last read</source>
        <translation>Открывать книги на последней прочитанной странице</translation>
    </message>
    <message>
        <source>Associate with .wol files</source>
        <translation>Связать с файлами .wol</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Другой...</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>x</source>
        <translation>×</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>Default zoom:</source>
        <translation>Масштаб по умолчанию:</translation>
    </message>
    <message>
        <source>Screen type:</source>
        <translation>Тип экрана:</translation>
    </message>
    <message>
        <source>Screen dimensions:</source>
        <translation>Размеры экрана:</translation>
    </message>
    <message>
        <source>Text encoding:</source>
        <translation>Кодировка текста:</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmTOC</name>
    <message>
        <source> Table of contents</source>
        <translation> Оглавление</translation>
    </message>
    <message>
        <source>Import TOC</source>
        <translation>Импорт оглавления</translation>
    </message>
    <message>
        <source>Import Table of Contents from file</source>
        <translation>Импортировать оглавление из файла</translation>
    </message>
    <message>
        <source>Export TOC</source>
        <translation>Экспорт оглавления</translation>
    </message>
    <message>
        <source>Export Table of Contents to file</source>
        <translation>Экспортировать оглавление в файл</translation>
    </message>
    <message>
        <source>New Peer Item</source>
        <translation>Новый пункт того же уровня</translation>
    </message>
    <message>
        <source>Create new peer item</source>
        <translation>Создать пункт того же уровня</translation>
    </message>
    <message>
        <source>New Subitem</source>
        <translation>Новый подпункт</translation>
    </message>
    <message>
        <source>Create new subitem</source>
        <translation>Создать подпункт</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>Изменить пункт</translation>
    </message>
    <message>
        <source>Edit TOC item</source>
        <translation>Изменить пункт оглавления</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>Удалить пункт</translation>
    </message>
    <message>
        <source>Delete TOC item</source>
        <translation>Удалить пункт оглавления</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Move item up</source>
        <translation>Переместить пункт вверх</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Move item down</source>
        <translation>Переместить пункт вниз</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Первая страница</translation>
    </message>
    <message>
        <source>Go to first page</source>
        <translation>Перейти на первую страницу</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>Go to previous page</source>
        <translation>Перейти на предыдущую страницу</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Следующая страница</translation>
    </message>
    <message>
        <source>Go to next page</source>
        <translation>Перейти на следующую страницу</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Последняя страница</translation>
    </message>
    <message>
        <source>Go to last page</source>
        <translation>Перейти на последнюю страницу</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Сохранить изменения</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation>Отменить изменения</translation>
    </message>
    <message>
        <source>&lt;New Item&gt;</source>
        <translation>&lt;Новый пункт&gt;</translation>
    </message>
    <message>
        <source>Current item have subitems!<byte value="xd"/>
Delete all subitems?</source>
        <translation>У текущего пункта есть подпункты!<byte value="xd"/>
Удалить все подпункты?</translation>
    </message>
    <message>
        <source>Export Wolf Catalog</source>
        <translation>Экспорт каталога Wolf</translation>
    </message>
    <message>
        <source>Import Wolf Catalog</source>
        <translation>Импорт каталога Wolf</translation>
    </message>
    <message>
        <source>Wolf catalog (*.cat);;All Files (*)</source>
        <translation>Каталоги Wolf (*.cat);;Все файлы (*)</translation>
    </message>
    <message>
        <source>The table of contents was changed.<byte value="xd"/>
Discard the changes?</source>
        <translation>Оглавление было изменено.<byte value="xd"/>
Отменить изменения?</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmTOCItem</name>
    <message>
        <source>TOC Item</source>
        <translation>Пункт оглавления</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Page (1..%1):</source>
        <translation>Страница (1..%1):</translation>
    </message>
    <message>
        <source>The name holds characters that the book&apos;s encoding (%1) cannot store.</source>
        <translation>В названии есть символы, которые кодировка книги (%1) не может сохранить.</translation>
    </message>
</context>
</TS>
