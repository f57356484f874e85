#include "model/normalise.h"

void NormaliseImage(TParamImage&) {}
