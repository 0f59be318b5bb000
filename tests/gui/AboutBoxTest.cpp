#include "MainWindowFixture.h"

#include "about/frmAbout.h"
#include "platform/PictureBox.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kMaker = "http://maker.test";
const QString kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

QList<frmAbout *> openAboutBoxes()
{
    QList<frmAbout *> found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *about = qobject_cast<frmAbout *>(window); about && about->isVisible())
            found << about;
    }
    return found;
}

} // namespace

class AboutBoxTest : public QObject
{
    Q_OBJECT

private:
    RecordingShell m_shell;
    FakeRegistry m_registry;
    RecordingMessageDialog m_messages;

    frmAbout *openBox()
    {
        m_shell = RecordingShell();
        m_registry = FakeRegistry();
        m_messages = RecordingMessageDialog();
        auto *box = new frmAbout(kMaker, m_shell, m_registry, m_messages);
        box->show();
        return box;
    }

private slots:
    void cleanup()
    {
        for (frmAbout *open : openAboutBoxes())
            delete open;
    }

    void showsTitleVersionAndTexts()
    {
        frmAbout *box = openBox();
        QCOMPARE(box->windowTitle(), QString("About Gavrin"));
        QCOMPARE(box->lblTitle->text(), QString("Gavrin"));
        QCOMPARE(box->lblVersion->text(), QString("Version 1.0.0"));
        QCOMPARE(box->lblDescription->text(),
                 QString("Come to the Belvax Web Site for more programs.  Click the Belvax button below to visit us "
                         "or click the Mailing List button to be notified of new releases."));
        QVERIFY(!box->lblDisclaimer->text().isEmpty());
        QCOMPARE(box->Command1->toolTip(), QString("Join our mailing list"));
        QCOMPARE(box->Command4->text(), QString("&System Info"));
        QCOMPARE(box->minimumSize(), box->maximumSize());
        for (QWidget *link : {static_cast<QWidget *>(box->picIcon), static_cast<QWidget *>(box->Image1),
                              static_cast<QWidget *>(box->Command1), static_cast<QWidget *>(box->Command2)})
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(box->Command3->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(box->Command1->nextInFocusChain(), box->Command2);
        QCOMPARE(box->Command3->nextInFocusChain(), box->Command4);
    }

    void linksOpenTheMakersPagesAndLeaveTheBoxOpen()
    {
        frmAbout *box = openBox();
        QTest::mouseClick(box->Command1, Qt::LeftButton);
        QTest::mouseClick(box->Command2, Qt::LeftButton);
        QTest::mouseClick(box->picIcon, Qt::LeftButton);
        QTest::mouseClick(box->Image1, Qt::LeftButton);
        QCOMPARE(m_shell.opened, QStringList({kMaker + "/Pages/ListBot.html", kMaker, kMaker}));
        QCOMPARE(m_shell.openerStarted, QStringList{kMaker});

        m_shell.works = false;
        box->Command1_Click();
        box->Image1_Click();
        QVERIFY(m_messages.shown.isEmpty());
        QVERIFY(box->isVisible());
    }

    void systemInfoStartsTheRegisteredTool()
    {
        frmAbout *box = openBox();
        m_registry.setText(kToolKey, "PATH", "/opt/msinfo");
        QTest::mouseClick(box->Command4, Qt::LeftButton);
        QCOMPARE(m_shell.started, QStringList{"/opt/msinfo"});
        QVERIFY(m_messages.shown.isEmpty());
    }

    void systemInfoThatCannotStartSaysSo_data()
    {
        QTest::addColumn<bool>("registered");
        QTest::newRow("nothing registered") << false;
        QTest::newRow("start fails") << true;
    }
    void systemInfoThatCannotStartSaysSo()
    {
        QFETCH(bool, registered);
        frmAbout *box = openBox();
        if (registered)
            m_registry.setText(kToolKey, "PATH", "/no/such/tool");
        m_shell.works = false;
        box->Command4_Click();
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown[0].text, QString("System Information Is Unavailable At This Time"));
        QCOMPARE(m_messages.shown[0].title, QString("Gavrin"));
        QCOMPARE(m_messages.shown[0].icon, MessageDialog::Icon::None);
        QVERIFY(box->isVisible());
    }

    void aMissingProgramDoesNotStart()
    {
        QtShell shell;
        QVERIFY(!shell.startProgram("/no/such/folder/msinfo32"));
    }

    void mainWindowKeepsOneBoxUntilClosed()
    {
        MainWindowFixture f;
        f.window->mnuAbout_Click();
        f.window->mnuAbout_Click();
        QCOMPARE(openAboutBoxes().size(), 1);
        QPointer<frmAbout> box = openAboutBoxes().first();
        box->Command3_Click();
        QTRY_VERIFY(box.isNull());
        f.window->mnuAbout_Click();
        QCOMPARE(openAboutBoxes().size(), 1);
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
