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
