#include "main/JobForm.h"

#include "ui/Utf8Text.h"
#include "ui/WidgetFactory.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeft {

using ui::MakeButton;
using ui::Named;

TJobForm::TJobForm(const JobSettings& job, QWidget* parent) : QDialog(parent), job_(job) {
    setObjectName(QStringLiteral("JobForm"));
    setWindowTitle(tr("Job"));

    LabelEdit = Named(new QLineEdit(ui::FromUtf8(job.label), this), "LabelEdit");
    LabelEdit->setPlaceholderText(tr("Sea Breeze 42 / fresh water"));
    LabelEdit->setMinimumWidth(320);
    LabelLabel = Named(new QLabel(tr("Job &label (vessel or site, tank, text):"), this), "LabelLabel");
    LabelLabel->setBuddy(LabelEdit);
    InstallerEdit = Named(new QLineEdit(ui::FromUtf8(job.installer), this), "InstallerEdit");
    InstallerLabel = Named(new QLabel(tr("&Installer:"), this), "InstallerLabel");
    InstallerLabel->setBuddy(InstallerEdit);
    ReadFirstCheckBox = Named(new QCheckBox(tr("&Read the sender before programming"), this), "ReadFirstCheckBox");
    ReadFirstCheckBox->setChecked(job.readFirst);
    ReadFirstNote = Named(new QLabel(tr("Program Device then reads the sender first and keeps what it held as the "
                                        "setup sheet's As Found; it programs nothing when that read fails."),
                                     this),
                          "ReadFirstNote");
    ui::KeepWrappedTextWhole(ReadFirstNote);
    ReadFirstNote->setBuddy(ReadFirstCheckBox);

    OKBtn = MakeButton(this, "OKBtn", tr("OK"));
    CancelBtn = MakeButton(this, "CancelBtn", tr("Cancel"));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QFormLayout;
    fields->addRow(LabelLabel, LabelEdit);
    fields->addRow(InstallerLabel, InstallerEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(ReadFirstCheckBox);
    layout->addWidget(ReadFirstNote);
    layout->addLayout(buttons);
    LabelEdit->setFocus();
}

JobSettings TJobForm::Job() const {
    JobSettings job = job_;
    job.label = LabelEdit->text().trimmed().toStdString();
    job.installer = InstallerEdit->text().trimmed().toStdString();
    job.readFirst = ReadFirstCheckBox->isChecked();
    return job;
}

} // namespace zeft
