// Pictures the book maker window for the README: a drawn PDF as the source, the preview
// shown, the window saved as a PNG. Usage: makebookshot OUT.png (under a display).
#include "fMakeBook.h"

#include <QApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {

void WritePdf(const QString& path)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A5));
    writer.setTitle(QStringLiteral("River Notes"));
    writer.setCreator(QStringLiteral("A. Writer"));
    QPainter painter(&writer);
    const QRect area = painter.viewport();
    QFont font(QStringLiteral("DejaVu Serif"));
    for (int page = 1; page <= 3; ++page) {
        if (page > 1) writer.newPage();
        font.setPixelSize(area.height() / 20);
        painter.setFont(font);
        painter.drawText(area.adjusted(0, 0, 0, -area.height() * 9 / 10), Qt::AlignCenter,
                         QStringLiteral("Chapter %1").arg(page));
        font.setPixelSize(area.height() / 55);
        painter.setFont(font);
        for (int line = 0; line < 24; ++line)
            painter.drawText(0, area.height() / 7 + line * area.height() / 45,
                             QStringLiteral("The river ran quietly past the mill where old stones lay waiting."));
        painter.setBrush(QColor(90, 120, 160));
        painter.drawEllipse(QRect(area.width() / 4, area.height() * 7 / 10, area.width() / 2, area.height() / 4));
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) return 2;
    const QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("River Notes.pdf"));
    WritePdf(pdf);
    settings::TSettings settings(dir.filePath(QStringLiteral("karavel.ini")));
    dialogs::TfrmMakeBook window(settings);
    window.resize(900, 560);
    window.findChild<QTabWidget*>()->setCurrentIndex(1);  // the options
    window.show();
    window.AddSources({pdf});
    const QString out = QString::fromLocal8Bit(argv[1]);
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, &window, [&] {
        if (window.IsPreviewing() || window.Preview().Processed.isNull()) return;
        application.exit(window.grab().save(out) ? 0 : 1);
    });
    poll->start(200);
    return application.exec();
}
