#include "app/Help.h"

#include "app/ProgramFileVersion.h"
#include "ui/DesignScale.h"
#include "ui/ProgramIcon.h"

#include "ZeftVersion.h"

#include <QDesktopServices>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

#include <cstdint>

#ifndef _WIN32
// The program's file version, read back by the About box from the running executable (the
// ELF counterpart of a Windows version resource). In this file so that every program
// showing the About box carries it.
namespace {
struct VersionNote {
    std::uint32_t nameSize;
    std::uint32_t descSize;
    std::uint32_t type;
    char name[8];
    std::uint32_t words[2];
};
[[gnu::section(".note.zeft"), gnu::used, gnu::aligned(4)]] const VersionNote kVersionNote = {
    sizeof(zeft::kVersionNoteName),
    8,
    zeft::kVersionNoteType,
    "ZEFT",
    {(std::uint32_t{ZEFT_VERSION_MAJOR} << 16) | std::uint32_t{ZEFT_VERSION_MINOR},
     (std::uint32_t{ZEFT_VERSION_PATCH} << 16) | std::uint32_t{ZEFT_VERSION_TWEAK}}};
} // namespace
#endif

namespace zeft::app {

TAboutForm::TAboutForm(QWidget* parent, std::string programPath)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      Panel1(new QFrame(this)), Image3(new QLabel(Panel1)), Label1(new QLabel(Panel1)), Label2(new QLabel(Panel1)),
      LabelVerNum(new QLabel(Panel1)), Label3(new QLabel(Panel1)), Label4(new QLabel(Panel1)),
      BitBtn2(new QPushButton(Panel1)),
      programPath_(programPath.empty() ? RunningProgramPath() : std::move(programPath)) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(tr("About ZEFT Programmer"));
    setModal(true);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Image3->setObjectName(QStringLiteral("Image3"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    LabelVerNum->setObjectName(QStringLiteral("LabelVerNum"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4->setObjectName(QStringLiteral("Label4"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Image3->setPixmap(ui::MakerLogo());
    setWindowIcon(ui::ProgramIcon());
    Image3->setAlignment(Qt::AlignCenter);

    QFont large = font();
    large.setPointSizeF(large.pointSizeF() * 1.8);
    large.setBold(true);
    Label1->setFont(large);
    Label1->setText(QStringLiteral("ZEFT Programmer"));
    Label2->setText(tr("Version:"));
    Label3->setText(tr("Copyright \u00A9 2008-2026 KOV. All rights reserved."));
    Label4->setText(QString::fromLatin1(kMakerWebAddress));
    QFont link = font();
    link.setUnderline(true);
    Label4->setFont(link);
    QPalette palette = Label4->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    Label4->setPalette(palette);
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->installEventFilter(this);
    // The link is reached by Tab too and opened with Enter or Space, before OK.
    Label4->setFocusPolicy(Qt::TabFocus);
    // A label draws no focus of its own: a dotted frame shows where the keyboard is.
    Label4->setStyleSheet(
        QStringLiteral("QLabel { border: 1px solid transparent; } QLabel:focus { border: 1px dotted #000080; }"));
    Label4->setToolTip(QString::fromLatin1(kMakerWebAddress));
    BitBtn2->setText(tr("&OK"));
    BitBtn2->setDefault(true);
    connect(BitBtn2, &QPushButton::clicked, this, &TAboutForm::BitBtn2Click);

    // The title in its large font must fit beside the logo as well.
    const QFontMetrics largeMetrics(large);
    ui::DesignScale scale(font(), {{Label3->text(), 290}, {Label4->text(), 290}});
    scale.Fit(largeMetrics.horizontalAdvance(Label1->text()), 290);
    setFixedSize(scale(417), scale(135));
    Panel1->setGeometry(0, 0, scale(417), scale(135));
    scale.Place(*Image3, 8, 11, 89, 113);
    Label1->move(scale(112), scale(10));
    Label1->adjustSize();
    Label2->move(scale(112), Label1->geometry().bottom() + scale(8));
    Label2->adjustSize();
    LabelVerNum->move(Label2->x() + Label2->width() + scale(6), Label2->y());
    Label3->move(scale(112), Label2->y() + Label2->height() + scale(8));
    Label3->adjustSize();
    Label4->move(scale(112), Label3->y() + Label3->height() + scale(6));
    Label4->adjustSize();
    scale.Place(*BitBtn2, 328, 100, 75, 25);
    setTabOrder(Label4, BitBtn2);
    // Enter closes the box as it opens; the link comes first only for Tab.
    BitBtn2->setFocus();

    FormCreate();
}

void TAboutForm::FormCreate() {
    LabelVerNum->setText(QString::fromStdString(GetBuildInfoString()));
    LabelVerNum->adjustSize();
}

void TAboutForm::GetBuildInfo(std::uint16_t& V1, std::uint16_t& V2, std::uint16_t& V3, std::uint16_t& V4) const {
    const ProgramFileVersion version = ReadProgramFileVersion(programPath_);
    V1 = version.major;
    V2 = version.minor;
    V3 = version.release;
    V4 = version.build;
}

std::string TAboutForm::GetBuildInfoString() const {
    std::uint16_t v1 = 0;
    std::uint16_t v2 = 0;
    std::uint16_t v3 = 0;
    std::uint16_t v4 = 0;
    GetBuildInfo(v1, v2, v3, v4);
    return std::to_string(v1) + "." + std::to_string(v2) + "." + std::to_string(v3) + "." + std::to_string(v4);
}

void TAboutForm::Label4Click() {
    // As with the shell's "open": a failure shows nothing.
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerWebAddress)));
}

void TAboutForm::BitBtn2Click() {
    accept();
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label4 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label4Click();
        return true;
    }
    if (watched == Label4 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            // Taken here, so that Enter on the link does not also press the default OK.
            Label4Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zeft::app
