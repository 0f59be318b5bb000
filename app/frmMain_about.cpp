// Opening the about box.
#include "app/frmMain.h"

#include "about/frmAbout.h"
#include "platform/WindowPlacement.h"

void frmMain::mnuAbout_Click()
{
    if (!m_about)
        m_about = new frmAbout(m_services.site.makerSite, *m_services.shell, *m_services.registry,
                               *m_services.messages);
    bringForward(m_about);
}
