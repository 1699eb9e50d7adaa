// The page display of the main window: pages, text pages and the message page, with the
// orientation and the zoom.
#include "fMain.h"

#include "ImageView.h"
#include "PagePicture.h"
#include "Screen.h"
#include "Zoom.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyle>

namespace {
// Also the page size "1:1" assumes before any page was decoded.
const QSize MessagePageSize(600, 800);
}  // namespace

void TfrmMain::ShowPage(int index)
{
    if (index < -1 || index == PageIndex()) return;
    FSession.SetPageIndex(index);
    const int count = FSession.PageCount();
    if (index >= count) return;
    pnlPageNum->setText(index == -1 ? tr("Cover Page") : tr("Page %1 of %2").arg(index + 1).arg(count));
    try {
        DrawPage(index);
    } catch (...) {
        // A page that cannot be shown is drawn as a message, never reported.
        try {
            ShowMessagePage(tr("This page is not a valid Wolf page"));
        } catch (...) {
        }
    }
}

void TfrmMain::DrawPage(int index)
{
    const wolf::TWolfPageItem& item = FSession.Page(index);
    if (!item.IsValid() || !FSession.IsOpen()) {
        ShowMessagePage(tr("This page is not a valid Wolf page"));
    } else if (item.IsText()) {
        memPage->setPlainText(FSession.PageLines(index).join(u'\n'));
        memPage->show();
        imvPage->hide();
        memPage->setFocus();
    } else {
        const QImage page = pagepicture::ToQImage(FSession.PagePicture(index));
        imvPage->SetBitmap(pagepicture::TurnForOrientation(page, FOrientation));
        ApplyScale();
        imvPage->show();
        memPage->hide();
    }
}

void TfrmMain::RedisplayPage()
{
    if (!FSession.IsOpen()) return;  // after a failed open there is no page, only the empty window
    const int shown = PageIndex();
    FSession.SetPageIndex(-2);
    ShowPage(shown);
}

void TfrmMain::ApplyScale()
{
    const QImage& bitmap = imvPage->Bitmap();
    const int entry = cmbScale->currentIndex();
    if (zoom::IsFit(entry)) {
        const int scrollBar = imvPage->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, imvPage);
        const QSize area = imvPage->maximumViewportSize().shrunkBy(QMargins() + TImageView::FitMargin);
        if (const auto factor = FitFactor(entry, bitmap.size(), area, scrollBar)) imvPage->SetScale(*factor, *factor);
        return;
    }
    QSize page(bitmap.width() > 0 ? bitmap.width() : MessagePageSize.width(),
               bitmap.height() > 0 ? bitmap.height() : MessagePageSize.height());
    if (FOrientation != pagepicture::TOrientation::Portrait) page.transpose();
    if (const auto factors = ZoomFactors(entry, platform::PrimaryScreenSize(), FSettings.Values().MonitorWidth,
                                         FSettings.Values().MonitorHeight, page))
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
