#include "app/form_options.h"

TCommandLine ParseCommandLine(const QStringList& args) {
    TCommandLine cl;
    for (int i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "--port") cl.fixedPort = args[i + 1];
    return cl;
}
