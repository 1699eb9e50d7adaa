<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ErrorText</name>
    <message>
        <source>.</source>
        <comment>the full stop added to a message</comment>
        <translation>。</translation>
    </message>
    <message>
        <source>This is not a Wolf file</source>
        <translation>这不是 Wolf 文件</translation>
    </message>
    <message>
        <source>Bad Wolf page table</source>
        <translation>Wolf 页表损坏</translation>
    </message>
    <message>
        <source>Bad Wolf page description</source>
        <translation>Wolf 页面描述损坏</translation>
    </message>
    <message>
        <source>Bad Wolf catalog</source>
        <translation>Wolf 目录损坏</translation>
    </message>
    <message>
        <source>Bad Wolf subcatalog</source>
        <translation>Wolf 子目录损坏</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>流读取错误</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>流写入错误</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>无法打开文件“%1”。%2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>无法创建文件“%1”。%2</translation>
    </message>
    <message>
        <source>Cannot link &quot;%1&quot;. %2</source>
        <translation>无法链接“%1”。%2</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;. %2</source>
        <translation>无法重命名“%1”。%2</translation>
    </message>
    <message>
        <source>Cannot delete &quot;%1&quot;. %2</source>
        <translation>无法删除“%1”。%2</translation>
    </message>
    <message>
        <source>Can&apos;t rename &quot;%1&quot;.<byte value="xd"/>
Write protected file?</source>
        <translation>无法重命名“%1”。<byte value="xd"/>
文件是否受写保护？</translation>
    </message>
    <message>
        <source>Bad TOC item level on line %1</source>
        <translation>第 %1 行：目录项层级错误</translation>
    </message>
    <message>
        <source>Too many TOC items under one parent on line %1</source>
        <translation>第 %1 行：同一上级下的目录项过多</translation>
    </message>
    <message>
        <source>Bad TOC item - no page divider on line %1</source>
        <translation>第 %1 行：目录项错误，缺少页码分隔符</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a catalog file</source>
        <translation>“%1”过大，不能作为目录文件</translation>
    </message>
    <message>
        <source>The TOC item &quot;%1&quot; leads to page %2, but the book has only %3 pages</source>
        <translation>目录项“%1”指向第 %2 页，但本书只有 %3 页</translation>
    </message>
    <message>
        <source>The chapter title &quot;%1&quot; must not contain &quot;%2&quot;</source>
        <translation>章节标题“%1”不得包含“%2”</translation>
    </message>
    <message>
        <source>The table of contents has too many entries: a book holds at most %1 chapters and as many sections</source>
        <translation>目录条目过多：一本书最多容纳 %1 个章和同样多的节</translation>
    </message>
    <message>
        <source>The book would grow beyond 4 GB, which its 32-bit offsets cannot address</source>
        <translation>书籍将超过 4 GB，其 32 位偏移量无法寻址</translation>
    </message>
    <message>
        <source>The description&apos;s size does not match its text</source>
        <translation>书籍信息的大小与其文本不符</translation>
    </message>
    <message>
        <source>The description is %1 bytes long; a book holds at most 65535</source>
        <translation>书籍信息长 %1 字节；一本书最多容纳 65535 字节</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>无法设置“%1”的数据</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>“%1”的数据类型无效</translation>
    </message>
    <message>
        <source>Failed to create key &apos;%1&apos;</source>
        <translation>无法创建注册表项“%1”</translation>
    </message>
    <message>
        <source>Missing resource %1</source>
        <translation>缺少资源 %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>A text page must not hold a zero byte: readers end the page there</source>
        <translation>文本页不得含有零字节：阅读器会在该处结束页面</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; could not be written</source>
        <translation>无法写入电子书“%1”</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; ends before &quot;%2&quot;</source>
        <translation>压缩包“%1”在“%2”之前就结束了</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; cannot unpack &quot;%2&quot;: %3</source>
        <translation>压缩包“%1”无法解压“%2”：%3</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; cannot be opened: %2</source>
        <translation>无法打开压缩包“%1”：%2</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is damaged: %2</source>
        <translation>压缩包“%1”已损坏：%2</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds &quot;%2&quot;, which expands beyond %3 MB</source>
        <translation>压缩包“%1”中的“%2”解压后超过 %3 MB</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds &quot;%2&quot;, a path outside the archive; it is not used</source>
        <translation>压缩包“%1”含有指向压缩包之外的路径“%2”，不予使用</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds no pictures</source>
        <translation>压缩包“%1”中没有图片</translation>
    </message>
    <message>
        <source>The catalog &quot;%1&quot; is not UTF-8 text</source>
        <translation>目录文件“%1”不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>The table of contents names page %1, but the book has %2 pages</source>
        <translation>目录指向第 %1 页，但本书只有 %2 页</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a JSON object: %2</source>
        <translation>“%1”不是 JSON 对象：%2</translation>
    </message>
    <message>
        <source>The book folder &quot;%1&quot; holds no pages (0001.png, 0002.txt, ...)</source>
        <translation>书籍文件夹“%1”中没有页面（0001.png、0002.txt……）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF that can be read: it is damaged or cut off</source>
        <translation>无法读取 PDF“%1”：文件已损坏或不完整</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;. No such file or folder</source>
        <translation>无法打开“%1”。没有这个文件或文件夹</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;. %2</source>
        <translation>无法打开“%1”。%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 pages; there is no page %3</source>
        <translation>“%1”共有 %2 页，没有第 %3 页</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 MB</source>
        <translation>“%1”大于 %2 MB</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture Karavel can read</source>
        <translation>“%1”不是 Karavel 能读取的图片</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large (%2 x %3 pixels; at most %4 megapixels)</source>
        <translation>图片“%1”过大（%2 × %3 像素；最多 %4 百万像素）</translation>
    </message>
    <message>
        <source>Cannot read the picture &quot;%1&quot;: %2</source>
        <translation>无法读取图片“%1”：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no pictures or text</source>
        <translation>“%1”中没有图片或文本</translation>
    </message>
    <message>
        <source>The text file &quot;%1&quot; is larger than %2 MB</source>
        <translation>文本文件“%1”大于 %2 MB</translation>
    </message>
    <message>
        <source>Page %1 of this PDF could not be drawn.</source>
        <translation>无法绘制此 PDF 的第 %1 页。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted and needs a password</source>
        <translation>“%1”已加密，需要密码</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted, and the password given does not open it</source>
        <translation>“%1”已加密，所给的密码无法打开它</translation>
    </message>
    <message>
        <source>Cannot open the cover &quot;%1&quot;</source>
        <translation>无法打开封面“%1”</translation>
    </message>
    <message>
        <source>The text file &quot;%1&quot; is in an encoding that was not recognised (tried %2)</source>
        <translation>无法识别文本文件“%1”的编码（已尝试 %2）</translation>
    </message>
    <message>
        <source>The encoding &quot;%1&quot; named for the text file &quot;%2&quot; is not one this system knows</source>
        <translation>为文本文件“%2”指定的编码“%1”不受本系统支持</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds no FB2 book</source>
        <translation>压缩包“%1”中没有 FB2 图书</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; has no META-INF/container.xml</source>
        <translation>EPUB“%1”中没有 META-INF/container.xml</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; names no package file in META-INF/container.xml</source>
        <translation>EPUB“%1”的 META-INF/container.xml 中未指明包文件</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; has a damaged META-INF/container.xml: %2</source>
        <translation>EPUB“%1”的 META-INF/container.xml 已损坏：%2</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; lacks its package file &quot;%2&quot;</source>
        <translation>EPUB“%1”缺少其包文件“%2”</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; has a damaged package file &quot;%2&quot;: %3</source>
        <translation>EPUB“%1”的包文件“%2”已损坏：%3</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; has no reading order (spine) in &quot;%2&quot;</source>
        <translation>EPUB“%1”的“%2”中没有阅读顺序（spine）</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; names &quot;%2&quot; in its reading order, but its manifest has no such item</source>
        <translation>EPUB“%1”的阅读顺序中列出了“%2”，但其清单中没有这一项</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; lacks &quot;%2&quot;, a part of its reading order</source>
        <translation>EPUB“%1”缺少其阅读顺序中的“%2”</translation>
    </message>
    <message>
        <source>The FB2 book &quot;%1&quot; is in the encoding %2, which cannot be read here</source>
        <translation>FB2 图书“%1”采用编码 %2，此处无法读取</translation>
    </message>
    <message>
        <source>The FB2 book &quot;%1&quot; is damaged: %2</source>
        <translation>FB2 图书“%1”已损坏：%2</translation>
    </message>
    <message>
        <source>The e-book &quot;%1&quot; holds more than %2 MB of text</source>
        <translation>电子书“%1”中的文本超过 %2 MB</translation>
    </message>
    <message>
        <source>&quot;%1&quot; nests its elements deeper than %2</source>
        <translation>“%1”中的元素嵌套超过 %2 层</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; is protected by DRM (its content is encrypted) and cannot be read</source>
        <translation>EPUB“%1”受 DRM 保护（内容已加密），无法读取</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds &quot;%2&quot;, an archive nested deeper than %3 levels; it is not unpacked</source>
        <translation>压缩包“%1”中的“%2”是嵌套超过 %3 层的压缩包，不予解压</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; expands beyond %2 MB in all</source>
        <translation>压缩包“%1”解压后总计超过 %2 MB</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; holds %2 pages; at most %3 are taken from one picture</source>
        <translation>图片“%1”含有 %2 页；一张图片最多取 %3 页</translation>
    </message>
    <message>
        <source>None of the %1 pictures could be read</source>
        <translation>%1 张图片全都无法读取</translation>
    </message>
</context>
<context>
    <name>MakeOption</name>
    <message>
        <source>Screen:</source>
        <translation>屏幕：</translation>
    </message>
    <message>
        <source>The reading device&apos;s screen: pages are made at its size.</source>
        <translation>阅读器的屏幕：按其尺寸制作页面。</translation>
    </message>
    <message>
        <source>Crop blank margins</source>
        <translation>裁剪空白边距</translation>
    </message>
    <message>
        <source>Cuts white margins, ignoring specks and page numbers, so the text is larger.</source>
        <translation>裁掉白色边距（忽略污点和页码），使文字更大。</translation>
    </message>
    <message>
        <source>Landscape pages:</source>
        <translation>横向页面：</translation>
    </message>
    <message>
        <source>What becomes of a landscape page, usually two facing pages.</source>
        <translation>如何处理横向页面（通常是左右两页）。</translation>
    </message>
    <message>
        <source>Split into two pages</source>
        <translation>拆分为两页</translation>
    </message>
    <message>
        <source>Turn a quarter</source>
        <translation>旋转 90 度</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>拆分并旋转</translation>
    </message>
    <message>
        <source>Keep as it is</source>
        <translation>保持原样</translation>
    </message>
    <message>
        <source>Right to left</source>
        <translation>从右到左</translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation>伽马：</translation>
    </message>
    <message>
        <source>Above 1 darkens the mid-tones; below 1 lightens them.</source>
        <translation>大于 1 使中间调变暗；小于 1 使其变亮。</translation>
    </message>
    <message>
        <source>Stretch contrast</source>
        <translation>拉伸对比度</translation>
    </message>
    <message>
        <source>Makes the darkest part black and the paper white.</source>
        <translation>使最暗处变黑、纸张变白。</translation>
    </message>
    <message>
        <source>Greys:</source>
        <translation>灰度：</translation>
    </message>
    <message>
        <source>Four greys look better; black and white makes smaller books.</source>
        <translation>四级灰度效果更好；黑白的书更小。</translation>
    </message>
    <message>
        <source>Four greys (2 bits)</source>
        <translation>四级灰度（2 位）</translation>
    </message>
    <message>
        <source>Black and white (1 bit)</source>
        <translation>黑白（1 位）</translation>
    </message>
    <message>
        <source>Shading:</source>
        <translation>抖动方式：</translation>
    </message>
    <message>
        <source>How the greys in between are drawn: error diffusion keeps detail, a pattern suits drawings, nearest grey keeps text crisp.</source>
        <translation>中间灰度的绘制方式：误差扩散保留细节，有序抖动适合线稿，最接近的灰度使文字清晰。</translation>
    </message>
    <message>
        <source>Error diffusion</source>
        <translation>误差扩散</translation>
    </message>
    <message>
        <source>Ordered pattern</source>
        <translation>有序抖动</translation>
    </message>
    <message>
        <source>Nearest grey</source>
        <translation>最接近的灰度</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>填满屏幕</translation>
    </message>
    <message>
        <source>Stretches pages to the whole screen, ignoring their shape.</source>
        <translation>将页面拉伸到整个屏幕，不保持其比例。</translation>
    </message>
    <message>
        <source>Enlarge small pictures</source>
        <translation>放大小图片</translation>
    </message>
    <message>
        <source>Pictures smaller than the screen are enlarged to fit it.</source>
        <translation>小于屏幕的图片会放大到适合屏幕。</translation>
    </message>
    <message>
        <source>PDF pages:</source>
        <translation>PDF 页面：</translation>
    </message>
    <message>
        <source>The pages of each PDF to take, as 3-120; empty takes all.</source>
        <translation>每个 PDF 要采用的页面，如 3-120；留空则采用全部页面。</translation>
    </message>
    <message>
        <source>all</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>give FIRST-LAST, counted from 1, such as 3-120</source>
        <translation>请输入“起始页-结束页”，从 1 开始计数，如 3-120</translation>
    </message>
    <message>
        <source>Text encoding:</source>
        <translation>文本编码：</translation>
    </message>
    <message>
        <source>The encoding of text files, such as GB18030, windows-1251 or Shift_JIS; empty guesses it. A byte-order mark at the start of a file decides for that file.</source>
        <translation>文本文件的编码，如 GB18030、windows-1251 或 Shift_JIS；留空则自动识别。文件开头的字节顺序标记（BOM）对该文件起决定作用。</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>自动识别</translation>
    </message>
    <message>
        <source>give an encoding this system knows, such as GB18030, windows-1251, Shift_JIS or UTF-16LE</source>
        <translation>请输入本系统支持的编码，如 GB18030、windows-1251、Shift_JIS 或 UTF-16LE</translation>
    </message>
    <message>
        <source>Text chapters:</source>
        <translation>文本章节：</translation>
    </message>
    <message>
        <source>Which lines of a text file begin chapters: empty finds the usual headings (第一章, Chapter 1, Глава 1), &quot;off&quot; none; anything else is a regular expression that a whole line must match.</source>
        <translation>文本文件中哪些行开始新的章节：留空则识别常见标题（第一章、Chapter 1、Глава 1），填“off”则不识别；其他内容视为正则表达式，整行须与之匹配。</translation>
    </message>
    <message>
        <source>usual headings</source>
        <translation>常见标题</translation>
    </message>
    <message>
        <source>give auto, off or a valid regular expression</source>
        <translation>请输入 auto、off 或有效的正则表达式</translation>
    </message>
    <message>
        <source>For books read right to left (manga): the right half of a spread comes first. Off: as a comic&apos;s ComicInfo.xml says.</source>
        <translation>用于从右向左阅读的书（漫画）：跨页的右半页在前。关闭时按漫画的 ComicInfo.xml 所写。</translation>
    </message>
    <message>
        <source>Long strips:</source>
        <translation>长条漫画：</translation>
    </message>
    <message>
        <source>Pictures far taller than the screen, as webtoons are: cut into pages as wide as the screen, at the white gaps between panels where there are any.</source>
        <translation>比屏幕高得多的图片（如条漫）：切成与屏幕同宽的页面，有分格间白色空隙时在空隙处切开。</translation>
    </message>
    <message>
        <source>Cut into pages</source>
        <translation>切成多页</translation>
    </message>
    <message>
        <source>Fit on one page</source>
        <translation>缩放到一页</translation>
    </message>
    <message>
        <source>Leave out damaged pictures</source>
        <translation>跳过损坏的图片</translation>
    </message>
    <message>
        <source>Pictures that cannot be read are left out and named when the book is made; otherwise the first of them stops the book.</source>
        <translation>无法读取的图片会被跳过，并在书制作完成时列出；否则遇到第一张就会停止制作。</translation>
    </message>
</context>
<context>
    <name>TOCTree</name>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>无名称</translation>
    </message>
</context>
<context>
    <name>TdmCommon</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open Wolf file</source>
        <translation>打开 Wolf 文件</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Set preferences</source>
        <translation>设置首选项</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>第一页</translation>
    </message>
    <message>
        <source>Go to first page</source>
        <translation>转到第一页</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Go to previous page</source>
        <translation>转到上一页</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Go to next page</source>
        <translation>转到下一页</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>最后一页</translation>
    </message>
    <message>
        <source>Go to last page</source>
        <translation>转到最后一页</translation>
    </message>
    <message>
        <source>Go To Page...</source>
        <translation>转到页面...</translation>
    </message>
    <message>
        <source>Go to custom page</source>
        <translation>转到指定页面</translation>
    </message>
    <message>
        <source>Cover Page</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Show cover page</source>
        <translation>显示封面</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>书籍信息</translation>
    </message>
    <message>
        <source>Show book description</source>
        <translation>显示书籍信息</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Show Table of Contents</source>
        <translation>显示目录</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Change orientation</source>
        <translation>更改方向</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>纵向</translation>
    </message>
    <message>
        <source>Landscape Left</source>
        <translation>横向（向左）</translation>
    </message>
    <message>
        <source>Landscape Right</source>
        <translation>横向（向右）</translation>
    </message>
    <message>
        <source>Edit Description</source>
        <translation>编辑书籍信息</translation>
    </message>
    <message>
        <source>Edit Table of Contents</source>
        <translation>编辑目录</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>About program</source>
        <translation>关于本程序</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Show the page larger</source>
        <translation>放大显示页面</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Show the page smaller</source>
        <translation>缩小显示页面</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Show the page on the whole screen</source>
        <translation>在整个屏幕上显示页面</translation>
    </message>
    <message>
        <source>Make Book...</source>
        <translation>制作电子书...</translation>
    </message>
    <message>
        <source>Make a book from PDFs, pictures, comics or text</source>
        <translation>用 PDF、图片、漫画或文本制作电子书</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Error reading Wolf file!</source>
        <translation>读取 Wolf 文件时出错！</translation>
    </message>
    <message>
        <source>Karavel - [%1]</source>
        <translation>Karavel - [%1]</translation>
    </message>
    <message>
        <source>Wolf eBook (*.wol);;All Files (*)</source>
        <translation>Wolf 电子书 (*.wol);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Current Wolf file will be changed!<byte value="xd"/>
Continue?</source>
        <translation>当前 Wolf 文件将被更改！<byte value="xd"/>
是否继续？</translation>
    </message>
    <message>
        <source>Cover Page</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>This page is not a valid Wolf page</source>
        <translation>此页不是有效的 Wolf 页面</translation>
    </message>
</context>
<context>
    <name>TfrmPageNum</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Go to page...</source>
        <translation>转到页面...</translation>
    </message>
    <message>
        <source>Enter page (1..%1):</source>
        <translation>输入页码 (1..%1)：</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>Fit Page</source>
        <translation>适合页面</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>适合宽度</translation>
    </message>
</context>
<context>
    <name>dialogs::TMakeOptionControls</name>
    <message>
        <source>%1-inch screen, %2 x %3</source>
        <translation>%1 英寸屏幕，%2 × %3</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1%2。</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmAbout</name>
    <message>
        <source> About</source>
        <translation> 关于</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>    Build: %1</source>
        <translation>    构建：%1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmDescription</name>
    <message>
        <source> Description</source>
        <translation> 书籍信息</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>书名</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>改编者</translation>
    </message>
    <message>
        <source>Translator</source>
        <translation>译者</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>出版社</translation>
    </message>
    <message>
        <source>Publish Time</source>
        <translation>出版时间</translation>
    </message>
    <message>
        <source>Annotation</source>
        <translation>简介</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The description holds characters that the book&apos;s encoding (%1) cannot store.</source>
        <translation>书籍信息中含有该书编码（%1）无法保存的字符。</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmMakeBook</name>
    <message>
        <source>Make Book</source>
        <translation>制作电子书</translation>
    </message>
    <message>
        <source>Save Book As</source>
        <translation>将电子书另存为</translation>
    </message>
    <message>
        <source>Wolf books (*.wol)</source>
        <translation>Wolf 电子书 (*.wol)</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>书籍信息</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Make Book...</source>
        <translation>制作电子书...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>添加文件...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>添加文件夹...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Books&apos; sources (%1);;All files (*)</source>
        <translation>电子书来源 (%1);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Hold the mouse over an option to see what it does.</source>
        <translation>将鼠标悬停在选项上可查看其作用。</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1：</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>页码</translation>
    </message>
    <message>
        <source>From File...</source>
        <translation>从文件...</translation>
    </message>
    <message>
        <source>A table of contents in catalog text (UTF-8), with the new book&apos;s page numbers.</source>
        <translation>目录文本（UTF-8）格式的目录，使用新书的页码。</translation>
    </message>
    <message>
        <source>From Sources</source>
        <translation>从来源</translation>
    </message>
    <message>
        <source>The source page to preview.</source>
        <translation>要预览的来源页面。</translation>
    </message>
    <message>
        <source>Preview of page:</source>
        <translation>预览页面：</translation>
    </message>
    <message>
        <source> of %1</source>
        <translation> / %1</translation>
    </message>
    <message>
        <source>Source page</source>
        <translation>来源页码</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Catalog text (*.cat *.txt);;All files (*)</source>
        <translation>目录文本 (*.cat *.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Add the pages&apos; sources first.</source>
        <translation>请先添加页面来源。</translation>
    </message>
    <message>
        <source>Making &quot;%1&quot;...</source>
        <translation>正在制作“%1”...</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pages done, %2 left</source>
        <translation>
            <numerusform>已完成 %1/%n 页，剩余 %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped; no book was written.</source>
        <translation>已停止；未写入任何电子书。</translation>
    </message>
    <message>
        <source>Made &quot;%1&quot;.</source>
        <translation>已制作“%1”。</translation>
    </message>
    <message numerus="yes">
        <source>%v of %n pages</source>
        <translation>
            <numerusform>%v/%n 页</numerusform>
        </translation>
    </message>
    <message>
        <source>Title</source>
        <comment>a chapter&apos;s</comment>
        <translation>书名</translation>
    </message>
    <message>
        <source>PDF Password</source>
        <translation>PDF 密码</translation>
    </message>
    <message>
        <source>The password does not open &quot;%1&quot;. Try another:</source>
        <translation>该密码无法打开“%1”。请换一个：</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted. Its password:</source>
        <translation>“%1”已加密。它的密码：</translation>
    </message>
    <message>
        <source>Add pictures, folders, comic archives, PDFs, e-books (EPUB, FB2) or text files, or drop them here.</source>
        <translation>添加图片、文件夹、漫画压缩包、PDF、电子书（EPUB、FB2）或文本文件，或将它们拖放到这里。</translation>
    </message>
    <message>
        <source>The PDFs&apos; outlines, the e-books&apos; own contents and the folders&apos; names.</source>
        <translation>PDF 的书签、电子书自带的目录以及文件夹的名称。</translation>
    </message>
    <message numerus="yes">
        <source>Made &quot;%1&quot;; %n pictures that cannot be read were left out:</source>
        <translation>
            <numerusform>已制作“%1”；跳过了 %n 张无法读取的图片：</numerusform>
        </translation>
    </message>
    <message>
        <source>Check &quot;%1&quot; to go on past such pictures.</source>
        <translation>勾选“%1”即可跳过这类图片继续制作。</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Allow only one instance (activate on next run)</source>
        <translation>只允许运行一个实例（下次启动时生效）</translation>
    </message>
    <message>
        <source>Auto hide TOC after selecting</source>
        <translation>选择后自动隐藏目录</translation>
    </message>
    <message>
        <source>Reopen books at the page last read</source>
        <translation>重新打开书籍时回到上次阅读的页面</translation>
    </message>
    <message>
        <source>Associate with .wol files</source>
        <translation>关联 .wol 文件</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>自定义...</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>x</source>
        <translation>×</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>毫米</translation>
    </message>
    <message>
        <source>Default zoom:</source>
        <translation>默认缩放：</translation>
    </message>
    <message>
        <source>Screen type:</source>
        <translation>屏幕类型：</translation>
    </message>
    <message>
        <source>Screen dimensions:</source>
        <translation>屏幕尺寸：</translation>
    </message>
    <message>
        <source>Text encoding:</source>
        <translation>文本编码：</translation>
    </message>
    <message>
        <source>View</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmTOC</name>
    <message>
        <source> Table of contents</source>
        <translation> 目录</translation>
    </message>
    <message>
        <source>Import TOC</source>
        <translation>导入目录</translation>
    </message>
    <message>
        <source>Import Table of Contents from file</source>
        <translation>从文件导入目录</translation>
    </message>
    <message>
        <source>Export TOC</source>
        <translation>导出目录</translation>
    </message>
    <message>
        <source>Export Table of Contents to file</source>
        <translation>将目录导出到文件</translation>
    </message>
    <message>
        <source>New Peer Item</source>
        <translation>新建同级项</translation>
    </message>
    <message>
        <source>Create new peer item</source>
        <translation>创建新的同级项</translation>
    </message>
    <message>
        <source>New Subitem</source>
        <translation>新建子项</translation>
    </message>
    <message>
        <source>Create new subitem</source>
        <translation>创建新的子项</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>编辑项</translation>
    </message>
    <message>
        <source>Edit TOC item</source>
        <translation>编辑目录项</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>删除项</translation>
    </message>
    <message>
        <source>Delete TOC item</source>
        <translation>删除目录项</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move item up</source>
        <translation>将项上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Move item down</source>
        <translation>将项下移</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>第一页</translation>
    </message>
    <message>
        <source>Go to first page</source>
        <translation>转到第一页</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Go to previous page</source>
        <translation>转到上一页</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Go to next page</source>
        <translation>转到下一页</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>最后一页</translation>
    </message>
    <message>
        <source>Go to last page</source>
        <translation>转到最后一页</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>保存更改</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation>取消更改</translation>
    </message>
    <message>
        <source>&lt;New Item&gt;</source>
        <translation>&lt;新项&gt;</translation>
    </message>
    <message>
        <source>Current item have subitems!<byte value="xd"/>
Delete all subitems?</source>
        <translation>当前项含有子项！<byte value="xd"/>
是否删除所有子项？</translation>
    </message>
    <message>
        <source>Export Wolf Catalog</source>
        <translation>导出 Wolf 目录</translation>
    </message>
    <message>
        <source>Import Wolf Catalog</source>
        <translation>导入 Wolf 目录</translation>
    </message>
    <message>
        <source>Wolf catalog (*.cat);;All Files (*)</source>
        <translation>Wolf 目录 (*.cat);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The table of contents was changed.<byte value="xd"/>
Discard the changes?</source>
        <translation>目录已更改。<byte value="xd"/>
放弃这些更改吗？</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmTOCItem</name>
    <message>
        <source>TOC Item</source>
        <translation>目录项</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Page (1..%1):</source>
        <translation>页码 (1..%1)：</translation>
    </message>
    <message>
        <source>The name holds characters that the book&apos;s encoding (%1) cannot store.</source>
        <translation>名称中含有该书编码（%1）无法保存的字符。</translation>
    </message>
</context>
</TS>
