#pragma once

#include "TimeLeft.h"

#include <QDialog>
#include <QLabel>

class QPushButton;

namespace about {

// A label that looks and acts like a link.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The About box of both programs: name, version, what the program does, the read-me and the maker's
// web page and e-mail address.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // readMeFolder: where the program expects ReadMe.rtf; the programs' data folder is tried after it.
    frmAbout(core::Program program, const QString& readMeFolder, QWidget* parent = nullptr);

    QString ReadMePath() const { return readMePath_; }

    QLabel* imgLogo;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblCopyRight;
    QLabel* lblDate;
    QLabel* lblDescription;
    QLabel* lblContact;
    LinkLabel* lblWebSite;
    LinkLabel* lblEmail;
    QPushButton* cmdViewReadMe;
    QPushButton* cmdOK;

private:
    void Form_Load(core::Program program);
    void cmdViewReadMe_Click();
    void lblWebSite_Click();
    void lblEmail_Click();

    QString readMePath_;
};

} // namespace about
