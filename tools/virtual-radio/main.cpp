// SPDX-License-Identifier: GPL-3.0-or-later
// qv3n-virtual-radio: a QV3N radio on a pseudo-terminal, for trying the
// programming software without a cable. It prints the port's device path on
// its first output line and serves until it is stopped.

#include "VirtualRadio.h"

#include "ChannelFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

int signalPipe[2] = { -1, -1 };

void onStopSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

// Ctrl+C, kill and a closed terminal end the event loop, so the radio closes
// its port and removes its link on the way out.
bool quitOnStopSignals(QCoreApplication& app)
{
    if (::pipe(signalPipe) != 0)
        return false;
    for (const int fd : signalPipe)
        fcntl(fd, F_SETFD, FD_CLOEXEC);
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] { QCoreApplication::quit(); });
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : { SIGINT, SIGTERM, SIGHUP })
        sigaction(signal, &action, nullptr);
    return true;
}

void printError(const QString& text)
{
    std::fprintf(stderr, "qv3n-virtual-radio: %s\n", qPrintable(text));
}

bool parseNumber(const QCommandLineParser& parser, const QString& option, int low, int high, int* value)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    const int number = parser.value(option).toInt(&ok);
    if (!ok || number < low || number > high) {
        printError(QStringLiteral("--%1 takes a whole number from %2 to %3, not \"%4\".")
                       .arg(option).arg(low).arg(high).arg(parser.value(option)));
        return false;
    }
    *value = number;
    return true;
}

bool parseNoisePattern(const QString& text, QByteArray* pattern)
{
    static const QRegularExpression hexBytes(QStringLiteral("^([0-9A-Fa-f]{2})+$"));
    if (!hexBytes.match(text).hasMatch()) {
        printError(QStringLiteral("--noise-pattern takes bytes in hexadecimal, two digits each (such as 5AA5 or "
                                  "06), not \"%1\".").arg(text));
        return false;
    }
    *pattern = QByteArray::fromHex(text.toLatin1());
    return true;
}

bool parseFault(const QString& text, VirtualRadio::Fault* fault)
{
    static const std::pair<const char*, VirtualRadio::Fault> names[] = {
        { "none", VirtualRadio::Fault::None },
        { "no-reply", VirtualRadio::Fault::NoReply },
        { "wrong-identifier", VirtualRadio::Fault::WrongIdentifier },
        { "short-block", VirtualRadio::Fault::ShortBlock },
        { "bad-ack", VirtualRadio::Fault::BadAck },
        { "hang-up", VirtualRadio::Fault::HangUp },
        { "noise-before-identification", VirtualRadio::Fault::NoiseBeforeIdentification },
        { "noise-after-block", VirtualRadio::Fault::NoiseAfterBlock },
        { "noise-before-block", VirtualRadio::Fault::NoiseBeforeBlock },
        { "noise-after-identification", VirtualRadio::Fault::NoiseAfterIdentification },
        { "glitch-in-block", VirtualRadio::Fault::GlitchInBlock },
        { "glitch-in-identification", VirtualRadio::Fault::GlitchInIdentification },
        { "double-ack", VirtualRadio::Fault::DoubleAck },
        { "stores-wrongly", VirtualRadio::Fault::StoresWrongly },
    };
    for (const auto& [name, value] : names) {
        if (text == QLatin1String(name)) {
            *fault = value;
            return true;
        }
    }
    printError(QStringLiteral("unknown fault \"%1\"; choose none, no-reply, wrong-identifier, short-block, "
                              "bad-ack, hang-up, noise-before-identification, noise-after-identification, "
                              "noise-before-block, noise-after-block, glitch-in-identification, glitch-in-block, "
                              "double-ack or stores-wrongly.").arg(text));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qv3n-virtual-radio"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QV3N_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A virtual QV3N radio on a pseudo-terminal. It prints the port's device path as the first line of its "
        "output and answers the programming software's reads and writes until it is stopped (Ctrl+C). "
        "Point the program's COM1 at it with QV3N_COM1=<path>."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        { QStringLiteral("chann"), QStringLiteral("Start with the memory held in a channel file (.chann)."),
          QStringLiteral("file") },
        { QStringLiteral("blank"), QStringLiteral("Start with an erased memory (255 everywhere) instead of the demo.") },
        { QStringLiteral("radio-version"), QStringLiteral("Answer as a version 1 or version 2 radio (default 2)."),
          QStringLiteral("1|2") },
        { QStringLiteral("identifier-offset"),
          QStringLiteral("Send this many bytes before the identifier \"T6815\" (default 0)."), QStringLiteral("bytes") },
        { QStringLiteral("pace"),
          QStringLiteral("Run both directions of the line at 9600 baud (about 1.04 ms a byte), as a real cable does.") },
        { QStringLiteral("block-delay"), QStringLiteral("Wait this long before each block reply and acknowledge."),
          QStringLiteral("ms") },
        { QStringLiteral("fault"),
          QStringLiteral("Misbehave: none, no-reply (to the handshake), wrong-identifier, short-block (a 20-byte "
                         "reply), bad-ack (15 instead of 06 after a write frame), hang-up (close the port), "
                         "noise-before-identification, noise-after-identification (--noise-delay after it), "
                         "noise-before-block (just before a block's reply or acknowledge), noise-after-block "
                         "(--noise-delay after a block's reply or acknowledge), glitch-in-identification or "
                         "glitch-in-block (one noise byte inside the identification or a block's reply, after "
                         "--glitch-at bytes), double-ack (a write frame acknowledged twice) or stores-wrongly (a "
                         "written block stored with its first byte changed). Noise that comes while the radio "
                         "sends goes in between its bytes."),
          QStringLiteral("kind") },
        { QStringLiteral("fault-block"), QStringLiteral("The block at which the block faults strike."),
          QStringLiteral("block") },
        { QStringLiteral("fault-times"), QStringLiteral("Misbehave only this many times (default 0: every time)."),
          QStringLiteral("count") },
        { QStringLiteral("noise-bytes"), QStringLiteral("Bytes in each burst of noise (default 2)."),
          QStringLiteral("count") },
        { QStringLiteral("noise-delay"),
          QStringLiteral("Time from the end of a reply until the noise after it (default 0)."), QStringLiteral("ms") },
        { QStringLiteral("noise-pattern"),
          QStringLiteral("The bytes of the noise in hexadecimal, repeated to --noise-bytes; 06 looks like an "
                         "acknowledge (default 5AA5FF00, which never does)."),
          QStringLiteral("hex") },
        { QStringLiteral("glitch-at"),
          QStringLiteral("Bytes of the reply before a glitch byte inside it, 1 to 20 (default 10)."),
          QStringLiteral("bytes") },
        { QStringLiteral("restart"),
          QStringLiteral("After a write, restart: ignore the line for this long, as radios do after programming."),
          QStringLiteral("ms") },
        { QStringLiteral("save"), QStringLiteral("Save the memory to this channel file whenever a write ends."),
          QStringLiteral("file") },
        { QStringLiteral("link"), QStringLiteral("Make a symbolic link to the port at this path (removed on exit)."),
          QStringLiteral("path") },
        { QStringLiteral("verbose"), QStringLiteral("Describe every step of the exchange on standard error.") },
        { QStringLiteral("quiet"), QStringLiteral("Print nothing but the port path and errors.") },
    });
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        printError(QStringLiteral("unexpected argument \"%1\"; see --help.").arg(parser.positionalArguments().first()));
        return 2;
    }

    VirtualRadio::Options options;
    if (!parseNumber(parser, QStringLiteral("radio-version"), 1, 2, &options.version)
        || !parseNumber(parser, QStringLiteral("identifier-offset"), 0, 64, &options.identifierOffset)
        || !parseNumber(parser, QStringLiteral("block-delay"), 0, 60'000, &options.blockDelayMs)
        || !parseNumber(parser, QStringLiteral("fault-block"), 0, 255, &options.faultBlock)
        || !parseNumber(parser, QStringLiteral("fault-times"), 0, 1'000'000, &options.faultTimes)
        || !parseNumber(parser, QStringLiteral("noise-bytes"), 1, 64, &options.noiseBytes)
        || !parseNumber(parser, QStringLiteral("noise-delay"), 0, 60'000, &options.noiseDelayMs)
        || !parseNumber(parser, QStringLiteral("glitch-at"), 1, 20, &options.glitchAt)
        || !parseNumber(parser, QStringLiteral("restart"), 0, 60'000, &options.restartMs))
        return 2;
    if (parser.isSet(QStringLiteral("fault")) && !parseFault(parser.value(QStringLiteral("fault")), &options.fault))
        return 2;
    if (parser.isSet(QStringLiteral("noise-pattern"))
        && !parseNoisePattern(parser.value(QStringLiteral("noise-pattern")), &options.noisePattern))
        return 2;
    if (parser.isSet(QStringLiteral("chann")) && parser.isSet(QStringLiteral("blank"))) {
        printError(QStringLiteral("--chann and --blank exclude each other."));
        return 2;
    }
    options.pace = parser.isSet(QStringLiteral("pace"));
    options.saveOnWriteEnd = parser.value(QStringLiteral("save"));
    options.symlink = parser.value(QStringLiteral("link"));

    VirtualRadio radio(options);
    QString memoryName = QStringLiteral("demo memory");
    if (parser.isSet(QStringLiteral("chann"))) {
        const QString path = parser.value(QStringLiteral("chann"));
        const ChannelFile::ReadResult file = ChannelFile::read(path);
        if (!file.ok()) {
            printError(ChannelFile::readErrorMessage(file, QDir::toNativeSeparators(path)));
            return 1;
        }
        MemoryImage memory;
        memory.setBytes(file.bytes);
        radio.setMemory(memory);
        memoryName = parser.value(QStringLiteral("chann"));
    } else if (parser.isSet(QStringLiteral("blank"))) {
        radio.setMemory(MemoryImage());
        memoryName = QStringLiteral("erased memory");
    }

    // Whoever read the port path may close our output; that must not end the radio.
    std::signal(SIGPIPE, SIG_IGN);
    if (!quitOnStopSignals(app)) {
        printError(QStringLiteral("cannot watch for Ctrl+C; not starting."));
        return 1;
    }
    QString error;
    if (!radio.start(&error)) {
        printError(error);
        return 1;
    }
    std::printf("%s\n", qPrintable(radio.portPath()));
    std::fflush(stdout);

    const bool quiet = parser.isSet(QStringLiteral("quiet"));
    if (!quiet)
        std::fprintf(stderr, "Virtual version %d radio with %s on %s%s. Stop it with Ctrl+C.\n", options.version,
                     qPrintable(memoryName), qPrintable(radio.portPath()),
                     options.symlink.isEmpty() ? "" : qPrintable(QStringLiteral(" (linked as %1)").arg(options.symlink)));
    if (parser.isSet(QStringLiteral("verbose")))
        QObject::connect(&radio, &VirtualRadio::activity, [](const QString& text) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
        });
    QObject::connect(&radio, &VirtualRadio::saveFailed, [](const QString& text) { printError(text); });
    QObject::connect(&radio, &VirtualRadio::hungUp, &app, [quiet] {
        if (!quiet)
            std::fprintf(stderr, "Hung up as asked (--fault hang-up); the port is gone, so the radio stops.\n");
        QCoreApplication::quit();
    });
    return app.exec();
}
