#pragma once

#include <QWidget>

class MessageDialog;
class PictureBox;
class QGroupBox;
class QLabel;
class QPushButton;
class Registry;
class Shell;

// The about box: title and version, links to the maker's pages and a
// launcher for the system information tool. It reads nothing from the other
// windows and changes nothing in them.
class frmAbout final : public QWidget
{
    Q_OBJECT

public:
    frmAbout(const QString &makerSite, Shell &shell, Registry &registry, MessageDialog &messages);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void picIcon_Click();
    void Image1_Click();
    void StartSysInfo();

    PictureBox *picIcon = nullptr;
    PictureBox *Image1 = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;

private:
    void Form_Load();
    void setupPictures();
    void setupTexts();
    void setupButtons();
    QPushButton *addButton(const QString &caption, const QString &tooltip, double left, double top, double width);

    QString m_makerSite;
    Shell &m_shell;
    Registry &m_registry;
    MessageDialog &m_messages;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
};
