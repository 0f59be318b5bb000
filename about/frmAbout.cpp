#include "about/frmAbout.h"

#include "about/core/AboutTexts.h"
#include "about/core/SysInfoTool.h"
#include "platform/ClassicLook.h"
#include "platform/MessageDialog.h"
#include "platform/PictureBox.h"
#include "platform/Shell.h"
#include "platform/TwipsGeometry.h"
#include "platform/WindowPlacement.h"

#include <QGroupBox>
#include <QPushButton>
#include <QStyle>

namespace {

constexpr double kClientWidthTwips = 5730;
constexpr double kClientHeightTwips = 3990;
constexpr int kCornerIconPixels = 32;

QLabel *framedText(QGroupBox *frame, const QString &text)
{
    auto *label = new QLabel(text, frame);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(frame->rect().adjusted(8, 8, -8, -6));
    return label;
}

void makeBoldBlue(QLabel *label, double scale)
{
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
    setDarkBlueText(label);
}

} // namespace

frmAbout::frmAbout(const QString &makerSite, Shell &shell, Registry &registry, MessageDialog &messages)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_makerSite(makerSite)
    , m_shell(shell)
    , m_registry(registry)
    , m_messages(messages)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(classicFont(QStringLiteral("Tahoma"), 8.25));
    setFixedSize(twipsToPixelsX(this, kClientWidthTwips), twipsToPixelsY(this, kClientHeightTwips));
    setupPictures();
    setupTexts();
    setupButtons();
    Form_Load();
    centreOnScreen(this);
}

void frmAbout::setupPictures()
{
    picIcon = new PictureBox(this);
    picIcon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(64, 64));
    picIcon->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    placeInTwips(picIcon, 120, 120, 1065, 2205);

    Image1 = new PictureBox(this);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(kCornerIconPixels, kCornerIconPixels));
    Image1->setGeometry(width() - kCornerIconPixels - twipsToPixelsX(this, 90), twipsToPixelsY(this, 90),
                        kCornerIconPixels, kCornerIconPixels);

    for (PictureBox *link : {picIcon, Image1})
        link->setCursor(Qt::PointingHandCursor);
    connect(picIcon, &PictureBox::clicked, this, &frmAbout::picIcon_Click);
    connect(Image1, &PictureBox::clicked, this, &frmAbout::Image1_Click);
}

void frmAbout::setupTexts()
{
    lblTitle = new QLabel(this);
    makeBoldBlue(lblTitle, 1.6);
    placeInTwips(lblTitle, 1320, 120, 3690, 480);
    lblVersion = new QLabel(this);
    makeBoldBlue(lblVersion, 1.0);
    placeInTwips(lblVersion, 1320, 600, 3690, 300);

    Frame2 = new QGroupBox(this);
    placeInTwips(Frame2, 1320, 960, 4290, 1005);
    lblDescription = framedText(Frame2, QStringLiteral(
        "Come to the Belvax Web Site for more programs.  Click the Belvax button below to visit us or click "
        "the Mailing List button to be notified of new releases."));

    Frame1 = new QGroupBox(this);
    placeInTwips(Frame1, 120, 2460, 3840, 1410);
    lblDisclaimer = framedText(Frame1, QStringLiteral(
        "Gavrin is provided as is, without warranty of any kind. The auction site's pages and marks belong "
        "to their owners; Gavrin only shows them and is not made or endorsed by the site."));
}

QPushButton *frmAbout::addButton(const QString &caption, const QString &tooltip, double left, double top,
                                 double width)
{
    auto *button = new QPushButton(caption, this);
    button->setToolTip(tooltip);
    placeInTwips(button, left, top, width, 375);
    return button;
}

void frmAbout::setupButtons()
{
    Command1 = addButton(QStringLiteral("&Join the Belvax mailing list"), QStringLiteral("Join our mailing list"),
                         1320, 2085, 2700);
    Command2 = addButton(QStringLiteral("&Belvax"), QStringLiteral("Visit Belvax"), 4140, 2085, 1470);
    Command3 = addButton(QStringLiteral("Clos&e"), QStringLiteral("Close this window"), 4140, 2580, 1470);
    Command4 = addButton(QStringLiteral("&System Info"), QStringLiteral("Info about your computer"), 4140, 3495, 1470);
    for (QPushButton *link : {Command1, Command2})
        link->setCursor(Qt::PointingHandCursor);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);

    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmAbout::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmAbout::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmAbout::Command4_Click);
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + applicationTitle());
    lblVersion->setText(programVersionLine());
    lblTitle->setText(applicationTitle());
}

// A link that cannot be opened does nothing; the box stays as it is.
void frmAbout::Command1_Click()
{
    m_shell.openAddress(mailingListAddress(m_makerSite));
}

void frmAbout::Command2_Click()
{
    m_shell.openAddress(m_makerSite);
}

void frmAbout::picIcon_Click()
{
    m_shell.openAddress(m_makerSite);
}

void frmAbout::Image1_Click()
{
    m_shell.startOpener(m_makerSite);
}

void frmAbout::Command3_Click()
{
    close();
}

void frmAbout::Command4_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    const QString tool = sysInfoToolPath(m_registry);
    if (tool.isEmpty() || !m_shell.startProgram(tool))
        m_messages.show(this, sysInfoUnavailableMessage(), applicationTitle(), MessageDialog::Icon::None);
}
