// The port dialog: which COM the link opens next, and what it stands for.

#include "link/Form_Comm_Read.h"
#include "shell/Form_setup.h"
#include "shell/MDImain.h"
#include "ui/Prompt.h"

#include "CommPort.h"
#include "PortNames.h"
#include "VirtualRadio.h"

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

class TestFormSetup : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        for (int n = 1; n <= Form_setup::kPorts; ++n)
            qunsetenv(QByteArray("QV3N_COM") + QByteArray::number(n));
        LinkTimings quick;
        quick.sendDelayMs = 1;
        LinkWindow::overrideTimings(quick);
        m_main = new MDImain;
        m_main->start();
        m_messages.clear();
        Prompt::setHandler([this](const Prompt::Message& message) {
            m_messages.append(message);
            return QMessageBox::Ok;
        });
    }
    void cleanup()
    {
        Prompt::setHandler({});
        delete m_main;
        LinkWindow::overrideTimings(std::nullopt);
    }

    void opensOnThePortInUse()
    {
        m_main->port().setCommPortNumber(3);
        qputenv("QV3N_COM2", "/tmp/qv3n-radio");
        auto* dialog = openDialog();
        for (int n = 1; n <= Form_setup::kPorts; ++n) {
            auto* option = dialog->findChild<QRadioButton*>(QStringLiteral("Option%1").arg(n));
            QCOMPARE(option->text(), QStringLiteral("COM%1").arg(n));
            QCOMPARE(option->isChecked(), n == 3);
        }
        QCOMPARE(dialog->findChild<QLabel*>("Label_device2")->text(), QStringLiteral("/tmp/qv3n-radio"));
        const QString eighth = PortNames::deviceFor(8);
        QCOMPARE(dialog->findChild<QLabel*>("Label_device8")->text(),
                 eighth.isEmpty() ? QStringLiteral("（无设备）") : eighth);
    }

    void confirmAndCancel_data()
    {
        QTest::addColumn<bool>("portError");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("confirm COM5") << false << true << 5 << false;
        QTest::newRow("confirm after a failed open") << true << true << 5 << true;
        QTest::newRow("cancel keeps COM1") << false << false << 1 << false;
        QTest::newRow("cancel after a failed open") << true << false << 1 << false;
    }
    void confirmAndCancel()
    {
        QFETCH(bool, portError);
        QFETCH(bool, confirm);
        QFETCH(int, port);
        QFETCH(bool, staysOpen);
        m_main->port().PortError = portError;
        QPointer<Form_setup> dialog = openDialog();
        QTest::mouseClick(dialog->findChild<QRadioButton*>("Option5"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>(confirm ? "Command_ok" : "Command1"), Qt::LeftButton);
        QCOMPARE(m_main->port().CommPortNumber(), port);
        QCOMPARE(m_main->panelText(3), QStringLiteral("COM%1").arg(port));
        if (staysOpen) {
            QTest::qWait(0);   // a close would be carried out here
            QVERIFY(dialog && m_main->window<Form_setup>());
            QTest::mouseClick(dialog->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        }
        QTRY_VERIFY(!dialog);
        QVERIFY(!m_main->window<Form_setup>());
    }

    void theNextReadOpensTheChosenPort()
    {
        VirtualRadio radio({});
        QVERIFY(radio.start(nullptr));
        qputenv("QV3N_COM1", "/nonexistent/qv3n-port");
        qputenv("QV3N_COM5", radio.portPath().toLocal8Bit());
        m_main->findChild<QAction*>("Prog_read")->trigger();
        auto* read = m_main->window<Form_Comm_Read>();
        read->findChild<QPushButton*>("Command_read")->click();
        QVERIFY(m_main->port().PortError);
        QCOMPARE(m_messages.size(), 1);

        QPointer<Form_setup> dialog = openDialog();
        dialog->findChild<QRadioButton*>("Option5")->click();
        dialog->findChild<QPushButton*>("Command_ok")->click();
        dialog->findChild<QPushButton*>("Command1")->click();
        QTRY_VERIFY(!dialog);

        QSignalSpy finished(read->engine(), &LinkEngine::finished);
        read->findChild<QPushButton*>("Command_read")->click();
        QVERIFY(!m_main->port().PortError);
        QVERIFY(finished.wait(30000));
        QCOMPARE(finished.at(0).at(0).value<LinkEngine::Outcome>(), LinkEngine::Outcome::Completed);
    }

private:
    Form_setup* openDialog()
    {
        m_main->findChild<QAction*>("proc_setup")->trigger();
        return m_main->window<Form_setup>();
    }

    MDImain* m_main = nullptr;
    QList<Prompt::Message> m_messages;
};

QTEST_MAIN(TestFormSetup)
#include "tst_form_setup.moc"
