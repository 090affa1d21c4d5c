#include "frmAbout.h"

#include "AboutTexts.h"
#include "Clock.h"
#include "DataFiles.h"
#include "Links.h"
#include "TarnwickLogo.h"
#include "Version.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace about {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 192));
    setPalette(pal);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT Clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        Q_EMIT Clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

frmAbout::frmAbout(core::Program program, const QString& readMeFolder, QWidget* parent)
    : QDialog(parent), imgLogo(new QLabel(this)), lblTitle(new QLabel(this)), lblVersion(new QLabel(this)),
      lblCopyRight(new QLabel(this)), lblDate(new QLabel(this)), lblDescription(new QLabel(this)),
      lblContact(new QLabel(this)), lblWebSite(new LinkLabel(this)), lblEmail(new LinkLabel(this)),
      cmdViewReadMe(new QPushButton(tr("View Read Me"), this)), cmdOK(new QPushButton(tr(" Exit "), this)) {
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(true);

    // The read-me sits where the program expects it, else in the programs' own data folder.
    readMePath_ = core::FindDataFile(QStringLiteral("ReadMe.rtf"), readMeFolder);
    if (readMePath_.isEmpty())
        readMePath_ = QDir(readMeFolder).filePath(QStringLiteral("ReadMe.rtf"));

    imgLogo->setPixmap(TarnwickLogo(64));
    imgLogo->setAlignment(Qt::AlignTop);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblDescription->setWordWrap(true);
    lblContact->setWordWrap(true);
    cmdViewReadMe->setToolTip(tr(" View Read Me using WordPad "));
    cmdOK->setDefault(true);

    auto* heading = new QVBoxLayout;
    heading->setSpacing(2);
    for (QLabel* l : {lblTitle, lblVersion, lblCopyRight, lblDate})
        heading->addWidget(l);
    auto* top = new QHBoxLayout;
    top->addWidget(imgLogo);
    top->addSpacing(12);
    top->addLayout(heading, 1);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdViewReadMe);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addWidget(lblDescription);
    layout->addSpacing(6);
    layout->addWidget(lblContact);
    layout->addWidget(lblWebSite, 0, Qt::AlignLeft);
    layout->addWidget(lblEmail, 0, Qt::AlignLeft);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdViewReadMe, &QPushButton::clicked, this, &frmAbout::cmdViewReadMe_Click);
    connect(lblWebSite, &LinkLabel::Clicked, this, &frmAbout::lblWebSite_Click);
    connect(lblEmail, &LinkLabel::Clicked, this, &frmAbout::lblEmail_Click);

    Form_Load(program);
}

void frmAbout::Form_Load(core::Program program) {
    const QString product = QApplication::applicationName();
    setWindowTitle(Caption(product));
    lblTitle->setText(product);
    lblVersion->setText(VersionText(core::kVersionMajor, core::kVersionMinor));
    lblCopyRight->setText(CopyrightLine());
    lblDate->setText(QString::number(core::Today().year()));
    lblDescription->setText(Description());
    lblContact->setText(Contact());
    lblWebSite->setText(WebsiteCaption());
    lblWebSite->setToolTip(WebsiteToolTip(program));
    lblEmail->setText(EmailCaption());
    lblEmail->setToolTip(QStringLiteral(" Click to Send an Email "));
}

void frmAbout::cmdViewReadMe_Click() {
    ui::OpenReadMe(readMePath_);
}

void frmAbout::lblWebSite_Click() {
    ui::OpenLink(WebsiteUrl());
    accept();
}

void frmAbout::lblEmail_Click() {
    ui::OpenLink(MailUrl());
    accept();
}

} // namespace about
