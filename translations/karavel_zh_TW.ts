<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>ErrorText</name>
    <message>
        <source>.</source>
        <comment>the full stop added to a message</comment>
        <translation>。</translation>
    </message>
    <message>
        <source>This is not a Wolf file</source>
        <translation>這不是 Wolf 檔案</translation>
    </message>
    <message>
        <source>Bad Wolf page table</source>
        <translation>Wolf 頁表損壞</translation>
    </message>
    <message>
        <source>Bad Wolf page description</source>
        <translation>Wolf 頁面描述損壞</translation>
    </message>
    <message>
        <source>Bad Wolf catalog</source>
        <translation>Wolf 目錄損壞</translation>
    </message>
    <message>
        <source>Bad Wolf subcatalog</source>
        <translation>Wolf 子目錄損壞</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>串流讀取錯誤</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>串流寫入錯誤</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>無法開啟檔案「%1」。%2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>無法建立檔案「%1」。%2</translation>
    </message>
    <message>
        <source>Cannot link &quot;%1&quot;. %2</source>
        <translation>無法連結「%1」。%2</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;. %2</source>
        <translation>無法重新命名「%1」。%2</translation>
    </message>
    <message>
        <source>Cannot delete &quot;%1&quot;. %2</source>
        <translation>無法刪除「%1」。%2</translation>
    </message>
    <message>
        <source>Can&apos;t rename &quot;%1&quot;.<byte value="xd"/>
Write protected file?</source>
        <translation>無法重新命名「%1」。<byte value="xd"/>
檔案是否受到寫入保護？</translation>
    </message>
    <message>
        <source>Bad TOC item level on line %1</source>
        <translation>第 %1 行：目錄項目層級錯誤</translation>
    </message>
    <message>
        <source>Too many TOC items under one parent on line %1</source>
        <translation>第 %1 行：同一上層下的目錄項目過多</translation>
    </message>
    <message>
        <source>Bad TOC item - no page divider on line %1</source>
        <translation>第 %1 行：目錄項目錯誤，缺少頁碼分隔符號</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a catalog file</source>
        <translation>「%1」過大，無法作為目錄檔案</translation>
    </message>
    <message>
        <source>The TOC item &quot;%1&quot; leads to page %2, but the book has only %3 pages</source>
        <translation>目錄項目「%1」指向第 %2 頁，但本書只有 %3 頁</translation>
    </message>
    <message>
        <source>The chapter title &quot;%1&quot; must not contain &quot;%2&quot;</source>
        <translation>章節標題「%1」不得包含「%2」</translation>
    </message>
    <message>
        <source>The table of contents has too many entries: a book holds at most %1 chapters and as many sections</source>
        <translation>目錄項目過多：一本書最多容納 %1 個章與同樣多的節</translation>
    </message>
    <message>
        <source>The book would grow beyond 4 GB, which its 32-bit offsets cannot address</source>
        <translation>書籍將超過 4 GB，其 32 位元位移量無法定址</translation>
    </message>
    <message>
        <source>The description&apos;s size does not match its text</source>
        <translation>書籍資訊的大小與其文字不符</translation>
    </message>
    <message>
        <source>The description is %1 bytes long; a book holds at most 65535</source>
        <translation>書籍資訊長 %1 位元組；一本書最多容納 65535 位元組</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>無法寫入 %1</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>無法設定「%1」的資料</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>「%1」的資料類型無效</translation>
    </message>
    <message>
        <source>Failed to create key &apos;%1&apos;</source>
        <translation>無法建立登錄機碼「%1」</translation>
    </message>
    <message>
        <source>Missing resource %1</source>
        <translation>缺少資源 %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知錯誤</translation>
    </message>
    <message>
        <source>A text page must not hold a zero byte: readers end the page there</source>
        <translation>文字頁不得含有零位元組：閱讀器會在該處結束頁面</translation>
    </message>
    <message>
        <source>The book &quot;%1&quot; could not be written</source>
        <translation>無法寫入電子書「%1」</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; ends before &quot;%2&quot;</source>
        <translation>壓縮檔「%1」在「%2」之前就結束了</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; cannot unpack &quot;%2&quot;: %3</source>
        <translation>壓縮檔「%1」無法解壓縮「%2」：%3</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; cannot be opened: %2</source>
        <translation>無法開啟壓縮檔「%1」：%2</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is damaged: %2</source>
        <translation>壓縮檔「%1」已損壞：%2</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds &quot;%2&quot;, which expands beyond %3 MB</source>
        <translation>壓縮檔「%1」中的「%2」解壓縮後超過 %3 MB</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds &quot;%2&quot;, a path outside the archive; it is not used</source>
        <translation>壓縮檔「%1」含有指向壓縮檔之外的路徑「%2」，不予使用</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds no pictures</source>
        <translation>壓縮檔「%1」中沒有圖片</translation>
    </message>
    <message>
        <source>The catalog &quot;%1&quot; is not UTF-8 text</source>
        <translation>目錄檔案「%1」不是 UTF-8 文字</translation>
    </message>
    <message>
        <source>The table of contents names page %1, but the book has %2 pages</source>
        <translation>目錄指向第 %1 頁，但本書只有 %2 頁</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a JSON object: %2</source>
        <translation>「%1」不是 JSON 物件：%2</translation>
    </message>
    <message>
        <source>The book folder &quot;%1&quot; holds no pages (0001.png, 0002.txt, ...)</source>
        <translation>書籍資料夾「%1」中沒有頁面（0001.png、0002.txt……）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a PDF that can be read: it is damaged or cut off</source>
        <translation>無法讀取 PDF「%1」：檔案已損壞或不完整</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;. No such file or folder</source>
        <translation>無法開啟「%1」。沒有這個檔案或資料夾</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;. %2</source>
        <translation>無法開啟「%1」。%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has %2 pages; there is no page %3</source>
        <translation>「%1」共有 %2 頁，沒有第 %3 頁</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 MB</source>
        <translation>「%1」大於 %2 MB</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a picture Karavel can read</source>
        <translation>「%1」不是 Karavel 能讀取的圖片</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large (%2 x %3 pixels; at most %4 megapixels)</source>
        <translation>圖片「%1」過大（%2 × %3 像素；最多 %4 百萬像素）</translation>
    </message>
    <message>
        <source>Cannot read the picture &quot;%1&quot;: %2</source>
        <translation>無法讀取圖片「%1」：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no pictures or text</source>
        <translation>「%1」中沒有圖片或文字</translation>
    </message>
    <message>
        <source>The text file &quot;%1&quot; is larger than %2 MB</source>
        <translation>文字檔「%1」大於 %2 MB</translation>
    </message>
    <message>
        <source>Page %1 of this PDF could not be drawn.</source>
        <translation>無法繪製此 PDF 的第 %1 頁。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted and needs a password</source>
        <translation>「%1」已加密，需要密碼</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted, and the password given does not open it</source>
        <translation>「%1」已加密，所給的密碼無法開啟它</translation>
    </message>
    <message>
        <source>Cannot open the cover &quot;%1&quot;</source>
        <translation>無法開啟封面「%1」</translation>
    </message>
    <message>
        <source>The text file &quot;%1&quot; is in an encoding that was not recognised (tried %2)</source>
        <translation>無法辨識文字檔「%1」的編碼（已嘗試 %2）</translation>
    </message>
    <message>
        <source>The encoding &quot;%1&quot; named for the text file &quot;%2&quot; is not one this system knows</source>
        <translation>為文字檔「%2」指定的編碼「%1」不受本系統支援</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds no FB2 book</source>
        <translation>壓縮檔「%1」中沒有 FB2 書籍</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; has no META-INF/container.xml</source>
        <translation>EPUB「%1」中沒有 META-INF/container.xml</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; names no package file in META-INF/container.xml</source>
        <translation>EPUB「%1」的 META-INF/container.xml 中未指明套件檔案</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; has a damaged META-INF/container.xml: %2</source>
        <translation>EPUB「%1」的 META-INF/container.xml 已損壞：%2</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; lacks its package file &quot;%2&quot;</source>
        <translation>EPUB「%1」缺少其套件檔案「%2」</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; has a damaged package file &quot;%2&quot;: %3</source>
        <translation>EPUB「%1」的套件檔案「%2」已損壞：%3</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; has no reading order (spine) in &quot;%2&quot;</source>
        <translation>EPUB「%1」的「%2」中沒有閱讀順序（spine）</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; names &quot;%2&quot; in its reading order, but its manifest has no such item</source>
        <translation>EPUB「%1」的閱讀順序中列出了「%2」，但其清單中沒有這一項</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; lacks &quot;%2&quot;, a part of its reading order</source>
        <translation>EPUB「%1」缺少其閱讀順序中的「%2」</translation>
    </message>
    <message>
        <source>The FB2 book &quot;%1&quot; is in the encoding %2, which cannot be read here</source>
        <translation>FB2 書籍「%1」採用編碼 %2，此處無法讀取</translation>
    </message>
    <message>
        <source>The FB2 book &quot;%1&quot; is damaged: %2</source>
        <translation>FB2 書籍「%1」已損壞：%2</translation>
    </message>
    <message>
        <source>The e-book &quot;%1&quot; holds more than %2 MB of text</source>
        <translation>電子書「%1」中的文字超過 %2 MB</translation>
    </message>
    <message>
        <source>&quot;%1&quot; nests its elements deeper than %2</source>
        <translation>「%1」中的元素巢狀超過 %2 層</translation>
    </message>
    <message>
        <source>The EPUB &quot;%1&quot; is protected by DRM (its content is encrypted) and cannot be read</source>
        <translation>EPUB「%1」受 DRM 保護（內容已加密），無法讀取</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds &quot;%2&quot;, an archive nested deeper than %3 levels; it is not unpacked</source>
        <translation>壓縮檔「%1」中的「%2」是巢狀超過 %3 層的壓縮檔，不予解壓縮</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; expands beyond %2 MB in all</source>
        <translation>壓縮檔「%1」解壓縮後總計超過 %2 MB</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; holds %2 pages; at most %3 are taken from one picture</source>
        <translation>圖片「%1」含有 %2 頁；一張圖片最多取 %3 頁</translation>
    </message>
    <message>
        <source>None of the %1 pictures could be read</source>
        <translation>%1 張圖片全都無法讀取</translation>
    </message>
</context>
<context>
    <name>MakeOption</name>
    <message>
        <source>Screen:</source>
        <translation>螢幕：</translation>
    </message>
    <message>
        <source>The reading device&apos;s screen: pages are made at its size.</source>
        <translation>閱讀器的螢幕：依其尺寸製作頁面。</translation>
    </message>
    <message>
        <source>Crop blank margins</source>
        <translation>裁切空白邊界</translation>
    </message>
    <message>
        <source>Cuts white margins, ignoring specks and page numbers, so the text is larger.</source>
        <translation>裁掉白色邊界（忽略污點與頁碼），讓文字更大。</translation>
    </message>
    <message>
        <source>Landscape pages:</source>
        <translation>橫向頁面：</translation>
    </message>
    <message>
        <source>What becomes of a landscape page, usually two facing pages.</source>
        <translation>如何處理橫向頁面（通常是左右兩頁）。</translation>
    </message>
    <message>
        <source>Split into two pages</source>
        <translation>分割為兩頁</translation>
    </message>
    <message>
        <source>Turn a quarter</source>
        <translation>旋轉 90 度</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>分割並旋轉</translation>
    </message>
    <message>
        <source>Keep as it is</source>
        <translation>保持原樣</translation>
    </message>
    <message>
        <source>Right to left</source>
        <translation>從右到左</translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation>伽瑪：</translation>
    </message>
    <message>
        <source>Above 1 darkens the mid-tones; below 1 lightens them.</source>
        <translation>大於 1 使中間調變暗；小於 1 使其變亮。</translation>
    </message>
    <message>
        <source>Stretch contrast</source>
        <translation>拉伸對比</translation>
    </message>
    <message>
        <source>Makes the darkest part black and the paper white.</source>
        <translation>使最暗處變黑、紙張變白。</translation>
    </message>
    <message>
        <source>Greys:</source>
        <translation>灰階：</translation>
    </message>
    <message>
        <source>Four greys look better; black and white makes smaller books.</source>
        <translation>四階灰階效果較好；黑白的書較小。</translation>
    </message>
    <message>
        <source>Four greys (2 bits)</source>
        <translation>四階灰階（2 位元）</translation>
    </message>
    <message>
        <source>Black and white (1 bit)</source>
        <translation>黑白（1 位元）</translation>
    </message>
    <message>
        <source>Shading:</source>
        <translation>抖動方式：</translation>
    </message>
    <message>
        <source>How the greys in between are drawn: error diffusion keeps detail, a pattern suits drawings, nearest grey keeps text crisp.</source>
        <translation>中間灰階的繪製方式：誤差擴散保留細節，有序抖動適合線稿，最接近的灰階讓文字清晰。</translation>
    </message>
    <message>
        <source>Error diffusion</source>
        <translation>誤差擴散</translation>
    </message>
    <message>
        <source>Ordered pattern</source>
        <translation>有序抖動</translation>
    </message>
    <message>
        <source>Nearest grey</source>
        <translation>最接近的灰階</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>填滿螢幕</translation>
    </message>
    <message>
        <source>Stretches pages to the whole screen, ignoring their shape.</source>
        <translation>將頁面拉伸至整個螢幕，不保持其比例。</translation>
    </message>
    <message>
        <source>Enlarge small pictures</source>
        <translation>放大小圖片</translation>
    </message>
    <message>
        <source>Pictures smaller than the screen are enlarged to fit it.</source>
        <translation>小於螢幕的圖片會放大至符合螢幕。</translation>
    </message>
    <message>
        <source>PDF pages:</source>
        <translation>PDF 頁面：</translation>
    </message>
    <message>
        <source>The pages of each PDF to take, as 3-120; empty takes all.</source>
        <translation>每個 PDF 要採用的頁面，如 3-120；留空則採用全部頁面。</translation>
    </message>
    <message>
        <source>all</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>give FIRST-LAST, counted from 1, such as 3-120</source>
        <translation>請輸入「起始頁-結束頁」，從 1 開始計數，如 3-120</translation>
    </message>
    <message>
        <source>Text encoding:</source>
        <translation>文字編碼：</translation>
    </message>
    <message>
        <source>The encoding of text files, such as GB18030, windows-1251 or Shift_JIS; empty guesses it. A byte-order mark at the start of a file decides for that file.</source>
        <translation>文字檔的編碼，如 GB18030、windows-1251 或 Shift_JIS；留空則自動辨識。檔案開頭的位元組順序標記（BOM）對該檔案具決定作用。</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>自動辨識</translation>
    </message>
    <message>
        <source>give an encoding this system knows, such as GB18030, windows-1251, Shift_JIS or UTF-16LE</source>
        <translation>請輸入本系統支援的編碼，如 GB18030、windows-1251、Shift_JIS 或 UTF-16LE</translation>
    </message>
    <message>
        <source>Text chapters:</source>
        <translation>文字章節：</translation>
    </message>
    <message>
        <source>Which lines of a text file begin chapters: empty finds the usual headings (第一章, Chapter 1, Глава 1), &quot;off&quot; none; anything else is a regular expression that a whole line must match.</source>
        <translation>文字檔中哪些行開始新的章節：留空則辨識常見標題（第一章、Chapter 1、Глава 1），填「off」則不辨識；其他內容視為正規表示式，整行須與之相符。</translation>
    </message>
    <message>
        <source>usual headings</source>
        <translation>常見標題</translation>
    </message>
    <message>
        <source>give auto, off or a valid regular expression</source>
        <translation>請輸入 auto、off 或有效的正規表示式</translation>
    </message>
    <message>
        <source>For books read right to left (manga): the right half of a spread comes first. Off: as a comic&apos;s ComicInfo.xml says.</source>
        <translation>用於由右至左閱讀的書（漫畫）：跨頁的右半頁在前。關閉時依漫畫的 ComicInfo.xml 所寫。</translation>
    </message>
    <message>
        <source>Long strips:</source>
        <translation>長條漫畫：</translation>
    </message>
    <message>
        <source>Pictures far taller than the screen, as webtoons are: cut into pages as wide as the screen, at the white gaps between panels where there are any.</source>
        <translation>比螢幕高得多的圖片（如條漫）：切成與螢幕同寬的頁面，有分格間白色空隙時在空隙處切開。</translation>
    </message>
    <message>
        <source>Cut into pages</source>
        <translation>切成多頁</translation>
    </message>
    <message>
        <source>Fit on one page</source>
        <translation>縮放到一頁</translation>
    </message>
    <message>
        <source>Leave out damaged pictures</source>
        <translation>略過損壞的圖片</translation>
    </message>
    <message>
        <source>Pictures that cannot be read are left out and named when the book is made; otherwise the first of them stops the book.</source>
        <translation>無法讀取的圖片會被略過，並在書製作完成時列出；否則遇到第一張就會停止製作。</translation>
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
        <translation>無名稱</translation>
    </message>
</context>
<context>
    <name>TdmCommon</name>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Open Wolf file</source>
        <translation>開啟 Wolf 檔案</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Set preferences</source>
        <translation>變更偏好設定</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>第一頁</translation>
    </message>
    <message>
        <source>Go to first page</source>
        <translation>前往第一頁</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Go to previous page</source>
        <translation>前往上一頁</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Go to next page</source>
        <translation>前往下一頁</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>最後一頁</translation>
    </message>
    <message>
        <source>Go to last page</source>
        <translation>前往最後一頁</translation>
    </message>
    <message>
        <source>Go To Page...</source>
        <translation>前往頁面...</translation>
    </message>
    <message>
        <source>Go to custom page</source>
        <translation>前往指定頁面</translation>
    </message>
    <message>
        <source>Cover Page</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Show cover page</source>
        <translation>顯示封面</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>書籍資訊</translation>
    </message>
    <message>
        <source>Show book description</source>
        <translation>顯示書籍資訊</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>目錄</translation>
    </message>
    <message>
        <source>Show Table of Contents</source>
        <translation>顯示目錄</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Change orientation</source>
        <translation>變更方向</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>直向</translation>
    </message>
    <message>
        <source>Landscape Left</source>
        <translation>橫向（向左）</translation>
    </message>
    <message>
        <source>Landscape Right</source>
        <translation>橫向（向右）</translation>
    </message>
    <message>
        <source>Edit Description</source>
        <translation>編輯書籍資訊</translation>
    </message>
    <message>
        <source>Edit Table of Contents</source>
        <translation>編輯目錄</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>About program</source>
        <translation>關於本程式</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Show the page larger</source>
        <translation>放大顯示頁面</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Show the page smaller</source>
        <translation>縮小顯示頁面</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Show the page on the whole screen</source>
        <translation>在整個螢幕上顯示頁面</translation>
    </message>
    <message>
        <source>Make Book...</source>
        <translation>製作電子書...</translation>
    </message>
    <message>
        <source>Make a book from PDFs, pictures, comics or text</source>
        <translation>用 PDF、圖片、漫畫或文字製作電子書</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具列</translation>
    </message>
    <message>
        <source>Error reading Wolf file!</source>
        <translation>讀取 Wolf 檔案時發生錯誤！</translation>
    </message>
    <message>
        <source>Karavel - [%1]</source>
        <translation>Karavel - [%1]</translation>
    </message>
    <message>
        <source>Wolf eBook (*.wol);;All Files (*)</source>
        <translation>Wolf 電子書 (*.wol);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Current Wolf file will be changed!<byte value="xd"/>
Continue?</source>
        <translation>目前的 Wolf 檔案將被變更！<byte value="xd"/>
是否繼續？</translation>
    </message>
    <message>
        <source>Cover Page</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 頁，共 %2 頁</translation>
    </message>
    <message>
        <source>This page is not a valid Wolf page</source>
        <translation>此頁不是有效的 Wolf 頁面</translation>
    </message>
</context>
<context>
    <name>TfrmPageNum</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Go to page...</source>
        <translation>前往頁面...</translation>
    </message>
    <message>
        <source>Enter page (1..%1):</source>
        <translation>輸入頁碼 (1..%1)：</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>Fit Page</source>
        <translation>符合頁面</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>符合寬度</translation>
    </message>
</context>
<context>
    <name>dialogs::TMakeOptionControls</name>
    <message>
        <source>%1-inch screen, %2 x %3</source>
        <translation>%1 吋螢幕，%2 × %3</translation>
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
        <translation> 關於</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>    Build: %1</source>
        <translation>    組建：%1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmDescription</name>
    <message>
        <source> Description</source>
        <translation> 書籍資訊</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>書名</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>主題</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>改編者</translation>
    </message>
    <message>
        <source>Translator</source>
        <translation>譯者</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>出版社</translation>
    </message>
    <message>
        <source>Publish Time</source>
        <translation>出版時間</translation>
    </message>
    <message>
        <source>Annotation</source>
        <translation>簡介</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>The description holds characters that the book&apos;s encoding (%1) cannot store.</source>
        <translation>書籍資訊中含有該書編碼（%1）無法儲存的字元。</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmMakeBook</name>
    <message>
        <source>Make Book</source>
        <translation>製作電子書</translation>
    </message>
    <message>
        <source>Save Book As</source>
        <translation>將電子書另存為</translation>
    </message>
    <message>
        <source>Wolf books (*.wol)</source>
        <translation>Wolf 電子書 (*.wol)</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>來源</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>頁面</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>書籍資訊</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目錄</translation>
    </message>
    <message>
        <source>Make Book...</source>
        <translation>製作電子書...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>新增檔案...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>新增資料夾...</translation>
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
        <translation>新增檔案</translation>
    </message>
    <message>
        <source>Books&apos; sources (%1);;All files (*)</source>
        <translation>電子書來源 (%1);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>新增資料夾</translation>
    </message>
    <message>
        <source>Hold the mouse over an option to see what it does.</source>
        <translation>將滑鼠停在選項上可查看其作用。</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1：</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>頁碼</translation>
    </message>
    <message>
        <source>From File...</source>
        <translation>從檔案...</translation>
    </message>
    <message>
        <source>A table of contents in catalog text (UTF-8), with the new book&apos;s page numbers.</source>
        <translation>目錄文字（UTF-8）格式的目錄，使用新書的頁碼。</translation>
    </message>
    <message>
        <source>From Sources</source>
        <translation>從來源</translation>
    </message>
    <message>
        <source>The source page to preview.</source>
        <translation>要預覽的來源頁面。</translation>
    </message>
    <message>
        <source>Preview of page:</source>
        <translation>預覽頁面：</translation>
    </message>
    <message>
        <source> of %1</source>
        <translation> / %1</translation>
    </message>
    <message>
        <source>Source page</source>
        <translation>來源頁碼</translation>
    </message>
    <message>
        <source>Table of Contents</source>
        <translation>目錄</translation>
    </message>
    <message>
        <source>Catalog text (*.cat *.txt);;All files (*)</source>
        <translation>目錄文字 (*.cat *.txt);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Add the pages&apos; sources first.</source>
        <translation>請先新增頁面來源。</translation>
    </message>
    <message>
        <source>Making &quot;%1&quot;...</source>
        <translation>正在製作「%1」...</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pages done, %2 left</source>
        <translation>
            <numerusform>已完成 %1/%n 頁，剩餘 %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped; no book was written.</source>
        <translation>已停止；未寫入任何電子書。</translation>
    </message>
    <message>
        <source>Made &quot;%1&quot;.</source>
        <translation>已製作「%1」。</translation>
    </message>
    <message numerus="yes">
        <source>%v of %n pages</source>
        <translation>
            <numerusform>%v/%n 頁</numerusform>
        </translation>
    </message>
    <message>
        <source>Title</source>
        <comment>a chapter&apos;s</comment>
        <translation>書名</translation>
    </message>
    <message>
        <source>PDF Password</source>
        <translation>PDF 密碼</translation>
    </message>
    <message>
        <source>The password does not open &quot;%1&quot;. Try another:</source>
        <translation>該密碼無法開啟「%1」。請換一個：</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is encrypted. Its password:</source>
        <translation>「%1」已加密。它的密碼：</translation>
    </message>
    <message>
        <source>Add pictures, folders, comic archives, PDFs, e-books (EPUB, FB2) or text files, or drop them here.</source>
        <translation>新增圖片、資料夾、漫畫壓縮檔、PDF、電子書（EPUB、FB2）或文字檔案，或將它們拖放到這裡。</translation>
    </message>
    <message>
        <source>The PDFs&apos; outlines, the e-books&apos; own contents and the folders&apos; names.</source>
        <translation>PDF 的書籤、電子書自帶的目錄以及資料夾的名稱。</translation>
    </message>
    <message numerus="yes">
        <source>Made &quot;%1&quot;; %n pictures that cannot be read were left out:</source>
        <translation>
            <numerusform>已製作「%1」；略過了 %n 張無法讀取的圖片：</numerusform>
        </translation>
    </message>
    <message>
        <source>Check &quot;%1&quot; to go on past such pictures.</source>
        <translation>勾選「%1」即可略過這類圖片繼續製作。</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Allow only one instance (activate on next run)</source>
        <translation>只允許執行一個實例（下次啟動時生效）</translation>
    </message>
    <message>
        <source>Auto hide TOC after selecting</source>
        <translation>選取後自動隱藏目錄</translation>
    </message>
    <message>
        <source>Reopen books at the page last read</source>
        <translation>重新開啟書籍時回到上次閱讀的頁面</translation>
    </message>
    <message>
        <source>Associate with .wol files</source>
        <translation>關聯 .wol 檔案</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>自訂...</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>x</source>
        <translation>×</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>公釐</translation>
    </message>
    <message>
        <source>Default zoom:</source>
        <translation>預設縮放：</translation>
    </message>
    <message>
        <source>Screen type:</source>
        <translation>螢幕類型：</translation>
    </message>
    <message>
        <source>Screen dimensions:</source>
        <translation>螢幕尺寸：</translation>
    </message>
    <message>
        <source>Text encoding:</source>
        <translation>文字編碼：</translation>
    </message>
    <message>
        <source>View</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
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
        <translation> 目錄</translation>
    </message>
    <message>
        <source>Import TOC</source>
        <translation>匯入目錄</translation>
    </message>
    <message>
        <source>Import Table of Contents from file</source>
        <translation>從檔案匯入目錄</translation>
    </message>
    <message>
        <source>Export TOC</source>
        <translation>匯出目錄</translation>
    </message>
    <message>
        <source>Export Table of Contents to file</source>
        <translation>將目錄匯出至檔案</translation>
    </message>
    <message>
        <source>New Peer Item</source>
        <translation>新增同層項目</translation>
    </message>
    <message>
        <source>Create new peer item</source>
        <translation>建立新的同層項目</translation>
    </message>
    <message>
        <source>New Subitem</source>
        <translation>新增子項目</translation>
    </message>
    <message>
        <source>Create new subitem</source>
        <translation>建立新的子項目</translation>
    </message>
    <message>
        <source>Edit Item</source>
        <translation>編輯項目</translation>
    </message>
    <message>
        <source>Edit TOC item</source>
        <translation>編輯目錄項目</translation>
    </message>
    <message>
        <source>Delete Item</source>
        <translation>刪除項目</translation>
    </message>
    <message>
        <source>Delete TOC item</source>
        <translation>刪除目錄項目</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move item up</source>
        <translation>將項目上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Move item down</source>
        <translation>將項目下移</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>第一頁</translation>
    </message>
    <message>
        <source>Go to first page</source>
        <translation>前往第一頁</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Go to previous page</source>
        <translation>前往上一頁</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Go to next page</source>
        <translation>前往下一頁</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>最後一頁</translation>
    </message>
    <message>
        <source>Go to last page</source>
        <translation>前往最後一頁</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>儲存變更</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation>取消變更</translation>
    </message>
    <message>
        <source>&lt;New Item&gt;</source>
        <translation>&lt;新項目&gt;</translation>
    </message>
    <message>
        <source>Current item have subitems!<byte value="xd"/>
Delete all subitems?</source>
        <translation>目前項目含有子項目！<byte value="xd"/>
是否刪除所有子項目？</translation>
    </message>
    <message>
        <source>Export Wolf Catalog</source>
        <translation>匯出 Wolf 目錄</translation>
    </message>
    <message>
        <source>Import Wolf Catalog</source>
        <translation>匯入 Wolf 目錄</translation>
    </message>
    <message>
        <source>Wolf catalog (*.cat);;All Files (*)</source>
        <translation>Wolf 目錄 (*.cat);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>The table of contents was changed.<byte value="xd"/>
Discard the changes?</source>
        <translation>目錄已變更。<byte value="xd"/>
要放棄這些變更嗎？</translation>
    </message>
</context>
<context>
    <name>dialogs::TfrmTOCItem</name>
    <message>
        <source>TOC Item</source>
        <translation>目錄項目</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名稱：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Page (1..%1):</source>
        <translation>頁碼 (1..%1)：</translation>
    </message>
    <message>
        <source>The name holds characters that the book&apos;s encoding (%1) cannot store.</source>
        <translation>名稱中含有該書編碼（%1）無法儲存的字元。</translation>
    </message>
</context>
</TS>
