#pragma once

#include <QDialog>

class frmMain;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
struct FileFailure;

// "Saved Watch Items": the user's saved items, read from "index.dat" when the
// dialog is created and written back only by "Cl&ose Me". Not modal and
// without owner, so it is used beside the main window; it hands an item to
// the main window's watch command and goes when the main window goes.
class Form2 final : public QDialog
{
    Q_OBJECT

public:
    explicit Form2(frmMain &main);

    void Form_Load();
    void Text1_Change();
    void Text2_Change();
    void cmdAdd_Click();
    void List1_Click();
    void List1_DblClick();
    void Command2_Click();
    void cmdRemove_Click();
    void cmdCancel_Click();
    void cmdOk_Click();

    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QListWidget *List1 = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdRemove = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdOk = nullptr;

    QStringList entries() const;

protected:
    // Closing by any way but "Cl&ose Me" drops every change.
    void closeEvent(QCloseEvent *event) override;
    // Esc presses "&Cancel".
    void reject() override;

private:
    void setupControls();
    QLabel *addLabel(const QString &caption, double left, double width);
    QLineEdit *addTextBox(const QString &tooltip, double left);
    QPushButton *addButton(const QString &caption, const QString &tooltip, double top);
    void updateSaveButton();
    void watchSelectedItem();
    void showFailure(const FileFailure &failure, const QString &consequence = QString());
    void mainWindowEnded();

    frmMain &m_main;
    QGroupBox *Frame1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    // The item number of the entry selected last; it outlives the entry's removal.
    QString Text3;
    // The file holds items the list does not: writing it back would cut them.
    bool m_fileReadInPart = false;
};
