#pragma once
// What the program hands the main window from outside: the command line and
// the platform pieces (serial port, port names), replaceable in tests.

#include "link/link_engine.h"
#include "link/serial_port.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

struct TFormOptions {
    QStringList arguments; // without the program name
    std::function<std::unique_ptr<ISerialPort>()> makePort;
    PortNamer portNamer;                    // device of a Com menu index
    std::function<QString(int)> comCaption; // menu caption of a Com menu index
    QString programDir;                     // where "data.ign" is proposed
    bool runTimer = true;                   // tests drive the tick themselves
};

// The command line beyond the language word (which the start-up language
// rule reads): "--port DEVICE" fixes the serial device.
struct TCommandLine {
    QString fixedPort;
};
TCommandLine ParseCommandLine(const QStringList& arguments);
