// Opening the saved-items dialog, plain or with the item of the tab in front.
#include "app/frmMain.h"

#include "app/core/TrimData.h"
#include "app/core/WatchTabs.h"
#include "platform/TabStrip.h"
#include "platform/WindowPlacement.h"
#include "saved/Form2.h"

#include <QAction>
#include <QLineEdit>
#include <QToolButton>

void frmMain::setupSavedItems()
{
    connect(Command8, &QToolButton::clicked, this, &frmMain::Command8_Click);
    connect(Command9, &QToolButton::clicked, this, &frmMain::Command9_Click);
    connect(mnuSave, &QAction::triggered, this, &frmMain::mnuSave_Click);
    connect(mnuOpen, &QAction::triggered, this, &frmMain::mnuOpen_Click);
}

Form2 *frmMain::savedItemsDialog() const
{
    return m_Form2;
}

// One dialog at most; each creation reads the file anew.
Form2 *frmMain::reachSavedItemsDialog()
{
    if (!m_Form2) {
        m_Form2 = new Form2(*this);
        m_Form2->Form_Load();
    }
    return m_Form2;
}

void frmMain::Command9_Click()
{
    bringForward(reachSavedItemsDialog());
}

void frmMain::mnuOpen_Click()
{
    Command9_Click();
}

void frmMain::Command8_Click()
{
    const int tab = SSTab1->Tab();
    if (isWatchTab(tab) && SSTab1->TabCaption(tab) != availableCaption())
        reachSavedItemsDialog()->Text1->setText(trim_data(SSTab1->TabCaption(tab), 5, 0));
    Command9_Click();
}

void frmMain::mnuSave_Click()
{
    Command8_Click();
}
