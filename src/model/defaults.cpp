#include "model/defaults.h"
#include "model/normalise.h"

void ApplyDefaults(TParamImage&, PageSelection) {}

TParamImage StartupImage() {
    TParamImage img;
    img.set(Field::BikeCode, 20);
    ApplyDefaults(img, PageSelection::All());
    return img;
}
