#include "app/form_hlav.h"
#include "app/platform_options.h"
#include "platform/bootloader_socket.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    TFormHlav form(PlatformFormOptions(application.arguments().mid(1)));
    // The firmware-loading tool borrows the port through this socket.
    TBootloaderSocket bootloader(
        [&form](const TBootloaderMessage& m) { form.BootloaderMessage(m.portIndex, m.code); });
    bootloader.Listen();
    form.show();
    return application.exec();
}
