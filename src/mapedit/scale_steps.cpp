#include "mapedit/scale_steps.h"

#include <algorithm>

void SetScaleSteps(CAxe& axis, std::span<const ScaleStepEntry> steps) {
    axis.ScaleStepCount = 0;
    axis.ScaleSteps = {};
    for (const ScaleStepEntry& e : steps) {
        if (e[2] == 0) break;
        int slot = std::min(axis.ScaleStepCount, kMaxScaleSteps - 1);
        axis.ScaleSteps[size_t(slot)] = e;
        axis.ScaleStepCount = slot + 1;
    }
}

const ScaleStepEntry& ChooseScaleStep(CAxe& axis, int span) {
    if (!axis.Numeric || axis.ScaleStepCount == 0) {
        axis.ActiveScaleStep = {0, 1, 1, 1, 1};
        return axis.ActiveScaleStep;
    }
    int chosen = axis.ScaleStepCount - 1;
    for (int i = 0; i < axis.ScaleStepCount; ++i) {
        if (axis.ScaleSteps[size_t(i)][0] >= span) {
            chosen = i;
            break;
        }
    }
    axis.ActiveScaleStep = axis.ScaleSteps[size_t(chosen)];
    return axis.ActiveScaleStep;
}
