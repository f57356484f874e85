#pragma once
// A change of the synchronisation method (or of the preset list), as the Bike
// page's drop-downs trigger it.

#include "model/page_values.h"
#include "model/param_image.h"

#include <functional>
#include <optional>

// Change cause recorded for a synchronisation-method change.
inline constexpr int kChangeCauseSyncMethod = 201;

enum class DefaultAnswer { Yes, No, Cancel };
// Asks "Do you want default setting?" with Yes, No and Cancel; closing the
// question counts as Cancel.
using AskDefaultSetting = std::function<DefaultAnswer()>;

struct SyncChangeResult {
    // Cancelled: the image and values keep the previous BikeCode, and the
    // preset list reselects `reselectIndex` (nullopt: leave the list as it is).
    bool cancelled = false;
    std::optional<int> reselectIndex;
    // Applied: the window shows its pages again and runs its change cycle at
    // once with this cause.
    int changeCause = kChangeCauseSyncMethod;
};

// Applies a new synchronisation method `syncIndex` (byte 84) together with
// the BikeCode of the selected preset-list entry (nullopt: no entry selected,
// the image's code stays).  A negative `syncIndex` (nothing selected) keeps
// the method.  Without a callback the answer is No.
//  1. the entry's code is stored in the image and the values;
//  2. for a code other than 22 the question is asked (22 counts as No);
//  3. Cancel restores the previous code and stops;
//  4. the method is stored and, for a code other than 22, the channel
//     triggers are cleared and the ignitions code set to 1;
//  5. for a code other than 22 the image is reset as by New (all groups),
//     for Yes and No alike;
//  6. the code's preset is applied (all groups) and the values are decoded
//     from the image again.
SyncChangeResult ChangeSyncMethod(TParamImage& img, TPageValues& values,
                                  std::optional<int> selectedPresetIndex, int syncIndex,
                                  const AskDefaultSetting& ask);
