// SPDX-License-Identifier: GPL-3.0-or-later
// What the connection doctor tells a user: the cable and what holds it, what
// is known of its chip, and advice that reads as whole sentences in either
// language.

#include "PortDirectory.h"
#include "PortDoctor.h"
#include "SerialPorts.h"

#include "Language.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestPortDoctor : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_settings;

private slots:
    void initTestCase()
    {
        // No cable kept in the user's own settings stands for a COM here.
        QVERIFY(m_settings.isValid());
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        for (int n = 1; n <= PortNames::kLastPort; ++n)
            qunsetenv(QByteArray("QV3N_COM") + QByteArray::number(n));
    }
    void cleanup() { applyUiLanguage(false); }

    // A radio that never answered: the checks, each a whole line, then the
    // chip's known trouble, then the devices present, each a whole sentence
    // (no list of devices inside a check, no stop inside a bracket).
    void theSilentRadioAdviceReadsWhole_data()
    {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<bool>("cablesPresent");
        QTest::addColumn<QString>("expected");   // %1: the folder of the devices
        const QString checks = QStringLiteral(
            "The radio did not answer on %1/ttyUSB1. Check that:\n"
            "- the cable's plug is pushed fully into the radio's jack;\n"
            "- the radio is switched on;\n"
            "- the port chosen is the programming cable's (the serial devices present are listed below);\n"
            "- the driver of the cable's adapter chip is installed.\n");
        const QString checksZh = QStringLiteral(
            "对讲机在 %1/ttyUSB1 上没有应答。请检查：\n"
            "- 写频线插头已完全插入对讲机的插孔；\n"
            "- 对讲机已开机；\n"
            "- 所选端口就是写频线的端口（现有的串口设备列在下面）；\n"
            "- 写频线转换芯片的驱动程序已安装。\n");
        QTest::newRow("English, two cables, an old PL2303 silent")
            << false << true
            << checks + QStringLiteral(
                   "Prolific PL2303 chips of the older kinds (HXA, XA) and counterfeit ones lose bytes or are refused "
                   "by Prolific's current drivers (on Windows the port then shows code 10): a cable with a WCH CH340, "
                   "Silicon Labs CP210x, FTDI or current PL2303 (GC, GS, GT) chip avoids that.\n"
                   "Serial devices present: COM1 is %1/ttyUSB0 (WCH CH340, USB 1a86:7523, no serial number, "
                   "/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0); COM2 is %1/ttyUSB1 (Prolific PL2303, USB "
                   "067b:2303, serial number 0042).");
        QTest::newRow("English, nothing present")
            << false << false
            << checks + QStringLiteral("No serial device is present: the cable is not plugged in, or its adapter has "
                                       "no driver.");
        QTest::newRow("Chinese, two cables, an old PL2303 silent")
            << true << true
            << checksZh + QStringLiteral(
                   "旧型号（HXA、XA）和仿冒的 Prolific PL2303 芯片会丢失字节，或被 Prolific 现行驱动拒绝（在 Windows "
                   "上端口会显示代码 10）：改用 WCH CH340、Silicon Labs CP210x、FTDI 或现行 PL2303（GC、GS、GT）芯片的"
                   "写频线即可避免。\n"
                   "现有的串口设备：COM1 为 %1/ttyUSB0（WCH CH340，USB 1a86:7523，无序列号，"
                   "/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0）；COM2 为 %1/ttyUSB1（Prolific PL2303，USB "
                   "067b:2303，序列号 0042）。");
        QTest::newRow("Chinese, nothing present")
            << true << false << checksZh + QStringLiteral("没有任何串口设备：写频线未插上，或其转换器没有驱动程序。");
    }
    void theSilentRadioAdviceReadsWhole()
    {
        QFETCH(bool, chinese);
        QFETCH(bool, cablesPresent);
        QFETCH(QString, expected);
        QTemporaryDir dev;
        QList<SerialPort> present;
        if (cablesPresent) {
            for (const char* name : { "ttyUSB0", "ttyUSB1" }) {
                QFile device(dev.filePath(QLatin1String(name)));
                QVERIFY(device.open(QIODevice::WriteOnly));
            }
            present = { { dev.filePath(QStringLiteral("ttyUSB1")), {}, true, 0x067b, 0x2303, QStringLiteral("0042"), {} },
                        { dev.filePath(QStringLiteral("ttyUSB0")),
                          QStringLiteral("/dev/serial/by-id/usb-1a86_USB_Serial-if00-port0"), true, 0x1a86, 0x7523, {},
                          QStringLiteral("USB Serial") } };
        }
        // No chip plugged in without a serial device, whatever this machine has.
        QTemporaryDir system;
        const SystemFolders folders { system.filePath(QStringLiteral("proc")), system.filePath(QStringLiteral("usb")) };
        applyUiLanguage(chinese);

        const QString text = PortDoctor::silentRadio(dev.filePath(QStringLiteral("ttyUSB1")),
                                                     PortDirectory([present] { return present; }), folders);
        QCOMPARE(text, expected.arg(dev.path()));
    }

    // The doctor names what keeps a cable from the program, and its fix,
    // without asking anyone to remove a screen reader.
    void theDoctorNamesTheCableAndWhatHoldsIt_data()
    {
        QTest::addColumn<QString>("usbDevice");       // vendor:product of a chip plugged in, or empty
        QTest::addColumn<bool>("withSerialDevice");   // the system made a serial device of it
        QTest::addColumn<QString>("holder");          // the program holding the chip's USB node, or empty
        QTest::addColumn<QString>("advice");          // what the doctor says; empty: nothing
        QTest::newRow("a PL2303 the system refuses") << "067b:2303" << false << ""
                                                     << "Prolific PL2303 chip (USB 067b:2303) is plugged in, but the system "
                                                        "made no serial device of it. The system's driver refuses it: "
                                                        "an old or counterfeit chip";
        QTest::newRow("a CH340 that brltty has taken") << "1a86:7523" << false << "brltty"
                                                       << "grep -v '1a86/7523' /usr/lib/udev/rules.d/85-brltty.rules";
        QTest::newRow("a CH341 without its driver") << "1a86:5523" << false << "" << "Its driver is missing";
        QTest::newRow("a CP210x at work") << "10c4:ea60" << true << "" << "";
        QTest::newRow("a chip of no programming cable") << "046d:c52b" << false << "" << "";
    }
    void theDoctorNamesTheCableAndWhatHoldsIt()
    {
        QFETCH(QString, usbDevice);
        QFETCH(bool, withSerialDevice);
        QFETCH(QString, holder);
        QFETCH(QString, advice);
        QTemporaryDir system;
        const SystemFolders folders { system.filePath(QStringLiteral("proc")), system.filePath(QStringLiteral("usb")) };
        const QString device = folders.usbDevices + QStringLiteral("/1-1.4");
        QVERIFY(QDir().mkpath(device + (withSerialDevice ? QStringLiteral("/1-1.4:1.0/ttyUSB0") : QString())));
        auto put = [](const QString& path, const QString& text) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(text.toLatin1()) == text.size();
        };
        QVERIFY(put(device + QStringLiteral("/idVendor"), usbDevice.section(QLatin1Char(':'), 0, 0) + '\n'));
        QVERIFY(put(device + QStringLiteral("/idProduct"), usbDevice.section(QLatin1Char(':'), 1) + '\n'));
        QVERIFY(put(device + QStringLiteral("/busnum"), QStringLiteral("1\n")));
        QVERIFY(put(device + QStringLiteral("/devnum"), QStringLiteral("5\n")));
        QVERIFY(QDir().mkpath(folders.processes + QStringLiteral("/4242/fd")));
        QVERIFY(put(folders.processes + QStringLiteral("/4242/comm"), QStringLiteral("sshd\n")));
        if (!holder.isEmpty()) {
            QVERIFY(QDir().mkpath(folders.processes + QStringLiteral("/4243/fd")));
            QVERIFY(put(folders.processes + QStringLiteral("/4243/comm"), holder + '\n'));
            QVERIFY(QFile::link(QStringLiteral("/dev/bus/usb/001/005"), folders.processes + QStringLiteral("/4243/fd/7")));
        }

        const QStringList lines = PortDoctor::chipsWithoutPort(folders);
        QCOMPARE(lines.size(), advice.isEmpty() ? 0 : 1);
        if (advice.isEmpty())
            return;
        QVERIFY2(lines.first().contains(advice), qPrintable(lines.first()));
        for (const char* word : { "uninstall", "apt", "remove", "purge" })
            QVERIFY2(!lines.first().contains(QLatin1String(word)), qPrintable(lines.first()));
    }

    // A program that holds the port is named, with the fix for that program.
    void theProgramHoldingThePortIsNamed_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("advice");
        QTest::newRow("ModemManager probing") << "ModemManager" << "sudo systemctl stop ModemManager";
        QTest::newRow("brltty on a CH340") << "brltty" << "grep -v '1a86/7523'";
        QTest::newRow("a terminal") << "minicom" << "Another program is using the port: minicom (process 77).";
    }
    void theProgramHoldingThePortIsNamed()
    {
        QFETCH(QString, program);
        QFETCH(QString, advice);
        const SerialPort ch340 { QStringLiteral("/dev/ttyUSB0"), {}, true, 0x1a86, 0x7523, {}, {} };
        const QString text = PortDoctor::holdersAdvice({ { program, QStringLiteral("77") } }, ch340);
        QVERIFY2(text.contains(advice), qPrintable(text));
        QVERIFY2(!text.contains(QLatin1String("remove")) && !text.contains(QLatin1String("uninstall")), qPrintable(text));
    }

    // What is known to go wrong with a cable's chip.
    void chipTroublesAreNamed_data()
    {
        QTest::addColumn<int>("vendorId");
        QTest::addColumn<int>("productId");
        QTest::addColumn<QString>("advice");
        QTest::newRow("PL2303 of the old kinds") << 0x067b << 0x2303 << "counterfeit ones lose bytes";
        QTest::newRow("current PL2303GT") << 0x067b << 0x23c3 << "";
        QTest::newRow("FTDI disabled by its driver") << 0x0403 << 0x0000 << "counterfeit chip that an FTDI driver has disabled";
        QTest::newRow("CH340") << 0x1a86 << 0x7523 << "";
    }
    void chipTroublesAreNamed()
    {
        QFETCH(int, vendorId);
        QFETCH(int, productId);
        QFETCH(QString, advice);
        const QString text = PortDoctor::chipAdvice({ QStringLiteral("/dev/ttyUSB0"), {}, true, quint16(vendorId),
                                                      quint16(productId), {}, {} });
        QCOMPARE(text.isEmpty(), advice.isEmpty());
        QVERIFY2(text.contains(advice), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestPortDoctor)
#include "tst_port_doctor.moc"
