#include "platform/bootloader_socket.h"
#include "platform/port_names.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>

#include <gtest/gtest.h>

#include <vector>

namespace {

#ifndef _WIN32
TEST(PortNames, FixedLinuxTable) {
    EXPECT_EQ(ComDeviceName(0), "/dev/ttyUSB0");
    EXPECT_EQ(ComDeviceName(9), "/dev/ttyUSB9");
    EXPECT_EQ(ComDeviceName(10), "/dev/ttyACM0");
    EXPECT_EQ(ComDeviceName(19), "/dev/ttyACM9");
    EXPECT_EQ(ComDeviceName(20), "/dev/ttyS0");
    EXPECT_EQ(ComDeviceName(29), "/dev/ttyS9");
    EXPECT_EQ(ComDeviceName(30), ""); // the scan's COM31
    EXPECT_EQ(ComDeviceName(-1), "");
    EXPECT_EQ(ComMenuCaption(0), "Com 1 (ttyUSB0)");
    EXPECT_EQ(ComMenuCaption(29), "Com 30 (ttyS9)");
    EXPECT_EQ(ComMenuCaption(30), "Com Auto");
}
#endif

TEST(BootloaderLine, ParsesTwoDecimalIntegers) {
    using M = TBootloaderMessage;
    EXPECT_EQ(ParseBootloaderLine("0 2147483553\n"), (M{0, 0x7FFFFFA1}));
    EXPECT_EQ(ParseBootloaderLine("  4\t2147483556\r\n"), (M{4, 0x7FFFFFA4}));
    for (const char* bad : {"", "0", "0 x", "0x1 5", "1 2 3", "1 -5", "a 1", "1 99999999999"})
        EXPECT_FALSE(ParseBootloaderLine(bad).has_value()) << bad;
}

TEST(BootloaderSocket, DeliversEachLine) {
    static int argc = 1;
    static char name[] = "link_platform_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);

    std::vector<TBootloaderMessage> got;
    TBootloaderSocket server([&](const TBootloaderMessage& m) { got.push_back(m); });
    const QString socketName =
        QString("ardentix-bootloader-test-%1").arg(QCoreApplication::applicationPid());
    ASSERT_TRUE(server.Listen(socketName));

    QLocalSocket client;
    client.connectToServer(socketName);
    ASSERT_TRUE(client.waitForConnected(2000));
    client.write("0 2147483554\nnonsense\n3 2147483556\n");
    client.flush();
    QElapsedTimer t;
    t.start();
    while (got.size() < 2 && t.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0], (TBootloaderMessage{0, 0x7FFFFFA2}));
    EXPECT_EQ(got[1], (TBootloaderMessage{3, 0x7FFFFFA4}));
}

} // namespace
