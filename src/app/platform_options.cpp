#include "app/platform_options.h"

#include "platform/port_names.h"
#include "platform/serial_qt_port.h"

TFormOptions PlatformFormOptions(const QStringList& arguments) {
    TFormOptions o;
    o.arguments = arguments;
    o.makePort = [] { return std::make_unique<TQtSerialPort>(); };
    o.portNamer = [](int index) { return ComDeviceName(index); };
    o.comCaption = [](int index) { return QString::fromStdString(ComMenuCaption(index)); };
    return o;
}
