#include "fAbout.h"

#include "VersionInfo.h"
#include "uFixedFrame.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace dialogs {

namespace {

constexpr int PictureSize = 48;

// The application's icon, the platform layer's copy of its picture, or a plain drawn
// book where the program carries neither.
QPixmap ProgramPicture()
{
    const QIcon icon = QApplication::windowIcon();
    if (!icon.availableSizes().isEmpty()) return icon.pixmap(PictureSize, PictureSize);
    if (QPixmap installed(QStringLiteral(":/desktop/icons/karavel-48.png")); !installed.isNull()) return installed;
    QPixmap picture(PictureSize, PictureSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(0x2e, 0x5c, 0x8a));
    painter.drawRoundedRect(QRectF(8, 4, 32, 40), 3, 3);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(14, 10, 20, 12));
    return picture;
}

}  // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setWindowTitle(tr(" About"));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    // Worked out once: every showing shows the same texts.
    platform::TVersionTexts version =
        platform::GetVersionTexts(QCoreApplication::applicationFilePath(), platform::VS_FF_PRERELEASE);
    if (!version.Ok) version.ShortText = version.LongText = QStringLiteral("?");

    imgIcon = new QLabel(this);
    imgIcon->setFixedSize(57, 57);
    imgIcon->setAlignment(Qt::AlignCenter);
    imgIcon->setPixmap(ProgramPicture());
    QFont bold = font();
    bold.setBold(true);
    lblTitle = new QLabel(QStringLiteral("Karavel"), this);
    lblVersion = new QLabel(tr("version %1").arg(version.ShortText), this);
    for (QLabel* label : {lblTitle, lblVersion}) {
        label->setFont(bold);
        label->setAlignment(Qt::AlignCenter);
    }
    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    pnlBuild = new QLabel(tr("    Build: %1").arg(version.LongText), this);
    btnClose = new QPushButton(tr("Close"), this);
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* texts = new QVBoxLayout;
    texts->addStretch();
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(imgIcon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(pnlBuild, 1);
    bottom->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(divider);
    layout->addLayout(bottom);
    FixFrameSize(this, {297, 115});
}

}  // namespace dialogs
