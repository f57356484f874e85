#include "app/form_options.h"

TCommandLine ParseCommandLine(const QStringList& args) {
    TCommandLine cl;
    static const char* const kNames[] = {"ENGLISH", "DEUTSCH", "FRANCE", "CESKY"};
    if (!args.isEmpty())
        for (int i = 0; i < 4; ++i)
            if (args.first() == QLatin1String(kNames[i])) cl.language = i;
    for (int i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "--port") cl.fixedPort = args[i + 1];
    return cl;
}
