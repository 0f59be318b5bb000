#pragma once

#include <QWidget>

class MessageDialog;
class QPushButton;
class Registry;
class Shell;

// The about box: title and version, links to the maker's pages and a
// launcher for the system information tool. It reads nothing from the other
// windows and changes nothing in them.
class AboutDialog final : public QWidget
{
    Q_OBJECT

public:
    AboutDialog(const QString &makerSite, Shell &shell, Registry &registry, MessageDialog &messages);

private:
    void joinMailingList();
    void visitMakerSite();
    void openMakerSiteWithOpener();
    void startSystemInfo();
    void setupPictures();
    void setupTexts();
    void setupButtons();
    QPushButton *addButton(const char *name, const QString &caption, const QString &tooltip, double left, double top,
                           double width);

    QString m_makerSite;
    Shell &m_shell;
    Registry &m_registry;
    MessageDialog &m_messages;
};
