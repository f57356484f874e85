#include "model/sync_change.h"

#include "model/defaults.h"
#include "model/presets.h"

namespace {

void SetBikeCode(TParamImage& img, TPageValues& values, int code) {
    img.set(Field::BikeCode, code);
    values.bikeCode = code;
}

} // namespace

SyncChangeResult ChangeSyncMethod(TParamImage& img, TPageValues& values,
                                  std::optional<int> selectedPresetIndex, int syncIndex,
                                  const AskDefaultSetting& ask) {
    const int previousCode = img.get(Field::BikeCode);
    int code = previousCode;
    if (selectedPresetIndex) {
        const int selected = PresetCodeForIndex(*selectedPresetIndex);
        if (selected >= 0) code = selected;
    }
    SetBikeCode(img, values, code);

    const bool special = code == kBikeCodeSpecial;
    const DefaultAnswer answer = special || !ask ? DefaultAnswer::No : ask();
    if (answer == DefaultAnswer::Cancel) {
        SetBikeCode(img, values, previousCode);
        return {true, PresetIndexForCode(previousCode), kChangeCauseSyncMethod};
    }

    const PageSelection all = PageSelection::All();
    if (syncIndex >= 0 && syncIndex <= 0xFF)
        img.set(Field::SyncMethod, syncIndex); // -1: no selection
    ResetForBikeCode(img, all);
    // The reset follows Yes and No alike: only Cancel keeps the image.
    if (!special) NewImage(img, all);
    ApplyPreset(img, code, all);
    ImageToValues(img, values);
    return {false, std::nullopt, kChangeCauseSyncMethod};
}
