// The menu bar. Entries carry access keys only, no shortcut keys.
#include "app/frmMain.h"

#include <QMenuBar>

namespace {

QAction *addEntry(QMenu *menu, const QString &caption, frmMain *window, void (frmMain::*handler)())
{
    QAction *entry = menu->addAction(caption);
    QObject::connect(entry, &QAction::triggered, window, handler);
    return entry;
}

} // namespace

void frmMain::setupMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuOpen = mnuFile->addAction(QStringLiteral("&Open Saved Item"));
    mnuSave = mnuFile->addAction(QStringLiteral("&Save Current Item"));
    addEntry(mnuFile, QStringLiteral("&Close Program"), this, &frmMain::mnuClose_Click);

    QMenu *mnuNavigate = menuBar()->addMenu(QStringLiteral("&Navigate"));
    addEntry(mnuNavigate, QStringLiteral("Go &Back"), this, &frmMain::mnuBack_Click);
    addEntry(mnuNavigate, QStringLiteral("&Go Forward"), this, &frmMain::mnuForward_Click);
    addEntry(mnuNavigate, QStringLiteral("&Stop Current Tab"), this, &frmMain::mnuStop_Click);
    addEntry(mnuNavigate, QStringLiteral("&Refresh Current Tab"), this, &frmMain::mnuRefresh_Click);
    addEntry(mnuNavigate, QStringLiteral("&eBay Home Page"), this, &frmMain::mnuHome_Click);
    addEntry(mnuNavigate, QStringLiteral("E&nter Url"), this, &frmMain::mnuEnter_Click);

    QMenu *mnuServices = menuBar()->addMenu(QStringLiteral("&Services"));
    addEntry(mnuServices, QStringLiteral("&My eBay"), this, &frmMain::mnuMy_Click);
    addEntry(mnuServices, QStringLiteral("&Sell an Item"), this, &frmMain::mnuSell_Click);
    addEntry(mnuServices, QStringLiteral("Make &Credit Card Payment"), this, &frmMain::mnuCredit_Click);
    addEntry(mnuServices, QStringLiteral("&Post Non-Paying Bidder Alert"), this, &frmMain::mnuPost_Click);
    addEntry(mnuServices, QStringLiteral("Mes&sage Board"), this, &frmMain::mnuMsgBoard_Click);
    mnuServices->addSeparator();
    mnuSearch = addEntry(mnuServices, QStringLiteral("Search for an &Item"), this, &frmMain::mnuSearch_Click);
    mnuServices->addSeparator();
    QMenu *mnuSpecific = mnuServices->addMenu(QStringLiteral("Specific Search"));
    addEntry(mnuSpecific, QStringLiteral("&By Seller"), this, &frmMain::mnuSearchSeller_Click);
    addEntry(mnuSpecific, QStringLiteral("B&y Bidder"), this, &frmMain::mnuBidder_Click);
    addEntry(mnuSpecific, QStringLiteral("By &Completed Items"), this, &frmMain::mnuCompleted_Click);
    addEntry(mnuSpecific, QStringLiteral("&International Search"), this, &frmMain::mnuInternational_Click);

    QMenu *mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    addEntry(mnuHelp, QStringLiteral("&Contents"), this, &frmMain::mnuContents_Click);
    mnuAbout = addEntry(mnuHelp, QStringLiteral("&About"), this, &frmMain::mnuAbout_Click);
    addEntry(mnuHelp, QStringLiteral("&Belvax Web Site"), this, &frmMain::mnuBelvax_Click);
}
