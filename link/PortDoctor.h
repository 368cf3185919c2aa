#pragma once

// Says, in the user's language, why the link could not reach the radio and
// what to check for that cause: a missing device, a port the user may not
// open, a port another program holds, or a radio that stays silent.

#include <QCoreApplication>
#include <QSerialPort>
#include <QString>

class PortDoctor
{
    Q_DECLARE_TR_FUNCTIONS(PortDoctor)

public:
    // Why the device for COMn could not be opened. The first line names the
    // device and the system's reason; the lines after it say what to check.
    static QString openFailure(const QString& device, QSerialPort::SerialPortError error, const QString& reason);

    // No device stands for COMn at all.
    static QString noDevice(int comNumber);

    // The radio never sent a byte in any attempt.
    static QString silentRadio(const QString& device);

    // Bytes came back, but never the radio's identification.
    static QString wrongAnswer(const QString& device);

    // The radio identified itself and then stopped answering.
    static QString brokeOff(const QString& device);

    // The radio answered, but noise on the line kept adding bytes to an answer.
    static QString noisyLine(const QString& device);

    // Which serial devices are present and which COM each one is.
    static QString presentDevices();

    // The programs (name and process number) that hold a device open; Linux only.
    static QStringList holders(const QString& device);
};
