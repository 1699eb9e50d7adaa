// The page display of the main window: pages, text pages and the message page, with the
// orientation and the zoom.
#include "fMain.h"

#include "ImageView.h"
#include "PagePicture.h"
#include "Screen.h"
#include "Zoom.h"
#include "uGlobals.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>

namespace {
const QString InvalidPage = QStringLiteral("This page is not a valid Wolf page");
// Also the page size "1:1" assumes before any page was decoded.
const QSize MessagePageSize(600, 800);
}  // namespace

void TfrmMain::ShowPage(int index)
{
    if (index < -1 || index == FPageIndex) return;
    FPageIndex = index;
    if (index >= FReader.Pages.Count()) return;
    wolf::TWolfPageItem& item = index == -1 ? FReader.Cover : FReader.Pages[index];
    pnlPageNum->setText(index == -1 ? QStringLiteral("Cover Page")
                                    : QStringLiteral("Page %1 of %2").arg(index + 1).arg(FReader.Pages.Count()));
    try {
        DrawPage(item);
    } catch (...) {
        // A page that cannot be shown is drawn as a message, never reported.
        try {
            ShowMessagePage(InvalidPage);
        } catch (...) {
        }
    }
}

void TfrmMain::DrawPage(wolf::TWolfPageItem& item)
{
    if (!item.IsValid() || !FStream) {
        ShowMessagePage(InvalidPage);
    } else if (item.IsText()) {
        std::vector<std::string> lines;
        FReader.ReadTextPage(*FStream, item, lines);
        QStringList text;
        text.reserve(static_cast<qsizetype>(lines.size()));
        for (const std::string& line : lines) text.append(FEncoding.Decode(line));
        memPage->setPlainText(text.join(u'\n'));
        memPage->show();
        imvPage->hide();
        memPage->setFocus();
    } else {
        wolf::TGreyImage page;
        FReader.DecodePage(*FStream, item, page);
        imvPage->SetBitmap(pagepicture::TurnForOrientation(pagepicture::ToQImage(page), FOrientation));
        ApplyScale();
        imvPage->show();
        memPage->hide();
    }
}

void TfrmMain::RedisplayPage()
{
    if (!FStream) return;  // after a failed open there is no page, only the empty window
    const int shown = FPageIndex;
    FPageIndex = -2;
    ShowPage(shown);
}

void TfrmMain::ApplyScale()
{
    const QImage& bitmap = imvPage->Bitmap();
    QSize page(bitmap.width() > 0 ? bitmap.width() : MessagePageSize.width(),
               bitmap.height() > 0 ? bitmap.height() : MessagePageSize.height());
    if (FOrientation != 0) page.transpose();
    if (const auto factors = ZoomFactors(cmbScale->currentIndex(), platform::PrimaryScreenSize(),
                                         globals::MonitorWidth, globals::MonitorHeight, page))
        imvPage->SetScale(factors->X, factors->Y);
}

void TfrmMain::ShowMessagePage(const QString& text)
{
    QImage page(MessagePageSize, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, page.width() - 1, page.height() - 1);
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(16);  // 12 points at 96 dots an inch
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int x = (page.width() - metrics.horizontalAdvance(text)) / 2;
    const int y = (page.height() - metrics.height()) / 2;
    painter.drawText(x, y + metrics.ascent(), text);
    painter.end();
    imvPage->SetBitmap(std::move(page));
    imvPage->show();
    memPage->hide();
}
