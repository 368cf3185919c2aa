#include "PortNames.h"

#include <QTest>

class TestPortNames : public QObject
{
    Q_OBJECT
private slots:
    void usbAdaptersComeFirstThenByName_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("numbered");
        QTest::newRow("linux") << QStringList{ "/dev/ttyS1", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyACM0", "/dev/ttyUSB0" }
                               << QStringList{ "/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyS1" };
        QTest::newRow("numbers by value") << QStringList{ "/dev/ttyS10", "/dev/ttyS2", "/dev/ttyUSB10", "/dev/ttyUSB9" }
                                          << QStringList{ "/dev/ttyUSB9", "/dev/ttyUSB10", "/dev/ttyS2", "/dev/ttyS10" };
        QTest::newRow("macos") << QStringList{ "/dev/cu.Bluetooth-Incoming-Port", "/dev/cu.usbserial-A1", "/dev/cu.usbmodem3" }
                               << QStringList{ "/dev/cu.usbmodem3", "/dev/cu.usbserial-A1", "/dev/cu.Bluetooth-Incoming-Port" };
    }
    void usbAdaptersComeFirstThenByName()
    {
        QFETCH(QStringList, present);
        QFETCH(QStringList, numbered);
        QCOMPARE(PortNames::ordered(present), numbered);
    }

#ifndef Q_OS_WIN
    void environmentNamesAPort()
    {
        qputenv("QV3N_COM3", "/tmp/my-radio");
        QCOMPARE(PortNames::deviceFor(3), QStringLiteral("/tmp/my-radio"));
        qunsetenv("QV3N_COM3");
        const QStringList present = PortNames::presentDevices();
        QCOMPARE(PortNames::deviceFor(3), present.value(2));
        QCOMPARE(PortNames::deviceFor(present.size() + 1), QString());
    }
#endif
};

QTEST_APPLESS_MAIN(TestPortNames)
#include "tst_port_names.moc"
