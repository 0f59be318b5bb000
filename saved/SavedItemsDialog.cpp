#include "saved/SavedItemsDialog.h"

#include "platform/ClassicLook.h"
#include "platform/MessageDialog.h"
#include "platform/TwipsGeometry.h"
#include "saved/SavedItemsFile.h"
#include "saved/core/SavedEntries.h"
#include "saved/core/SavedItemsCodec.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

constexpr double kClientWidthTwips = 5565;
constexpr double kClientHeightTwips = 3330;

} // namespace

SavedItemsDialog::SavedItemsDialog(const QString &readPath, const QString &savePath, MessageDialog &messages)
    : QDialog(nullptr,
              Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowCloseButtonHint)
    , m_readPath(readPath)
    , m_savePath(savePath)
    , m_messages(messages)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Saved Watch Items"));
    setFont(classicFont(QStringLiteral("Tahoma"), 8.25));
    setupControls();
    setFixedSize(twipsToPixelsX(this, kClientWidthTwips), twipsToPixelsY(this, kClientHeightTwips));
}

void SavedItemsDialog::setupControls()
{
    m_frame = new QGroupBox(this);
    placeInTwips(m_frame, 90, 0, 5400, 3255);

    addLabel(QStringLiteral("Item Number"), 240, 1575);
    addLabel(QStringLiteral("Item Desription"), 2160, 1815);
    m_numberBox = addTextBox("numberBox", QStringLiteral("Item Watch Number"), 240);
    m_descriptionBox = addTextBox("descriptionBox", QStringLiteral("Enter a brief description"), 2160);

    m_itemList = new QListWidget(m_frame);
    m_itemList->setObjectName("itemList");
    m_itemList->setToolTip(QStringLiteral("Double click to add item to watch"));
    m_itemList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_itemList->setUniformItemSizes(true);
    placeInTwips(m_itemList, 240, 960, 3735, 1980);

    m_saveButton = addButton("saveButton", QStringLiteral("&Save"), QStringLiteral("Save this item"), 585);
    m_removeButton = addButton("removeButton", QStringLiteral("&Remove"), QStringLiteral("Remove selected item"), 1095);
    m_watchButton =
        addButton("watchButton", QStringLiteral("&Watch"), QStringLiteral("Add selected item to Watch"), 1605);
    m_cancelButton = addButton("cancelButton", QStringLiteral("&Cancel"), QStringLiteral("Cancel all"), 2130);
    m_closeButton = addButton("closeButton", QStringLiteral("Cl&ose Me"), QStringLiteral("Close this window"), 2640);

    connect(m_numberBox, &QLineEdit::textChanged, this, &SavedItemsDialog::updateSaveButton);
    connect(m_descriptionBox, &QLineEdit::textChanged, this, &SavedItemsDialog::updateSaveButton);
    connect(m_itemList, &QListWidget::itemSelectionChanged, this, &SavedItemsDialog::selectionChanged);
    connect(m_itemList, &QListWidget::itemDoubleClicked, this, &SavedItemsDialog::watchSelectedItem);
    connect(m_saveButton, &QPushButton::clicked, this, &SavedItemsDialog::saveTypedItem);
    connect(m_removeButton, &QPushButton::clicked, this, &SavedItemsDialog::removeSelectedItem);
    connect(m_watchButton, &QPushButton::clicked, this, &SavedItemsDialog::watchChosenItem);
    connect(m_cancelButton, &QPushButton::clicked, this, &SavedItemsDialog::close);
    connect(m_closeButton, &QPushButton::clicked, this, &SavedItemsDialog::writeAndClose);
}

QLabel *SavedItemsDialog::addLabel(const QString &caption, double left, double width)
{
    auto *label = new QLabel(caption, m_frame);
    label->setFont(classicFont(QStringLiteral("Arial"), 9.75));
    setDarkBlueText(label);
    placeInTwips(label, left, 360, width, 255);
    return label;
}

QLineEdit *SavedItemsDialog::addTextBox(const char *name, const QString &tooltip, double left)
{
    auto *box = new QLineEdit(m_frame);
    box->setObjectName(name);
    box->setToolTip(tooltip);
    placeInTwips(box, left, 600, 1815, 285);
    return box;
}

QPushButton *SavedItemsDialog::addButton(const char *name, const QString &caption, const QString &tooltip, double top)
{
    auto *button = new QPushButton(caption, m_frame);
    button->setObjectName(name);
    button->setToolTip(tooltip);
    placeInTwips(button, 4080, top, 1000, 325);
    return button;
}

QStringList SavedItemsDialog::entries() const
{
    QStringList shown;
    shown.reserve(m_itemList->count());
    for (int row = 0; row < m_itemList->count(); ++row)
        shown << m_itemList->item(row)->text();
    return shown;
}

void SavedItemsDialog::showFailure(const FileFailure &failure, const QString &consequence)
{
    m_messages.show(this, QStringLiteral("%1 %2%3").arg(failure.code).arg(failure.description, consequence),
                    QStringLiteral("Error"), MessageDialog::Icon::Exclamation);
}

void SavedItemsDialog::start()
{
    show();
    m_saveButton->setEnabled(false);
    m_removeButton->setEnabled(false);
    m_watchButton->setEnabled(false);
    m_closeButton->setDefault(true);

    SavedItemsRead read = readSavedItems(m_readPath);
    sortEntries(read.entries);
    m_itemList->addItems(read.entries);
    m_readEntries = read.entries;
    m_fileReadInPart = read.partial;
    tellReadFailure(read);
    m_descriptionBox->setFocus();
}

void SavedItemsDialog::tellReadFailure(const SavedItemsRead &read)
{
    if (read.partial && !read.failure) {
        m_messages.show(this,
                        QStringLiteral("%1 holds more than %2 items; changes are not saved")
                            .arg(savedItemsFileName())
                            .arg(kMaxSavedItems),
                        QStringLiteral("Error"), MessageDialog::Icon::Exclamation);
    } else if (read.failure) {
        showFailure(
            *read.failure,
            read.partial
                ? QStringLiteral("; %1 was not read to its end; changes are not saved").arg(savedItemsFileName())
                : QString());
    }
}

void SavedItemsDialog::updateSaveButton()
{
    const bool typed = !m_numberBox->text().isEmpty() || !m_descriptionBox->text().isEmpty();
    m_saveButton->setEnabled(typed);
    (typed ? m_saveButton : m_closeButton)->setDefault(true);
}

void SavedItemsDialog::setItemNumber(const QString &itemNumber)
{
    m_numberBox->setText(itemNumber);
}

void SavedItemsDialog::saveTypedItem()
{
    // A full list takes no more; the typed text stays in the boxes.
    if (m_itemList->count() >= kMaxSavedItems)
        return;
    const QString entry = composeEntry(m_numberBox->text(), m_descriptionBox->text());
    const int row = sortedInsertPosition(
        m_itemList->count(), [this](int at) { return m_itemList->item(at)->text(); }, entry);
    m_itemList->insertItem(row, entry);
    m_numberBox->clear();
    m_descriptionBox->clear();
}

void SavedItemsDialog::selectionChanged()
{
    const QList<QListWidgetItem *> selected = m_itemList->selectedItems();
    m_removeButton->setEnabled(!selected.isEmpty());
    m_watchButton->setEnabled(!selected.isEmpty());
    if (!selected.isEmpty())
        m_lastSelectedNumber = itemNumberOfEntry(selected.first()->text());
}

void SavedItemsDialog::watchSelectedItem()
{
    emit watchRequested(m_lastSelectedNumber);
}

void SavedItemsDialog::watchChosenItem()
{
    if (!m_itemList->selectedItems().isEmpty()) {
        watchSelectedItem();
        return;
    }
    m_messages.show(this, QStringLiteral("Select An Item To Watch!"), QStringLiteral("Nothing Selected"),
                    MessageDialog::Icon::None);
    m_itemList->setCurrentRow(-1);
}

void SavedItemsDialog::removeSelectedItem()
{
    m_removeButton->setEnabled(false);
    const QList<QListWidgetItem *> selected = m_itemList->selectedItems();
    if (selected.isEmpty()) {
        m_messages.show(this, QStringLiteral("Select An Item To Remove!"), QStringLiteral("Nothing Selected"),
                        MessageDialog::Icon::None);
        m_itemList->setCurrentRow(-1);
        return;
    }
    // Removing leaves nothing selected without counting as a change of the
    // selection: Watch stays enabled and then tells the user to select one.
    const QSignalBlocker quiet(m_itemList);
    delete m_itemList->takeItem(m_itemList->row(selected.first()));
    m_itemList->setCurrentRow(-1);
}

void SavedItemsDialog::writeAndClose()
{
    // The user was told when the dialog opened that nothing would be saved.
    // An unchanged list is not written: that would undo what another copy of
    // the program saved meanwhile.
    if (!m_fileReadInPart && entries() != m_readEntries)
        writeChanges();
    close();
}

void SavedItemsDialog::writeChanges()
{
    // Another copy of the program may have saved since the file was read;
    // what it saved stays beside this list's changes.
    const QString current = QFileInfo::exists(m_savePath) ? m_savePath : m_readPath;
    const SavedItemsRead now = readSavedItems(current);
    if (now.partial) {
        tellReadFailure(now);
        return;
    }
    // A file gone meanwhile (the only failure that reads no part) holds nothing to keep.
    const QStringList merged = now.failure ? entries() : mergeEntries(m_readEntries, entries(), now.entries);
    // The user's data folder does not exist before the first save there.
    QDir().mkpath(QFileInfo(m_savePath).absolutePath());
    if (const auto failure = writeSavedItems(m_savePath, merged))
        showFailure(*failure);
}

void SavedItemsDialog::reject()
{
    m_cancelButton->click();
}

void SavedItemsDialog::closeEvent(QCloseEvent *event)
{
    event->accept();
}

void SavedItemsDialog::discard()
{
    delete this;
}
