#include "serial/PortDoctorDlg.h"

#include "ui/Translations.h"
#include "ui/WidgetFactory.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <utility>

namespace zeft {

namespace {

QStyle::StandardPixmap IconOf(FindingSeverity severity) {
    switch (severity) {
    case FindingSeverity::Error:
        return QStyle::SP_MessageBoxCritical;
    case FindingSeverity::Warning:
        return QStyle::SP_MessageBoxWarning;
    case FindingSeverity::Info:
        break;
    }
    return QStyle::SP_MessageBoxInformation;
}

// "Error, /dev/ttyUSB0": the severity in words too, for a screen reader.
QString Heading(const PortFinding& finding) {
    QString word = ui::CoreText("Core", SeverityWord(finding.severity));
    word[0] = word[0].toUpper();
    return finding.port.empty() ? word : word + QStringLiteral(", ") + QString::fromStdString(finding.port);
}

} // namespace

TPortDoctorDlg::TPortDoctorDlg(QWidget* parent, Diagnosis diagnose)
    : QDialog(parent), diagnose_(diagnose ? std::move(diagnose) : [] { return DiagnosePorts(std::string()); }) {
    setObjectName(QStringLiteral("PortDoctorDlg"));
    setWindowTitle(tr("Diagnose Ports"));

    Label1 = ui::MakeLabel(this, "Label1", tr("&Findings and their fixes:"));
    ListFindings = ui::Named(new QListWidget(this), "ListFindings");
    ListFindings->setWordWrap(true);
    ListFindings->setResizeMode(QListView::Adjust);
    ListFindings->setSpacing(3);
    ListFindings->setSelectionMode(QAbstractItemView::SingleSelection);
    Label1->setBuddy(ListFindings);
    LabelStatus = ui::MakeLabel(this, "LabelStatus", "");
    LabelStatus->setWordWrap(true);
    CopyBtn = ui::MakeButton(this, "CopyBtn", tr("&Copy Fixes"));
    CopyBtn->setToolTip(tr("Copy the fixes to the clipboard, to paste into a terminal or a note"));
    RunBtn = ui::MakeButton(this, "RunBtn", tr("&Run Again"));
    CloseBtn = ui::MakeButton(this, "CloseBtn", tr("Close"));
    CloseBtn->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CopyBtn);
    buttons->addWidget(RunBtn);
    buttons->addStretch(1);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ListFindings, 1);
    layout->addWidget(LabelStatus);
    layout->addLayout(buttons);
    resize(640, 420);

    connect(CopyBtn, &QPushButton::clicked, this, &TPortDoctorDlg::CopyBtnClick);
    connect(RunBtn, &QPushButton::clicked, this, &TPortDoctorDlg::RunBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
    RunBtnClick();
}

TPortDoctorDlg::~TPortDoctorDlg() {
    // The run ends by itself (it only reads); what it posts is dropped with this window.
    if (worker_.joinable()) {
        worker_.join();
    }
}

void TPortDoctorDlg::RunBtnClick() {
    if (running_) {
        return;
    }
    if (worker_.joinable()) {
        worker_.join(); // the last run, long finished: it posted its findings
    }
    running_ = true;
    RunBtn->setEnabled(false);
    CopyBtn->setEnabled(false);
    LabelStatus->setText(tr("Looking at the serial ports and USB adapters..."));
    worker_ = std::thread([this, diagnose = diagnose_] {
        std::vector<PortFinding> findings = diagnose();
        QMetaObject::invokeMethod(
            this, [this, findings = std::move(findings)]() mutable { ShowFindings(std::move(findings)); },
            Qt::QueuedConnection);
    });
}

void TPortDoctorDlg::CopyBtnClick() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(FixesText(findings_)));
    LabelStatus->setText(tr("The fixes are on the clipboard."));
}

void TPortDoctorDlg::ShowFindings(std::vector<PortFinding> findings) {
    findings_ = std::move(findings);
    running_ = false;
    ListFindings->clear();
    for (const PortFinding& finding : findings_) {
        QString text = Heading(finding) + QLatin1Char('\n') + QString::fromStdString(finding.summary);
        if (!finding.fix.empty()) {
            text += tr("\nFix: ") + QString::fromStdString(finding.fix);
        }
        if (!finding.note.empty()) {
            text += QLatin1Char('\n') + QString::fromStdString(finding.note);
        }
        auto* item = new QListWidgetItem(style()->standardIcon(IconOf(finding.severity)), text, ListFindings);
        item->setToolTip(QString::fromStdString(finding.fix.empty() ? finding.note : finding.fix));
    }
    if (!findings_.empty()) {
        ListFindings->setCurrentRow(0);
    }
    const auto problems = static_cast<int>(findings_.size());
    LabelStatus->setText(problems == 0   ? tr("No problem found.")
                         : problems == 1 ? tr("One finding.")
                                         : tr("%1 findings.").arg(problems));
    RunBtn->setEnabled(true);
    CopyBtn->setEnabled(!findings_.empty());
}

} // namespace zeft
