#include "saved/Form2.h"

#include "app/frmMain.h"
#include "platform/ClassicLook.h"
#include "platform/MessageDialog.h"
#include "platform/TextBox.h"
#include "platform/TwipsGeometry.h"
#include "saved/SavedItemsFile.h"
#include "saved/core/SavedEntries.h"
#include "saved/core/SavedItemsCodec.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

constexpr double kClientWidthTwips = 5565;
constexpr double kClientHeightTwips = 3330;

} // namespace

Form2::Form2(frmMain &main)
    : QDialog(nullptr, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint)
    , m_main(main)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Saved Watch Items"));
    setFont(classicFont(QStringLiteral("Tahoma"), 8.25));
    setupControls();
    setFixedSize(twipsToPixelsX(this, kClientWidthTwips), twipsToPixelsY(this, kClientHeightTwips));

    // The program ends with the main window; this dialog goes with it without
    // its closing steps, so nothing is written.
    connect(&main, &frmMain::programEnded, this, &Form2::mainWindowEnded);
    connect(&main, &QObject::destroyed, this, &Form2::mainWindowEnded);
}

void Form2::setupControls()
{
    Frame1 = new QGroupBox(this);
    placeInTwips(Frame1, 90, 0, 5400, 3255);

    Label1 = addLabel(QStringLiteral("Item Number"), 240, 1575);
    Label2 = addLabel(QStringLiteral("Item Desription"), 2160, 1815);
    Text1 = addTextBox(QStringLiteral("Item Watch Number"), 240);
    Text2 = addTextBox(QStringLiteral("Enter a brief description"), 2160);

    List1 = new QListWidget(Frame1);
    List1->setToolTip(QStringLiteral("Double click to add item to watch"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setUniformItemSizes(true);
    placeInTwips(List1, 240, 960, 3735, 1980);

    cmdAdd = addButton(QStringLiteral("&Save"), QStringLiteral("Save this item"), 585);
    cmdRemove = addButton(QStringLiteral("&Remove"), QStringLiteral("Remove selected item"), 1095);
    Command2 = addButton(QStringLiteral("&Watch"), QStringLiteral("Add selected item to Watch"), 1605);
    cmdCancel = addButton(QStringLiteral("&Cancel"), QStringLiteral("Cancel all"), 2130);
    cmdOk = addButton(QStringLiteral("Cl&ose Me"), QStringLiteral("Close this window"), 2640);

    connect(Text1, &QLineEdit::textChanged, this, &Form2::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Form2::Text2_Change);
    connect(List1, &QListWidget::itemSelectionChanged, this, &Form2::List1_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &Form2::List1_DblClick);
    connect(cmdAdd, &QPushButton::clicked, this, &Form2::cmdAdd_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &Form2::cmdRemove_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &Form2::cmdCancel_Click);
    connect(cmdOk, &QPushButton::clicked, this, &Form2::cmdOk_Click);
}

QLabel *Form2::addLabel(const QString &caption, double left, double width)
{
    auto *label = new QLabel(caption, Frame1);
    label->setFont(classicFont(QStringLiteral("Arial"), 9.75));
    setDarkBlueText(label);
    placeInTwips(label, left, 360, width, 255);
    return label;
}

QLineEdit *Form2::addTextBox(const QString &tooltip, double left)
{
    auto *box = new QLineEdit(Frame1);
    box->setToolTip(tooltip);
    placeInTwips(box, left, 600, 1815, 285);
    return box;
}

QPushButton *Form2::addButton(const QString &caption, const QString &tooltip, double top)
{
    auto *button = new QPushButton(caption, Frame1);
    button->setToolTip(tooltip);
    placeInTwips(button, 4080, top, 1000, 325);
    return button;
}

QStringList Form2::entries() const
{
    QStringList shown;
    shown.reserve(List1->count());
    for (int row = 0; row < List1->count(); ++row)
        shown << List1->item(row)->text();
    return shown;
}

void Form2::showFailure(const FileFailure &failure, const QString &consequence)
{
    m_main.messages()->show(this, QStringLiteral("%1 %2%3").arg(failure.code).arg(failure.description, consequence),
                            QStringLiteral("Error"), MessageDialog::Icon::Exclamation);
}

void Form2::Form_Load()
{
    show();
    cmdAdd->setEnabled(false);
    cmdRemove->setEnabled(false);
    Command2->setEnabled(false);
    cmdOk->setDefault(true);

    SavedItemsRead read = read_saved_items(m_main.programFilePath(savedItemsFileName()));
    sortEntries(read.entries);
    List1->addItems(read.entries);
    m_fileReadInPart = read.partial;
    if (read.partial && !read.failure) {
        m_main.messages()->show(this,
                                QStringLiteral("%1 holds more than %2 items; changes are not saved")
                                    .arg(savedItemsFileName())
                                    .arg(kMaxSavedItems),
                                QStringLiteral("Error"), MessageDialog::Icon::Exclamation);
    } else if (read.failure) {
        showFailure(*read.failure,
                    read.partial ? QStringLiteral("; %1 was not read to its end; changes are not saved")
                                       .arg(savedItemsFileName())
                                 : QString());
    }
    Text2->setFocus();
}

void Form2::updateSaveButton()
{
    const bool typed = !Text1->text().isEmpty() || !Text2->text().isEmpty();
    cmdAdd->setEnabled(typed);
    (typed ? cmdAdd : cmdOk)->setDefault(true);
}

void Form2::Text1_Change()
{
    updateSaveButton();
}

void Form2::Text2_Change()
{
    updateSaveButton();
}

void Form2::cmdAdd_Click()
{
    // A full list takes no more; the typed text stays in the boxes.
    if (List1->count() >= kMaxSavedItems)
        return;
    const QString entry = composeEntry(Text1->text(), Text2->text());
    const int row = sortedInsertPosition(List1->count(), [this](int at) { return List1->item(at)->text(); }, entry);
    List1->insertItem(row, entry);
    Text1->clear();
    Text2->clear();
}

void Form2::List1_Click()
{
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    cmdRemove->setEnabled(!selected.isEmpty());
    Command2->setEnabled(!selected.isEmpty());
    if (!selected.isEmpty())
        Text3 = itemNumberOfEntry(selected.first()->text());
}

void Form2::watchSelectedItem()
{
    m_main.txtItem->setText(Text3);
    m_main.cmdOK->click();
}

void Form2::List1_DblClick()
{
    watchSelectedItem();
}

void Form2::Command2_Click()
{
    if (!List1->selectedItems().isEmpty()) {
        watchSelectedItem();
        return;
    }
    m_main.messages()->show(this, QStringLiteral("Select An Item To Watch!"), QStringLiteral("Nothing Selected"),
                            MessageDialog::Icon::None);
    List1->setCurrentRow(-1);
}

void Form2::cmdRemove_Click()
{
    cmdRemove->setEnabled(false);
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    if (selected.isEmpty()) {
        m_main.messages()->show(this, QStringLiteral("Select An Item To Remove!"), QStringLiteral("Nothing Selected"),
                                MessageDialog::Icon::None);
        List1->setCurrentRow(-1);
        return;
    }
    // Removing leaves nothing selected without counting as a change of the
    // selection: Watch stays enabled and then tells the user to select one.
    const QSignalBlocker quiet(List1);
    delete List1->takeItem(List1->row(selected.first()));
    List1->setCurrentRow(-1);
}

void Form2::cmdCancel_Click()
{
    close();
}

void Form2::cmdOk_Click()
{
    // The user was told when the dialog opened that nothing would be saved.
    if (!m_fileReadInPart) {
        if (const auto failure = write_saved_items(m_main.programFilePath(savedItemsFileName()), entries()))
            showFailure(*failure);
    }
    close();
}

void Form2::reject()
{
    cmdCancel->click();
}

void Form2::closeEvent(QCloseEvent *event)
{
    event->accept();
}

void Form2::mainWindowEnded()
{
    delete this;
}
