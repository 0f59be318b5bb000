#include "about/AboutDialog.h"

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

AboutDialog::AboutDialog(const QString &makerSite, Shell &shell, Registry &registry, MessageDialog &messages)
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
    centreOnScreen(this);
}

void AboutDialog::setupPictures()
{
    auto *iconPicture = new PictureBox(this);
    iconPicture->setObjectName("iconPicture");
    iconPicture->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(64, 64));
    iconPicture->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    placeInTwips(iconPicture, 120, 120, 1065, 2205);

    auto *cornerPicture = new PictureBox(this);
    cornerPicture->setObjectName("cornerPicture");
    cornerPicture->setPixmap(
        style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(kCornerIconPixels, kCornerIconPixels));
    cornerPicture->setGeometry(width() - kCornerIconPixels - twipsToPixelsX(this, 90), twipsToPixelsY(this, 90),
                               kCornerIconPixels, kCornerIconPixels);

    for (PictureBox *link : {iconPicture, cornerPicture})
        link->setCursor(Qt::PointingHandCursor);
    connect(iconPicture, &PictureBox::clicked, this, &AboutDialog::visitMakerSite);
    connect(cornerPicture, &PictureBox::clicked, this, &AboutDialog::openMakerSiteWithOpener);
}

void AboutDialog::setupTexts()
{
    setWindowTitle(QStringLiteral("About ") + applicationTitle());
    auto *titleLabel = new QLabel(applicationTitle(), this);
    titleLabel->setObjectName("titleLabel");
    makeBoldBlue(titleLabel, 1.6);
    placeInTwips(titleLabel, 1320, 120, 3690, 480);
    auto *versionLabel = new QLabel(programVersionLine(), this);
    versionLabel->setObjectName("versionLabel");
    makeBoldBlue(versionLabel, 1.0);
    placeInTwips(versionLabel, 1320, 600, 3690, 300);

    auto *descriptionFrame = new QGroupBox(this);
    placeInTwips(descriptionFrame, 1320, 960, 4290, 1005);
    framedText(descriptionFrame,
               QStringLiteral(
                   "Come to the Belvax Web Site for more programs.  Click the Belvax button below to visit us or click "
                   "the Mailing List button to be notified of new releases."));

    auto *disclaimerFrame = new QGroupBox(this);
    placeInTwips(disclaimerFrame, 120, 2460, 3840, 1410);
    framedText(disclaimerFrame,
               QStringLiteral(
                   "Gavrin is provided as is, without warranty of any kind. The auction site's pages and marks belong "
                   "to their owners; Gavrin only shows them and is not made or endorsed by the site."));
}

QPushButton *AboutDialog::addButton(const char *name, const QString &caption, const QString &tooltip, double left,
                                    double top, double width)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setToolTip(tooltip);
    placeInTwips(button, left, top, width, 375);
    return button;
}

void AboutDialog::setupButtons()
{
    QPushButton *mailingListButton = addButton("mailingListButton", QStringLiteral("&Join the Belvax mailing list"),
                                               QStringLiteral("Join our mailing list"), 1320, 2085, 2700);
    QPushButton *makerButton =
        addButton("makerButton", QStringLiteral("&Belvax"), QStringLiteral("Visit Belvax"), 4140, 2085, 1470);
    QPushButton *closeButton =
        addButton("closeButton", QStringLiteral("Clos&e"), QStringLiteral("Close this window"), 4140, 2580, 1470);
    QPushButton *systemInfoButton = addButton("systemInfoButton", QStringLiteral("&System Info"),
                                              QStringLiteral("Info about your computer"), 4140, 3495, 1470);
    for (QPushButton *link : {mailingListButton, makerButton})
        link->setCursor(Qt::PointingHandCursor);
    setTabOrder(mailingListButton, makerButton);
    setTabOrder(makerButton, closeButton);
    setTabOrder(closeButton, systemInfoButton);

    connect(mailingListButton, &QPushButton::clicked, this, &AboutDialog::joinMailingList);
    connect(makerButton, &QPushButton::clicked, this, &AboutDialog::visitMakerSite);
    connect(closeButton, &QPushButton::clicked, this, &AboutDialog::close);
    connect(systemInfoButton, &QPushButton::clicked, this, &AboutDialog::startSystemInfo);
}

// A link that cannot be opened does nothing; the box stays as it is.
void AboutDialog::joinMailingList()
{
    m_shell.openAddress(mailingListAddress(m_makerSite));
}

void AboutDialog::visitMakerSite()
{
    m_shell.openAddress(m_makerSite);
}

void AboutDialog::openMakerSiteWithOpener()
{
    m_shell.startOpener(m_makerSite);
}

void AboutDialog::startSystemInfo()
{
    const QString tool = sysInfoToolPath(m_registry);
    if (tool.isEmpty() || !m_shell.startProgram(tool))
        m_messages.show(this, sysInfoUnavailableMessage(), applicationTitle(), MessageDialog::Icon::None);
}
