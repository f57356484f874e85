#include "param_image.h"

int ToDisplay(Encoding rule, int stored, bool servoPercent) {
    switch (rule) {
    case Encoding::Times10: return 10 * stored;
    case Encoding::Times20: return 20 * stored;
    case Encoding::Times5: return 5 * stored;
    case Encoding::Times100: return 100 * stored;
    case Encoding::Minus100: return stored - 100;
    case Encoding::ServoCell: return servoPercent ? stored : 20 * stored;
    default: return stored;
    }
}

int ToStored(Encoding rule, int display, bool servoPercent) {
    switch (rule) {
    case Encoding::Times10: return display / 10;
    case Encoding::Times20: return display / 20;
    case Encoding::Times5: return display / 5;
    case Encoding::Times100: return display / 100;
    case Encoding::Minus100: return ((display + 100) % 256 + 256) % 256;
    case Encoding::ServoCell: return servoPercent ? display : display / 20;
    default: return display;
    }
}
