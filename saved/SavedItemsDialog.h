#pragma once

#include <QDialog>

class MessageDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
struct FileFailure;
struct SavedItemsRead;

// "Saved Watch Items": the user's saved items, read from "index.dat" when the
// dialog starts and written back only by "Cl&ose Me", and only when changed,
// keeping what another copy of the program saved meanwhile. An installed program
// reads an old file beside the executable and saves to the user's data folder,
// so the file read and the file written may differ. Not modal and without
// owner, so it is used beside the main window; it asks for an item to be
// watched through watchRequested().
class SavedItemsDialog final : public QDialog
{
    Q_OBJECT

public:
    SavedItemsDialog(const QString &readPath, const QString &savePath, MessageDialog &messages);

    // Shows the dialog and reads the file.
    void start();
    // The number box, as "Save the current item" fills it.
    void setItemNumber(const QString &itemNumber);
    // Goes without its closing steps, so nothing is written: the program has ended.
    void discard();

signals:
    void watchRequested(const QString &itemNumber);

protected:
    // Closing by any way but "Cl&ose Me" drops every change.
    void closeEvent(QCloseEvent *event) override;
    // Esc presses "&Cancel".
    void reject() override;

private:
    void setupControls();
    QLabel *addLabel(const QString &caption, double left, double width);
    QLineEdit *addTextBox(const char *name, const QString &tooltip, double left);
    QPushButton *addButton(const char *name, const QString &caption, const QString &tooltip, double top);
    QStringList entries() const;
    void updateSaveButton();
    void saveTypedItem();
    void selectionChanged();
    void watchSelectedItem();
    void watchChosenItem();
    // "&Remove": the selected entry goes; with none selected the user is told to select one.
    void removeSelectedItem();
    void writeAndClose();
    void writeChanges();
    void tellReadFailure(const SavedItemsRead &read);
    void showFailure(const FileFailure &failure, const QString &consequence = QString());

    QString m_readPath;
    QString m_savePath;
    MessageDialog &m_messages;
    QGroupBox *m_frame = nullptr;
    QLineEdit *m_numberBox = nullptr;
    QLineEdit *m_descriptionBox = nullptr;
    QListWidget *m_itemList = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_removeButton = nullptr;
    QPushButton *m_watchButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_closeButton = nullptr;
    // The item number of the entry selected last; it outlives the entry's removal.
    QString m_lastSelectedNumber;
    // The list as read, in list order.
    QStringList m_readEntries;
    // The file holds items the list does not: writing it back would cut them.
    bool m_fileReadInPart = false;
};
